#include "RepairListFrm.h"

#include "AccidentUi_p.h"
#include "RepairBillFrm.h"
#include "RepairEditing.h"
#include "data/jtLib.h"
#include "equipment/DeptPickerFrm.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/jtDBGrid.h"
#include "ui/jtEdit.h"
#include "ui/jtPopupMenu.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

using namespace accidentui;

namespace {

constexpr int kLayout = 101;
constexpr int kClassList = 104;
constexpr int kFactoryList = 105;
constexpr int kStaffList = 114;

} // namespace

TRepairListFrm::TRepairListFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_where.DataSet(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    setWindowTitle(QStringLiteral("设备维修"));
    setObjectName(QStringLiteral("RepairListFrm"));
    CreateActions();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_repairs.Query());
    m_grid->SetRowColor([this](int row) { return RowColor(row); });
    m_grid->setStyleSheet(QStringLiteral("QTableView { selection-background-color: #FFFBF0; "
                                         "selection-color: black; }"));
    m_grid->InsertMenuAction(m_hide);
    m_grid->PopupMenuJt()->addSeparator();
    m_grid->PopupMenuJt()->addAction(m_edit);
    m_grid->PopupMenuJt()->addAction(m_delete);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TRepairListFrm::EditClick);
    connect(&m_repairs.Query(), &DataSet::currentChanged, this, &TRepairListFrm::UpdateActions);
    connect(&m_repairs.Query(), &DataSet::reset, this, &TRepairListFrm::UpdateActions);
    connect(&m_repairs.Query(), &DataSet::rowChanged, this, &TRepairListFrm::UpdateActions);

    m_searchPanel = CreateSearchPanel();
    CreateBars();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_searchPanel);
    layout->addWidget(m_grid, 1);
    // The open repairs first; the state box is then left free for the operator's own search.
    m_where.IsFinishFld->SetAsString(QStringLiteral("未完成"));
    m_whereSource->Refresh();
    SearchClick();
    m_where.IsFinishFld->Clear();
    m_whereSource->Refresh();
}

TRepairListFrm::~TRepairListFrm() = default;

QColor TRepairListFrm::RowColor(int row) const {
    const QVariant date = m_repairs.Query().ValueAt(row, m_repairs.RepairDateFld->Index());
    return date.isNull() || !date.isValid() ? QColor(0x00, 0x80, 0x00) : QColor(Qt::black);
}

void TRepairListFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加设备维修记录"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("打开当前维修单"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前维修记录"));
    m_hide = NewAction(this, QStringLiteral("隐藏"), QStringLiteral("从列表中隐藏当前行"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, [this] { PickAndAddRepair(m_repairs, this); });
    connect(m_edit, &QAction::triggered, this, &TRepairListFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, [this] { DeleteRepair(m_repairs); });
    connect(m_hide, &QAction::triggered, this, [this] {
        if (m_repairs.Query().Active() && !m_repairs.Query().IsEmpty()) m_repairs.Query().Delete();
    });
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

void TRepairListFrm::CreateBars() {
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
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_searchPanel}});
}

