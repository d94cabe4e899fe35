#pragma once

#include "CareitemSet.h"
#include "CareitemWhere.h"
#include "ui/BasicFrm.h"

class QAction;
class QMenuBar;
class QToolBar;
class QToolButton;
class TCareSearchPanel;
class TjtDBGrid;

// "保养点": the maintenance items of every machine; it opens on the items that are due.
class TCareitemListFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TCareitemListFrm(QWidget* parent = nullptr);
    ~TCareitemListFrm() override;

    TCareitemSet& Items() { return m_items; }
    TCareitemWhere& Where() { return m_where; }
    TjtDBGrid* Grid() const { return m_grid; }
    TCareSearchPanel* SearchPanel() const { return m_panel; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QToolButton* CareButton() const { return m_careButton; }

    QAction* AddAction() const { return m_add; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* HideAction() const { return m_hide; }
    QAction* AddCareAction() const { return m_addCare; }
    QAction* EditLastCareAction() const { return m_editLastCare; }
    QAction* ShowCaresAction() const { return m_showCares; }
    QAction* CloseAction() const { return m_close; }

    void SearchClick();
    // Whether a row's next due date has come (or it has none): such rows are drawn green.
    static bool DueOrUnplanned(const QVariant& nextCaredate);

private:
    void CreateActions();
    void CreateBars();
    void UpdateActions();
    void AddClick();
    void ShowCaresClick();
    void DoubleClick();

    TCareitemSet m_items;
    TCareitemWhere m_where;
    TjtDBGrid* m_grid;
    TCareSearchPanel* m_panel;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QToolButton* m_careButton = nullptr;
    QAction* m_add = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_hide = nullptr;
    QAction* m_addCare = nullptr;
    QAction* m_editLastCare = nullptr;
    QAction* m_showCares = nullptr;
    QAction* m_close = nullptr;
};
