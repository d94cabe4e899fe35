#include "AccidentCountFrm.h"

#include "AccidentUi_p.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSource.h"
#include "ui/jtDBGrid.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

using namespace accidentui;

namespace {
constexpr int kLayout = 130;
}

TAccidentCountFrm::TAccidentCountFrm(QWidget* parent)
    : TBasicFrm(parent), m_whereSource(new DataSource(m_where.DataSet(), this)), m_grid(new TjtDBGrid(this)) {
    setWindowTitle(QStringLiteral("事故分析"));
    setObjectName(QStringLiteral("AccidentCountFrm"));
    m_grid->SetEditable(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_result.DataSet());

    m_close = NewAction(this, QStringLiteral("返回"));
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addAction(m_close);
    m_datePanel = CreateDatePanel();
    m_menuBar = new QMenuBar(this);
    ViewMenu(m_menuBar, {{QStringLiteral("工具栏"), m_toolBar}, {QStringLiteral("查找栏"), m_datePanel}});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_datePanel);
    layout->addWidget(m_grid, 1);

    m_where.AccDate1Fld->SetAsDateTime(QDateTime(QDate(QDate::currentDate().year(), 1, 1), QTime(0, 0)));
    m_whereSource->Refresh();
    SearchClick();
}

TAccidentCountFrm::~TAccidentCountFrm() = default;

QWidget* TAccidentCountFrm::CreateDatePanel() {
    auto* panel = new QWidget(this);
    m_dateFrom = DateCondition(panel);
    m_dateTo = DateCondition(panel);
    m_search = TextButton(QStringLiteral("查询"), panel);
    m_reset = TextButton(QStringLiteral("重置"), panel);
    m_whereSource->Bind(m_dateFrom, *m_where.AccDate1Fld);
    m_whereSource->Bind(m_dateTo, *m_where.AccDate2Fld);
    connect(m_search, &QToolButton::clicked, this, &TAccidentCountFrm::SearchClick);
    connect(m_reset, &QToolButton::clicked, this, &TAccidentCountFrm::ResetClick);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(QStringLiteral("事故日期"), panel));
    row->addWidget(m_dateFrom);
    row->addWidget(new QLabel(QStringLiteral("至"), panel));
    row->addWidget(m_dateTo);
    row->addWidget(m_search);
    row->addWidget(m_reset);
    row->addStretch(1);
    return panel;
}

void TAccidentCountFrm::SearchClick() {
    try {
        m_whereSource->CommitEdits();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    try {
        m_result.Count(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement.
    }
}

void TAccidentCountFrm::ResetClick() {
    m_where.Clear();
    m_whereSource->Refresh();
}
