#include "PartrepairsWhere.h"

#include "PartLabels.h"

namespace {

Field* AddText(TCustomWhere& where, const char* name, const QString& label) {
    return where.AddFieldDef(FieldKind::String, QString::fromLatin1(name), 50, true, label);
}

} // namespace

TPartrepairsWhere::TPartrepairsWhere() {
    RepairIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("RepairId"), 0, true, QString());
    PartIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("PartId"), 0, true, QString());
    PartS1Fld = AddText(*this, "PartS1", PartLabel(QStringLiteral("S1")));
    PartS2Fld = AddText(*this, "PartS2", PartLabel(QStringLiteral("S2")));
    PartS3Fld = AddText(*this, "PartS3", PartLabel(QStringLiteral("S3")));
    RepairDate1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("RepairDate1"), 0, true,
                                 QStringLiteral("维修日期"));
    RepairDate2Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("RepairDate2"), 0, true,
                                 QStringLiteral("-"));
    TroublesFld = AddText(*this, "Troubles", QStringLiteral("故障描述"));
    RepairDetailsFld = AddText(*this, "RepairDetails", QStringLiteral("维修描述"));
    RepairmanFld = AddText(*this, "Repairman", QStringLiteral("维修人"));
    NotesFld = AddText(*this, "Notes", QStringLiteral("备注"));
    CreateConditionRow();
}

QString TPartrepairsWhere::Conditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and Id=%d", *RepairIdFld);
    if (PartIdFld->AsInteger() > 0) c.AddInteger("%s and PartId=%d", *PartIdFld);
    c.AddDateFrom("%s and RepairDate>=%s", *RepairDate1Fld);
    c.AddDateTo("%s and RepairDate<%s", *RepairDate2Fld);
    c.AddText("%s and Troubles like '%%%s%%'", *TroublesFld);
    c.AddText("%s and RepairDetails like '%%%s%%'", *RepairDetailsFld);
    c.AddText("%s and Repairman='%s'", *RepairmanFld);
    c.AddText("%s and Notes like '%%%s%%'", *NotesFld);
    return c.Where();
}
