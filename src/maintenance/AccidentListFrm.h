#pragma once

#include "AccidentSet.h"
#include "AccidentWhere.h"
#include "ui/BasicFrm.h"

class DataSource;
class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;
class TjtDateTimePicker;

// "设备事故": the accidents of every machine, narrowed by the search panel above the list.
class TAccidentListFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TAccidentListFrm(QWidget* parent = nullptr);
    ~TAccidentListFrm() override;

    TAccidentSet& Accidents() { return m_accidents; }
    TAccidentWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* SearchPanel() const { return m_searchPanel; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* CountAction() const { return m_count; }
    QAction* CloseAction() const { return m_close; }
    QLineEdit* CodeEdit() const { return m_code; }
    QLineEdit* ClassEdit() const { return m_class; }
    QLineEdit* DeptEdit() const { return m_dept; }
    TjtDateTimePicker* DateFromEdit() const { return m_dateFrom; }
    TjtDateTimePicker* DateToEdit() const { return m_dateTo; }
    QComboBox* GradeCombo() const { return m_grade; }
    QComboBox* NatureCombo() const { return m_nature; }
    QLineEdit* MoneyFromEdit() const { return m_moneyFrom; }
    QLineEdit* MoneyToEdit() const { return m_moneyTo; }
    QLineEdit* KeywordEdit() const { return m_keyword; }
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
    void CreateMenus();
    void AddClick();
    void EditClick();
    void CountClick();

    TAccidentSet m_accidents;
    TAccidentWhere m_where;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_searchPanel = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_count = nullptr;
    QAction* m_close = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_class = nullptr;
    QLineEdit* m_dept = nullptr;
    TjtDateTimePicker* m_dateFrom = nullptr;
    TjtDateTimePicker* m_dateTo = nullptr;
    QComboBox* m_grade = nullptr;
    QComboBox* m_nature = nullptr;
    QLineEdit* m_moneyFrom = nullptr;
    QLineEdit* m_moneyTo = nullptr;
    QLineEdit* m_keyword = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
};
