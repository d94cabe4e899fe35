#include "PartinBillFrm.h"

#include "PartPickerFrm.h"
#include "PartinArriveFrm.h"
#include "PartinEditorFrm.h"
#include "PartinReceEditorFrm.h"
#include "PartinUi_p.h"
#include "PartinbillReportFrm.h"
#include "PartindlEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "platform/dataset/DataSource.h"
#include "ui/PubFrm.h"
#include "ui/jtDBGrid.h"
#include "ui/mainFrm.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

using namespace partinui;

namespace {

constexpr int kLinesLayout = 144;

// Posts the changed row when the write reports one row, cancels it otherwise; a refused
// statement is shown and cancels it too.
bool Commit(DataSet& data, const std::function<bool()>& write) {
    bool done = false;
    try {
        done = write();
    } catch (const Exception& e) {
        data.Cancel();
        ShowInfo(e.Message());
        return false;
    }
    if (done) data.Post();
    else data.Cancel();
    return done;
}

QLineEdit* ShowEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

TPartinBillFrm::TPartinBillFrm(QWidget* parent)
    : TBasicFrm(parent), m_billSource(new DataSource(m_bill.Query(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::DBGrid, this)) {
    setWindowTitle(QStringLiteral("备件申购单"));
    setObjectName(QStringLiteral("PartinBillFrm"));
    CreateActions();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLinesLayout);
    m_grid->SetDataSet(&m_lines.Query());
    m_grid->InsertMenuAction(m_arrive);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_lineEdit->isEnabled()) EditLineClick();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = CreateToolBar();
    QWidget* body = CreateBody();
    CreateMenus();
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(body, 1);
    UpdateActions();
}

TPartinBillFrm::~TPartinBillFrm() = default;

void TPartinBillFrm::CreateActions() {
    const auto action = [this](const char* caption, void (TPartinBillFrm::*click)()) {
        QAction* a = partinui::NewAction(this, QString::fromUtf8(caption));
        connect(a, &QAction::triggered, this, click);
        return a;
    };
    m_new = action("新建", &TPartinBillFrm::NewClick);
    m_edit = action("修改", &TPartinBillFrm::EditClick);
    m_delete = action("删除", &TPartinBillFrm::DeleteClick);
    m_confirm = action("确认", &TPartinBillFrm::ConfirmClick);
    m_withdraw = action("撤消", &TPartinBillFrm::WithdrawClick);
    m_find = action("查找", &TPartinBillFrm::FindClick);
    m_prior = action("前一单", &TPartinBillFrm::PriorClick);
    m_next = action("后一单", &TPartinBillFrm::NextClick);
    m_lineAdd = action("添加", &TPartinBillFrm::AddLineClick);
    m_lineDelete = action("删除", &TPartinBillFrm::DeleteLineClick);
    m_lineEdit = action("修改", &TPartinBillFrm::EditLineClick);
    m_arrive = action("到货", &TPartinBillFrm::ArriveClick);
    m_close = partinui::NewAction(this, QStringLiteral("返回"));
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TPartinBillFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_new);
    bar->addSeparator();
    bar->addActions({m_edit, m_delete});
    bar->addSeparator();
    bar->addActions({m_confirm, m_withdraw});
    bar->addSeparator();
    bar->addActions({m_find, m_prior, m_next});
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TPartinBillFrm::CreateLineButtons(QWidget* parent) {
    auto* column = new QWidget(parent);
    auto* buttons = new QVBoxLayout(column);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QAction* action : {m_lineAdd, m_lineDelete, m_lineEdit, m_arrive}) {
        auto* button = new QToolButton(column);
        button->setDefaultAction(action);
        button->setMinimumWidth(60);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    return column;
}

