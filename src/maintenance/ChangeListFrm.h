#pragma once

#include "ChangeWhere.h"
#include "ChangesSet.h"
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

// "设备变更": the change requests of every machine, narrowed by the search panel; it opens
// on the requests still waiting for approval.
class TChangeListFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TChangeListFrm(QWidget* parent = nullptr);
    ~TChangeListFrm() override;

    TChangesSet& Changes() { return m_changes; }
    TChangeWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* SearchPanel() const { return m_searchPanel; }

    QAction* ApplyAction() const { return m_apply; }
    QAction* ApproveAction() const { return m_approve; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* CloseAction() const { return m_close; }
    TjtDateTimePicker* DateFromEdit() const { return m_dateFrom; }
    TjtDateTimePicker* DateToEdit() const { return m_dateTo; }
    QLineEdit* ItemEdit() const { return m_item; }
    QLineEdit* Value1Edit() const { return m_value1; }
    QLineEdit* Value2Edit() const { return m_value2; }
    QLineEdit* ReasonEdit() const { return m_reason; }
    QComboBox* ChgmanCombo() const { return m_chgman; }
    QComboBox* SanctionmanCombo() const { return m_sanctionman; }
    QLineEdit* RemarksEdit() const { return m_remarks; }
    QComboBox* StateCombo() const { return m_state; }
    QLineEdit* CodeEdit() const { return m_code; }
    QLineEdit* NameEdit() const { return m_name; }
    QLineEdit* ClassEdit() const { return m_class; }
    QLineEdit* DeptEdit() const { return m_dept; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }

    void SearchClick();
    void ResetClick();
    void PickClassClick();
    void PickDeptClick();


private:
    void CreateActions();
    QToolBar* CreateToolBar();
    QWidget* CreateSearchPanel();
    void BindSearchPanel();
    void CreateMenus();
    void ApplyClick();
    void UpdateActions();

    TChangesSet m_changes;
    TChangeWhere m_where;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_searchPanel = nullptr;
    QAction* m_apply = nullptr;
    QAction* m_approve = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_close = nullptr;
    TjtDateTimePicker* m_dateFrom = nullptr;
    TjtDateTimePicker* m_dateTo = nullptr;
    QLineEdit* m_item = nullptr;
    QLineEdit* m_value1 = nullptr;
    QLineEdit* m_value2 = nullptr;
    QLineEdit* m_reason = nullptr;
    QComboBox* m_chgman = nullptr;
    QComboBox* m_sanctionman = nullptr;
    QLineEdit* m_remarks = nullptr;
    QComboBox* m_state = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_class = nullptr;
    QLineEdit* m_dept = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
};
