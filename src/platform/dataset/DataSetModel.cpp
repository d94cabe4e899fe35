#include "DataSetModel.h"

#include "DataSet.h"
#include "platform/Exceptions.h"

DataSetModel::DataSetModel(DataSet& dataSet, QObject* parent)
    : QAbstractTableModel(parent), m_dataSet(&dataSet), m_columns(dataSet.FieldCount()) {
    connect(&dataSet, &DataSet::reset, this, &DataSetModel::Reset);
    connect(&dataSet, &DataSet::rowAboutToBeInserted, this,
            [this](int row) { beginInsertRows({}, row, row); });
    connect(&dataSet, &DataSet::rowInserted, this, [this](int) { endInsertRows(); });
    connect(&dataSet, &DataSet::rowAboutToBeRemoved, this,
            [this](int row) { beginRemoveRows({}, row, row); });
    connect(&dataSet, &DataSet::rowRemoved, this, [this](int) { endRemoveRows(); });
    connect(&dataSet, &DataSet::rowChanged, this, [this](int row) {
        Q_EMIT dataChanged(index(row, 0), index(row, std::max(0, m_columns - 1)));
    });
}

void DataSetModel::Reset() {
    beginResetModel();
    m_columns = m_dataSet ? m_dataSet->FieldCount() : 0;
    endResetModel();
}

int DataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_dataSet ? 0 : m_dataSet->RecordCount();
}

int DataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columns;
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_dataSet || index.column() >= m_dataSet->FieldCount()) return {};
    const Field& field = m_dataSet->Fields(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const QString text = field.FormatValue(m_dataSet->ValueAt(index.row(), index.column()));
        // A cell shows one line: a text with line breaks reads on, the whole of it in the tip.
        return text.contains(u'\n') || text.contains(u'\r') ? text.simplified() : text;
    }
    case Qt::ToolTipRole: {
        const QString text = field.IsText() ? m_dataSet->ValueAt(index.row(), index.column()).toString() : QString();
        return text.contains(u'\n') ? QVariant(text.trimmed()) : QVariant();
    }
    case Qt::EditRole:
        return m_dataSet->ValueAt(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return field.IsNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !m_dataSet) return false;
    try {
        return m_dataSet->SetValueAt(index.row(), index.column(), value);
    } catch (const Exception& e) {
        Q_EMIT editFailed(e.Message());
        return false;
    }
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !m_dataSet) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= m_dataSet->FieldCount()) return {};
    // "事故次数|数量": the levels of a title stand one above the other.
    QString title = m_dataSet->Fields(section).DisplayLabel();
    return title.replace(u'|', u'\n');
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_editable && index.isValid() && m_dataSet && !m_dataSet->Fields(index.column()).ReadOnly())
        f |= Qt::ItemIsEditable;
    return f;
}
