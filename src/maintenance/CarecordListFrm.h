#pragma once

#include "CarecordSet.h"
#include "CareitemWhere.h"
#include "ui/BasicFrm.h"

class QAction;
class QMenuBar;
class QToolBar;
class TCareSearchPanel;
class TjtDBGrid;

// "保养记录": the care records of every machine; it starts empty until searched.
class TCarecordListFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TCarecordListFrm(QWidget* parent = nullptr);
    ~TCarecordListFrm() override;

    // The open list, brought forward, or a new one opened the way the main window opens it.
    static TCarecordListFrm* Open();

    TCarecordSet& Records() { return m_records; }
    TCarecordWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    TCareSearchPanel* SearchPanel() const { return m_panel; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* HideAction() const { return m_hide; }
    QAction* CloseAction() const { return m_close; }

    void SearchClick();
    // The records of one item; later searches are not limited to it.
    void ShowItem(int itemId);
    // The care record bill on the current record; the list follows what it changed.
    void EditClick();

private:
    void CreateActions();
    void CreateBars();
    void UpdateActions();

    TCarecordSet m_records;
    TCarecordWhere m_where;
    TjtDBGrid* m_grid;
    TCareSearchPanel* m_panel;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_hide = nullptr;
    QAction* m_close = nullptr;
};
