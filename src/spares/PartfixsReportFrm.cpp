#include "PartfixsReportFrm.h"

#include "PartPickerFrm.h"
#include "PartfixEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "equipment/AssetPickerFrm.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kLayout = 116;
constexpr int kAddRight = 145;
constexpr int kEditRight = 146;
constexpr int kDeleteRight = 147;

} // namespace

TPartfixsReportFrm::TPartfixsReportFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_partfixs.Where.DataSet(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    setWindowTitle(QStringLiteral("备件安装"));
    setObjectName(QStringLiteral("PartfixsReportFrm"));
    CreateActions();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_partfixs.Query());
    m_grid->InsertMenuAction(m_edit);
    m_grid->InsertMenuAction(m_delete);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TPartfixsReportFrm::EditClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = CreateToolBar();
    m_searchPanel = CreateSearchPanel();
    CreateMenus();
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_searchPanel);
    layout->addWidget(m_grid, 1);
    // The list starts with the installations from today on.
    m_partfixs.Where.Fixtime1Fld->SetAsDateTime(QDateTime::currentDateTime());
    m_whereSource->Refresh();
    SearchClick();
}

TPartfixsReportFrm::~TPartfixsReportFrm() = default;

void TPartfixsReportFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加备件安装记录"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("修改当前安装记录"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前安装记录"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, &TPartfixsReportFrm::AddClick);
    connect(m_edit, &QAction::triggered, this, &TPartfixsReportFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, &TPartfixsReportFrm::DeleteClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TPartfixsReportFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_add);
    bar->addAction(m_edit);
    bar->addAction(m_delete);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TPartfixsReportFrm::CreateSearchPanel() {
    auto* panel = new QWidget(this);
    m_fixFrom = DateCondition(panel);
    m_fixTo = DateCondition(panel);
    m_unfixFrom = DateCondition(panel);
    m_unfixTo = DateCondition(panel);
    m_reason = new TjtEdit(panel);
    m_remarks = new TjtEdit(panel);
    m_part = new TjtEdit(panel);
    m_part->setReadOnly(true);
    m_asset = new TjtEdit(panel);
    m_asset->setReadOnly(true);
    m_search = TextButton(QStringLiteral("查找"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    auto* partButton = TextButton(QStringLiteral("..."), panel);
    auto* assetButton = TextButton(QStringLiteral("..."), panel);
    auto* menuButton = TextButton(QStringLiteral("功能 ▼"), panel);

    TPartfixsWhere& where = m_partfixs.Where;
    m_whereSource->Bind(m_fixFrom, *where.Fixtime1Fld);
    m_whereSource->Bind(m_fixTo, *where.Fixtime2Fld);
    m_whereSource->Bind(m_unfixFrom, *where.Unfixtime1Fld);
    m_whereSource->Bind(m_unfixTo, *where.Unfixtime2Fld);
    m_whereSource->Bind(m_reason, *where.UnfixReasonFld);
    m_whereSource->Bind(m_remarks, *where.RemarksFld);
    m_whereSource->Bind(m_part, *where.PartS1Fld);
    m_whereSource->Bind(m_asset, *where.AssetCodeFld);
    connect(m_search, &QToolButton::clicked, this, &TPartfixsReportFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TPartfixsReportFrm::ResetClick);
    connect(partButton, &QToolButton::clicked, this, &TPartfixsReportFrm::PickPartClick);
    connect(assetButton, &QToolButton::clicked, this, &TPartfixsReportFrm::PickAssetClick);
    connect(menuButton, &QToolButton::clicked, m_grid, &TjtDBGrid::PopupButtonClick);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const auto caption = [panel](const char* text) { return new QLabel(QString::fromUtf8(text), panel); };
    grid->addWidget(caption("安装日期"), 0, 0);
    grid->addLayout(RangeRow(m_fixFrom, m_fixTo, caption("-")), 0, 1);
    grid->addWidget(caption("拆卸原因"), 0, 2);
    grid->addWidget(m_reason, 0, 3);
    grid->addWidget(caption("备件"), 0, 4);
    grid->addLayout(RangeRow(m_part, partButton), 0, 5);
    grid->addWidget(m_search, 0, 6);
    grid->addWidget(caption("拆卸日期"), 1, 0);
    grid->addLayout(RangeRow(m_unfixFrom, m_unfixTo, caption("-")), 1, 1);
    grid->addWidget(caption("备注"), 1, 2);
    grid->addWidget(m_remarks, 1, 3);
    grid->addWidget(caption("设备"), 1, 4);
    grid->addLayout(RangeRow(m_asset, assetButton), 1, 5);
    grid->addWidget(m_reset, 1, 6);
    grid->addWidget(menuButton, 0, 7, 2, 1);
    SearchKeys(panel, [this] { SearchClick(); }, [this] { ResetClick(); });
    return panel;
}

void TPartfixsReportFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(m_add);
    edit->addAction(m_edit);
    edit->addAction(m_delete);
    edit->addSeparator();
    edit->addAction(m_close);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_searchPanel}});
}

