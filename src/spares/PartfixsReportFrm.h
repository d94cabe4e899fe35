#pragma once

#include "PartfixsSet.h"
#include "ui/BasicFrm.h"

class DataSource;
class QAction;
class QLineEdit;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;
class TjtDateTimePicker;

// "备件安装": parts installed on equipment, narrowed by the search panel above the list.
class TPartfixsReportFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TPartfixsReportFrm(QWidget* parent = nullptr);
    ~TPartfixsReportFrm() override;

    TPartfixsSet& Partfixs() { return m_partfixs; }
    TPartfixsWhere& Where() { return m_partfixs.Where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* SearchPanel() const { return m_searchPanel; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* CloseAction() const { return m_close; }
    TjtDateTimePicker* FixFromEdit() const { return m_fixFrom; }
    TjtDateTimePicker* FixToEdit() const { return m_fixTo; }
    TjtDateTimePicker* UnfixFromEdit() const { return m_unfixFrom; }
    TjtDateTimePicker* UnfixToEdit() const { return m_unfixTo; }
    QLineEdit* ReasonEdit() const { return m_reason; }
    QLineEdit* RemarksEdit() const { return m_remarks; }
    QLineEdit* PartEdit() const { return m_part; }
    QLineEdit* AssetEdit() const { return m_asset; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

    void SearchClick();
    void ResetClick();
    void PickPartClick();
    void PickAssetClick();


private:
    void CreateActions();
    QToolBar* CreateToolBar();
    QWidget* CreateSearchPanel();
    void CreateMenus();
    bool Commit();
    void AddClick();
    void EditClick();
    void DeleteClick();
    int Edit(bool isNew);

    TPartfixsSet m_partfixs;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_searchPanel = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_close = nullptr;
    TjtDateTimePicker* m_fixFrom = nullptr;
    TjtDateTimePicker* m_fixTo = nullptr;
    TjtDateTimePicker* m_unfixFrom = nullptr;
    TjtDateTimePicker* m_unfixTo = nullptr;
    QLineEdit* m_reason = nullptr;
    QLineEdit* m_remarks = nullptr;
    QLineEdit* m_part = nullptr;
    QLineEdit* m_asset = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
};
