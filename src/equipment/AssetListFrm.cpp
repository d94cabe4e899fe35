#include "AssetListFrm.h"

#include "AssetAddorFrm.h"
#include "AssetFind2Frm.h"
#include "AssetFra.h"
#include "CataPickerFrm.h"
#include "CustomStatFrm.h"
#include "DeptPickerFrm.h"
#include "EquipmentGrid.h"
#include "SystatuSet.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/DataExporterFrm.h"
#include "ui/ListParts.h"
#include "ui/PubFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtPopupMenu.h"
#include "ui/jtEdit.h"

#include <QActionGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kAddRight = 118;
constexpr int kDeleteRight = 120;
constexpr int kExportRight = 10004;
constexpr int kStatRight = 109;

QStringList Statuses() {
    QStringList statuses;
    SystatuSet.StatusList(statuses);
    return statuses;
}

} // namespace

TAssetListFrm::TAssetListFrm(QWidget* parent)
    : TBasicFrm(parent), m_grid(new TEquipmentGrid(this)), m_panel(new TAssetFra(this)),
      m_lower(new QStackedWidget(this)), m_noneSelected(new QLabel(QStringLiteral("没有设备选中."), this)),
      m_findSource(new DataSource(m_grid->Assets().Where.DataSet(), this)) {
    setWindowTitle(QStringLiteral("设备台账"));
    setObjectName(QStringLiteral("AssetListFrm"));
    CreateActions();
    m_noneSelected->setAlignment(Qt::AlignCenter);
    m_lower->addWidget(m_panel);
    m_lower->addWidget(m_noneSelected);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_grid);
    splitter->addWidget(m_lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = CreateToolBar();
    m_findBar = CreateFindBar();
    CreateStatusBar();
    CreateMenus();
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_findBar);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_statusBar);

    m_grid->InsertMenuAction(m_delete);
    m_grid->InsertMenuAction(m_refresh);
    m_grid->PopupMenuJt()->addSeparator();
    m_grid->PopupMenuJt()->addAction(m_add);
    m_panel->SetSaveCallback([this] { ReopenClick(); });

    DataSet& data = Assets().Query();
    connect(&data, &DataSet::currentChanged, this, &TAssetListFrm::FollowRow);
    connect(&data, &DataSet::reset, this, &TAssetListFrm::FollowRow);
    connect(&data, &DataSet::rowRemoved, this, &TAssetListFrm::FollowRow);
    try {
        Assets().OpenByWhere();
    } catch (const Exception&) {
        // The statement's error has been shown; the window stays with an empty list.
    }
    FollowRow();
}

TAssetListFrm::~TAssetListFrm() = default;

TAssetsSet& TAssetListFrm::Assets() const {
    return m_grid->Assets();
}

