#include "AccidentListFrm.h"

#include "AccidentCountFrm.h"
#include "AccidentEditing.h"
#include "AccidentUi_p.h"
#include "data/jtLib.h"
#include "equipment/AssetPickerFrm.h"
#include "equipment/CataPickerFrm.h"
#include "equipment/DeptPickerFrm.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/jtDBGrid.h"
#include "ui/jtEdit.h"
#include "ui/mainFrm.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

using namespace accidentui;

namespace {

constexpr int kLayout = 123;
// The picker closes with this when the editor opened from it was cancelled.
constexpr int kEditorCancelled = 2;

} // namespace

TAccidentListFrm::TAccidentListFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_where.DataSet(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    setWindowTitle(QStringLiteral("设备事故"));
    setObjectName(QStringLiteral("AccidentListFrm"));
    CreateActions();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_accidents.Query());
    m_grid->InsertMenuAction(m_edit);
    m_grid->InsertMenuAction(m_delete);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAccidentListFrm::EditClick);

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
    SearchClick();
}

TAccidentListFrm::~TAccidentListFrm() = default;

void TAccidentListFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加设备事故记录"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("修改当前事故记录"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前事故记录"));
    m_count = NewAction(this, QStringLiteral("统计"), QStringLiteral("事故分析"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, &TAccidentListFrm::AddClick);
    connect(m_edit, &QAction::triggered, this, &TAccidentListFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, [this] { DeleteAccident(m_accidents); });
    connect(m_count, &QAction::triggered, this, &TAccidentListFrm::CountClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TAccidentListFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_add);
    bar->addAction(m_edit);
    bar->addAction(m_delete);
    bar->addSeparator();
    bar->addAction(m_count);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TAccidentListFrm::CreateSearchPanel() {
    auto* panel = new QWidget(this);
    m_code = new TjtEdit(panel);
    m_class = new TjtEdit(panel);
    m_class->setReadOnly(true);
    m_dept = new TjtEdit(panel);
    m_dept->setReadOnly(true);
    m_dateFrom = DateCondition(panel);
    m_dateTo = DateCondition(panel);
    m_grade = PickListCombo(kGradeList, panel);
    m_nature = PickListCombo(kNatureList, panel);
    m_moneyFrom = NumberEdit(panel);
    m_moneyTo = NumberEdit(panel);
    m_keyword = new TjtEdit(panel);
    m_search = TextButton(QStringLiteral("查询"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    auto* classButton = TextButton(QStringLiteral("..."), panel);
    auto* deptButton = TextButton(QStringLiteral("..."), panel);

    m_whereSource->Bind(m_code, *m_where.AssetCodeFld);
    m_whereSource->Bind(m_class, *m_where.AssetClassFld);
    m_whereSource->Bind(m_dept, m_where.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
    m_whereSource->Bind(m_dateFrom, *m_where.AccDate1Fld);
    m_whereSource->Bind(m_dateTo, *m_where.AccDate2Fld);
    m_whereSource->Bind(m_grade, *m_where.AccClassFld);
    m_whereSource->Bind(m_nature, *m_where.AccPropFld);
    m_whereSource->Bind(m_moneyFrom, *m_where.AccMoney1Fld);
    m_whereSource->Bind(m_moneyTo, *m_where.AccMoney2Fld);
    m_whereSource->Bind(m_keyword, *m_where.KeywordFld);
    connect(m_search, &QToolButton::clicked, this, &TAccidentListFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TAccidentListFrm::ResetClick);
    connect(classButton, &QToolButton::clicked, this, &TAccidentListFrm::PickClassClick);
    connect(deptButton, &QToolButton::clicked, this, &TAccidentListFrm::PickDeptClick);

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
    grid->addWidget(caption("设备编号"), 0, 0);
    grid->addWidget(m_code, 0, 1);
    grid->addWidget(caption("设备分类"), 0, 2);
    grid->addLayout(withButton(m_class, classButton), 0, 3);
    grid->addWidget(caption("使用部门"), 0, 4);
    grid->addLayout(withButton(m_dept, deptButton), 0, 5);
    grid->addWidget(caption("关键字"), 0, 6);
    grid->addWidget(m_keyword, 0, 7, 1, 3);
    grid->addWidget(caption("事故日期"), 1, 0);
    grid->addWidget(m_dateFrom, 1, 1);
    grid->addWidget(caption("至"), 1, 2, Qt::AlignRight);
    grid->addWidget(m_dateTo, 1, 3);
    grid->addWidget(caption("事故级别"), 1, 4);
    grid->addWidget(m_grade, 1, 5);
    grid->addWidget(caption("事故性质"), 1, 6);
    grid->addWidget(m_nature, 1, 7, 1, 3);
    grid->addWidget(caption("经济损失"), 2, 0);
    grid->addWidget(m_moneyFrom, 2, 1);
    grid->addWidget(caption("至"), 2, 2, Qt::AlignRight);
    grid->addWidget(m_moneyTo, 2, 3);
    grid->addWidget(m_search, 2, 8);
    grid->addWidget(m_reset, 2, 9);
    SearchKeys(panel, [this] { SearchClick(); }, [this] { ResetClick(); });
    return panel;
}

void TAccidentListFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(m_add);
    edit->addAction(m_edit);
    edit->addAction(m_delete);
    edit->addSeparator();
    edit->addAction(m_count);
    edit->addSeparator();
    edit->addAction(m_close);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_searchPanel}});
}

void TAccidentListFrm::SearchClick() {
    try {
        m_whereSource->CommitEdits();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    try {
        m_accidents.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

void TAccidentListFrm::ResetClick() {
    m_where.Clear();
    m_whereSource->Refresh();
}

void TAccidentListFrm::PickClassClick() {
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

void TAccidentListFrm::PickDeptClick() {
    m_whereSource->CommitEdits();
    PickDepartment(m_where.AssetUseDeptFld->AsString(), [this](const QString& code, const QString&, const QString&) {
        m_where.AssetUseDeptFld->SetAsString(code);
        m_whereSource->Refresh();
        return true;
    }, this);
}

void TAccidentListFrm::AddClick() {
    if (!CanManageAccidents()) return;
    const DataSet& data = m_accidents.Query();
    const int current = data.Active() && !data.IsEmpty() ? m_accidents.AssetIdFld->AsInteger() : -1;
    PickAsset(current, [this](const TAssetData& asset) {
        return EditAccident(m_accidents, true, asset.Id, this) == QDialog::Accepted ? int(QDialog::Accepted)
                                                                                     : kEditorCancelled;
    }, this);
}

void TAccidentListFrm::EditClick() {
    if (!CanManageAccidents()) return;
    const DataSet& data = m_accidents.Query();
    if (!data.Active() || data.IsEmpty()) return;
    EditAccident(m_accidents, false, m_accidents.AssetIdFld->AsInteger(), this);
}

void TAccidentListFrm::CountClick() {
    if (TmainFrm* main = TmainFrm::Instance()) {
        if (QAction* command = main->Command(TMainSlot::AccidentCount)) {
            command->trigger();
            return;
        }
    }
    auto* window = new TAccidentCountFrm;
    window->show();
}
