#include "SortFrm.h"

#include "platform/dataset/DataSet.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kAsc = QStringLiteral("ASC");
const QString kDesc = QStringLiteral("DESC");

QString DirectionText(const QString& direction) {
    if (direction == kAsc) return QStringLiteral("升序");
    if (direction == kDesc) return QStringLiteral("降序");
    return {};
}

bool Sortable(const Field& field, bool includeHidden) {
    if (field.Calculated()) return false;
    if (field.Kind() == FieldKind::Blob || field.Kind() == FieldKind::Memo) return false;
    return includeHidden || field.Visible();
}

// Dragging a row carries it along under the pointer; the name and direction lists follow.
class RowDragger : public QObject {
public:
    explicit RowDragger(TSortFrm* form) : QObject(form), m_form(form) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        QTableWidget* grid = m_form->Grid();
        if (watched != grid->viewport()) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_row = mouse->button() == Qt::LeftButton
                        ? grid->rowAt(mouse->position().toPoint().y())
                        : -1;
        } else if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_row < 0 || !(mouse->buttons() & Qt::LeftButton)) return false;
            const int target = grid->rowAt(mouse->position().toPoint().y());
            if (target >= 0 && target != m_row) {
                m_form->MoveRow(m_row, target);
                m_row = target;
            }
            return true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_row = -1;
        }
        return false;
    }

private:
    TSortFrm* m_form;
    int m_row = -1;
};

} // namespace

TSortFrm::TSortFrm(QWidget* parent)
    : TADlgFrm(parent), m_grid(new QTableWidget(0, 2, Body())),
      m_up(new QPushButton(QStringLiteral("上移(&U)"), Body())),
      m_down(new QPushButton(QStringLiteral("下移(&D)"), Body())) {
    setWindowTitle(QStringLiteral("排序"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_grid->setColumnWidth(1, 60);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->viewport()->installEventFilter(new RowDragger(this));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_up);
    buttons->addWidget(m_down);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(360, 320);

    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row) { CycleDirection(row); });
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, &TSortFrm::UpdateButtons);
    connect(m_up, &QPushButton::clicked, this, [this] {
        const int row = m_grid->currentRow();
        if (row > 0) MoveRow(row, row - 1);
    });
    connect(m_down, &QPushButton::clicked, this, [this] {
        const int row = m_grid->currentRow();
        if (row >= 0 && row + 1 < m_grid->rowCount()) MoveRow(row, row + 1);
    });
    UpdateButtons();
}

void TSortFrm::LoadFields(DataSet& data, bool includeHidden) {
    m_names.clear();
    m_directions.clear();
    m_grid->setRowCount(0);
    for (int i = 0; i < data.FieldCount(); ++i) {
        const Field& field = data.Fields(i);
        if (!Sortable(field, includeHidden)) continue;
        const int row = m_grid->rowCount();
        m_grid->insertRow(row);
        m_grid->setItem(row, 0, new QTableWidgetItem(field.DisplayLabel()));
        m_grid->setItem(row, 1, new QTableWidgetItem);
        m_names.append(field.FieldName());
        m_directions.append(QString());
    }
    if (m_grid->rowCount() > 0) m_grid->selectRow(0);
    UpdateButtons();
}

void TSortFrm::SetSortString(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    const QStringList items = text.split(separators, Qt::SkipEmptyParts);
    int placed = 0;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        const int row = int(m_names.indexOf(items[i]));
        if (row < 0) continue;
        SetDirection(row, items[i + 1]);
        MoveRow(row, placed++);
    }
    if (m_grid->rowCount() > 0) m_grid->selectRow(0);
}

QString TSortFrm::SortString() const {
    QStringList parts;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        if (!m_directions[i].isEmpty()) parts.append(m_names[i] + u' ' + m_directions[i]);
    return parts.join(u',');
}

QString TSortFrm::SortLabels() const {
    QStringList parts;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        if (!m_directions[row].isEmpty())
            parts.append(m_grid->item(row, 0)->text() + u' ' + m_grid->item(row, 1)->text());
    return parts.join(u',');
}

void TSortFrm::CycleDirection(int row) {
    if (row < 0 || row >= m_directions.size()) return;
    const QString& current = m_directions[row];
    SetDirection(row, current.isEmpty() ? kAsc : current == kAsc ? kDesc : QString());
}

void TSortFrm::SetDirection(int row, const QString& direction) {
    m_directions[row] = direction;
    m_grid->item(row, 1)->setText(DirectionText(direction));
}

void TSortFrm::MoveRow(int from, int to) {
    const int count = m_grid->rowCount();
    if (from < 0 || from >= count || to < 0 || to >= count) return;
    if (from != to) {
        m_names.move(from, to);
        m_directions.move(from, to);
        QTableWidgetItem* label = m_grid->takeItem(from, 0);
        QTableWidgetItem* direction = m_grid->takeItem(from, 1);
        m_grid->removeRow(from);
        m_grid->insertRow(to);
        m_grid->setItem(to, 0, label);
        m_grid->setItem(to, 1, direction);
    }
    m_grid->selectRow(to);
    UpdateButtons();
}

void TSortFrm::UpdateButtons() {
    const int row = m_grid->currentRow();
    const bool selected = row >= 0 && !m_grid->selectedItems().isEmpty();
    m_up->setEnabled(selected && row > 0);
    m_down->setEnabled(selected && row + 1 < m_grid->rowCount());
}
