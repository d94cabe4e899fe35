#include "PartfixsWhere.h"

#include "PartLabels.h"
#include "equipment/AssetLabels.h"

namespace {

Field* AddText(TCustomWhere& where, const char* name, const QString& label) {
    return where.AddFieldDef(FieldKind::String, QString::fromLatin1(name), 50, true, label);
}

Field* AddDate(TCustomWhere& where, const char* name, const QString& label) {
    return where.AddFieldDef(FieldKind::DateTime, QString::fromLatin1(name), 0, true, label);
}

} // namespace

TPartfixsWhere::TPartfixsWhere() {
    FixIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("FixId"), 0, true, QString());
    PartIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("PartId"), 0, true, QString());
    PartS1Fld = AddText(*this, "PartS1", PartLabel(QStringLiteral("S1")));
    PartS2Fld = AddText(*this, "PartS2", PartLabel(QStringLiteral("S2")));
    PartS3Fld = AddText(*this, "PartS3", PartLabel(QStringLiteral("S3")));
    AssetIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("AssetId"), 0, true, QString());
    AssetCodeFld = AddText(*this, "AssetCode", AssetLabel(QStringLiteral("Code")));
    AssetNameFld = AddText(*this, "AssetName", AssetLabel(QStringLiteral("EqiName")));
    AssetPartnoFld = AddText(*this, "AssetPartno", AssetLabel(QStringLiteral("PartNo")));
    Fixtime1Fld = AddDate(*this, "Fixtime1", QStringLiteral("安装日期"));
    Fixtime2Fld = AddDate(*this, "Fixtime2", QStringLiteral("-"));
    FixmanFld = AddText(*this, "Fixman", QStringLiteral("安装人"));
    Unfixtime1Fld = AddDate(*this, "Unfixtime1", QStringLiteral("拆卸日期"));
    Unfixtime2Fld = AddDate(*this, "Unfixtime2", QStringLiteral("-"));
    UnfixmanFld = AddText(*this, "Unfixman", QStringLiteral("拆卸人"));
    UnfixReasonFld = AddText(*this, "Unfixreason", QStringLiteral("拆卸原因"));
    RemarksFld = AddText(*this, "Remarks", QStringLiteral("备注"));
    CreateConditionRow();
}

QString TPartfixsWhere::Conditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and Id=%d", *FixIdFld);
    // Id 0 is what a cleared pick leaves behind: no part, no narrowing.
    if (PartIdFld->AsInteger() > 0) c.AddInteger("%s and PartId=%d", *PartIdFld);
    if (AssetIdFld->AsInteger() > 0) c.AddInteger("%s and EqiId=%d", *AssetIdFld);
    c.AddDateFrom("%s and FixTime>=%s", *Fixtime1Fld);
    c.AddDateTo("%s and FixTime<%s", *Fixtime2Fld);
    c.AddDateFrom("%s and UnfixTime>=%s", *Unfixtime1Fld);
    c.AddDateTo("%s and UnfixTime<%s", *Unfixtime2Fld);
    c.AddText("%s and Fixman='%s'", *FixmanFld);
    c.AddText("%s and Unfixman='%s'", *UnfixmanFld);
    c.AddText("%s and UnfixReason like '%%%s%%'", *UnfixReasonFld);
    c.AddText("%s and Remarks like '%%%s%%'", *RemarksFld);
    return c.Where();
}
