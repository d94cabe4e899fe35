#include "PartindlSet.h"

#include "PartLabels.h"

namespace {

const QString kSelect = QStringLiteral(
    "select d.*, p.S1 as PartS1, p.S2 as PartS2, p.S3 as PartS3, p.S4 as PartS4, "
    "p.S5 as PartS5, p.S6 as PartS6, p.S7 as PartS7, p.S8 as PartS8 from partindl d, parts p "
    "where d.PartId=p.Id and InId=:InId order by d.dlId");

const QString kInsert = QStringLiteral(
    "insert into partindl(dlId, InId, PartId, Qty, QtyA, dlNote)values(:dlId,:InId,:PartId,:Qty,"
    ":QtyA,:dlNote)");

const QString kUpdate = QStringLiteral(
    "update partindl set PartId=:PartId, Qty=:Qty, QtyA=:QtyA, dlNote=:dlNote where dlId=:dlId");

QString PartText(int i) {
    return QStringLiteral("PartS%1").arg(i);
}

} // namespace

void AddPartTextFields(RecordSetBase& set) {
    for (int i = 1; i <= 8; ++i)
        set.AddField(FieldKind::String, PartText(i), 50, true,
                     PartLabel(QStringLiteral("S%1").arg(i)));
}

TPartindlSet::TPartindlSet() {
    dlIdFld = AddField(FieldKind::Integer, QStringLiteral("dlId"), -1, true, QString());
    InIdFld = AddField(FieldKind::Integer, QStringLiteral("InId"), -1, true, QString());
    PartIdFld = AddField(FieldKind::Integer, QStringLiteral("PartId"), -1, false, QString());
    AddPartTextFields(*this);
    QtyFld = AddField(FieldKind::Float, QStringLiteral("Qty"), -1, true, QStringLiteral("计划数量"));
    QtyAFld = AddField(FieldKind::Float, QStringLiteral("QtyA"), -1, true, QStringLiteral("入库数量"));
    QtyRFld = AddField(FieldKind::Float, QStringLiteral("QtyR"), -1, true, QStringLiteral("在途数量"));
    dlNoteFld = AddField(FieldKind::String, QStringLiteral("dlNote"), 250, true, QStringLiteral("备注"));
    QtyRFld->SetCalculated(true);
    Query().OnCalcFields = [this](DataSet&) {
        QtyRFld->SetAsFloat(QtyFld->AsFloat() - QtyAFld->AsFloat());
    };
}

int TPartindlSet::OpenByBill(int inId) {
    return Open(kSelect, {DBParam(QStringLiteral("InId"), inId)});
}

bool TPartindlSet::HasLines() const {
    return Query().Active() && !Query().IsEmpty();
}

bool TPartindlSet::HasPart(int partId) const {
    const DataSet& data = Query();
    if (!data.Active()) return false;
    for (int row = 0; row < data.RecordCount(); ++row)
        if (data.ValueAt(row, PartIdFld->Index()).toInt() == partId) return true;
    return false;
}

TDBParameters TPartindlSet::RowParams() const {
    const auto param = [](const Field& field) { return DBParam(field.FieldName(), field.Value()); };
    return {param(*PartIdFld), param(*QtyFld), param(*QtyAFld), param(*dlNoteFld)};
}

bool TPartindlSet::Insert() {
    CommitEdits();
    int rows = 0;
    const int id = Database().InsertNewKey(
        QStringLiteral("partindl"), QStringLiteral("dlId"),
        [this](int key) {
            return Database().ExecSQL(kInsert, RowParams()
                                                   << DBParam(QStringLiteral("dlId"), key)
                                                   << DBParam(QStringLiteral("InId"),
                                                              InIdFld->Value()));
        },
        &rows);
    if (rows != 1) return false;
    dlIdFld->SetAsInteger(id);
    return true;
}

bool TPartindlSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("dlId"),
                                                              dlIdFld->Value())) == 1;
}

bool TPartindlSet::Delete() {
    if (!HasLines() || Query().Editing()) return false;
    if (Database().ExecSQL(QStringLiteral("delete from partindl where dlId=:dlId"),
                           {DBParam(QStringLiteral("dlId"), dlIdFld->Value())}) != 1)
        return false;
    Query().Delete();
    return true;
}

bool TPartindlSet::DeleteAll(int inId) {
    Database().ExecSQL(QStringLiteral("delete from partindl where InId=:InId"),
                       {DBParam(QStringLiteral("InId"), inId)});
    return true;
}

TPartData TPartindlSet::PartData() const {
    TPartData part;
    part.Id = PartIdFld->AsInteger();
    QString* texts[] = {&part.S1, &part.S2, &part.S3, &part.S4,
                        &part.S5, &part.S6, &part.S7, &part.S8};
    for (int i = 0; i < 8; ++i)
        *texts[i] = Query().FieldByName(PartText(i + 1)).AsString();
    return part;
}

void TPartindlSet::SetPartData(const TPartData& part) {
    PartIdFld->SetAsInteger(part.Id);
    const QString texts[] = {part.S1, part.S2, part.S3, part.S4,
                             part.S5, part.S6, part.S7, part.S8};
    for (int i = 0; i < 8; ++i)
        Query().FieldByName(PartText(i + 1)).SetAsString(texts[i]);
}
