#include "CareitemListFrm.h"

#include "AccidentUi_p.h"
#include "CareEditing.h"
#include "CareSearchPanel.h"
#include "CarecordListFrm.h"
#include "equipment/AssetPickerFrm.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"
#include "ui/mainFrm.h"

#include <QCheckBox>
#include <QToolBar>
#include <QVBoxLayout>

using namespace accidentui;

namespace {
constexpr int kLayout = 140;
}

TCareitemListFrm::TCareitemListFrm(QWidget* parent)
    : TBasicFrm(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_panel(new TCareSearchPanel(m_where, true, this)) {
    setWindowTitle(QStringLiteral("保养点"));
    setObjectName(QStringLiteral("CareitemListFrm"));
    CreateActions();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_items.Query());
    const int next = m_items.NextCaredateFld->Index();
    m_grid->SetRowColor([this, next](int row) {
        return DueOrUnplanned(m_items.Query().ValueAt(row, next)) ? QColor(0x00, 0x80, 0x00) : QColor(Qt::black);
    });
    m_grid->setStyleSheet(QStringLiteral("QTableView { selection-background-color: #FFFBF0; "
                                         "selection-color: black; }"));
    for (QAction* action : {m_showCares, m_editLastCare, m_addCare, m_edit, m_hide, m_delete})
        m_grid->InsertMenuAction(action);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TCareitemListFrm::DoubleClick);
    connect(&m_items.Query(), &DataSet::currentChanged, this, &TCareitemListFrm::UpdateActions);
    connect(&m_items.Query(), &DataSet::reset, this, &TCareitemListFrm::UpdateActions);
    connect(&m_items.Query(), &DataSet::rowChanged, this, &TCareitemListFrm::UpdateActions);
    connect(m_panel, &TCareSearchPanel::searchRequested, this, &TCareitemListFrm::SearchClick);
    CreateBars();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_panel);
    layout->addWidget(m_grid, 1);
    m_where.CareHintedFld->SetAsBoolean(true);
    m_panel->Refresh();
    SearchClick();
}

TCareitemListFrm::~TCareitemListFrm() = default;

bool TCareitemListFrm::DueOrUnplanned(const QVariant& nextCaredate) {
    if (nextCaredate.isNull() || !nextCaredate.isValid()) return true;
    return nextCaredate.toDate() <= QDate::currentDate();
}

void TCareitemListFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加保养点"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("修改当前保养点"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前保养点"));
    m_hide = NewAction(this, QStringLiteral("隐藏"), QStringLiteral("从列表中隐藏当前行"));
    m_addCare = NewAction(this, QStringLiteral("添加新的保养记录"));
    m_editLastCare = NewAction(this, QStringLiteral("修改上一次保养记录"));
    m_showCares = NewAction(this, QStringLiteral("查询保养记录"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, &TCareitemListFrm::AddClick);
    connect(m_edit, &QAction::triggered, this, [this] { EditCareitem(m_items, false, 0, this); });
    connect(m_delete, &QAction::triggered, this, [this] { DeleteCareitem(m_items); });
    connect(m_hide, &QAction::triggered, this, [this] {
        if (m_items.Query().Active() && !m_items.Query().IsEmpty()) m_items.Query().Delete();
    });
    connect(m_addCare, &QAction::triggered, this, [this] { AddItemCarecord(m_items, this); });
    connect(m_editLastCare, &QAction::triggered, this, [this] { EditLastCarecord(m_items, this); });
    connect(m_showCares, &QAction::triggered, this, &TCareitemListFrm::ShowCaresClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

void TCareitemListFrm::CreateBars() {
    auto* careMenu = new QMenu(this);
    careMenu->addAction(m_addCare);
    careMenu->addAction(m_editLastCare);
    careMenu->addSeparator();
    careMenu->addAction(m_showCares);
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addAction(m_add);
    m_toolBar->addAction(m_edit);
    m_toolBar->addAction(m_hide);
    m_careButton = TextButton(QStringLiteral("保养"), m_toolBar);
    m_careButton->setMenu(careMenu);
    m_careButton->setPopupMode(QToolButton::InstantPopup);
    m_toolBar->addWidget(m_careButton);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_close);

    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    for (QAction* action : {m_add, m_edit, m_delete, m_hide}) edit->addAction(action);
    edit->addSeparator();
    for (QAction* action : {m_addCare, m_editLastCare, m_showCares}) edit->addAction(action);
    edit->addSeparator();
    edit->addAction(m_close);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_panel}});
}

void TCareitemListFrm::UpdateActions() {
    const DataSet& data = m_items.Query();
    const bool open = data.Active();
    const bool one = open && !data.IsEmpty();
    m_add->setEnabled(open);
    for (QAction* action : {m_edit, m_delete, m_hide, m_addCare}) action->setEnabled(one);
    m_editLastCare->setEnabled(one && m_items.ciLastCareIdFld->AsInteger() > 0);
    m_showCares->setEnabled(one);
}

void TCareitemListFrm::SearchClick() {
    if (!m_panel->CommitEdits()) return;
    try {
        m_items.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
    UpdateActions();
}

void TCareitemListFrm::AddClick() {
    PickAsset(-1, [this](const TAssetData& asset) {
        EditCareitem(m_items, true, asset.Id, this);
        return 0;
    }, this);
}

void TCareitemListFrm::ShowCaresClick() {
    const DataSet& data = m_items.Query();
    if (!data.Active() || data.IsEmpty()) return;
    TCarecordListFrm* list = TCarecordListFrm::Open();
    list->ShowItem(m_items.ciIdFld->AsInteger());
}

void TCareitemListFrm::DoubleClick() {
    if (m_editLastCare->isEnabled()) ShowCaresClick();
}
