#include "PartsInfoFrm.h"

#include "PartEditorFrm.h"
#include "PartFinderFrm.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/PubFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtCtrls.h"
#include "ui/jtDBGrid.h"
#include "ui/jtEdit.h"

#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kAddRight = 122;
constexpr int kEditRight = 123;
constexpr int kDeleteRight = 124;
constexpr int kLayout = 112;
constexpr int kClassList = 109;
constexpr int kStatusList = 107;
const QColor kBelowMinimum(0, 128, 0);

// Draws each row in its stock colour, selected or not, on the cream of the selection.
class StockColorDelegate : public QStyledItemDelegate {
public:
    StockColorDelegate(const TPartsInfoFrm& window, QObject* parent)
        : QStyledItemDelegate(parent), m_window(window) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QColor color = m_window.RowColor(index.row());
        option->palette.setColor(QPalette::Text, color);
        option->palette.setColor(QPalette::HighlightedText, color);
        option->palette.setColor(QPalette::Highlight, clCream);
    }

private:
    const TPartsInfoFrm& m_window;
};

} // namespace

TPartsInfoFrm::TPartsInfoFrm(QWidget* parent)
    : TBasicFrm(parent), m_searchSource(new DataSource(m_parts.Where.DataSet(), this)) {
    setWindowTitle(QStringLiteral("备件管理"));
    setObjectName(QStringLiteral("PartsInfoFrm"));
    DataSet& data = m_parts.Query();
    CreateActions();
    for (auto signal : {&DataSet::reset, &DataSet::stateChanged})
        connect(&data, signal, this, &TPartsInfoFrm::UpdateActions);
    connect(&data, &DataSet::rowRemoved, this, &TPartsInfoFrm::UpdateActions);
    m_parts.Where.IdFld->SetAsInteger(-1);
    try {
        m_parts.OpenByWhere();
    } catch (const Exception&) {
        // The statement's error has been shown; the window stays with a closed list.
    }
    m_parts.Where.Clear();
    CreateGrid();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = CreateToolBar();
    QWidget* panel = CreateSearchPanel();
    CreateMenus();
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(panel);
    layout->addWidget(m_grid, 1);
    UpdateActions();
}

// The grid paints from the set and this window; it must not outlive either.
TPartsInfoFrm::~TPartsInfoFrm() {
    delete m_grid;
}

void TPartsInfoFrm::CreateActions() {
    m_add = new QAction(QStringLiteral("添加"), this);
    m_edit = new QAction(QStringLiteral("修改"), this);
    m_delete = new QAction(QStringLiteral("删除"), this);
    m_refresh = new QAction(QStringLiteral("刷新"), this);
    m_find = new QAction(QStringLiteral("查找"), this);
    m_close = new QAction(QStringLiteral("返回"), this);
    connect(m_add, &QAction::triggered, this, &TPartsInfoFrm::AddClick);
    connect(m_edit, &QAction::triggered, this, &TPartsInfoFrm::EditClick);
    connect(m_delete, &QAction::triggered, this, &TPartsInfoFrm::DeleteClick);
    connect(m_refresh, &QAction::triggered, this, &TPartsInfoFrm::Search);
    connect(m_find, &QAction::triggered, this, &TPartsInfoFrm::FindClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
}

QToolBar* TPartsInfoFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (QAction* action : {m_add, m_edit, m_delete})
        bar->addAction(action);
    bar->addSeparator();
    for (QAction* action : {m_refresh, m_find})
        bar->addAction(action);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

void TPartsInfoFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* edit = m_menuBar->addMenu(QStringLiteral("编辑(&E)"));
    for (QAction* action : {m_add, m_edit, m_delete})
        edit->addAction(action);
    edit->addSeparator();
    for (QAction* action : {m_refresh, m_find})
        edit->addAction(action);
    edit->addSeparator();
    edit->addAction(m_close);
    QMenu* view = m_menuBar->addMenu(QStringLiteral("视图(&V)"));
    if (const TPubFrm* pub = TPubFrm::Instance()) {
        view->addAction(pub->menuTreeAction1);
        view->addAction(pub->mainTabAction1);
    }
}