bool TPartfixsReportFrm::Commit() {
    try {
        m_whereSource->CommitEdits();
        return true;
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
}

void TPartfixsReportFrm::SearchClick() {
    if (!Commit()) return;
    try {
        m_partfixs.Search();
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

void TPartfixsReportFrm::ResetClick() {
    m_partfixs.Where.Clear();
    m_whereSource->Refresh();
}

void TPartfixsReportFrm::PickPartClick() {
    Commit();
    TPartfixsWhere& where = m_partfixs.Where;
    const int current = where.PartIdFld->IsNull() ? -1 : where.PartIdFld->AsInteger();
    PickPart(current, [this, &where](const TPartData& part) {
        where.PartIdFld->SetAsInteger(part.Id);
        where.PartS1Fld->SetAsString(part.S1);
        where.PartS2Fld->SetAsString(part.S2);
        where.PartS3Fld->SetAsString(part.S3);
        m_whereSource->Refresh();
        return true;
    }, this);
}

void TPartfixsReportFrm::PickAssetClick() {
    Commit();
    TPartfixsWhere& where = m_partfixs.Where;
    const int current = where.AssetIdFld->IsNull() ? -1 : where.AssetIdFld->AsInteger();
    PickAsset(current, [this, &where](const TAssetData& asset) {
        where.AssetIdFld->SetAsInteger(asset.Id);
        where.AssetCodeFld->SetAsString(asset.Code);
        where.AssetNameFld->SetAsString(asset.EqiName);
        where.AssetPartnoFld->SetAsString(asset.PartNo);
        m_whereSource->Refresh();
        return int(QDialog::Accepted);
    }, this);
}

int TPartfixsReportFrm::Edit(bool isNew) {
    const DataSet& data = m_partfixs.Query();
    const bool hasRow = data.Active() && !data.IsEmpty();
    TPartfixInput input;
    if (!isNew) input = m_partfixs.Input();
    else input.Fixtime = QDateTime::currentDateTime();
    // A new installation starts from the part and machine of the current one.
    const TAssetData asset = hasRow ? m_partfixs.AssetData() : TAssetData{};
    const TPartData part = hasRow ? m_partfixs.PartData() : TPartData{};
    TPartfixEditorFrm editor(asset, part, input,
                             [this, isNew](const TAssetData& a, const TPartData& p, const TPartfixInput& typed) {
                                 return m_partfixs.Save(isNew, a, p, typed);
                             },
                             this);
    return editor.exec();
}

void TPartfixsReportFrm::AddClick() {
    if (!CurrentOperator.CheckRight(kAddRight, false)) return;
    Edit(true);
}

void TPartfixsReportFrm::EditClick() {
    if (!CurrentOperator.CheckRight(kEditRight, false)) return;
    const DataSet& data = m_partfixs.Query();
    if (!data.Active() || data.IsEmpty()) return;
    Edit(false);
}

void TPartfixsReportFrm::DeleteClick() {
    if (!CurrentOperator.CheckRight(kDeleteRight, false)) return;
    const DataSet& data = m_partfixs.Query();
    if (!data.Active() || data.IsEmpty()) return;
    if (ConfirmDelete()) m_partfixs.Delete();
}
