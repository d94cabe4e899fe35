#pragma once

#include "ui/BasicFrm.h"

#include <QList>

class DataSource;
class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class QToolButton;
class TAssetFra;
class TAssetsSet;
class TEquipmentGrid;

// "设备台账": the equipment ledger as a list, with its find bar, the detail panel of the current
// machine below it and the commands that add, find, export and delete machines.
class TAssetListFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TAssetListFrm(QWidget* parent = nullptr);
    ~TAssetListFrm() override;

    TEquipmentGrid* Grid() const { return m_grid; }
    TAssetsSet& Assets() const;
    TAssetFra* Panel() const { return m_panel; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QWidget* FindBar() const { return m_findBar; }
    QStatusBar* StatusBar() const { return m_statusBar; }
    QString StatusText(int panel) const;

    QAction* AddAction() const { return m_add; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* RefreshAction() const { return m_refresh; }
    QAction* FindAction() const { return m_find; }
    QAction* ExportAction() const { return m_export; }
    QAction* StatAction() const { return m_stat; }
    QLineEdit* DeptEdit() const { return m_dept; }
    QLineEdit* ClassEdit() const { return m_class; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
    QComboBox* StatusCombo() const { return m_status; }
    QToolButton* FindButton() const { return m_findButton; }
    QToolButton* ResetButton() const { return m_resetButton; }

    // Reopens the list and keeps the current machine current (also after a save in the panel).
    void ReopenClick();
    // The find bar: the quick find, and clearing its conditions.
    void QuickFind();
    void ResetFind();
    void PickDept();
    void PickClassClick();
    // Puts a machine added elsewhere into the list without reading the list again.
    void Added(TAssetsSet& added);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    QToolBar* CreateToolBar();
    QWidget* CreateFindBar();
    void CreateStatusBar();
    void FollowRow();
    QString Summary() const;
    void AddClick();
    void DeleteClick();
    void FindClick();
    void ExportClick();
    void StatClick();
    QAction* ViewToggle(QMenu* menu, const QString& caption, QWidget* bar);

    TEquipmentGrid* m_grid;
    TAssetFra* m_panel;
    QStackedWidget* m_lower;
    QLabel* m_noneSelected;
    DataSource* m_findSource;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_findBar = nullptr;
    QStatusBar* m_statusBar = nullptr;
    QList<QLabel*> m_panels;
    QActionGroup* m_pageGroup = nullptr;
    QAction* m_add = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_refresh = nullptr;
    QAction* m_find = nullptr;
    QAction* m_export = nullptr;
    QAction* m_stat = nullptr;
    QAction* m_close = nullptr;
    QLineEdit* m_dept = nullptr;
    QLineEdit* m_class = nullptr;
    QLineEdit* m_keyword = nullptr;
    QComboBox* m_status = nullptr;
    QToolButton* m_findButton = nullptr;
    QToolButton* m_resetButton = nullptr;
    QString m_hint;
};
