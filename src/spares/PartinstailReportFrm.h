#pragma once

#include "PartinWhere.h"
#include "PartinstailSet.h"
#include "ui/BasicFrm.h"

#include <QColor>

class QAction;
class QToolBar;
class TPartinSearchBar;
class TjtDBGrid;

// "备件申购明细": bill lines with their bills, coloured by what is still in transit.
class TPartinstailReportFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TPartinstailReportFrm(QWidget* parent = nullptr);

    TPartinstailSet& Lines() { return m_lines; }
    TPartinWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    TPartinSearchBar* SearchBar() const { return m_searchBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QAction* NewAction() const { return m_new; }
    QAction* OpenAction() const { return m_open; }
    QAction* CloseAction() const { return m_close; }

    // The font colour of a grid row: green in transit, black arrived, dark red over-arrived.
    QColor RowColor(int row) const;

    void SearchClick();
    void NewClick();
    void OpenClick();

private:
    TPartinstailSet m_lines;
    TPartinWhere m_where;
    TjtDBGrid* m_grid;
    TPartinSearchBar* m_searchBar;
    QToolBar* m_toolBar;
    QAction* m_new;
    QAction* m_open;
    QAction* m_close;
};
