#include "Partotal.h"

namespace {

const QString kTotalsSql = QStringLiteral(
    "select PartId, 0 as KindId, sum(Inout*(Qty-QtyA)) as tQty from partin m, partindl d "
    "where m.Id=d.InId group by PartId union all select PartId, 1, sum(Inout*QtyA) from partin m, "
    "partindl d where m.Id=d.InId group by PartId union all select PartId, 2, -1*sum(Qty) from "
    "partuse group by PartId ");

} // namespace

TPartotal::TPartotal() {
    PartIdFld = AddField(FieldKind::Integer, QStringLiteral("PartId"), -1, true, QString());
    KindIdFld = AddField(FieldKind::Integer, QStringLiteral("KindId"), -1, true, QString());
    tQtyFld = AddField(FieldKind::Float, QStringLiteral("tQty"), -1, true, QString());
}

// One pass over the result instead of a filter per part and kind: a long list would
// otherwise cost parts × totals row visits.
void TPartotal::Load() {
    Open(kTotalsSql);
    const ::DataSet& data = Query();
    for (int row = 0; row < data.RecordCount(); ++row) {
        const QVariant part = data.ValueAt(row, PartIdFld->Index());
        const int kind = data.ValueAt(row, KindIdFld->Index()).toInt();
        if (!part.isValid() || kind < 0 || kind > 2) continue;
        auto it = m_totals.find(part.toInt());
        if (it == m_totals.end()) it = m_totals.insert(part.toInt(), {0, 0, 0});
        (*it)[size_t(kind)] += data.ValueAt(row, tQtyFld->Index()).toDouble();
    }
    m_loaded = true;
}

double TPartotal::Total(int partId, int selector) {
    if (!m_loaded) Load();
    const auto it = m_totals.constFind(partId);
    if (it == m_totals.constEnd()) return 0;
    const std::array<double, 3>& kinds = *it;
    if (selector == 3) return kinds[1] + kinds[2];
    return selector >= 0 && selector <= 2 ? kinds[size_t(selector)] : 0;
}
