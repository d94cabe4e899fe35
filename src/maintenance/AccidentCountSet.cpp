#include "AccidentCountSet.h"

#include "AccidentLabels.h"
#include "data/RecordSet.h"

#include <QVariant>

namespace {

const char* const kGroupings[] = {"AccDept", "AccClass", "AccProp"};

// part / whole × 100 with two decimals; none when the whole is nothing to share.
QVariant Share(double part, double whole) {
    if (whole == 0) return {};
    return QString::number(part / whole * 100, 'f', 2).toDouble();
}

} // namespace

TAccidentCountSet::TAccidentCountSet() {
    CatalogFld = AddFieldDef(FieldKind::String, QStringLiteral("Catalog"), 50, true, QStringLiteral("统计类别"));
    ObjectFld = AddFieldDef(FieldKind::String, QStringLiteral("Object"), 50, true, QStringLiteral("统计对象"));
    TqtyFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Tqty"), 0, true, QStringLiteral("事故次数|数量"));
    TqrateFld =
        AddFieldDef(FieldKind::Float, QStringLiteral("Tqrate"), 0, true, QStringLiteral("事故次数|百分比(%)"));
    TfundFld = AddFieldDef(FieldKind::Float, QStringLiteral("Tfund"), 0, true, QStringLiteral("经济损失|金额"));
    TfrateFld =
        AddFieldDef(FieldKind::Float, QStringLiteral("Tfrate"), 0, true, QStringLiteral("经济损失|百分比(%)"));
    TqrateFld->SetDisplayFormat(QStringLiteral("0.00"));
    TfrateFld->SetDisplayFormat(QStringLiteral("0.00"));
    CreateDataSet();
}

void TAccidentCountSet::Count(TAccidentCountWhere& where) {
    const QString condition = where.Where();
    TRecordSet totals;
    totals.Open(QStringLiteral("select count(*), sum(AccMoney) from accidents ") + condition);
    const int total = totals.DataSet().Fields(0).AsInteger();
    const double loss = totals.DataSet().Fields(1).AsFloat();

    ::DataSet& data = DataSet();
    data.DisableControls();
    CreateDataSet();
    try {
        for (const char* column : kGroupings) AddGroups(QString::fromLatin1(column), condition, total, loss);
    } catch (...) {
        data.EnableControls();
        throw;
    }
    data.Append();
    CatalogFld->SetAsString(QStringLiteral("合计"));
    TqtyFld->SetAsInteger(total);
    TfundFld->SetAsFloat(loss);
    data.Post();
    data.First();
    data.EnableControls();
}

void TAccidentCountSet::AddGroups(const QString& column, const QString& where, int total, double loss) {
    TRecordSet groups;
    groups.Open(QStringLiteral("select %1, count(*), sum(AccMoney) from accidents ").arg(column) + where +
                QStringLiteral(" group by ") + column);
    ::DataSet& data = DataSet();
    data.Append();
    CatalogFld->SetAsString(AccidentLabel(column));
    data.Post();
    ::DataSet& rows = groups.DataSet();
    for (rows.First(); !rows.Eof(); rows.Next()) {
        const int count = rows.Fields(1).AsInteger();
        const double sum = rows.Fields(2).AsFloat();
        data.Append();
        ObjectFld->SetAsString(rows.Fields(0).AsString());
        TqtyFld->SetAsInteger(count);
        TqrateFld->SetValue(Share(count, total));
        TfundFld->SetAsFloat(sum);
        TfrateFld->SetValue(Share(sum, loss));
        data.Post();
    }
}
