#include "CarecordListFrm.h"

#include "AccidentUi_p.h"
#include "CareEditing.h"
#include "CareSearchPanel.h"
#include "CarecordBillFrm.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/mainFrm.h"

#include <QToolBar>
#include <QVBoxLayout>

using namespace accidentui;

namespace {
constexpr int kLayout = 141;
}

TCarecordListFrm::TCarecordListFrm(QWidget* parent)
    : TBasicFrm(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_panel(new TCareSearchPanel(m_where, false, this)) {
    setWindowTitle(QStringLiteral("保养记录"));
    setObjectName(QStringLiteral("CarecordListFrm"));
    CreateActions();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_records.Query());
    m_grid->InsertMenuAction(m_edit);
    m_grid->InsertMenuAction(m_delete);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TCarecordListFrm::EditClick);
    connect(&m_records.Query(), &DataSet::currentChanged, this, &TCarecordListFrm::UpdateActions);
    connect(&m_records.Query(), &DataSet::reset, this, &TCarecordListFrm::UpdateActions);
    connect(m_panel, &TCareSearchPanel::searchRequested, this, &TCarecordListFrm::SearchClick);
    CreateBars();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_panel);
    layout->addWidget(m_grid, 1);
    UpdateActions();
}

TCarecordListFrm::~TCarecordListFrm() = default;

TCarecordListFrm* TCarecordListFrm::Open() {
    if (TmainFrm* main = TmainFrm::Instance()) {
        if (QAction* command = main->Command(TMainSlot::CarecordList)) command->trigger();
        for (TBasicFrm* window : main->Children())
            if (auto* list = qobject_cast<TCarecordListFrm*>(window)) return list;
        auto* list = new TCarecordListFrm;
        main->AddChild(list);
        return list;
    }
    auto* list = new TCarecordListFrm;
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
    return list;
}

void TCarecordListFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加保养记录"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("打开当前保养记录"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前保养记录"));
    m_hide = NewAction(this, QStringLiteral("隐藏"), QStringLiteral("从列表中隐藏当前行"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, [this] { PickAndAddCarecord(m_records, this); });
    connect(m_edit, &QAction::triggered, this, &TCarecordListFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, [this] { DeleteCarecord(m_records); });
    connect(m_hide, &QAction::triggered, this, [this] {
        if (m_records.Query().Active() && !m_records.Query().IsEmpty()) m_records.Query().Delete();
    });
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

void TCarecordListFrm::CreateBars() {
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* action : {m_add, m_edit, m_delete, m_hide}) m_toolBar->addAction(action);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_close);
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    for (QAction* action : {m_add, m_edit, m_delete, m_hide}) edit->addAction(action);
    edit->addSeparator();
    edit->addAction(m_close);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_panel}});
}

void TCarecordListFrm::UpdateActions() {
    const DataSet& data = m_records.Query();
    const bool one = data.Active() && !data.IsEmpty();
    m_add->setEnabled(data.Active());
    for (QAction* action : {m_edit, m_delete, m_hide}) action->setEnabled(one);
}

void TCarecordListFrm::SearchClick() {
    if (!m_panel->CommitEdits()) return;
    try {
        m_records.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
    UpdateActions();
}

void TCarecordListFrm::ShowItem(int itemId) {
    m_where.ciIdFld->SetAsInteger(itemId);
    SearchClick();
    m_where.ciIdFld->Clear();
    m_panel->Refresh();
}

void TCarecordListFrm::EditClick() {
    const DataSet& data = m_records.Query();
    if (!data.Active() || data.IsEmpty()) return;
    ShowCarecordBill(m_records.crIdFld->AsInteger(), this);
    try {
        m_records.Refresh(m_records.crIdFld);
    } catch (const EDatabaseError&) {
        // The reopen has shown the refused statement.
    }
    UpdateActions();
}
