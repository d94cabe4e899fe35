#include "jtDBGrid.h"

#include "TableText.h"

#include "BatchUpdateFrm.h"
#include "DataExporterFrm.h"
#include "FilterFrm.h"
#include "SortFrm.h"
#include "jtPopupMenu.h"
#include "xVisibleFrm.h"

#include "admin/Operator.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSet.h"
#include "platform/dataset/DataSetModel.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTemporaryFile>
#include <QUrl>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>

namespace {

const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");

// The menu commands end silently on a refused right; anything else is the application's.
void RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    }
}

// Writes each row in the colour the window gives for it (the status colours are font colours);
// only visible cells ask.
class RowColorDelegate : public QStyledItemDelegate {
public:
    RowColorDelegate(const std::function<QColor(int)>& rowColor, QObject* parent)
        : QStyledItemDelegate(parent), m_rowColor(rowColor) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_rowColor) return;
        const QColor color = m_rowColor(index.row());
        if (color.isValid()) option->palette.setColor(QPalette::Text, color);
    }

private:
    const std::function<QColor(int)>& m_rowColor;
};

// Characters a field's column is wide by default, as its kind usually needs.
int DisplayChars(const Field& field) {
    switch (field.Kind()) {
    case FieldKind::String:
        return std::clamp(field.Size(), 4, 40);
    case FieldKind::Integer:
        return 10;
    case FieldKind::Float:
        return 12;
    case FieldKind::DateTime:
        return 10;
    case FieldKind::Boolean:
        return 5;
    case FieldKind::Memo:
    case FieldKind::Blob:
        return 10;
    }
    return 10;
}

} // namespace

// Title buttons carrying the sort markers of several columns at once.
class TjtDBGrid::Header : public QHeaderView {
public:
    explicit Header(TjtDBGrid& grid) : QHeaderView(Qt::Horizontal, &grid), m_grid(grid) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override {
        // The base leaves its clipping behind.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        const int marker = m_grid.MarkerOf(logicalIndex);
        if (marker == 0) return;
        // A small triangle at the right end of the title: down for ascending, up for descending.
        const int w = 8, h = 5;
        const int x = rect.right() - w - 4, y = rect.center().y() - h / 2;
        const int tip = marker == 1 ? y + h : y, base = marker == 1 ? y : y + h;
        const QPolygon arrow({QPoint(x, base), QPoint(x + w, base), QPoint(x + w / 2, tip)});
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().buttonText());
        painter->drawPolygon(arrow);
        painter->restore();
    }

private:
    TjtDBGrid& m_grid;
};

// The sums strip under the rows, lined up with the columns above it.
class TjtDBGrid::Footer : public QWidget {
public:
    explicit Footer(TjtDBGrid& grid) : QWidget(&grid), m_grid(grid) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().button());
        painter.setPen(palette().mid().color());
        painter.drawLine(0, 0, width(), 0);
        painter.setPen(palette().buttonText().color());
        const int offset = m_grid.viewport()->geometry().left() - geometry().left();
        painter.setClipRect(QRect(offset, 0, width() - offset, height()));
        for (const int column : m_grid.SumColumns()) {
            if (m_grid.isColumnHidden(column)) continue;
            const QRect cell(m_grid.m_header->sectionViewportPosition(column) + offset, 0,
                             m_grid.columnWidth(column), height());
            painter.drawText(cell.adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                             m_grid.FooterTextAt(column));
        }
    }

private:
    TjtDBGrid& m_grid;
};

TjtDBGrid::TjtDBGrid(QWidget* parent) : TjtDBGrid(GridKind::DBGrid, parent) {}

