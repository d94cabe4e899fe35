#include "xVisibleFrm.h"

#include "jtDBGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kMark = QStringLiteral("√");

} // namespace

TxVisibleFrm::TxVisibleFrm(TjtDBGrid& grid, QWidget* parent)
    : TaFrm(parent), m_grid(grid), m_table(new QTableWidget(this)),
      m_ok(new QPushButton(QStringLiteral("确定(&Y)"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消(&Q)"), this)) {
    setWindowTitle(QStringLiteral("列选择"));
    m_table->setColumnCount(2);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setToolTip(QStringLiteral("双击可改变当前值"));
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_table->setColumnWidth(1, m_table->fontMetrics().horizontalAdvance(kMark) * 3);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);

    const QList<int> columns = grid.Columns();
    m_table->setRowCount(int(columns.size()));
    for (int row = 0; row < columns.size(); ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(grid.ColumnTitle(columns[row])));
        auto* mark = new QTableWidgetItem(grid.ColumnShown(columns[row]) ? kMark : QString());
        mark->setTextAlignment(Qt::AlignCenter);
        m_table->setItem(row, 1, mark);
    }
    connect(m_table, &QTableWidget::cellClicked, this, [this](int row) { ToggleMark(row); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(260, 360);
}

bool TxVisibleFrm::Marked(int row) const {
    const QTableWidgetItem* mark = m_table->item(row, 1);
    return mark && mark->text() == kMark;
}

void TxVisibleFrm::ToggleMark(int row) {
    if (QTableWidgetItem* mark = m_table->item(row, 1))
        mark->setText(Marked(row) ? QString() : kMark);
}

void TxVisibleFrm::accept() {
    // Marks go by row position to the grid's columns in their present order.
    const QList<int> columns = m_grid.Columns();
    for (int row = 0; row < columns.size() && row < m_table->rowCount(); ++row)
        m_grid.SetColumnShown(columns[row], Marked(row));
    TaFrm::accept();
}
