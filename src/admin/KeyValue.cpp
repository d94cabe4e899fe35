#include "KeyValue.h"

QVariant TKeyValue::Get(int key) {
    ScratchSet.Open(QStringLiteral("select [Value] from keyvalue where KeyId=:KeyId"),
                    {DBParam(QStringLiteral("KeyId"), key)});
    const DataSet& row = ScratchSet.DataSet();
    return row.IsEmpty() ? QVariant() : row.Fields(0).Value();
}

void TKeyValue::Set(int key, const QVariant& value) {
    const TDBParameters params{DBParam(QStringLiteral("KeyId"), key), DBParam(QStringLiteral("Value"), value)};
    ScratchSet.Open(QStringLiteral("select KeyId from keyvalue where KeyId=:KeyId"),
                    {DBParam(QStringLiteral("KeyId"), key)});
    if (ScratchSet.DataSet().IsEmpty())
        DB.ExecSQL(QStringLiteral("insert into keyvalue(KeyId, [Value]) values (:KeyId, :Value)"), params);
    else
        DB.ExecSQL(QStringLiteral("update keyvalue set [Value]=:Value where KeyId=:KeyId"), params);
}

TKeyValue2::TKeyValue2() {
    KeyIdFld = AddField(FieldKind::Integer, QStringLiteral("KeyId"), -1, true, QStringLiteral("KeyId"));
    VintFld = AddField(FieldKind::Integer, QStringLiteral("Vint"), -1, true, QStringLiteral("Vint"));
    VstrFld = AddField(FieldKind::Memo, QStringLiteral("Vstr"), -1, true, QStringLiteral("Vstr"));
    VfloatFld = AddField(FieldKind::Float, QStringLiteral("Vfloat"), -1, true, QStringLiteral("Vfloat"));
    VboolFld = AddField(FieldKind::Boolean, QStringLiteral("Vbool"), -1, true, QStringLiteral("Vbool"));
}

// A key that does not exist yet is created, and all rows are read again.
void TKeyValue2::Locate(int key) {
    if (!DataSet().Active()) Open(QStringLiteral("select * from keyvalue"));
    if (DataSet().Locate(QStringLiteral("KeyId"), key)) return;
    DataSet().Close();
    DB.ExecSQL(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"), {DBParam(QStringLiteral("KeyId"), key)});
    Open(QStringLiteral("select * from keyvalue"));
    DataSet().Locate(QStringLiteral("KeyId"), key);
}

int TKeyValue2::GetInt(int key) {
    Locate(key);
    return VintFld->AsInteger();
}

bool TKeyValue2::GetBool(int key) {
    Locate(key);
    return VboolFld->AsBoolean();
}

QString TKeyValue2::GetStr(int key) {
    Locate(key);
    return VstrFld->AsString();
}

void TKeyValue2::Write(int key, const QString& str, int number, bool flag) {
    Locate(key);
    DB.ExecSQL(QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, Vfloat=:Vfloat, Vbool=:Vbool "
                              "where KeyId=:KeyId"),
               {DBParam(QStringLiteral("Vstr"), str), DBParam(QStringLiteral("Vint"), number),
                DBParam(QStringLiteral("Vfloat"), 0.0), DBParam(QStringLiteral("Vbool"), flag),
                DBParam(QStringLiteral("KeyId"), key)});
    DataSet().Edit();
    VstrFld->SetAsString(str);
    VintFld->SetAsInteger(number);
    VfloatFld->SetAsFloat(0);
    VboolFld->SetAsBoolean(flag);
    DataSet().Post();
}

void TKeyValue2::SetStr(int key, const QString& value) {
    Write(key, value, 0, true);
}

void TKeyValue2::SetInt(int key, int value) {
    Write(key, QString(), value, true);
}

void TKeyValue2::SetBool(int key, bool value) {
    Write(key, QString(), 0, value);
}

QStringList TPickListSet::Items(int key) {
    QString text = GetStr(key);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(u'\n', Qt::SkipEmptyParts);
}

void TPickListSet::SetItems(int key, const QStringList& items) {
    SetStr(key, items.join(QStringLiteral("\r\n")));
}

TKeyValue& KeyValue = *new TKeyValue;
TPickListSet& PickLists = *new TPickListSet;
TKeyValue2& KeyValue2 = PickLists;