TjtDBGrid::TjtDBGrid(GridKind kind, QWidget* parent)
    : QTableView(parent), m_kind(kind), m_header(new Header(*this)), m_footer(new Footer(*this)),
      m_menu(new TjtPopupMenu(this)) {
    setHorizontalHeader(m_header);
    m_header->setSectionsClickable(true);
    m_header->setSectionsMovable(true);
    m_header->setHighlightSections(false);
    // Stored widths narrower than the font-based minimum are kept as they are.
    m_header->setMinimumSectionSize(8);
    // Every row is one text line high, so nothing is ever measured per row.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setWordWrap(false);
    // Pixel scrolling lets the last row come up above the footer.
    setVerticalScrollMode(ScrollPerPixel);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setItemDelegate(new RowColorDelegate(m_rowColor, this));
    m_footer->setObjectName(QStringLiteral("footer"));
    m_footer->hide();

    connect(m_header, &QHeaderView::sectionClicked, this, &TjtDBGrid::TitleClick);
    connect(m_header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (size > 0 && column < int(m_widths.size()) && !isColumnHidden(column))
            m_widths[size_t(column)] = size;
        m_footer->update();
    });
    connect(m_header, &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));

    CreateActions();
    SetKind(kind);
}

TjtDBGrid::~TjtDBGrid() {
    QItemSelectionModel* selection = selectionModel();
    setModel(nullptr);
    delete selection;
}

void TjtDBGrid::CreateActions() {
    const auto action = [this](const char* caption, void (TjtDBGrid::*command)()) {
        auto* a = new QAction(QString::fromUtf8(caption), this);
        connect(a, &QAction::triggered, this,
                [this, command] { RunCommand([&] { (this->*command)(); }); });
        return a;
    };
    m_actionSort = action("排序", &TjtDBGrid::SortClick);
    m_actionColVisible = action("列选择", &TjtDBGrid::PickColumnsClick);
    m_actionTableStyleSave = action("保存表格样式", &TjtDBGrid::SaveLayoutClick);
    m_actionExport2Excel = action("导出到Excel文档", &TjtDBGrid::SaveToExcelClick);
    m_actionExport2Html = action("导出到Html网页文件", &TjtDBGrid::SaveToHtmlClick);
    m_actionExport = action("导出", &TjtDBGrid::ExportClick);

    m_menu->addAction(m_actionSort);
    m_menu->addSeparator();
    m_menu->addAction(m_actionColVisible);
    m_menu->addAction(m_actionTableStyleSave);
    m_menu->addSeparator();
    m_menu->addAction(m_actionExport2Excel);
    m_menu->addAction(m_actionExport2Html);
}

void TjtDBGrid::SetKind(GridKind kind) {
    m_kind = kind;
    setSelectionMode(kind == GridKind::DBGrid ? ExtendedSelection : SingleSelection);
    verticalHeader()->setVisible(kind == GridKind::DBGrid);
}

void TjtDBGrid::InsertMenuAction(QAction* action) {
    const QList<QAction*> actions = m_menu->actions();
    m_menu->insertAction(actions.value(m_insertedActions, nullptr), action);
    ++m_insertedActions;
}

// ---- data set and model -------------------------------------------------------------------

void TjtDBGrid::SetDataSet(::DataSet* data) {
    if (m_data == data && (m_model || !data)) return;
    if (m_data) disconnect(m_data, nullptr, this, nullptr);
    m_data = data;
    std::unique_ptr<DataSetModel> old = std::move(m_model);
    if (data) {
        m_model = std::make_unique<DataSetModel>(*data);
        m_model->SetEditable(m_editable);
        connect(m_model.get(), &DataSetModel::editFailed, this,
                [](const QString& message) { ShowInfo(message); });
        connect(m_model.get(), &QAbstractItemModel::modelReset, this, &TjtDBGrid::ModelReset);
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(m_model.get(), signal, this, [this] { InvalidateSums(); });
        connect(m_model.get(), &QAbstractItemModel::dataChanged, this,
                [this] { InvalidateSums(); });
        connect(data, &::DataSet::currentChanged, this, &TjtDBGrid::DataSetMoved);
    }
    QItemSelectionModel* oldSelection = selectionModel();
    setModel(m_model.get());
    delete oldSelection;
    old.reset();
    if (QItemSelectionModel* selection = selectionModel()) {
        connect(selection, &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    if (current.isValid()) CurrentRowMoved(current.row());
                    Q_EMIT selectChanged();
                });
        connect(selection, &QItemSelectionModel::selectionChanged, this,
                [this] { Q_EMIT selectChanged(); });
    }
    ApplyLayoutText(m_layoutText);
    InvalidateSums();
    if (m_data && m_data->Active()) DataSetMoved(m_data->RecNo() - 1);
}

