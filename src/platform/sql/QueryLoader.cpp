#include "QueryLoader.h"

#include "SqlEngine.h"
#include "platform/Exceptions.h"
#include "platform/dataset/DataSet.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

void CreateFields(const QSqlQuery& query, DataSet& dataSet, const SqlEngine& engine) {
    dataSet.ClearFields();
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        int size = -1;
        const FieldKind kind = engine.ColumnKind(query, i, &size);
        dataSet.AddField(kind, record.fieldName(i), size);
    }
}

std::vector<int> ColumnsOf(const QSqlRecord& record, const DataSet& dataSet) {
    std::vector<int> columns(size_t(dataSet.FieldCount()), -1);
    for (int f = 0; f < dataSet.FieldCount(); ++f) {
        const Field& field = dataSet.Fields(f);
        if (field.Calculated()) continue;
        for (int c = 0; c < record.count() && columns[size_t(f)] < 0; ++c)
            if (record.fieldName(c).compare(field.FieldName(), Qt::CaseInsensitive) == 0)
                columns[size_t(f)] = c;
        if (columns[size_t(f)] < 0)
            throw EDatabaseError(QStringLiteral("查询结果中没有字段 '%1'").arg(field.FieldName()));
    }
    return columns;
}

} // namespace

void LoadQuery(QSqlQuery& query, DataSet& dataSet, const SqlEngine& engine, bool createFields) {
    dataSet.Close();
    if (createFields) CreateFields(query, dataSet, engine);
    const std::vector<int> columns = ColumnsOf(query.record(), dataSet);
    dataSet.BeginLoad();
    std::vector<QVariant> values(columns.size());
    try {
        while (query.next()) {
            for (size_t f = 0; f < columns.size(); ++f)
                values[f] = columns[f] >= 0 ? query.value(columns[f]) : QVariant();
            dataSet.LoadRow(values);
        }
    } catch (...) {
        dataSet.Close();
        throw;
    }
    dataSet.EndLoad();
}
