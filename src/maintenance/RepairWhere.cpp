#include "RepairWhere.h"

#include "equipment/AssetLabels.h"
#include "equipment/DeptFld.h"

TRepairWhere::TRepairWhere() {
    IdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Id"), 0, true, QString());
    AssetIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("AssetId"), 0, true, QString());
    AssetCodeFld = AddText("AssetCode", 50, AssetLabel(QStringLiteral("Code")));
    RepairDate1Fld = AddDate("RepairDate1", QStringLiteral("修复日期"));
    RepairDate2Fld = AddDate("RepairDate2", QStringLiteral("至"));
    SendDate1Fld = AddDate("SendDate1", QStringLiteral("送修日期"));
    SendDate2Fld = AddDate("SendDate2", QStringLiteral("至"));
    AssetUseDeptFld = AddText("UseDeptId", 50, AssetLabel(QStringLiteral("UseDeptId")));
    AddDeptLookups(DataSet(), *AssetUseDeptFld);
    RepairClassFld = AddText("RepairClass", 50, QStringLiteral("维修级别"));
    RepairFactoryFld = AddText("RepairFactory", 50, QStringLiteral("维修厂商"));
    HandmanFld = AddText("Handman", 50, QStringLiteral("申请人"));
    SanctionmanFld = AddText("Sanctionman", 50, QStringLiteral("批准人"));
    KeywordFld = AddText("Keyword", 250, QStringLiteral("关键描述"));
    IsFinishFld = AddText("IsFinish", 50, QStringLiteral("修复状态"));
    CreateConditionRow();
}

Field* TRepairWhere::AddText(const char* name, int size, const QString& label) {
    return AddFieldDef(FieldKind::String, QString::fromLatin1(name), size, true, label);
}

Field* TRepairWhere::AddDate(const char* name, const QString& label) {
    return AddFieldDef(FieldKind::DateTime, QString::fromLatin1(name), 0, true, label);
}

QString TRepairWhere::Conditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and r.Id=%d", *IdFld);
    // The pickers show dates only: a to-date takes in the whole of its day.
    c.AddDateAt("%s and RepairDate>=%s", *RepairDate1Fld);
    c.AddDateTo("%s and RepairDate<%s", *RepairDate2Fld);
    c.AddDateAt("%s and SendDate>=%s", *SendDate1Fld);
    c.AddDateTo("%s and SendDate<%s", *SendDate2Fld);
    c.AddText("%s and RepairClass like '%%%s%%'", *RepairClassFld);
    c.AddText("%s and RepairFactory like '%%%s%%'", *RepairFactoryFld);
    c.AddText("%s and Handman like '%%%s%%'", *HandmanFld);
    c.AddText("%s and Sanctionman like '%%%s%%'", *SanctionmanFld);
    c.AddText("%s and (r.Trouble like '%%%s%%' or r.RepairDetails like '%%%s%%' or "
              "r.Remark like '%%%s%%')",
              *KeywordFld);
    const QString state = IsFinishFld->AsString();
    if (state == u"已完成") c.Add("%s and (not RepairDate is null)");
    else if (state == u"未完成") c.Add("%s and (RepairDate is null)");
    c.AddText("%s and UseDeptId like '%s%%'", *AssetUseDeptFld);
    c.AddInteger("%s and e.Id=%d", *AssetIdFld);
    c.AddText("%s and e.Code like '%%%s%%'", *AssetCodeFld);
    return c.Conditions();
}
