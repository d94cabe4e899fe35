#include "LogWhere.h"

TLogWhere::TLogWhere() {
    IdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Id"), 0, true, QString());
    ActnameFld = AddFieldDef(FieldKind::String, QStringLiteral("Actname"), 50, true, QString());
    DetailsFld = AddFieldDef(FieldKind::String, QStringLiteral("Details"), 50, true, QString());
    HandmanFld = AddFieldDef(FieldKind::String, QStringLiteral("Handman"), 50, true, QString());
    Logtime1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("Logtime1"), 0, true, QString());
    Logtime2Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("Logtime2"), 0, true, QString());
    ComputNameFld =
        AddFieldDef(FieldKind::String, QStringLiteral("ComputName"), 50, true, QString());
    ComputIpFld = AddFieldDef(FieldKind::String, QStringLiteral("ComputIp"), 50, true, QString());
    CreateConditionRow();
}

QString TLogWhere::Sql() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and Id=%d", *IdFld);
    c.AddText("%s and Actname like '%s'", *ActnameFld);
    c.AddText("%s and Details like '%s'", *DetailsFld);
    c.AddText("%s and Handman like '%s'", *HandmanFld);
    c.AddDateFrom("%s and Logtime>=%s", *Logtime1Fld);
    c.AddDateTo("%s and Logtime<%s", *Logtime2Fld);
    c.AddText("%s and ComputName like '%s'", *ComputNameFld);
    c.AddText("%s and ComputIp like '%s'", *ComputIpFld);
    return QStringLiteral("select * from logs ") + c.Where() + QStringLiteral(" order by Id desc");
}
