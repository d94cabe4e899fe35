#include "EqiEventSet.h"

TEqiEventSet::TEqiEventSet() {
    IdFld = AddField(FieldKind::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"));
    EqiIdFld =
        AddField(FieldKind::Integer, QStringLiteral("EqiId"), -1, false, QStringLiteral("EqiId"));
    EvnDateFld =
        AddField(FieldKind::DateTime, QStringLiteral("EvnDate"), -1, true, QStringLiteral("日期"));
    DetailsFld =
        AddField(FieldKind::Memo, QStringLiteral("Details"), -1, true, QStringLiteral("事件内容"));
}

void TEqiEventSet::OpenByAsset(int eqiId) {
    Open(QStringLiteral("select * from eqievents where EqiId=:EqiId"),
         {DBParam(QStringLiteral("EqiId"), eqiId)});
}

bool TEqiEventSet::Save() {
    CommitEdits();
    const auto params = [this](int id) {
        return TDBParameters{DBParam(QStringLiteral("Id"), id),
                             DBParam(QStringLiteral("EqiId"), EqiIdFld->Value()),
                             DBParam(QStringLiteral("EvnDate"), EvnDateFld->Value()),
                             DBParam(QStringLiteral("Details"), DetailsFld->Value())};
    };
    int rows = 0;
    int id = IdFld->AsInteger();
    if (id != 0) {
        rows = Database().ExecSQL(QStringLiteral("update eqievents set EqiId=:EqiId, "
                                                 "EvnDate=:EvnDate, Details=:Details where Id=:Id"),
                                  params(id));
    } else {
        id = Database().InsertNewKey(
            QStringLiteral("eqievents"), QStringLiteral("Id"),
            [&](int key) {
                return Database().ExecSQL(
                    QStringLiteral("insert into eqievents( Id, EqiId, EvnDate, Details)"
                                   "values(:Id,:EqiId,:EvnDate,:Details)"),
                    params(key));
            },
            &rows);
    }
    if (rows != 1) return false;
    IdFld->SetAsInteger(id);
    Query().Post();
    return true;
}

bool TEqiEventSet::DeleteCurrent() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty()) return false;
    Database().ExecSQL(QStringLiteral("delete from eqievents where Id=:Id"),
                       {DBParam(QStringLiteral("Id"), IdFld->Value())});
    data.Delete();
    return true;
}
