#include "ChangeListFrm.h"

#include "AccidentUi_p.h"
#include "ChangeEditing.h"
#include "data/jtLib.h"
#include "equipment/AssetPickerFrm.h"
#include "equipment/CataPickerFrm.h"
#include "equipment/DeptPickerFrm.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/jtDBGrid.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

using namespace accidentui;

namespace {

constexpr int kLayout = 100;
constexpr int kPeopleList = 114;
// The picker closes with this when the editor opened from it was cancelled.
constexpr int kEditorCancelled = 2;
const QString kPending = QStringLiteral("待批准");

TjtEdit* TextCondition(QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->setMaxLength(50);
    return edit;
}

} // namespace

TChangeListFrm::TChangeListFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_where.DataSet(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    setWindowTitle(QStringLiteral("设备变更"));
    setObjectName(QStringLiteral("ChangeListFrm"));
    CreateActions();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_changes.Query());
    m_grid->InsertMenuAction(m_delete);
    m_grid->InsertMenuAction(m_edit);
    m_grid->InsertMenuAction(m_approve);
    connect(m_grid, &QAbstractItemView::doubleClicked, m_edit, &QAction::trigger);
    connect(m_grid, &TjtDBGrid::selectChanged, this, &TChangeListFrm::UpdateActions);
    connect(&m_changes.Query(), &DataSet::reset, this, &TChangeListFrm::UpdateActions);
    connect(&m_changes.Query(), &DataSet::rowChanged, this, &TChangeListFrm::UpdateActions);
    connect(&m_changes.Query(), &DataSet::currentChanged, this, &TChangeListFrm::UpdateActions);

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
    m_where.UnsancFld->SetAsString(kPending);
    m_whereSource->Refresh();
    SearchClick();
}

TChangeListFrm::~TChangeListFrm() = default;

