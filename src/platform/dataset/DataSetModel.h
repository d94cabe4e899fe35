#pragma once

#include <QAbstractTableModel>
#include <QPointer>

class DataSet;

// Exposes a DataSet to item views: one column per field in field order, the display labels
// as headers. Cells are decoded on demand, so only what a view paints is ever read.
class DataSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DataSetModel(DataSet& dataSet, QObject* parent = nullptr);

    DataSet& Data() const { return *m_dataSet; }
    void SetEditable(bool editable) { m_editable = editable; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // A value typed into a cell could not be stored; the text says why.
    void editFailed(const QString& message);

private:
    void Reset();

    QPointer<DataSet> m_dataSet;
    int m_columns = 0;
    bool m_editable = false;
};
