#include "ChangeWhere.h"

#include "equipment/AssetLabels.h"
#include "equipment/DeptFld.h"

TChangeWhere::TChangeWhere() {
    IdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Id"), 0, true, QString());
    AssetIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("AssetId"), 0, true, QString());
    ChgDate1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("ChgDate1"), 0, true,
                              QStringLiteral("申请日期"));
    ChgDate2Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("ChgDate2"), 0, true,
                              QStringLiteral("至"));
    ChgReasonFld = AddText("ChgReason", 50, QStringLiteral("变更理由"));
    ItmLabelFld = AddText("ItmLabel", 50, QStringLiteral("变更项目"));
    ItmValue1Fld = AddText("ItmValue1", 50, QStringLiteral("变更前"));
    ItmValue2Fld = AddText("ItmValue2", 50, QStringLiteral("变更后"));
    ChgmanFld = AddText("Chgman", 50, QStringLiteral("申请人"));
    SanctionmanFld = AddText("Sanctionman", 50, QStringLiteral("批准人"));
    UnsancFld = AddText("Unsanc", 50, QStringLiteral("批准情况"));
    RemarksFld = AddText("Remarks", 50, QStringLiteral("备注"));
    AssetCodeFld = AddText("AssetCode", 50, AssetLabel(QStringLiteral("Code")));
    AssetNameFld = AddText("AssetName", 50, AssetLabel(QStringLiteral("EqiName")));
    AssetClassFld = AddText("AssetClass", 250, QStringLiteral("设备分类"));
    AssetClassAFld = AddText("AssetClassA", 50, AssetLabel(QStringLiteral("ClassA")));
    AssetClassBFld = AddText("AssetClassB", 50, AssetLabel(QStringLiteral("ClassB")));
    AssetClassCFld = AddText("AssetClassC", 50, AssetLabel(QStringLiteral("ClassC")));
    AssetClassDFld = AddText("AssetClassD", 50, AssetLabel(QStringLiteral("ClassD")));
    AssetClassEFld = AddText("AssetClassE", 50, AssetLabel(QStringLiteral("ClassE")));
    AssetClassFFld = AddText("AssetClassF", 50, AssetLabel(QStringLiteral("ClassF")));
    AssetUseDeptFld = AddText("UseDeptId", 50, AssetLabel(QStringLiteral("UseDeptId")));
    AddDeptLookups(DataSet(), *AssetUseDeptFld);
    CreateConditionRow();
}

Field* TChangeWhere::AddText(const char* name, int size, const QString& label) {
    return AddFieldDef(FieldKind::String, QString::fromLatin1(name), size, true, label);
}

QString TChangeWhere::Conditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and m.Id=%d", *IdFld);
    c.AddInteger("%s and e.Id=%d", *AssetIdFld);
    // The pickers show dates only, so the end date means the whole of that day.
    c.AddDateAt("%s and ChgDate>=%s", *ChgDate1Fld);
    c.AddDateTo("%s and ChgDate<%s", *ChgDate2Fld);
    c.AddText("%s and ChgReason like '%%%s%%'", *ChgReasonFld);
    c.AddText("%s and ItmLabel like '%%%s%%'", *ItmLabelFld);
    c.AddText("%s and ItmValue1 like '%%%s%%'", *ItmValue1Fld);
    c.AddText("%s and ItmValue2 like '%%%s%%'", *ItmValue2Fld);
    c.AddText("%s and Chgman like '%%%s%%'", *ChgmanFld);
    const QString state = UnsancFld->AsString();
    if (state == u"已批准") c.Add("%s and Sanctionman is not null");
    else if (state == u"待批准") c.Add("%s and Sanctionman is null");
    c.AddText("%s and Sanctionman like '%%%s%%'", *SanctionmanFld);
    c.AddText("%s and m.Remarks like '%%%s%%'", *RemarksFld);
    c.AddText("%s and e.Code like '%%%s%%'", *AssetCodeFld);
    c.AddText("%s and e.EqiName like '%%%s%%'", *AssetNameFld);
    c.AddText("%s and e.ClassA = '%s'", *AssetClassAFld);
    c.AddText("%s and e.ClassB = '%s'", *AssetClassBFld);
    c.AddText("%s and e.ClassC = '%s'", *AssetClassCFld);
    c.AddText("%s and e.ClassD = '%s'", *AssetClassDFld);
    c.AddText("%s and e.ClassE = '%s'", *AssetClassEFld);
    c.AddText("%s and e.ClassF = '%s'", *AssetClassFFld);
    c.AddText("%s and e.UseDeptId like '%s%%'", *AssetUseDeptFld);
    return c.Conditions();
}
