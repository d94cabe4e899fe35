#include "LogListFrm.h"

#include "admin/Operator.h"
#include "data/CustomWhere.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/ListParts.h"
#include "ui/PubFrm.h"
#include "ui/jtComboBox.h"
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

constexpr int kInputsPerRow = 3;

QAction* ViewToggle(QMenu* menu, const QString& caption, QWidget* bar) {
    QAction* toggle = menu->addAction(caption);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    QObject::connect(toggle, &QAction::toggled, bar, &QWidget::setVisible);
    return toggle;
}

} // namespace

TLogListFrm::TLogListFrm(QWidget* parent) : TBasicFrm(parent) {}

void TLogListFrm::CreateWindow(DataSet& rows, TCustomWhere& where, int layoutId) {
    m_where = &where;
    m_findSource = new DataSource(where.DataSet(), this);
    m_grid = new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this);
    m_grid->SetLayoutId(layoutId);
    m_grid->SetDataSet(&rows);
    m_close = new QAction(QStringLiteral("返回"), this);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    m_toolBar = CreateToolBar();
    m_findBar = CreateFindBar();
    CreateMenus();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_findBar);
    layout->addWidget(m_grid, 1);
}

QToolBar* TLogListFrm::CreateToolBar() {
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_functionButton = TextButton(QStringLiteral("功能 ▼"), bar);
    connect(m_functionButton, &QToolButton::clicked, m_grid, &TjtDBGrid::PopupButtonClick);
    bar->addWidget(m_functionButton);
    bar->addSeparator();
    bar->addAction(m_close);
    return bar;
}

QWidget* TLogListFrm::CreateFindBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    m_inputs = new QGridLayout;
    row->addLayout(m_inputs, 1);
    m_findButton = TextButton(QStringLiteral("查找"), bar);
    m_resetButton = TextButton(QStringLiteral("重置"), bar);
    connect(m_findButton, &QToolButton::clicked, this, &TLogListFrm::FindClick);
    connect(m_resetButton, &QToolButton::clicked, this, &TLogListFrm::ResetClick);
    row->addWidget(m_findButton, 0, Qt::AlignBottom);
    row->addWidget(m_resetButton, 0, Qt::AlignBottom);
    return bar;
}

void TLogListFrm::CreateMenus() {
    m_menuBar = new QMenuBar(this);
    QMenu* view = m_menuBar->addMenu(QStringLiteral("视图(&V)"));
    if (const TPubFrm* pub = TPubFrm::Instance()) {
        view->addAction(pub->menuTreeAction1);
        view->addAction(pub->mainTabAction1);
    }
    ViewToggle(view, QStringLiteral("工具栏"), m_toolBar);
    ViewToggle(view, QStringLiteral("查找栏"), m_findBar);
    view->addSeparator();
    view->addAction(m_close);
}

void TLogListFrm::AddInput(const QString& caption, QWidget* input) {
    const int row = m_inputCount / kInputsPerRow;
    const int column = m_inputCount % kInputsPerRow * 2;
    m_inputs->addWidget(new QLabel(caption, m_findBar), row, column);
    m_inputs->addWidget(input, row, column + 1);
    m_inputs->setColumnStretch(column + 1, 1);
    ++m_inputCount;
}

QLineEdit* TLogListFrm::AddEdit(const QString& caption, Field& field) {
    auto* edit = new TjtEdit(m_findBar);
    m_findSource->Bind(edit, field);
    AddInput(caption, edit);
    edit->installEventFilter(this);
    return edit;
}

QComboBox* TLogListFrm::AddCombo(const QString& caption, Field& field, const QStringList& items) {
    auto* combo = new TjtComboBox(m_findBar);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    m_findSource->Bind(combo, field);
    AddInput(caption, combo);
    combo->installEventFilter(this);
    combo->lineEdit()->installEventFilter(this);
    return combo;
}

QPair<TjtDateTimePicker*, TjtDateTimePicker*>
TLogListFrm::AddDateRange(const QString& caption, Field& from, Field& to) {
    auto* range = new QWidget(m_findBar);
    auto* row = new QHBoxLayout(range);
    row->setContentsMargins(0, 0, 0, 0);
    auto* first = new TjtDateTimePicker(range);
    auto* last = new TjtDateTimePicker(range);
    for (TjtDateTimePicker* picker : {first, last}) {
        picker->SetShowCheckbox(true);
        picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        picker->installEventFilter(this);
    }
    m_findSource->Bind(first, from);
    m_findSource->Bind(last, to);
    row->addWidget(first, 1);
    row->addWidget(new QLabel(QStringLiteral("-"), range));
    row->addWidget(last, 1);
    AddInput(caption, range);
    return {first, last};
}

// Inside the find panel Enter searches and Esc clears, whichever input has the focus.
bool TLogListFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FindClick();
            return true;
        }
        if (key == Qt::Key_Escape) {
            ResetClick();
            return true;
        }
    }
    return TBasicFrm::eventFilter(watched, event);
}

void TLogListFrm::FindClick() {
    m_findSource->CommitEdits();
    try {
        OpenLog();
    } catch (const Exception&) {
        // The open has shown the statement and the database's message.
    }
}

void TLogListFrm::ResetClick() {
    m_where->Clear();
    m_findSource->Refresh();
}

QStringList TLogListFrm::OperatorLogins() {
    TOperatorSet operators;
    QStringList logins{QStringLiteral("sa")};
    logins.append(operators.LoginList().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    return logins;
}
