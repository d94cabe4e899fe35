#include "PartinstailReportFrm.h"

#include "PartinBillFrm.h"
#include "PartinEditorFrm.h"
#include "PartinSearchBar.h"
#include "PartinUi_p.h"
#include "admin/Operator.h"
#include "platform/Exceptions.h"
#include "ui/jtCtrls.h"
#include "ui/jtDBGrid.h"

#include <QStyledItemDelegate>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kLayout = 145;
const QColor kInTransit(0, 128, 0);
const QColor kOverArrived(128, 0, 0);

// Draws every cell of a row in the row's colour, on cream when selected.
class TransitColorDelegate : public QStyledItemDelegate {
public:
    TransitColorDelegate(const TPartinstailReportFrm& window, QObject* parent)
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
    const TPartinstailReportFrm& m_window;
};

} // namespace

TPartinstailReportFrm::TPartinstailReportFrm(QWidget* parent)
    : TBasicFrm(parent), m_grid(new TjtDBGrid(TjtDBGrid::GridKind::Gridcx, this)),
      m_searchBar(new TPartinSearchBar(m_where, m_grid, true, this)),
      m_toolBar(new QToolBar(this)), m_new(partinui::NewAction(this, QStringLiteral("新建"))),
      m_open(partinui::NewAction(this, QStringLiteral("打开"))),
      m_close(partinui::NewAction(this, QStringLiteral("返回"))) {
    setWindowTitle(QStringLiteral("备件申购明细"));
    setObjectName(QStringLiteral("PartinstailReportFrm"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->SetLayoutId(kLayout);
    m_grid->SetDataSet(&m_lines.Query());
    m_grid->setItemDelegate(new TransitColorDelegate(*this, m_grid));
    m_grid->InsertMenuAction(m_open);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, &TPartinstailReportFrm::OpenClick);
    connect(m_new, &QAction::triggered, this, &TPartinstailReportFrm::NewClick);
    connect(m_open, &QAction::triggered, this, &TPartinstailReportFrm::OpenClick);
    connect(m_close, &QAction::triggered, this, &QWidget::close);
    connect(m_searchBar, &TPartinSearchBar::searchRequested, this,
            &TPartinstailReportFrm::SearchClick);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->addActions({m_new, m_open});
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_searchBar);
    layout->addWidget(m_grid, 1);

    // It opens on what is still in transit; later searches list every line.
    m_where.NotArrivedFld->SetAsBoolean(true);
    SearchClick();
    m_where.NotArrivedFld->Clear();
}

QColor TPartinstailReportFrm::RowColor(int row) const {
    const double inTransit = m_lines.Query().ValueAt(row, m_lines.QtyRFld->Index()).toDouble();
    if (inTransit > 0) return kInTransit;
    if (inTransit < 0) return kOverArrived;
    return QColor(Qt::black);
}

void TPartinstailReportFrm::SearchClick() {
    if (!m_searchBar->Commit()) return;
    try {
        m_lines.Search(m_where);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the list stays empty.
    }
}

void TPartinstailReportFrm::NewClick() {
    if (!CurrentOperator.CheckRight(partinui::kNewBillRight, false)) return;
    EditPartin(NewPartinInput(), [](const TPartinInput& input) {
        auto* window = new TPartinBillFrm;
        if (window->CreateBill(input)) ShowPartinBill(window);
        else window->deleteLater();
        return true;
    }, this);
}

void TPartinstailReportFrm::OpenClick() {
    const DataSet& data = m_lines.Query();
    if (!data.Active() || data.IsEmpty()) return;
    OpenPartinBill(m_lines.InIdFld->AsInteger());
}