QWidget* TPartinBillFrm::CreateBody() {
    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(12, 8, 30, 8);
    auto* title = new QLabel(QStringLiteral("备件申购单"), body);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    m_number = new QLabel(body);
    grid->addWidget(title, 0, 0, 1, 4, Qt::AlignHCenter);
    grid->addWidget(m_number, 1, 3, Qt::AlignRight);

    const auto shown = [this, body, grid](const char* caption, Field* field, int row, int col) {
        QLineEdit* edit = ShowEdit(body);
        m_billSource->Bind(edit, *field);
        grid->addWidget(new QLabel(QString::fromUtf8(caption), body), row, col);
        grid->addWidget(edit, row, col + 1);
    };
    shown("单号", m_bill.IncodeFld, 2, 0);
    shown("日期", m_bill.IndateFld, 2, 2);
    shown("类别", m_bill.IntypeFld, 3, 0);
    shown("方向", m_bill.InoutTextFld, 3, 2);
    shown("申购人", m_bill.HandmanFld, 4, 0);
    auto* notes = new QPlainTextEdit(body);
    notes->setReadOnly(true);
    notes->setMaximumHeight(60);
    m_billSource->Bind(notes, *m_bill.NotesFld);
    grid->addWidget(new QLabel(QStringLiteral("备注"), body), 5, 0, Qt::AlignTop);
    grid->addWidget(notes, 5, 1, 1, 3);

    auto* lines = new QHBoxLayout;
    lines->addWidget(m_grid, 1);
    lines->addWidget(CreateLineButtons(body));
    grid->addWidget(new QLabel(QStringLiteral("备件"), body), 6, 0, Qt::AlignTop);
    grid->addLayout(lines, 6, 1, 1, 3);
    grid->setRowStretch(6, 1);
    shown("确认者", m_bill.RecemanFld, 7, 0);
    shown("确认时间", m_bill.RecedateFld, 7, 2);
    shown("制单人", m_bill.BillmanFld, 8, 0);
    shown("制单时间", m_bill.BillTimeFld, 8, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return body;
}

void TPartinBillFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addActions({m_new, m_edit, m_delete});
    QMenu* parts = edit->addMenu(QStringLiteral("备件"));
    parts->addActions({m_lineAdd, m_lineDelete, m_lineEdit});
    QMenu* view = m_menuBar->addMenu(QStringLiteral("视图(&V)"));
    if (const TPubFrm* pub = TPubFrm::Instance()) {
        view->addAction(pub->menuTreeAction1);
        view->addAction(pub->mainTabAction1);
    }
}

void TPartinBillFrm::UpdateActions() {
    const bool loaded = m_bill.HasBill();
    const bool open = loaded && m_bill.StateidFld->AsInteger() == 0;
    for (QAction* action : {m_edit, m_delete, m_lineAdd, m_lineEdit, m_lineDelete, m_arrive,
                            m_confirm})
        action->setEnabled(open);
    m_withdraw->setEnabled(loaded && !open);
    m_grid->setEnabled(loaded);
}

bool TPartinBillFrm::LoadBill(int id) {
    if (m_bill.OpenById(id) != 1) {
        close();
        ShowInfo(Format(QStringLiteral("没有找到该记录%d"), {id}));
        return false;
    }
    m_lines.OpenByBill(id);
    setWindowTitle(Format(QStringLiteral("备件申购单 %d"), {id}));
    m_number->setText(Format(QStringLiteral("NO.%d"), {id}));
    UpdateActions();
    return true;
}

bool TPartinBillFrm::CreateBill(const TPartinInput& input) {
    DataSet& data = m_bill.Query();
    if (!data.Active()) data.CreateDataSet();
    data.Append();
    m_bill.SetInput(input);
    if (!Commit(data, [this] { return m_bill.Insert(); })) return false;
    return LoadBill(m_bill.IdFld->AsInteger());
}

void TPartinBillFrm::NewClick() {
    if (!CurrentOperator.CheckRight(kNewBillRight, false)) return;
    EditPartin(NewPartinInput(), [this](const TPartinInput& input) {
        CreateBill(input);
        return true;
    }, this);
}

bool TPartinBillFrm::SaveHeader(const TPartinInput& input) {
    m_bill.Query().Edit();
    m_bill.SetInput(input);
    return Commit(m_bill.Query(), [this] { return m_bill.Update(); });
}

void TPartinBillFrm::EditClick() {
    if (!m_edit->isEnabled()) return;
    EditPartin(m_bill.Input(), [this](const TPartinInput& input) {
        SaveHeader(input);
        return true;
    }, this);
}