void TAssetListFrm::CreateActions() {
    m_add = NewAction(this, QStringLiteral("添加"), QStringLiteral("添加新的设备记录"));
    m_delete = NewAction(this, QStringLiteral("删除"), QStringLiteral("删除当前选中的设备记录"));
    m_refresh = NewAction(this, QStringLiteral("刷新"), QStringLiteral("重新读取设备记录"));
    m_find = NewAction(this, QStringLiteral("查找"), QStringLiteral("高级查找设备记录"));
    m_export = NewAction(this, QStringLiteral("导出"), QStringLiteral("导出设备记录数据"));
    m_stat = NewAction(this, QStringLiteral("统计"), QStringLiteral("统计当前设备记录信息"));
    m_close = NewAction(this, QStringLiteral(" 退出 "), QString());
    connect(m_add, &QAction::triggered, this, &TAssetListFrm::AddClick);
    connect(m_delete, &QAction::triggered, this, &TAssetListFrm::DeleteClick);
    connect(m_refresh, &QAction::triggered, this, &TAssetListFrm::ReopenClick);
    connect(m_find, &QAction::triggered, this, &TAssetListFrm::FindClick);
    connect(m_export, &QAction::triggered, this, &TAssetListFrm::ExportClick);
    connect(m_stat, &QAction::triggered, this, &TAssetListFrm::StatClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TAssetListFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(m_add);
    bar->addAction(m_delete);
    bar->addAction(m_refresh);
    bar->addAction(m_find);
    auto* other = TextButton(QStringLiteral("其他"), bar);
    auto* otherMenu = new QMenu(other);
    otherMenu->addAction(m_stat);
    otherMenu->addSeparator();
    otherMenu->addAction(m_export);
    other->setMenu(otherMenu);
    other->setPopupMode(QToolButton::InstantPopup);
    bar->addWidget(other);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TAssetListFrm::CreateFindBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    TAssetWhere& where = Assets().Where;
    m_dept = new TjtEdit(bar);
    m_dept->setReadOnly(true);
    m_findSource->Bind(m_dept, where.DataSet().FieldByName(QStringLiteral("UseDeptPath")));
    m_class = new TjtEdit(bar);
    m_class->setReadOnly(true);
    m_findSource->Bind(m_class, *where.AssetClassFld);
    m_keyword = new TjtEdit(bar);
    m_findSource->Bind(m_keyword, *where.KeywordFld);
    m_status = new TjtComboBox(bar);
    m_status->setEditable(true);
    m_status->addItems(Statuses());
    m_status->setCurrentIndex(-1);
    m_findSource->Bind(m_status, *where.StatusFld);
    auto* deptButton = TextButton(QStringLiteral("..."), bar);
    auto* classButton = TextButton(QStringLiteral("..."), bar);
    m_findButton = TextButton(QStringLiteral("查找"), bar);
    m_resetButton = TextButton(QStringLiteral("重置"), bar);
    auto* advanced = TextButton(QStringLiteral("高级查找..."), bar);
    connect(deptButton, &QToolButton::clicked, this, &TAssetListFrm::PickDept);
    connect(classButton, &QToolButton::clicked, this, &TAssetListFrm::PickClassClick);
    connect(m_findButton, &QToolButton::clicked, this, &TAssetListFrm::QuickFind);
    connect(m_resetButton, &QToolButton::clicked, this, &TAssetListFrm::ResetFind);
    connect(advanced, &QToolButton::clicked, m_find, &QAction::trigger);
    const auto caption = [bar](const QString& text) { return new QLabel(text, bar); };
    row->addWidget(caption(QStringLiteral("使用部门")));
    row->addWidget(m_dept, 2);
    row->addWidget(deptButton);
    row->addWidget(caption(QStringLiteral("设备分类")));
    row->addWidget(m_class, 2);
    row->addWidget(classButton);
    row->addWidget(caption(QStringLiteral("关键字")));
    row->addWidget(m_keyword, 2);
    row->addWidget(caption(QStringLiteral("设备状况")));
    row->addWidget(m_status, 1);
    for (QToolButton* button : {m_findButton, m_resetButton, advanced}) row->addWidget(button);
    for (QWidget* input : std::initializer_list<QWidget*>{m_dept, m_class, m_keyword, m_status})
        input->installEventFilter(this);
    return bar;
}

void TAssetListFrm::CreateStatusBar() {
    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(m_statusBar);
        m_panels.append(panel);
        m_statusBar->addWidget(panel, i == 0 ? 1 : 0);
    }
    m_panels[1]->setText(CurrentOperator.LoginId);
}

QAction* TAssetListFrm::ViewToggle(QMenu* menu, const QString& caption, QWidget* bar) {
    QAction* toggle = menu->addAction(caption);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QWidget::setVisible);
    return toggle;
}

void TAssetListFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    edit->addAction(m_add);
    edit->addSeparator();
    edit->addAction(m_find);
    edit->addAction(m_refresh);
    edit->addSeparator();
    edit->addAction(m_export);
    edit->addAction(m_stat);
    edit->addSeparator();
    edit->addAction(m_delete);
    QMenu* view = m_menuBar->addMenu(QStringLiteral("视图(&V)"));
    if (const TPubFrm* pub = TPubFrm::Instance()) {
        view->addAction(pub->menuTreeAction1);
        view->addAction(pub->mainTabAction1);
    }
    ViewToggle(view, QStringLiteral("工具栏"), m_toolBar);
    ViewToggle(view, QStringLiteral("查找栏"), m_findBar);
    ViewToggle(view, QStringLiteral("详情栏"), m_lower);
    ViewToggle(view, QStringLiteral("状态栏"), m_statusBar);
    view->addSeparator();
    m_pageGroup = new QActionGroup(this);
    const QStringList pages = m_panel->PageNames();
    for (int i = 0; i < pages.size(); ++i) {
        QAction* page = view->addAction(pages[i]);
        page->setCheckable(true);
        page->setChecked(i == m_panel->CurrentPage());
        m_pageGroup->addAction(page);
        connect(page, &QAction::triggered, this, [this, i] { m_panel->SelectPage(i); });
    }
    connect(m_panel, &TAssetFra::pageChanged, this, [this](int index) {
        const QList<QAction*> pages = m_pageGroup->actions();
        if (index >= 0 && index < pages.size()) pages[index]->setChecked(true);
    });
}

QString TAssetListFrm::StatusText(int panel) const {
    return m_panels.value(panel - 1) ? m_panels[panel - 1]->text() : QString();
}

QString TAssetListFrm::Summary() const {
    const DataSet& data = Assets().Query();
    const auto text = [&data](const char* name) { return data.FieldByName(QString::fromLatin1(name)).AsString(); };
    QString summary = text("Code") + u' ' + text("EqiName");
    if (Assets().PartNoFld->Visible()) summary += u' ' + text("PartNo");
    return summary + u' ' + text("UseDeptPath") + u' ' + text("Status");
}

void TAssetListFrm::FollowRow() {
    const DataSet& data = Assets().Query();
    if (!data.Active() || data.IsEmpty()) {
        m_lower->setCurrentWidget(m_noneSelected);
        m_panel->SetAssetId(-1);
        for (int i : {0, 2, 3}) m_panels[i]->clear();
        return;
    }
    m_lower->setCurrentWidget(m_panel);
    const int id = Assets().IdFld->AsInteger();
    if (id > 0 && id != m_panel->AssetId()) m_panel->SetAssetId(id);
    m_panels[2]->setText(QStringLiteral("%1 / %2").arg(data.RecNo()).arg(data.RecordCount()));
    const QDateTime added = Assets().AddTimeFld->AsDateTime();
    m_panels[3]->setText(QStringLiteral("创建日期: ") + (added.isValid() ? added.toString(QStringLiteral("yyyy-MM-dd"))
                                                                        : QString()));
    m_panels[0]->setText(m_hint.isEmpty() ? Summary() : m_hint);
}

bool TAssetListFrm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        m_hint = static_cast<QStatusTipEvent*>(event)->tip();
        const DataSet& data = Assets().Query();
        m_panels[0]->setText(!m_hint.isEmpty() ? m_hint : data.Active() && !data.IsEmpty() ? Summary() : QString());
        return true;
    }
    return TBasicFrm::event(event);
}

bool TAssetListFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QuickFind();
            return true;
        }
        if (key == Qt::Key_Escape) {
            ResetFind();
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_dept) PickDept();
        if (watched == m_class) PickClassClick();
    }
    return TBasicFrm::eventFilter(watched, event);
}

void TAssetListFrm::QuickFind() {
    m_findSource->CommitEdits();
    Assets().FilterByWhere();
    FollowRow();
}

void TAssetListFrm::ResetFind() {
    Assets().Where.Clear();
    m_findSource->Refresh();
}