void TChangeListFrm::CreateActions() {
    m_apply = NewAction(this, QStringLiteral("申请"), QStringLiteral("新的设备变更申请"));
    m_approve = NewAction(this, QStringLiteral("批准"), QStringLiteral("批准或撤消当前变更申请"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("修改当前变更申请"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前变更申请"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_apply, &QAction::triggered, this, &TChangeListFrm::ApplyClick);
    connect(m_approve, &QAction::triggered, this, [this] {
        ApproveChange(m_changes);
        UpdateActions();
    });
    connect(m_edit, &QAction::triggered, this, [this] { EditChange(m_changes, this); });
    connect(m_delete, &QAction::triggered, this, [this] { DeleteChange(m_changes); });
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TChangeListFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_apply);
    bar->addAction(m_approve);
    bar->addAction(m_edit);
    bar->addAction(m_delete);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TChangeListFrm::CreateSearchPanel() {
    auto* panel = new QWidget(this);
    m_dateFrom = DateCondition(panel);
    m_dateTo = DateCondition(panel);
    m_item = TextCondition(panel);
    m_value1 = TextCondition(panel);
    m_value2 = TextCondition(panel);
    m_reason = TextCondition(panel);
    m_chgman = PickListCombo(kPeopleList, panel);
    m_sanctionman = PickListCombo(kPeopleList, panel);
    m_remarks = TextCondition(panel);
    m_state = new TjtComboBox(panel);
    m_state->addItems({QStringLiteral("已批准"), kPending, QStringLiteral("全  部")});
    m_code = TextCondition(panel);
    m_name = TextCondition(panel);
    m_class = new TjtEdit(panel);
    m_class->setReadOnly(true);
    m_dept = new TjtEdit(panel);
    m_dept->setReadOnly(true);
    m_search = TextButton(QStringLiteral("查询"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    auto* classButton = TextButton(QStringLiteral("..."), panel);
    auto* deptButton = TextButton(QStringLiteral("..."), panel);
    BindSearchPanel();
    connect(m_search, &QToolButton::clicked, this, &TChangeListFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TChangeListFrm::ResetClick);
    connect(classButton, &QToolButton::clicked, this, &TChangeListFrm::PickClassClick);
    connect(deptButton, &QToolButton::clicked, this, &TChangeListFrm::PickDeptClick);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const auto caption = [panel](const char* text) { return new QLabel(QString::fromUtf8(text), panel); };
    const auto withButton = [](QWidget* input, QToolButton* button) {
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(input, 1);
        row->addWidget(button);
        return row;
    };
    grid->addWidget(caption("申请日期"), 0, 0);
    grid->addWidget(m_dateFrom, 0, 1);
    grid->addWidget(caption("至"), 0, 2, Qt::AlignRight);
    grid->addWidget(m_dateTo, 0, 3);
    grid->addWidget(caption("变更项目"), 0, 4);
    grid->addWidget(m_item, 0, 5);
    grid->addWidget(caption("变更前"), 0, 6);
    grid->addWidget(m_value1, 0, 7);
    grid->addWidget(caption("变更后"), 0, 8);
    grid->addWidget(m_value2, 0, 9);
    grid->addWidget(caption("变更理由"), 1, 0);
    grid->addWidget(m_reason, 1, 1);
    grid->addWidget(caption("申请人"), 1, 2);
    grid->addWidget(m_chgman, 1, 3);
    grid->addWidget(caption("批准人"), 1, 4);
    grid->addWidget(m_sanctionman, 1, 5);
    grid->addWidget(caption("备注"), 1, 6);
    grid->addWidget(m_remarks, 1, 7);
    grid->addWidget(caption("批准情况"), 1, 8);
    grid->addWidget(m_state, 1, 9);
    grid->addWidget(caption("设备编号"), 2, 0);
    grid->addWidget(m_code, 2, 1);
    grid->addWidget(caption("设备名称"), 2, 2);
    grid->addWidget(m_name, 2, 3);
    grid->addWidget(caption("设备分类"), 2, 4);
    grid->addLayout(withButton(m_class, classButton), 2, 5);
    grid->addWidget(caption("使用部门"), 2, 6);
    grid->addLayout(withButton(m_dept, deptButton), 2, 7);
    grid->addWidget(m_search, 2, 8);
    grid->addWidget(m_reset, 2, 9);
    SearchKeys(panel, [this] { SearchClick(); }, [this] { ResetClick(); });
    return panel;
}

void TChangeListFrm::BindSearchPanel() {
    m_whereSource->Bind(m_dateFrom, *m_where.ChgDate1Fld);
    m_whereSource->Bind(m_dateTo, *m_where.ChgDate2Fld);
    m_whereSource->Bind(m_item, *m_where.ItmLabelFld);
    m_whereSource->Bind(m_value1, *m_where.ItmValue1Fld);
    m_whereSource->Bind(m_value2, *m_where.ItmValue2Fld);
    m_whereSource->Bind(m_reason, *m_where.ChgReasonFld);
    m_whereSource->Bind(m_chgman, *m_where.ChgmanFld);
    m_whereSource->Bind(m_sanctionman, *m_where.SanctionmanFld);
    m_whereSource->Bind(m_remarks, *m_where.RemarksFld);
    m_whereSource->Bind(m_state, *m_where.UnsancFld);
    m_whereSource->Bind(m_code, *m_where.AssetCodeFld);
    m_whereSource->Bind(m_name, *m_where.AssetNameFld);
    m_whereSource->Bind(m_class, *m_where.AssetClassFld);
    m_whereSource->Bind(m_dept, m_where.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
}

void TChangeListFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(m_apply);
    edit->addAction(m_approve);
    edit->addAction(m_edit);
    edit->addAction(m_delete);
    edit->addSeparator();
    edit->addAction(m_close);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_searchPanel}});
}

void TChangeListFrm::SearchClick() {
    try {
        m_whereSource->CommitEdits();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    try {
        m_changes.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
    UpdateActions();
}

void TChangeListFrm::ResetClick() {
    m_where.Clear();
    m_whereSource->Refresh();
}

void TChangeListFrm::PickClassClick() {
    m_whereSource->CommitEdits();
    PickClass(m_where.AssetClassFld->AsString(),
              [this](const QString& fieldName, const QString& value, const QString& path) {
                  for (Field* field : {m_where.AssetClassFld, m_where.AssetClassAFld, m_where.AssetClassBFld,
                                       m_where.AssetClassCFld, m_where.AssetClassDFld, m_where.AssetClassEFld,
                                       m_where.AssetClassFFld})
                      field->Clear();
                  if (!fieldName.isEmpty()) {
                      m_where.AssetClassFld->SetAsString(path);
                      m_where.DataSet().FieldByName(fieldName).SetAsString(value);
                  }
                  m_whereSource->Refresh();
                  return true;
              },
              this);
}

void TChangeListFrm::PickDeptClick() {
    m_whereSource->CommitEdits();
    PickDepartment(m_where.AssetUseDeptFld->AsString(), [this](const QString& code, const QString&, const QString&) {
        m_where.AssetUseDeptFld->SetAsString(code);
        m_whereSource->Refresh();
        return true;
    }, this);
}

void TChangeListFrm::ApplyClick() {
    const DataSet& data = m_changes.Query();
    const int current = data.Active() && !data.IsEmpty() ? m_changes.AssetIdFld->AsInteger() : -1;
    PickAsset(current, [this](const TAssetData& asset) {
        return ApplyChange(m_changes, asset.Id, this) == QDialog::Accepted ? int(QDialog::Accepted)
                                                                           : kEditorCancelled;
    }, this);
    UpdateActions();
}

void TChangeListFrm::UpdateActions() {
    const bool one = m_grid->SelectedCount() == 1;
    for (QAction* action : {m_approve, m_edit, m_delete}) action->setEnabled(one);
    m_approve->setText(ApproveCaption(m_changes));
}