void TjtDBGrid::ModelReset() {
    InvalidateSums();
    QStringList names;
    if (m_data)
        for (int i = 0; i < m_data->FieldCount(); ++i)
            names.append(m_data->Fields(i).FieldName());
    // A set reopened with other fields gets its columns anew; the same fields keep theirs.
    if (names != m_fieldNames) ApplyLayoutText(m_layoutText);
    m_header->viewport()->update();
}

void TjtDBGrid::SetEditable(bool editable) {
    m_editable = editable;
    if (m_model) m_model->SetEditable(editable);
    setEditTriggers(editable ? DoubleClicked | EditKeyPressed | AnyKeyPressed : NoEditTriggers);
}

void TjtDBGrid::SetRowColor(std::function<QColor(int viewRow)> rowColor) {
    m_rowColor = std::move(rowColor);
    viewport()->update();
}

void TjtDBGrid::CurrentRowMoved(int row) {
    if (m_syncing || !m_data || !m_data->Active() || m_data->RecNo() == row + 1) return;
    m_syncing = true;
    try {
        m_data->SetRecNo(row + 1);
    } catch (...) {
        m_syncing = false;
        throw;
    }
    m_syncing = false;
}

void TjtDBGrid::DataSetMoved(int row) {
    if (m_syncing || !m_model || row < 0 || row >= m_model->rowCount()) return;
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() == row) return;
    const int column = current.isValid() ? current.column() : ShownColumns().value(0, 0);
    const QModelIndex target = m_model->index(row, column);
    // A move inside the selection keeps it, so that a walk over selected rows does not undo it.
    const auto flags = selectionModel()->isSelected(target)
                           ? QItemSelectionModel::NoUpdate
                           : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    m_syncing = true;
    selectionModel()->setCurrentIndex(target, flags);
    m_syncing = false;
}

QList<int> TjtDBGrid::SelectedRows() const {
    std::vector<int> rows;
    if (const QItemSelectionModel* selection = selectionModel())
        for (const QItemSelectionRange& range : selection->selection())
            for (int row = range.top(); row <= range.bottom(); ++row)
                rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return QList<int>(rows.begin(), rows.end());
}

int TjtDBGrid::SelectedCount() const {
    return int(SelectedRows().size());
}

int TjtDBGrid::RowCount() const {
    return m_model ? m_model->rowCount() : 0;
}

// ---- columns and layouts ------------------------------------------------------------------

bool TjtDBGrid::IsGridColumn(int column) const {
    return column >= 0 && column < int(m_gridColumn.size()) && m_gridColumn[size_t(column)];
}

int TjtDBGrid::ColumnOf(const QString& fieldName) const {
    if (!m_data) return -1;
    const Field* field = m_data->FindField(fieldName);
    return field && IsGridColumn(field->Index()) ? field->Index() : -1;
}

QList<int> TjtDBGrid::Columns() const {
    QList<int> columns;
    for (int visual = 0; visual < m_header->count(); ++visual) {
        const int column = m_header->logicalIndex(visual);
        if (IsGridColumn(column)) columns.append(column);
    }
    return columns;
}

QList<int> TjtDBGrid::ShownColumns() const {
    QList<int> shown;
    for (const int column : Columns())
        if (!isColumnHidden(column)) shown.append(column);
    return shown;
}

QString TjtDBGrid::ColumnTitle(int column) const {
    return m_data && column >= 0 && column < m_data->FieldCount()
               ? m_data->Fields(column).DisplayLabel()
               : QString();
}

int TjtDBGrid::ColumnWidth(int column) const {
    if (column < 0 || column >= int(m_widths.size())) return 0;
    return isColumnHidden(column) ? m_widths[size_t(column)] : columnWidth(column);
}

void TjtDBGrid::SetColumnShown(int column, bool shown) {
    if (!IsGridColumn(column)) return;
    // Showing brings back the header's own idea of the width; ours is the one to keep.
    const int width = m_widths[size_t(column)];
    setColumnHidden(column, !shown);
    if (shown) setColumnWidth(column, width);
    m_footer->update();
}