QWidget* TPartsInfoFrm::CreateSearchPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 2, 4, 2);
    TPartsWhere& where = m_parts.Where;
    const auto place = [panel, grid](const QString& caption, QWidget* input, int row, int column) {
        grid->addWidget(new QLabel(caption, panel), row, column * 2);
        grid->addWidget(input, row, column * 2 + 1);
    };
    const std::array<Field*, 8> texts = where.SFlds();
    for (int i = 0; i < 4; ++i) {
        auto* edit = new TjtEdit(panel);
        m_searchSource->Bind(edit, *texts[size_t(i)]);
        place(texts[size_t(i)]->DisplayLabel(), edit, 0, i);
        m_texts.append(edit);
    }
    const auto combo = [this, panel](Field& field, const QStringList& items, bool editable) {
        auto* box = new TjtComboBox(panel);
        box->setEditable(editable);
        box->addItems(items);
        box->setCurrentIndex(-1);
        m_searchSource->Bind(box, field);
        return box;
    };
    m_class = combo(*where.ClassAFld, PickLists.Items(kClassList), true);
    m_status = combo(*where.StatusFld, PickLists.Items(kStatusList), true);
    m_stock = combo(*where.StockFlagFld, StockFlags(), false);
    m_keyword = new TjtEdit(panel);
    m_searchSource->Bind(m_keyword, *where.KeywordFld);
    place(where.ClassAFld->DisplayLabel(), m_class, 1, 0);
    place(where.StatusFld->DisplayLabel(), m_status, 1, 1);
    place(QStringLiteral("库存"), m_stock, 1, 2);
    place(QStringLiteral("关键字"), m_keyword, 1, 3);

    m_search = new QPushButton(QStringLiteral("查找"), panel);
    m_reset = new QPushButton(QStringLiteral("重置"), panel);
    for (QPushButton* button : {m_search, m_reset})
        button->setAutoDefault(false);
    grid->addWidget(m_search, 0, 8);
    grid->addWidget(m_reset, 1, 8);
    connect(m_search, &QPushButton::clicked, this, &TPartsInfoFrm::Search);
    connect(m_reset, &QPushButton::clicked, this, &TPartsInfoFrm::ResetSearch);

    for (QLineEdit* edit : m_texts)
        m_panelInputs.append(edit);
    m_panelInputs.append({m_class, m_status, m_stock, m_keyword});
    for (QWidget* input : m_panelInputs)
        input->installEventFilter(this);
    return panel;
}

void TPartsInfoFrm::CreateGrid() {
    m_grid = new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->setVisible(true);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_parts.Query());
    m_grid->setItemDelegate(new StockColorDelegate(*this, m_grid));
    m_grid->InsertMenuAction(m_delete);
    m_grid->InsertMenuAction(m_edit);
}

QColor TPartsInfoFrm::RowColor(int row) const {
    const QVariant warning = m_parts.Query().ValueAt(row, m_parts.MinQtyRFld->Index());
    return warning.isValid() && warning.toDouble() > 0 ? QColor(Qt::black) : kBelowMinimum;
}

void TPartsInfoFrm::UpdateActions() {
    const DataSet& data = m_parts.Query();
    const bool rows = data.Active() && !data.IsEmpty();
    m_edit->setEnabled(rows);
    m_delete->setEnabled(rows);
}

bool TPartsInfoFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_search->click();
            return true;
        }
        if (key == Qt::Key_Escape) {
            m_reset->click();
            return true;
        }
    }
    return TBasicFrm::eventFilter(watched, event);
}

void TPartsInfoFrm::Search() {
    try {
        m_parts.OpenByWhere();
    } catch (const EDatabaseError&) {
        // A failed open has shown its statement and the database's message; the search ends.
    }
}

void TPartsInfoFrm::ResetSearch() {
    m_parts.Where.Clear();
    m_searchSource->Refresh();
}

void TPartsInfoFrm::SaveRow(const TPartValues& values, bool inserting) {
    DataSet& data = m_parts.Query();
    bool saved = false;
    try {
        if (inserting)
            data.Append();
        else
            data.Edit();
        m_parts.SetValues(values);
        saved = inserting ? m_parts.InsertCurrent() : m_parts.UpdateCurrent();
    } catch (const Exception& e) {
        data.Cancel();
        ShowInfo(e.Message());
        return;
    }
    if (saved)
        data.Post();
    else
        data.Cancel();
}

void TPartsInfoFrm::AddClick() {
    if (!CurrentOperator.CheckRight(kAddRight, false)) return;
    TPartEditorFrm editor([this](const TPartValues& values) { SaveRow(values, true); }, this);
    editor.exec();
}

void TPartsInfoFrm::EditClick() {
    if (!CurrentOperator.CheckRight(kEditRight, false)) return;
    const DataSet& data = m_parts.Query();
    if (!data.Active() || data.IsEmpty()) return;
    TPartEditorFrm editor([this](const TPartValues& values) { SaveRow(values, false); }, this);
    editor.SetValues(m_parts.Values());
    editor.exec();
}

void TPartsInfoFrm::DeleteClick() {
    if (!CurrentOperator.CheckRight(kDeleteRight, false)) return;
    const DataSet& data = m_parts.Query();
    if (!data.Active() || data.IsEmpty()) return;
    if (!ConfirmDelete(QStringLiteral("这条记录"))) return;
    m_parts.DeleteCurrent();
}

void TPartsInfoFrm::FindClick() {
    TPartFinderFrm finder(m_parts.Where, this);
    const bool accepted = finder.exec() == QDialog::Accepted;
    m_searchSource->Refresh();
    if (accepted) Search();
}
