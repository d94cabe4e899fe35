#pragma once

#include "RepairSet.h"
#include "RepairWhere.h"
#include "ui/BasicFrm.h"

class DataSource;
class QAction;
class QComboBox;
class QLineEdit;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;
class TjtDateTimePicker;

// "设备维修": the repairs of every machine, open ones first, narrowed by the search panel.
class TRepairListFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TRepairListFrm(QWidget* parent = nullptr);
    ~TRepairListFrm() override;

    TRepairSet& Repairs() { return m_repairs; }
    TRepairWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* SearchPanel() const { return m_searchPanel; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* HideAction() const { return m_hide; }
    QAction* CloseAction() const { return m_close; }
    TjtDateTimePicker* SendDateFromEdit() const { return m_sendFrom; }
    TjtDateTimePicker* SendDateToEdit() const { return m_sendTo; }
    TjtDateTimePicker* RepairDateFromEdit() const { return m_repairFrom; }
    TjtDateTimePicker* RepairDateToEdit() const { return m_repairTo; }
    QComboBox* ClassCombo() const { return m_class; }
    QComboBox* HandmanCombo() const { return m_handman; }
    QComboBox* FactoryCombo() const { return m_factory; }
    QComboBox* SanctionmanCombo() const { return m_sanctionman; }
    QComboBox* StateCombo() const { return m_state; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
    QLineEdit* DeptEdit() const { return m_dept; }
    QLineEdit* CodeEdit() const { return m_code; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

    void SearchClick();
    void ResetClick();
    void PickDeptClick();
    // The colour a row's text is drawn in: green while the repair is open.
    QColor RowColor(int row) const;


private:
    void CreateActions();
    void CreateBars();
    QWidget* CreateSearchPanel();
    void UpdateActions();
    void EditClick();

    TRepairSet m_repairs;
    TRepairWhere m_where;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_searchPanel = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_hide = nullptr;
    QAction* m_close = nullptr;
    TjtDateTimePicker* m_sendFrom = nullptr;
    TjtDateTimePicker* m_sendTo = nullptr;
    TjtDateTimePicker* m_repairFrom = nullptr;
    TjtDateTimePicker* m_repairTo = nullptr;
    QComboBox* m_class = nullptr;
    QComboBox* m_handman = nullptr;
    QComboBox* m_factory = nullptr;
    QComboBox* m_sanctionman = nullptr;
    QComboBox* m_state = nullptr;
    QLineEdit* m_keyword = nullptr;
    QLineEdit* m_dept = nullptr;
    QLineEdit* m_code = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
};