void TPartinBillFrm::DeleteClick() {
    if (!m_delete->isEnabled() || !ConfirmDelete()) return;
    const int id = m_bill.IdFld->AsInteger();
    bool deleted = false;
    try {
        // A bill is never left without its header or with half its lines.
        TransactionGuard transaction(m_bill.Database());
        m_lines.DeleteAll(id);
        deleted = m_bill.Delete();
        if (deleted) transaction.Commit();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    if (deleted) close();
}

bool TPartinBillFrm::SaveLine(bool isNew, const TPartindlInput& input) {
    DataSet& data = m_lines.Query();
    if (isNew) {
        data.Append();
        m_lines.InIdFld->SetAsInteger(m_bill.IdFld->AsInteger());
        m_lines.QtyAFld->SetAsFloat(0);
    } else {
        data.Edit();
    }
    m_lines.SetPartData(input.Part);
    m_lines.QtyFld->SetAsFloat(input.Qty);
    m_lines.dlNoteFld->SetAsString(input.Note);
    return Commit(data, [this, isNew] { return isNew ? m_lines.Insert() : m_lines.Update(); });
}

bool TPartinBillFrm::LinePicked(const TPartData& part) {
    if (m_lines.HasPart(part.Id)) {
        ShowInfo(QStringLiteral("您已经选择了该备件, 请重新选择."));
        return false;
    }
    TPartindlInput input;
    input.Part = part;
    TPartindlEditorFrm editor(input, false, [this](const TPartindlInput& line) {
        SaveLine(true, line);
        return true;
    }, this);
    editor.exec();
    // The picker stays open for the next part.
    return false;
}

void TPartinBillFrm::AddLineClick() {
    if (!m_lineAdd->isEnabled()) return;
    PickPart(-1, [this](const TPartData& part) { return LinePicked(part); }, this);
}

void TPartinBillFrm::EditLineClick() {
    if (!m_lineEdit->isEnabled() || !m_lines.HasLines()) return;
    TPartindlInput input;
    input.Part = m_lines.PartData();
    input.Qty = m_lines.QtyFld->AsFloat();
    input.Note = m_lines.dlNoteFld->AsString();
    TPartindlEditorFrm editor(input, input.Qty > 0, [this](const TPartindlInput& line) {
        SaveLine(false, line);
        return true;
    }, this);
    editor.exec();
}

void TPartinBillFrm::DeleteLineClick() {
    if (!m_lineDelete->isEnabled() || !m_lines.HasLines() || !ConfirmDelete()) return;
    try {
        m_lines.Delete();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}

void TPartinBillFrm::ArriveClick() {
    if (!m_arrive->isEnabled() || !m_lines.HasLines()) return;
    TPartinArriveFrm dialog(m_lines.QtyAFld->AsFloat(), [this](double qtyA) {
        m_lines.Query().Edit();
        m_lines.QtyAFld->SetAsFloat(qtyA);
        Commit(m_lines.Query(), [this] { return m_lines.Update(); });
        return true;
    }, this);
    dialog.exec();
}

bool TPartinBillFrm::SaveState(bool confirmed, const QString& man, const QDateTime& when) {
    m_bill.Query().Edit();
    m_bill.StateidFld->SetAsInteger(confirmed ? 1 : 0);
    m_bill.RecemanFld->SetValue(confirmed ? QVariant(man) : QVariant());
    m_bill.RecedateFld->SetValue(confirmed ? QVariant(when) : QVariant());
    const bool saved = Commit(m_bill.Query(), [this] { return m_bill.UpdateState(); });
    UpdateActions();
    return saved;
}

void TPartinBillFrm::ConfirmClick() {
    if (!m_confirm->isEnabled()) return;
    TPartinReceEditorFrm dialog(CurrentOperator.LoginId, QDateTime::currentDateTime(),
                                [this](const QString& man, const QDateTime& when) {
                                    SaveState(true, man, when);
                                    return true;
                                },
                                this);
    dialog.exec();
}

void TPartinBillFrm::WithdrawClick() {
    if (!m_withdraw->isEnabled() || !Confirm(QStringLiteral("您确定要撤消吗?"))) return;
    SaveState(false, QString(), QDateTime());
}

void TPartinBillFrm::PriorClick() {
    if (const int id = m_bill.PriorId(); id > 0) LoadBill(id);
}

void TPartinBillFrm::NextClick() {
    if (const int id = m_bill.NextId(); id > 0) LoadBill(id);
}

void TPartinBillFrm::FindClick() {
    if (TmainFrm* main = TmainFrm::Instance()) {
        main->OpenChild<TPartinbillReportFrm>();
        return;
    }
    (new TPartinbillReportFrm)->show();
}

void ShowPartinBill(TPartinBillFrm* window) {
    if (TmainFrm* main = TmainFrm::Instance()) {
        main->AddChild(window);
        window->AddToNavigation();
        return;
    }
    window->show();
}

TPartinBillFrm* OpenPartinBill(int id) {
    auto* window = new TPartinBillFrm;
    // A bill that is not there has closed the window, which frees itself.
    if (!window->LoadBill(id)) return nullptr;
    ShowPartinBill(window);
    return window;
}