void TAssetListFrm::PickDept() {
    m_findSource->CommitEdits();
    TAssetWhere& where = Assets().Where;
    PickDepartment(where.UseDeptFld->AsString(), [this, &where](const QString& code, const QString&, const QString&) {
        where.UseDeptFld->SetAsString(code);
        m_findSource->Refresh();
        QuickFind();
        return true;
    }, this);
}

void TAssetListFrm::PickClassClick() {
    m_findSource->CommitEdits();
    TAssetWhere& where = Assets().Where;
    PickClass(where.AssetClassFld->AsString(),
              [this, &where](const QString& fieldName, const QString& value, const QString& path) {
                  for (Field* field : {where.AssetClassFld, where.AssetClassAFld, where.AssetClassBFld,
                                       where.AssetClassCFld, where.AssetClassDFld, where.AssetClassEFld,
                                       where.AssetClassFFld})
                      field->Clear();
                  if (!fieldName.isEmpty()) {
                      where.AssetClassFld->SetAsString(path);
                      where.DataSet().FieldByName(fieldName).SetAsString(value);
                  }
                  m_findSource->Refresh();
                  QuickFind();
                  return true;
              },
              this);
}

void TAssetListFrm::ReopenClick() {
    if (!Assets().Query().Active()) return;
    Assets().Refresh(Assets().IdFld);
    FollowRow();
}

void TAssetListFrm::Added(TAssetsSet& added) {
    DataSet& data = Assets().Query();
    if (!data.Active()) return;
    const int id = added.IdFld->AsInteger();
    data.Append();
    for (const char* name : {"Id", "Code", "EqiName", "PartNo", "Manufactory"}) {
        const QString field = QString::fromLatin1(name);
        data.FieldByName(field).SetValue(added.Query().FieldByName(field).Value());
    }
    data.Post();
    if (!data.Filter().isEmpty()) data.SetFilter(QStringLiteral("(%1) or (Id=%2)").arg(data.Filter()).arg(id));
    data.Locate(QStringLiteral("Id"), id);
}

void TAssetListFrm::AddClick() {
    if (!CurrentOperator.CheckRight(kAddRight, false)) return;
    TAssetAddorFrm dialog([this](TAssetsSet& added) { Added(added); }, this);
    dialog.exec();
}

void TAssetListFrm::DeleteClick() {
    if (!CurrentOperator.CheckRight(kDeleteRight, false)) return;
    DataSet& data = Assets().Query();
    if (!data.Active() || data.IsEmpty()) return;
    const QString code = Assets().CodeFld->AsString();
    if (ShowMessage(QStringLiteral("\r您确定要删除 ") + code + QStringLiteral(" 吗?\t\t"), QMessageBox::Information,
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    if (ShowMessage(QStringLiteral("\r警告：\r\n\r\n数据删除后不可恢复, 是否继续操作?\r\n"), QMessageBox::Warning,
                    QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    Assets().DeleteCurrent();
}

void TAssetListFrm::FindClick() {
    TAssetFind2Frm dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (dialog.ByAccessories()) Assets().OpenByAccessories(dialog.AccessoriesWhere());
    else Assets().OpenByWhere(dialog.AssetWhere());
    FollowRow();
}

void TAssetListFrm::ExportClick() {
    if (!CurrentOperator.CheckRight(kExportRight, false)) return;
    DataSet& data = Assets().Query();
    if (!data.Active()) {
        ShowInfo(QStringLiteral("请先打开数据集再操作."));
        return;
    }
    ExportDataSet(data, this);
}

void TAssetListFrm::StatClick() {
    if (!CurrentOperator.CheckRight(kStatRight, false)) return;
    DataSet& data = Assets().Query();
    if (!data.Active()) return;
    const DataSet::Bookmark current = data.GetBookmark();
    auto* window = new TEqiStatFrm(this);
    window->SetSourceSet(&data);
    window->exec();
    if (data.BookmarkValid(current)) data.GotoBookmark(current);
}
