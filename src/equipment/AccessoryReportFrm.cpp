#include "AccessoryReportFrm.h"

#include "AccessoryEditing.h"
#include "AssetPickerFrm.h"
#include "CataPickerFrm.h"
#include "CustomStatFrm.h"
#include "DeptPickerFrm.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/PubFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtDBGrid.h"
#include "ui/jtEdit.h"
#include "ui/jtPopupMenu.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kLayout = 106;
constexpr int kClassList = 108;
constexpr int kAddRight = 115;
constexpr int kStatRight = 109;
// The picker closes with this when the editor opened from it was cancelled.
constexpr int kEditorCancelled = 2;

} // namespace

TAccessoryReportFrm::TAccessoryReportFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_where.DataSet(), this)),
      m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)) {
    setWindowTitle(QStringLiteral("设备附件"));
    setObjectName(QStringLiteral("AccessoryReportFrm"));
    CreateActions();
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->setVisible(true);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_accessories.Query());
    m_grid->InsertMenuAction(m_delete);
    m_grid->InsertMenuAction(m_edit);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TAccessoryReportFrm::EditClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = CreateToolBar();
    m_findPanel = CreateFindPanel();
    CreateMenus();
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_findPanel);
    layout->addWidget(m_grid, 1);
    try {
        m_accessories.OpenById(-1);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

TAccessoryReportFrm::~TAccessoryReportFrm() = default;

void TAccessoryReportFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加设备附件"));
    m_edit = NewAction(this, QStringLiteral("修改"), QStringLiteral("修改当前附件"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前附件"));
    m_stat = NewAction(this, QStringLiteral("统计"), QStringLiteral("统计当前附件信息"));
    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_add, &QAction::triggered, this, &TAccessoryReportFrm::AddClick);
    connect(m_edit, &QAction::triggered, this, &TAccessoryReportFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, &TAccessoryReportFrm::DeleteClick);
    connect(m_stat, &QAction::triggered, this, &TAccessoryReportFrm::StatClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TAccessoryReportFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_add);
    bar->addAction(m_edit);
    bar->addAction(m_delete);
    bar->addSeparator();
    bar->addAction(m_stat);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TAccessoryReportFrm::CreateFindPanel() {
    auto* panel = new QWidget(this);
    const auto edit = [panel] { return new TjtEdit(panel); };
    m_name = edit();
    m_partNo = edit();
    m_madein = edit();
    m_assetCode = edit();
    m_assetName = edit();
    m_dept = edit();
    m_dept->setReadOnly(true);
    m_assetClass = edit();
    m_assetClass->setReadOnly(true);
    m_class = new TjtComboBox(panel);
    m_class->setEditable(true);
    m_class->addItems(PickLists.Items(kClassList));
    m_class->setCurrentIndex(-1);
    m_search = TextButton(QStringLiteral("查询"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    auto* deptButton = TextButton(QStringLiteral("..."), panel);
    auto* classButton = TextButton(QStringLiteral("..."), panel);

    m_whereSource->Bind(m_name, *m_where.ProductNameFld);
    m_whereSource->Bind(m_partNo, *m_where.PartNoFld);
    m_whereSource->Bind(m_madein, *m_where.MadeinFld);
    m_whereSource->Bind(m_class, *m_where.ClassAFld);
    m_whereSource->Bind(m_assetCode, *m_where.AssetCodeFld);
    m_whereSource->Bind(m_assetName, *m_where.AssetNameFld);
    m_whereSource->Bind(m_dept, m_where.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
    m_whereSource->Bind(m_assetClass, *m_where.AssetClassFld);
    connect(m_search, &QToolButton::clicked, this, &TAccessoryReportFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TAccessoryReportFrm::ResetClick);
    connect(deptButton, &QToolButton::clicked, this, &TAccessoryReportFrm::PickDeptClick);
    connect(classButton, &QToolButton::clicked, this, &TAccessoryReportFrm::PickClassClick);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    const auto caption = [panel](const char* text) {
        return new QLabel(QString::fromUtf8(text), panel);
    };
    const auto withButton = [](QWidget* input, QToolButton* button) {
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(input, 1);
        row->addWidget(button);
        return row;
    };
    grid->addWidget(caption("附件名称"), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(caption("规格型号"), 0, 2);
    grid->addWidget(m_partNo, 0, 3);
    grid->addWidget(caption("产地"), 0, 4);
    grid->addWidget(m_madein, 0, 5);
    grid->addWidget(caption("分类"), 0, 6);
    grid->addWidget(m_class, 0, 7);
    grid->addWidget(caption("设备编号"), 1, 0);
    grid->addWidget(m_assetCode, 1, 1);
    grid->addWidget(caption("设备名称"), 1, 2);
    grid->addWidget(m_assetName, 1, 3);
    grid->addWidget(caption("使用部门"), 1, 4);
    grid->addLayout(withButton(m_dept, deptButton), 1, 5);
    grid->addWidget(caption("设备分类"), 1, 6);
    grid->addLayout(withButton(m_assetClass, classButton), 1, 7);
    grid->addWidget(m_search, 0, 8);
    grid->addWidget(m_reset, 1, 8);
    SearchKeys(panel, [this] { SearchClick(); }, [this] { ResetClick(); });
    return panel;
}

void TAccessoryReportFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(m_add);
    edit->addAction(m_edit);
    edit->addAction(m_delete);
    edit->addSeparator();
    edit->addAction(m_stat);
    edit->addSeparator();
    edit->addAction(m_close);
    QMenu* view = m_menuBar->addMenu(QStringLiteral("视图(&V)"));
    if (const TPubFrm* pub = TPubFrm::Instance()) {
        view->addAction(pub->menuTreeAction1);
        view->addAction(pub->mainTabAction1);
    }
    for (const auto& [caption, part] :
         {std::pair{QStringLiteral("工具栏"), static_cast<QWidget*>(m_toolBar)},
          std::pair{QStringLiteral("查找栏"), m_findPanel}}) {
        QAction* toggle = view->addAction(caption);
        toggle->setCheckable(true);
        toggle->setChecked(true);
        connect(toggle, &QAction::toggled, part, &QWidget::setVisible);
    }
}

// While the focus is in the find panel, Enter searches and Esc clears the conditions.
void TAccessoryReportFrm::SearchClick() {
    m_whereSource->CommitEdits();
    try {
        m_accessories.OpenByWhere(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

void TAccessoryReportFrm::ResetClick() {
    m_where.Clear();
    m_whereSource->Refresh();
}

void TAccessoryReportFrm::PickDeptClick() {
    m_whereSource->CommitEdits();
    PickDepartment(
        m_where.AssetUseDeptFld->AsString(),
        [this](const QString& code, const QString&, const QString&) {
            m_where.AssetUseDeptFld->SetAsString(code);
            m_whereSource->Refresh();
            return true;
        },
        this);
}

void TAccessoryReportFrm::PickClassClick() {
    m_whereSource->CommitEdits();
    PickClass(
        m_where.AssetClassFld->AsString(),
        [this](const QString& fieldName, const QString& value, const QString& path) {
            for (Field* field :
                 {m_where.AssetClassFld, m_where.AssetClassAFld, m_where.AssetClassBFld,
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

void TAccessoryReportFrm::AddClick() {
    if (!CurrentOperator.CheckRight(kAddRight, false)) return;
    const DataSet& data = m_accessories.Query();
    const int current = data.Active() && !data.IsEmpty() ? m_accessories.EqiIdFld->AsInteger() : -1;
    PickAsset(
        current,
        [this](const TAssetData& asset) {
            return AddAccessory(m_accessories, asset.Id, this) == QDialog::Accepted
                       ? int(QDialog::Accepted)
                       : kEditorCancelled;
        },
        this);
}

void TAccessoryReportFrm::EditClick() {
    EditAccessory(m_accessories, this);
}

void TAccessoryReportFrm::DeleteClick() {
    DeleteAccessory(m_accessories);
}

void TAccessoryReportFrm::StatClick() {
    if (!CurrentOperator.CheckRight(kStatRight, false)) return;
    DataSet& data = m_accessories.Query();
    if (!data.Active() || data.IsEmpty()) return;
    auto* window = new TAcsStatFrm(this);
    window->SetSourceSet(&data);
    window->show();
}
