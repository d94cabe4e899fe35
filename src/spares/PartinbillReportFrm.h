#pragma once

#include "PartinSet.h"
#include "PartinWhere.h"
#include "ui/BasicFrm.h"

class QAction;
class QToolBar;
class TPartinSearchBar;
class TjtDBGrid;

// "备件申购单查询": the bills meeting the search panel's conditions.
class TPartinbillReportFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TPartinbillReportFrm(QWidget* parent = nullptr);

    TPartinSet& Bills() { return m_bills; }
    TPartinWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    TPartinSearchBar* SearchBar() const { return m_searchBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QAction* OpenAction() const { return m_open; }
    QAction* CloseAction() const { return m_close; }

    void SearchClick();
    void OpenClick();

private:
    TPartinSet m_bills;
    TPartinWhere m_where;
    TjtDBGrid* m_grid;
    TPartinSearchBar* m_searchBar;
    QToolBar* m_toolBar;
    QAction* m_open;
    QAction* m_close;
};
