#pragma once

#include "PartinSet.h"
#include "PartindlSet.h"
#include "ui/BasicFrm.h"

#include <functional>

class DataSource;
class QAction;
class QLabel;
class QMenuBar;
class QToolBar;
class QToolButton;
class TjtDBGrid;
struct TPartindlInput;

// "备件申购单": one inbound bill with its lines, confirmation and arrivals.
class TPartinBillFrm : public TBasicFrm {
    Q_OBJECT
public:
    explicit TPartinBillFrm(QWidget* parent = nullptr);
    ~TPartinBillFrm() override;

    // Shows bill N; a bill that is not there closes the window and says so.
    bool LoadBill(int id);
    // Writes a new bill from the editor's values and shows it.
    bool CreateBill(const TPartinInput& input);

    TPartinSet& Bill() { return m_bill; }
    TPartindlSet& Lines() { return m_lines; }
    TjtDBGrid* Grid() const { return m_grid; }
    QLabel* NumberLabel() const { return m_number; }
    QMenuBar* MenuBar() const { return m_menuBar; }
    QToolBar* ToolBar() const { return m_toolBar; }

    QAction* NewAction() const { return m_new; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }
    QAction* ConfirmAction() const { return m_confirm; }
    QAction* WithdrawAction() const { return m_withdraw; }
    QAction* FindAction() const { return m_find; }
    QAction* PriorAction() const { return m_prior; }
    QAction* NextAction() const { return m_next; }
    QAction* CloseAction() const { return m_close; }
    QAction* LineAddAction() const { return m_lineAdd; }
    QAction* LineDeleteAction() const { return m_lineDelete; }
    QAction* LineEditAction() const { return m_lineEdit; }
    QAction* ArriveAction() const { return m_arrive; }

    void NewClick();
    void EditClick();
    void DeleteClick();
    void AddLineClick();
    void EditLineClick();
    void DeleteLineClick();
    void ArriveClick();
    void ConfirmClick();
    void WithdrawClick();
    void PriorClick();
    void NextClick();
    void FindClick();

private:
    void CreateActions();
    QToolBar* CreateToolBar();
    QWidget* CreateBody();
    QWidget* CreateLineButtons(QWidget* parent);
    void CreateMenus();
    void UpdateActions();
    bool SaveHeader(const TPartinInput& input);
    bool SaveLine(bool isNew, const TPartindlInput& input);
    bool SaveState(bool confirmed, const QString& man, const QDateTime& when);
    bool LinePicked(const TPartData& part);

    TPartinSet m_bill;
    TPartindlSet m_lines;
    DataSource* m_billSource;
    TjtDBGrid* m_grid;
    QLabel* m_number = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QAction* m_new = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_confirm = nullptr;
    QAction* m_withdraw = nullptr;
    QAction* m_find = nullptr;
    QAction* m_prior = nullptr;
    QAction* m_next = nullptr;
    QAction* m_close = nullptr;
    QAction* m_lineAdd = nullptr;
    QAction* m_lineDelete = nullptr;
    QAction* m_lineEdit = nullptr;
    QAction* m_arrive = nullptr;
};

// A bill window of its own on bill N inside the main window (or on its own without one);
// null when the bill is not there.
TPartinBillFrm* OpenPartinBill(int id);
// Shows a bill window inside the main window, or on its own without one.
void ShowPartinBill(TPartinBillFrm* window);