int TjtDBGrid::DefaultWidth(int column) const {
    const Field& field = m_data->Fields(column);
    const QFontMetrics metrics = fontMetrics();
    return std::max(DisplayChars(field) * metrics.horizontalAdvance(u'0'),
                    metrics.horizontalAdvance(field.DisplayLabel()) + 8) +
           4;
}

void TjtDBGrid::RebuildColumns() {
    const int count = m_model ? m_model->columnCount() : 0;
    m_fieldNames.clear();
    m_gridColumn.assign(size_t(count), false);
    m_widths.assign(size_t(count), 0);
    for (int column = 0; column < count; ++column) {
        const int visual = m_header->visualIndex(column);
        if (visual != column) m_header->moveSection(visual, column);
    }
    for (int column = 0; column < count; ++column) {
        const Field& field = m_data->Fields(column);
        m_fieldNames.append(field.FieldName());
        m_gridColumn[size_t(column)] = field.Visible();
        const int width = DefaultWidth(column);
        setColumnHidden(column, false);
        setColumnWidth(column, width);
        m_widths[size_t(column)] = width;
        setColumnHidden(column, !field.Visible() || m_kind == GridKind::Gridcx);
    }
}

void TjtDBGrid::ApplyLayoutText(const QString& text) {
    RebuildColumns();
    m_footer->update();
    if (text.isEmpty() || !m_data) return;

    QList<QPair<QString, QString>> lines;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            lines.append({QString(), QString()});
        else
            lines.append({line.left(equals), line.mid(equals + 1)});
    }
    if (!lines.isEmpty() && lines.last().first.isEmpty() && text.endsWith(u'\n'))
        lines.removeLast();
    const auto valueOf = [&](const QString& name) {
        for (const auto& [lineName, value] : lines)
            if (lineName.compare(name, Qt::CaseInsensitive) == 0) return value;
        return QString();
    };

    for (const int column : Columns()) {
        const QString value = valueOf(m_data->Fields(column).FieldName());
        if (value.isEmpty()) continue;
        const bool shown = value.contains(kTrue);
        setColumnHidden(column, !shown);
        QString digits = value;
        digits.remove(kTrue, Qt::CaseInsensitive).remove(kFalse, Qt::CaseInsensitive);
        bool ok = false;
        const int width = digits.trimmed().toInt(&ok);
        // A width that does not parse ends the layout at this column, as far as it got.
        if (!ok) return;
        m_widths[size_t(column)] = std::max(width, 0);
        if (shown) setColumnWidth(column, m_widths[size_t(column)]);
    }

    // The named columns come first, in the order of the text; lines naming no column of this
    // grid take no place in it.
    QList<int> named;
    for (const auto& line : lines) {
        const int column = ColumnOf(line.first);
        if (column >= 0 && !named.contains(column)) named.append(column);
    }
    QList<int> order = named;
    for (const int column : Columns())
        if (!named.contains(column)) order.append(column);
    for (int position = 0; position < order.size(); ++position) {
        const int visual = m_header->visualIndex(order[position]);
        if (visual != position) m_header->moveSection(visual, position);
    }
}

QString TjtDBGrid::Layout() const {
    QString text;
    for (const int column : Columns())
        text += m_data->Fields(column).FieldName() + u'=' +
                (isColumnHidden(column) ? kFalse : kTrue) + QString::number(ColumnWidth(column)) +
                QStringLiteral("\r\n");
    return text;
}

void TjtDBGrid::SetLayout(const QString& text) {
    m_layoutText = text;
    ApplyLayoutText(text);
}

void TjtDBGrid::SetLayoutId(int layoutId) {
    m_layoutId = layoutId;
    LoadLayout(layoutId);
}

bool TjtDBGrid::LoadLayout(int layoutNumber) {
    const bool found = ScratchSet.Open(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                                       {DBParam(QStringLiteral("KeyId"), layoutNumber)}) > 0;
    SetLayout(found ? ScratchSet.DataSet().Fields(0).AsString() : QString());
    return found;
}

