#pragma once

#include "AccessoriesSet.h"
#include "AccessoriesWhere.h"
#include "ui/BasicFrm.h"

class DataSource;
class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;

// "设备附件": the accessories of every machine, narrowed by the find panel above the list.
class TAccessoryReportFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TAccessoryReportFrm(QWidget* parent = nullptr);
    ~TAccessoryReportFrm() override;

    TAccessoriesSet& Accessories() { return m_accessories; }
    TAccessoriesWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* FindPanel() const { return m_findPanel; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* StatAction() const { return m_stat; }
    QAction* CloseAction() const { return m_close; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* PartNoEdit() const { return m_partNo; }
    QLineEdit* MadeinEdit() const { return m_madein; }
    QComboBox* ClassCombo() const { return m_class; }
    QLineEdit* AssetCodeEdit() const { return m_assetCode; }
    QLineEdit* AssetNameEdit() const { return m_assetName; }
    QLineEdit* DeptEdit() const { return m_dept; }
    QLineEdit* AssetClassEdit() const { return m_assetClass; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

    void SearchClick();
    void ResetClick();
    void PickDeptClick();
    void PickClassClick();
    void AddClick();
    void EditClick();
    void DeleteClick();
    void StatClick();


private:
    void CreateActions();
    QToolBar* CreateToolBar();
    QWidget* CreateFindPanel();
    void CreateMenus();

    TAccessoriesSet m_accessories;
    TAccessoriesWhere m_where;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_findPanel = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_stat = nullptr;
    QAction* m_close = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_partNo = nullptr;
    QLineEdit* m_madein = nullptr;
    QComboBox* m_class = nullptr;
    QLineEdit* m_assetCode = nullptr;
    QLineEdit* m_assetName = nullptr;
    QLineEdit* m_dept = nullptr;
    QLineEdit* m_assetClass = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
};
