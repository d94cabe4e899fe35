#include "AccidentWhere.h"

#include "AccidentLabels.h"
#include "equipment/AssetLabels.h"
#include "equipment/DeptFld.h"

TAccidentWhere::TAccidentWhere() {
    IdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Id"), 0, true, QString());
    AssetIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("AssetId"), 0, true, QString());
    AssetCodeFld = AddText("AssetCode", 50, AssetLabel(QStringLiteral("Code")));
    AssetClassFld = AddText("AssetClass", 250, QStringLiteral("设备分类"));
    AssetClassAFld = AddText("AssetClassA", 50, AssetLabel(QStringLiteral("ClassA")));
    AssetClassBFld = AddText("AssetClassB", 50, AssetLabel(QStringLiteral("ClassB")));
    AssetClassCFld = AddText("AssetClassC", 50, AssetLabel(QStringLiteral("ClassC")));
    AssetClassDFld = AddText("AssetClassD", 50, AssetLabel(QStringLiteral("ClassD")));
    AssetClassEFld = AddText("AssetClassE", 50, AssetLabel(QStringLiteral("ClassE")));
    AssetClassFFld = AddText("AssetClassF", 50, AssetLabel(QStringLiteral("ClassF")));
    AssetUseDeptFld = AddText("UseDeptId", 50, AssetLabel(QStringLiteral("UseDeptId")));
    AddDeptLookups(DataSet(), *AssetUseDeptFld);
    AccDate1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("AccDate1"), 0, true,
                              AccidentLabel(QStringLiteral("AccDate")));
    AccDate2Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("AccDate2"), 0, true,
                              QStringLiteral("至"));
    AccPropFld = AddText("AccProp", 50, AccidentLabel(QStringLiteral("AccProp")));
    AccClassFld = AddText("AccClass", 50, AccidentLabel(QStringLiteral("AccClass")));
    AccMoney1Fld = AddFieldDef(FieldKind::Float, QStringLiteral("AccMoney1"), 0, true,
                               AccidentLabel(QStringLiteral("AccMoney")));
    AccMoney2Fld = AddFieldDef(FieldKind::Float, QStringLiteral("AccMoney2"), 0, true,
                               QStringLiteral("至"));
    KeywordFld = AddText("Keyword", 50, QStringLiteral("关键字"));
    CreateConditionRow();
}

Field* TAccidentWhere::AddText(const char* name, int size, const QString& label) {
    return AddFieldDef(FieldKind::String, QString::fromLatin1(name), size, true, label);
}

QString TAccidentWhere::Conditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and a.Id=%d", *IdFld);
    // The pickers show dates only, so a from-date means the whole of that day.
    c.AddDateAt("%s and a.AccDate>=%s", *AccDate1Fld);
    c.AddDateTo("%s and a.AccDate<%s", *AccDate2Fld);
    c.AddText("%s and a.AccProp='%s'", *AccPropFld);
    c.AddText("%s and a.AccClass='%s'", *AccClassFld);
    c.AddFloat("%s and a.AccMoney>=%f", *AccMoney1Fld);
    c.AddFloat("%s and a.AccMoney<=%f", *AccMoney2Fld);
    c.AddText("%s and (a.AccBrief like '%%%s%%' or a.Invests like '%%%s%%' or "
              "a.Summery like '%%%s%%')",
              *KeywordFld);
    c.AddInteger("%s and e.Id=%d", *AssetIdFld);
    c.AddText("%s and e.Code like '%%%s%%'", *AssetCodeFld);
    c.AddText("%s and e.ClassA = '%s'", *AssetClassAFld);
    c.AddText("%s and e.ClassB = '%s'", *AssetClassBFld);
    c.AddText("%s and e.ClassC = '%s'", *AssetClassCFld);
    c.AddText("%s and e.ClassD = '%s'", *AssetClassDFld);
    c.AddText("%s and e.ClassE = '%s'", *AssetClassEFld);
    c.AddText("%s and e.ClassF = '%s'", *AssetClassFFld);
    c.AddText("%s and e.UseDeptId like '%s%%'", *AssetUseDeptFld);
    return c.Conditions();
}