bool TjtDBGrid::SaveLayout(int layoutNumber) {
    const bool exists = ScratchSet.Open(QStringLiteral("select 1 from syscols where F02=:Id"),
                                        {DBParam(QStringLiteral("Id"), layoutNumber)}) > 0;
    const QString layout = Layout();
    const int rows =
        exists ? DB.ExecSQL(QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
                            {DBParam(QStringLiteral("Value"), layout),
                             DBParam(QStringLiteral("KeyId"), layoutNumber)})
               : DB.ExecSQL(QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
                            {DBParam(QStringLiteral("Id"), layoutNumber),
                             DBParam(QStringLiteral("S"), layout)});
    return rows == 1;
}

// ---- title-click sorting ------------------------------------------------------------------

// The markers are read from the data set's own sort text, so that a sort chosen in the sort
// dialog shows on the titles too and a reopened set shows none.
QList<TjtDBGrid::SortMark> TjtDBGrid::SortMarks() const {
    QList<SortMark> marks;
    if (!m_data) return marks;
    for (const QString& part : m_data->Sort().split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        QString name = words[0];
        if (name.startsWith(u'[') && name.endsWith(u']')) name = name.mid(1, name.size() - 2);
        marks.append({name, words.value(1).compare(u"DESC", Qt::CaseInsensitive) == 0});
    }
    return marks;
}

int TjtDBGrid::MarkerOf(int column) const {
    if (!IsGridColumn(column) || !m_data || m_data->Sort().isEmpty()) return 0;
    const QString& name = m_data->Fields(column).FieldName();
    for (const SortMark& mark : SortMarks())
        if (mark.field.compare(name, Qt::CaseInsensitive) == 0) return mark.descending ? 2 : 1;
    return 0;
}

void TjtDBGrid::TitleClick(int column) {
    if (!m_data || !m_data->Active() || !IsGridColumn(column)) return;
    const Field& field = m_data->Fields(column);
    if (field.Calculated()) return;
    QList<SortMark> marks = SortMarks();
    const auto it = std::find_if(marks.begin(), marks.end(), [&](const SortMark& mark) {
        return mark.field.compare(field.FieldName(), Qt::CaseInsensitive) == 0;
    });
    if (it == marks.end())
        marks.append({field.FieldName(), false});
    else if (!it->descending)
        it->descending = true;
    else
        marks.erase(it);
    QStringList parts;
    for (const SortMark& mark : marks)
        parts.append(mark.descending ? mark.field + QStringLiteral(" DESC") : mark.field);
    SortKeepingSums(parts.join(QStringLiteral(", ")));
}

// Another order has the same rows, so the footer need not add them up again (unless a pending
// edit is posted on the way).
void TjtDBGrid::SortKeepingSums(const QString& sortText) {
    const QHash<int, double> sums = m_data->Editing() ? QHash<int, double>() : m_sums;
    m_data->SetSort(sortText);
    m_sums = sums;
    m_header->viewport()->update();
    m_footer->update();
}

// ---- footer -------------------------------------------------------------------------------

void TjtDBGrid::SumFooter(const QString& fieldName) {
    if (!m_sumFields.contains(fieldName, Qt::CaseInsensitive)) m_sumFields.append(fieldName);
    InvalidateSums();
    updateGeometries();
}

QList<int> TjtDBGrid::SumColumns() const {
    QList<int> columns;
    for (const QString& name : m_sumFields) {
        const int column = ColumnOf(name);
        if (column >= 0) columns.append(column);
    }
    return columns;
}

void TjtDBGrid::InvalidateSums() {
    m_sums.clear();
    m_footer->update();
}

QString TjtDBGrid::FooterText(const QString& fieldName) const {
    const int column = ColumnOf(fieldName);
    return SumColumns().contains(column) ? FooterTextAt(column) : QString();
}

QString TjtDBGrid::FooterTextAt(int column) const {
    auto it = m_sums.constFind(column);
    if (it == m_sums.constEnd()) {
        // Read straight from the rows of the current view: no cursor moves, no widgets.
        // Compensated, so that a column of two-decimal amounts adds up to two decimals.
        double sum = 0, lost = 0;
        if (m_data && m_data->Active())
            for (int row = 0, rows = m_data->RecordCount(); row < rows; ++row) {
                const QVariant value = m_data->ValueAt(row, column);
                if (!value.isValid()) continue;
                const double term = value.toDouble() - lost;
                const double next = sum + term;
                lost = (next - sum) - term;
                sum = next;
            }
        it = m_sums.insert(column, sum);
    }
    const Field& field = m_data->Fields(column);
    const QVariant total =
        field.Kind() == FieldKind::Integer ? QVariant(qint64(std::llround(*it))) : QVariant(*it);
    return field.FormatValue(total);
}

