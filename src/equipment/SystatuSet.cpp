#include "SystatuSet.h"

TSystatuSet::TSystatuSet() : TBatchEditSet(QStringLiteral("systatus"), QStringLiteral("Id")) {
    AddDeleIdField();
    IdFld = AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QString());
    StatusFld = AddField(FieldKind::String, QStringLiteral("Status"), 50, true, QStringLiteral("状况"));
    ForceColorFld = AddField(FieldKind::String, QStringLiteral("ForceColor"), 50, true, QStringLiteral("颜色"));
}

void TSystatuSet::Load() {
    OpenBatch(QStringLiteral("select d.*, d.Id AS DeleId from systatus d "));
}

bool TSystatuSet::SaveAll() {
    Save();
    return true;
}

void TSystatuSet::StatusList(QStringList& list) {
    list.clear();
    const ::DataSet& data = Query();
    for (int row = 0; row < data.RecordCount(); ++row)
        list.append(data.ValueAt(row, StatusFld->Index()).toString());
}

QString TSystatuSet::ColorOf(const QString& status) {
    const ::DataSet& data = Query();
    for (int row = 0; row < data.RecordCount(); ++row)
        if (data.ValueAt(row, StatusFld->Index()).toString() == status)
            return data.ValueAt(row, ForceColorFld->Index()).toString();
    return {};
}

int TSystatuSet::InsertRecord(int key) {
    return DB.ExecSQL(QStringLiteral("insert into systatus( Id, Status, ForceColor )values(:Id,:Status,"
                                     ":ForceColor )"),
                      {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("Status"), StatusFld->Value()),
                       DBParam(QStringLiteral("ForceColor"), ForceColorFld->Value())});
}

int TSystatuSet::UpdateRecord() {
    return DB.ExecSQL(QStringLiteral("update systatus set Status=:Status, ForceColor=:ForceColor where Id=:Id"),
                      {DBParam(QStringLiteral("Status"), StatusFld->Value()),
                       DBParam(QStringLiteral("ForceColor"), ForceColorFld->Value()),
                       DBParam(QStringLiteral("Id"), IdFld->AsInteger())});
}

TSystatuSet& SystatuSet = *new TSystatuSet;
