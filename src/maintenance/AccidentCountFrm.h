#pragma once

#include "AccidentCountSet.h"
#include "AccidentCountWhere.h"
#include "ui/BasicFrm.h"

class DataSource;
class QAction;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;
class TjtDateTimePicker;

// "事故分析": accidents counted and their losses summed over a date range, by department, grade
// and nature. Opens on the current year.
class TAccidentCountFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TAccidentCountFrm(QWidget* parent = nullptr);
    ~TAccidentCountFrm() override;

    TAccidentCountSet& Result() { return m_result; }
    TAccidentCountWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QWidget* DatePanel() const { return m_datePanel; }
    TjtDateTimePicker* DateFromEdit() const { return m_dateFrom; }
    TjtDateTimePicker* DateToEdit() const { return m_dateTo; }
    QToolButton* SearchButton() const { return m_search; }
    QToolButton* ResetButton() const { return m_reset; }
    QAction* CloseAction() const { return m_close; }

    void SearchClick();
    void ResetClick();

private:
    QWidget* CreateDatePanel();

    TAccidentCountSet m_result;
    TAccidentCountWhere m_where;
    DataSource* m_whereSource;
    TjtDBGrid* m_grid;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QWidget* m_datePanel = nullptr;
    TjtDateTimePicker* m_dateFrom = nullptr;
    TjtDateTimePicker* m_dateTo = nullptr;
    QToolButton* m_search = nullptr;
    QToolButton* m_reset = nullptr;
    QAction* m_close = nullptr;
};
