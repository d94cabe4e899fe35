#include "PartinbillReportFrm.h"

#include "PartinBillFrm.h"
#include "PartinSearchBar.h"
#include "PartinUi_p.h"
#include "platform/Exceptions.h"
#include "ui/jtDBGrid.h"

#include <QDate>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kLayout = 147;
}

TPartinbillReportFrm::TPartinbillReportFrm(QWidget* parent)
    : TBasicFrm(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_searchBar(new TPartinSearchBar(m_where, m_grid, false, this)),
      m_toolBar(new QToolBar(this)), m_open(partinui::NewAction(this, QStringLiteral("打开"))),
      m_close(partinui::NewAction(this, QStringLiteral("返回"))) {
    setWindowTitle(QStringLiteral("备件申购单查询"));
    setObjectName(QStringLiteral("PartinbillReportFrm"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_bills.Query());
    m_grid->InsertMenuAction(m_open);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TPartinbillReportFrm::OpenClick);
    connect(m_open, &QAction::triggered, this, &TPartinbillReportFrm::OpenClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    connect(m_searchBar, &TPartinSearchBar::searchRequested, this,
            &TPartinbillReportFrm::SearchClick);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addAction(m_open);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_grid, 1);

    const QDate today = QDate::currentDate();
    m_where.Indate1Fld->SetAsDateTime(QDateTime(QDate(today.year(), today.month(), 1), QTime(0, 0)));
    m_searchBar->Refresh();
    SearchClick();
}

void TPartinbillReportFrm::SearchClick() {
    if (!m_searchBar->Commit()) return;
    try {
        m_bills.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

void TPartinbillReportFrm::OpenClick() {
    if (!m_bills.HasBill()) return;
    OpenPartinBill(m_bills.IdFld->AsInteger());
}
