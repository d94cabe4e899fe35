#include "PartrepairsReportFrm.h"

#include "PartPickerFrm.h"
#include "PartrepairEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/jtDBGrid.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QComboBox>
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

constexpr int kLayout = 114;
constexpr int kAddRight = 148;
constexpr int kEditRight = 149;
constexpr int kDeleteRight = 150;
// The pick list of staff names.
constexpr int kStaffList = 114;

} // namespace

TPartrepairsReportFrm::TPartrepairsReportFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_partrepairs.Where.DataSet(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    setWindowTitle(QStringLiteral("备件维修"));
    setObjectName(QStringLiteral("PartrepairsReportFrm"));
    CreateActions();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_partrepairs.Query());
    m_grid->InsertMenuAction(m_edit);
    m_grid->InsertMenuAction(m_delete);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TPartrepairsReportFrm::EditClick);

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
    // The list starts with the repairs from today on.
    m_partrepairs.Where.RepairDate1Fld->SetAsDateTime(QDateTime::currentDateTime());
    m_whereSource->Refresh();
    SearchClick();
}

TPartrepairsReportFrm::~TPartrepairsReportFrm() = default;

void TPartrepairsReportFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加备件维修记录"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("修改当前维修记录"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前维修记录"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, &TPartrepairsReportFrm::AddClick);
    connect(m_edit, &QAction::triggered, this, &TPartrepairsReportFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, &TPartrepairsReportFrm::DeleteClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TPartrepairsReportFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_add);
    bar->addAction(m_edit);
    bar->addAction(m_delete);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TPartrepairsReportFrm::CreateSearchPanel() {
    auto* panel = new QWidget(this);
    m_dateFrom = DateCondition(panel);
    m_dateTo = DateCondition(panel);
    m_repairman = PickListCombo(kStaffList, panel);
    m_troubles = new TjtEdit(panel);
    m_details = new TjtEdit(panel);
    m_notes = new TjtEdit(panel);
    m_part = new TjtEdit(panel);
    m_part->setReadOnly(true);
    m_search = TextButton(QStringLiteral("查找"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    auto* partButton = TextButton(QStringLiteral("..."), panel);
    auto* menuButton = TextButton(QStringLiteral("功能 ▼"), panel);

    TPartrepairsWhere& where = m_partrepairs.Where;
    m_whereSource->Bind(m_dateFrom, *where.RepairDate1Fld);
    m_whereSource->Bind(m_dateTo, *where.RepairDate2Fld);
    m_whereSource->Bind(m_repairman, *where.RepairmanFld);
    m_whereSource->Bind(m_troubles, *where.TroublesFld);
    m_whereSource->Bind(m_details, *where.RepairDetailsFld);
    m_whereSource->Bind(m_notes, *where.NotesFld);
    m_whereSource->Bind(m_part, *where.PartS1Fld);
    connect(m_search, &QToolButton::clicked, this, &TPartrepairsReportFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TPartrepairsReportFrm::ResetClick);
    connect(partButton, &QToolButton::clicked, this, &TPartrepairsReportFrm::PickPartClick);
    connect(menuButton, &QToolButton::clicked, m_grid, &TjtDBGrid::PopupButtonClick);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const auto caption = [panel](const QString& text) { return new QLabel(text, panel); };
    grid->addWidget(caption(where.RepairDate1Fld->DisplayLabel()), 0, 0);
    grid->addLayout(RangeRow(m_dateFrom, m_dateTo, caption(QStringLiteral("-"))), 0, 1);
    grid->addWidget(caption(where.RepairmanFld->DisplayLabel()), 0, 2);
    grid->addWidget(m_repairman, 0, 3);
    grid->addWidget(caption(QStringLiteral("备件")), 0, 4);
    grid->addLayout(RangeRow(m_part, partButton), 0, 5);
    grid->addWidget(m_search, 0, 6);
    grid->addWidget(caption(where.TroublesFld->DisplayLabel()), 1, 0);
    grid->addWidget(m_troubles, 1, 1);
    grid->addWidget(caption(where.RepairDetailsFld->DisplayLabel()), 1, 2);
    grid->addWidget(m_details, 1, 3);
    grid->addWidget(caption(where.NotesFld->DisplayLabel()), 1, 4);
    grid->addWidget(m_notes, 1, 5);
    grid->addWidget(m_reset, 1, 6);
    grid->addWidget(menuButton, 0, 7, 2, 1);
    SearchKeys(panel, [this] { SearchClick(); }, [this] { ResetClick(); });
    return panel;
}

void TPartrepairsReportFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(m_add);
    edit->addAction(m_edit);
    edit->addAction(m_delete);
    edit->addSeparator();
    edit->addAction(m_close);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_searchPanel}});
}

bool TPartrepairsReportFrm::Commit() {
    try {
        m_whereSource->CommitEdits();
        return true;
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
}

void TPartrepairsReportFrm::SearchClick() {
    if (!Commit()) return;
    try {
        m_partrepairs.Search();
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

void TPartrepairsReportFrm::ResetClick() {
    m_partrepairs.Where.Clear();
    m_whereSource->Refresh();
}

void TPartrepairsReportFrm::PickPartClick() {
    Commit();
    TPartrepairsWhere& where = m_partrepairs.Where;
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

int TPartrepairsReportFrm::Edit(bool isNew, const TPartData& part) {
    TPartrepairInput input;
    if (isNew) input.RepairDate = QDate::currentDate();
    else input = m_partrepairs.Input();
    TPartrepairEditorFrm editor(part, input,
                                [this, isNew](const TPartData& p, const TPartrepairInput& typed) {
                                    return m_partrepairs.Save(isNew, p, typed);
                                },
                                this);
    return editor.exec();
}

void TPartrepairsReportFrm::AddClick() {
    if (!CurrentOperator.CheckRight(kAddRight, false)) return;
    const DataSet& data = m_partrepairs.Query();
    const int current = data.Active() && !data.IsEmpty() ? m_partrepairs.PartIdFld->AsInteger() : -1;
    // The picker closes after the editor, whether or not the repair was saved.
    PickPart(current, [this](const TPartData& part) {
        Edit(true, part);
        return true;
    }, this);
}

void TPartrepairsReportFrm::EditClick() {
    if (!CurrentOperator.CheckRight(kEditRight, false)) return;
    const DataSet& data = m_partrepairs.Query();
    if (!data.Active() || data.IsEmpty()) return;
    Edit(false, m_partrepairs.PartData());
}

void TPartrepairsReportFrm::DeleteClick() {
    if (!CurrentOperator.CheckRight(kDeleteRight, false)) return;
    const DataSet& data = m_partrepairs.Query();
    if (!data.Active() || data.IsEmpty()) return;
    if (ConfirmDelete()) m_partrepairs.Delete();
}
