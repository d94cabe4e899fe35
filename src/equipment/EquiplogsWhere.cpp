#include "EquiplogsWhere.h"

TEquiplogsWhere::TEquiplogsWhere() {
    FldNameFld = AddFieldDef(FieldKind::String, QStringLiteral("FldName"), 50, true, QString());
    FldLabelFld = AddFieldDef(FieldKind::String, QStringLiteral("FldLabel"), 50, true, QString());
    OldValueFld = AddFieldDef(FieldKind::String, QStringLiteral("OldValue"), 50, true, QString());
    NewValueFld = AddFieldDef(FieldKind::String, QStringLiteral("NewValue"), 50, true, QString());
    EquipIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("EquipId"), 0, true, QString());
    UpdatemanFld = AddFieldDef(FieldKind::String, QStringLiteral("Updateman"), 50, true, QString());
    UpdateTime1Fld =
        AddFieldDef(FieldKind::DateTime, QStringLiteral("UpdateTime1"), 0, true, QString());
    UpdateTime2Fld =
        AddFieldDef(FieldKind::DateTime, QStringLiteral("UpdateTime2"), 0, true, QString());
    ComputNameFld =
        AddFieldDef(FieldKind::String, QStringLiteral("ComputName"), 50, true, QString());
    CreateConditionRow();
}

QString TEquiplogsWhere::Sql() {
    CommitEdits();
    TConditionText c;
    c.AddText("%s and FldName='%s'", *FldNameFld);
    c.AddText("%s and FldLabel='%s'", *FldLabelFld);
    c.AddText("%s and OldValue like '%%%s%%'", *OldValueFld);
    c.AddText("%s and NewValue like '%%%s%%'", *NewValueFld);
    c.AddInteger("%s and EquipId=%d", *EquipIdFld);
    c.AddText("%s and Updateman='%s'", *UpdatemanFld);
    c.AddDateFrom("%s and UpdateTime>=%s", *UpdateTime1Fld);
    c.AddDateTo("%s and UpdateTime<%s", *UpdateTime2Fld);
    c.AddText("%s and ComputName='%s'", *ComputNameFld);
    return QStringLiteral(
               "select m.*, d.*, e.Code as EqiCode, e.EqiName, e.PartNo as EqiPartNo from "
               "equiplogs m, equiplogsdl d, equipments e where m.Id=d.LogId and "
               "m.EquipId=e.Id ") +
           c.Conditions();
}
