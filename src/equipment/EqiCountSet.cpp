#include "EqiCountSet.h"

#include "AssetLabels.h"

TEqiCountSet::TEqiCountSet() {
    AddSum(QStringLiteral("OriginalValue"), QStringLiteral("Fnd"), QStringLiteral("金额"));
    AddSum(QStringLiteral("DurableYears"), QStringLiteral("DurableYears"), QStringLiteral("耐用年限"));
    AddSum(QStringLiteral("Weight"), QStringLiteral("Weight"), QStringLiteral("重量(kg)"));
    AddSum(QStringLiteral("Power"), QStringLiteral("Power"), QStringLiteral("总功率(kw)"));
    AddSum(QStringLiteral("Jcoefficient"), QStringLiteral("Jcoefficient"), QStringLiteral("机"));
    AddSum(QStringLiteral("Dcoefficient"), QStringLiteral("Dcoefficient"), QStringLiteral("电"));
    AddSum(QStringLiteral("Rcoefficient"), QStringLiteral("Rcoefficient"), QStringLiteral("热"));
    for (int i = 1; i <= 9; ++i) {
        const QString name = QStringLiteral("Float%1").arg(i);
        AddSum(name, name, AssetLabel(name));
    }
    CreateDataSet();
}

QList<const Field*> TEqiCountSet::GroupColumns(const ::DataSet& source) const {
    QList<const Field*> columns;
    for (int i = 0; i < source.FieldCount(); ++i)
        if (source.Fields(i).Visible()) columns.append(&source.Fields(i));
    return columns;
}