int TjtDBGrid::FooterHeight() const {
    return SumColumns().isEmpty() ? 0 : fontMetrics().height() + 6;
}

void TjtDBGrid::updateGeometries() {
    QTableView::updateGeometries();
    PlaceFooter();
}

// The footer lies over the bottom of the viewport; the scroll range grows by its height so
// that the last row can still be brought above it.
void TjtDBGrid::PlaceFooter() {
    const int height = FooterHeight();
    if (height == 0) {
        m_footer->hide();
        return;
    }
    const QRect area = viewport()->geometry();
    const int left =
        verticalHeader()->isVisible() ? verticalHeader()->geometry().left() : area.left();
    m_footer->setGeometry(left, area.bottom() - height + 1, area.right() - left + 1, height);
    m_footer->show();
    m_footer->raise();
    m_footer->update();
    const int visible = std::max(1, area.height() - height);
    verticalScrollBar()->setRange(0, std::max(0, verticalHeader()->length() - visible));
    verticalScrollBar()->setPageStep(visible);
}

void TjtDBGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableView::scrollTo(index, hint);
    const int height = FooterHeight();
    if (height == 0 || !index.isValid()) return;
    const QRect cell = visualRect(index);
    const int limit = viewport()->height() - height;
    if (cell.bottom() >= limit)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + cell.bottom() - limit + 1);
}

// ---- keys and menu ------------------------------------------------------------------------

void TjtDBGrid::keyPressEvent(QKeyEvent* event) {
    // The view already moves over shown columns only and row by row; the window hears of
    // every key afterwards.
    QTableView::keyPressEvent(event);
    Q_EMIT keyDown(event);
}

void TjtDBGrid::contextMenuEvent(QContextMenuEvent* event) {
    m_menu->popup(event->globalPos());
}

void TjtDBGrid::PopupButtonClick() {
    m_menu->popup(QCursor::pos());
}

// ---- commands -----------------------------------------------------------------------------

bool TjtDBGrid::CheckDataSet() const {
    if (!m_data) {
        ShowInfo(
            m_kind == GridKind::DBGrid
                ? QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!")
                : QStringLiteral(
                      "系统错误: 没有为TjtGridcx.DataSource指定DataSet对象,请与作者联系!"));
        return false;
    }
    if (!m_data->Active()) {
        ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
        return false;
    }
    return true;
}

void TjtDBGrid::SortClick() {
    if (!CheckDataSet()) return;
    TSortFrm form(this);
    form.LoadFields(*m_data, true);
    form.SetSortString(m_data->Sort());
    if (form.exec() != QDialog::Accepted) return;
    SortKeepingSums(form.SortString());
}

void TjtDBGrid::FilterClick() {
    if (!CheckDataSet()) return;
    TFilterFrm form(this);
    form.InitFrm(*m_data);
    if (form.exec() != QDialog::Accepted) return;
    m_data->SetFilter(form.GetFilterStr());
    m_data->SetFiltered(true);
}

void TjtDBGrid::ExportClick() {
    CurrentOperator.CheckRight(10004, true);
    if (!CheckDataSet()) return;
    TDataExporterFrm form(*m_data, this);
    form.exec();
}

void TjtDBGrid::BatchUpdateClick() {
    if (!m_data) {
        ShowInfo(m_kind == GridKind::DBGrid
                     ? QStringLiteral("没有指定数据集DataSet, 操作被取消.")
                     : QStringLiteral(
                           "系统错误: 没有为TjtGridcx.DataSource指定DataSet对象,请与作者联系!"));
        return;
    }
    if (!BatchProc) {
        ShowInfo(m_kind == GridKind::DBGrid
                     ? QStringLiteral("没有指定更新过程BatchProc, 操作被取消.")
                     : QStringLiteral("没有指定BatchUpdate更新过程, 操作被取消."));
        return;
    }
    if (!CheckDataSet()) return;
    BatchUpdate(*m_data, SelectedRows(), BatchProc, this, Columns());
}