QWidget* TRepairListFrm::CreateSearchPanel() {
    auto* panel = new QWidget(this);
    m_sendFrom = DateCondition(panel);
    m_sendTo = DateCondition(panel);
    m_repairFrom = DateCondition(panel);
    m_repairTo = DateCondition(panel);
    m_class = PickListCombo(kClassList, panel);
    m_handman = PickListCombo(kStaffList, panel);
    m_factory = PickListCombo(kFactoryList, panel);
    m_sanctionman = PickListCombo(kStaffList, panel);
    m_state = new TjtComboBox(panel);
    m_state->addItems({QStringLiteral("已完成"), QStringLiteral("未完成"), QStringLiteral("全  部")});
    m_state->setCurrentIndex(-1);
    m_keyword = new TjtEdit(panel);
    m_dept = new TjtEdit(panel);
    m_dept->setReadOnly(true);
    m_code = new TjtEdit(panel);
    m_search = TextButton(QStringLiteral("查询"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    auto* deptButton = TextButton(QStringLiteral("..."), panel);

    m_whereSource->Bind(m_sendFrom, *m_where.SendDate1Fld);
    m_whereSource->Bind(m_sendTo, *m_where.SendDate2Fld);
    m_whereSource->Bind(m_repairFrom, *m_where.RepairDate1Fld);
    m_whereSource->Bind(m_repairTo, *m_where.RepairDate2Fld);
    m_whereSource->Bind(m_class, *m_where.RepairClassFld);
    m_whereSource->Bind(m_handman, *m_where.HandmanFld);
    m_whereSource->Bind(m_factory, *m_where.RepairFactoryFld);
    m_whereSource->Bind(m_sanctionman, *m_where.SanctionmanFld);
    m_whereSource->Bind(m_state, *m_where.IsFinishFld);
    m_whereSource->Bind(m_keyword, *m_where.KeywordFld);
    m_whereSource->Bind(m_dept, m_where.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
    m_whereSource->Bind(m_code, *m_where.AssetCodeFld);
    connect(m_search, &QToolButton::clicked, this, &TRepairListFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TRepairListFrm::ResetClick);
    connect(deptButton, &QToolButton::clicked, this, &TRepairListFrm::PickDeptClick);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const auto add = [panel, grid](const char* caption, int row, int column, QWidget* input) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), panel), row, column);
        grid->addWidget(input, row, column + 1);
    };
    add("送修日期", 0, 0, m_sendFrom);
    add("至", 0, 2, m_sendTo);
    add("维修级别", 0, 4, m_class);
    add("申请人", 0, 6, m_handman);
    add("修复日期", 1, 0, m_repairFrom);
    add("至", 1, 2, m_repairTo);
    add("维修厂商", 1, 4, m_factory);
    add("批准人", 1, 6, m_sanctionman);
    add("关键描述", 2, 0, m_keyword);
    auto* deptRow = new QHBoxLayout;
    deptRow->setSpacing(1);
    deptRow->addWidget(m_dept, 1);
    deptRow->addWidget(deptButton);
    grid->addWidget(new QLabel(QStringLiteral("使用部门"), panel), 2, 2);
    grid->addLayout(deptRow, 2, 3);
    add("设备编号", 2, 4, m_code);
    add("修复状态", 2, 6, m_state);
    grid->addWidget(m_search, 2, 8);
    grid->addWidget(m_reset, 2, 9);
    SearchKeys(panel, [this] { SearchClick(); }, [this] { ResetClick(); });
    return panel;
}

void TRepairListFrm::UpdateActions() {
    const DataSet& data = m_repairs.Query();
    const bool open = data.Active();
    const bool one = open && !data.IsEmpty();
    m_add->setEnabled(open);
    for (QAction* action : {m_edit, m_delete, m_hide}) action->setEnabled(one);
}

void TRepairListFrm::SearchClick() {
    try {
        m_whereSource->CommitEdits();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    try {
        m_repairs.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
    UpdateActions();
}

void TRepairListFrm::ResetClick() {
    m_where.Clear();
    m_whereSource->Refresh();
}

void TRepairListFrm::PickDeptClick() {
    m_whereSource->CommitEdits();
    PickDepartment(m_where.AssetUseDeptFld->AsString(), [this](const QString& code, const QString&, const QString&) {
        m_where.AssetUseDeptFld->SetAsString(code);
        m_whereSource->Refresh();
        return true;
    }, this);
}

void TRepairListFrm::EditClick() {
    const DataSet& data = m_repairs.Query();
    if (!data.Active() || data.IsEmpty()) return;
    ShowRepairBill(m_repairs.IdFld->AsInteger(), this);
    // The bill works on its own copy: show what it changed.
    try {
        m_repairs.Refresh(m_repairs.IdFld);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays as it was.
    }
    UpdateActions();
}
