#include "AcsCountSet.h"

#include "admin/AppLabels.h"

TAcsCountSet::TAcsCountSet() {
    for (int i = 1; i <= 3; ++i)
        AddSum(QStringLiteral("F%1").arg(i), QStringLiteral("F%1").arg(i), AppLabels.AccessoryFloat.value(i - 1));
    CreateDataSet();
}

QList<const Field*> TAcsCountSet::GroupColumns(const ::DataSet& source) const {
    QList<const Field*> columns;
    for (const char* name : {"ProductName", "PartNo", "Madein", "S1", "S2", "S3"})
        if (const Field* field = source.FindField(QString::fromLatin1(name))) columns.append(field);
    return columns;
}