void TjtDBGrid::SaveToExcelClick() {
    CurrentOperator.CheckRight(10004, true);
    ExportToExcel();
}

void TjtDBGrid::SaveToHtmlClick() {
    CurrentOperator.CheckRight(10004, true);
    ExportToHtml();
}

void TjtDBGrid::SaveLayoutClick() {
    CurrentOperator.CheckRight(10006, true);
    const bool saved = SaveLayout(m_layoutId > 0 ? m_layoutId : m_tag);
    if (saved || m_kind == GridKind::DBGrid) ShowInfo(QStringLiteral("列样式保存成功."));
}

void TjtDBGrid::PickColumnsClick() {
    CurrentOperator.CheckRight(10008, true);
    TxVisibleFrm form(*this, this);
    form.exec();
}

// ---- export -------------------------------------------------------------------------------

bool TjtDBGrid::OpenFile(const QString& fileName) const {
    return m_opener ? m_opener(fileName) : QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

void TjtDBGrid::ExportToExcel() {
    if (!CheckDataSet()) return;
    QTemporaryFile file(GetTempDir() + QStringLiteral("XXXXXX.xlsx"));
    file.setAutoRemove(false);
    if (!file.open()) throw Exception(QStringLiteral("无法创建文件 %1").arg(file.fileTemplate()));
    const QString fileName = file.fileName();
    file.close();
    WriteXlsx(fileName);
    if (!OpenFile(fileName))
        ShowMessage(QStringLiteral("Excel 没有正确安装!"), QMessageBox::Critical, QMessageBox::Ok);
}

void TjtDBGrid::WriteXlsx(const QString& fileName) const {
    const QByteArray path = QFile::encodeName(fileName);
    // Rows go out in order, so the worksheet need not be held in memory.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(path.constData(), &options);
    if (!workbook) throw Exception(QStringLiteral("无法创建文件 %1").arg(fileName));
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format* text = workbook_add_format(workbook);
    format_set_num_format(text, "@");
    worksheet_set_column(sheet, 0, LXW_COL_MAX - 1, LXW_DEF_COL_WIDTH, text);

    const QList<int> columns = ShownColumns();
    for (int i = 0; i < columns.size(); ++i)
        worksheet_write_string(sheet, 0, lxw_col_t(i), ColumnTitle(columns[i]).toUtf8().constData(),
                               text);
    for (int row = 0, rows = m_data->RecordCount(); row < rows; ++row)
        for (int i = 0; i < columns.size(); ++i)
            worksheet_write_string(
                sheet, lxw_row_t(row + 1), lxw_col_t(i),
                Field::ToText(m_data->ValueAt(row, columns[i])).toUtf8().constData(), text);
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR)
        throw Exception(QStringLiteral("无法写入文件 %1: %2")
                            .arg(fileName, QString::fromUtf8(lxw_strerror(error))));
}

void TjtDBGrid::ExportToHtml() {
    if (!CheckDataSet()) return;
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("网页文件(*.htm;*.html) (*.htm *.html)"));
    dialog.setDefaultSuffix(QStringLiteral("html"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ExportToHtml(dialog.selectedFiles().constFirst());
}

void TjtDBGrid::ExportToHtml(const QString& fileName) {
    if (!CheckDataSet()) return;
    const QList<int> columns = ShownColumns();
    QStringList titles;
    for (const int column : columns) titles.append(ColumnTitle(column));
    const QString text = HtmlTableText(*m_data, columns, titles);

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw Exception(QStringLiteral("无法创建文件 %1").arg(fileName));
    file.write(text.toUtf8());
    file.close();

    const QString question = m_kind == GridKind::DBGrid
                                 ? QStringLiteral("\r\n导出成功,是否现在就打开?    ")
                                 : QStringLiteral("\r\n导出成功, 共 ") +
                                       QString::number(m_data->RecordCount()) +
                                       QStringLiteral(" 条记录,是否现在就打开?    ");
    if (ShowMessage(question, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) ==
        QMessageBox::Ok)
        OpenFile(fileName);
}
