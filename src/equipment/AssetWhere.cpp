#include "AssetWhere.h"

#include "AssetLabels.h"
#include "DeptFld.h"
#include "admin/CodeRightSet.h"
#include "platform/Format.h"

TAssetWhere::TAssetWhere() {
    AstIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("AstId"), 0, true, QString());
    CodeFld = AddTextDef("Code", 50, "Code");
    EqiNameFld = AddTextDef("EqiName", 50, "EqiName");
    PartNoFld = AddTextDef("PartNo", 50, "PartNo");
    MainCodeFld = AddTextDef("MainCode", 50, "MainCode");
    AssetClassFld = AddTextDef("AssetClass", 250, nullptr);
    AssetClassAFld = AddTextDef("AssetClassA", 50, "ClassA");
    AssetClassBFld = AddTextDef("AssetClassB", 50, "ClassB");
    AssetClassCFld = AddTextDef("AssetClassC", 50, "ClassC");
    AssetClassDFld = AddTextDef("AssetClassD", 50, "ClassD");
    AssetClassEFld = AddTextDef("AssetClassE", 50, "ClassE");
    AssetClassFFld = AddTextDef("AssetClassF", 50, "ClassF");
    ChkAcptFld = AddTextDef("ChkAcpt", 50, "ChkAcpt");
    StatusFld = AddTextDef("Status", 50, "Status");
    UseDeptFld = AddTextDef("UseDeptId", 50, "UseDeptId");
    AddDeptLookups(DataSet(), *UseDeptFld);
    CatIdFld = AddTextDef("CatId", 50, nullptr);
    FixPlaceFld = AddTextDef("FixPlace", 50, "FixPlace");
    ManufactoryFld = AddTextDef("Manufactory", 50, "Manufactory");
    FactoryCodeFld = AddTextDef("FactoryCode", 50, "FactoryCode");
    FundSourceFld = AddTextDef("FundSource", 50, "FundSource");
    FunctionaryFld = AddTextDef("Functionary", 50, "Functionary");
    BuyDate1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("BuyDate1"), 0, true, QString());
    BuyDate2Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("BuyDate2"), 0, true, QString());
    RemarkFld = AddTextDef("Remark", 50, "Remark");
    FinanceTypeFld = AddTextDef("FinanceType", 50, "FinanceType");
    Str1Fld = AddTextDef("Str1", 50, "Str1");
    Str2Fld = AddTextDef("Str2", 50, "Str2");
    Str3Fld = AddTextDef("Str3", 50, "Str3");
    Str4Fld = AddTextDef("Str4", 50, "Str4");
    Str5Fld = AddTextDef("Str5", 50, "Str5");
    Str6Fld = AddTextDef("Str6", 50, "Str6");
    KeywordFld = AddTextDef("Keyword", 50, nullptr);
    CreateConditionRow();
}

// labelOf names the ledger column whose title the condition shows; null for no title.
Field* TAssetWhere::AddTextDef(const char* name, int size, const char* labelOf) {
    const QString label = labelOf ? AssetLabel(QString::fromLatin1(labelOf)) : QString();
    return AddFieldDef(FieldKind::String, QString::fromLatin1(name), size, true, label);
}

QString TAssetWhere::Conditions(bool forFilter) {
    CommitEdits();
    TConditionText c;
    if (!forFilter || AstIdFld->AsInteger() > 0) c.AddInteger("%s and Id=%d", *AstIdFld);
    c.AddText("%s and Code like '%%%s%%'", *CodeFld);
    c.AddText("%s and EqiName like '%%%s%%'", *EqiNameFld);
    c.AddText("%s and PartNo like '%%%s%%'", *PartNoFld);
    c.AddText("%s and MainCode like '%%%s%%'", *MainCodeFld);
    c.AddText("%s and ClassA = '%s'", *AssetClassAFld);
    c.AddText("%s and ClassB = '%s'", *AssetClassBFld);
    c.AddText("%s and ClassC = '%s'", *AssetClassCFld);
    c.AddText("%s and ClassD = '%s'", *AssetClassDFld);
    c.AddText("%s and ClassE = '%s'", *AssetClassEFld);
    c.AddText("%s and ClassF = '%s'", *AssetClassFFld);
    c.AddText("%s and ChkAcpt = '%s'", *ChkAcptFld);
    c.AddText("%s and Status = '%s'", *StatusFld);
    c.AddText("%s and UseDeptId like '%s%%'", *UseDeptFld);
    if (!forFilter)
        c.AddText(
            "%s and Id in (select EqiId from eqiclass where CataId like '%s%%' group by EqiId)",
            *CatIdFld);
    c.AddText("%s and FixPlace like '%%%s%%'", *FixPlaceFld);
    c.AddText("%s and Manufactory like '%%%s%%'", *ManufactoryFld);
    c.AddText("%s and FactoryCode LIKE '%%%s%%'", *FactoryCodeFld);
    c.AddText("%s and FundSource = '%s'", *FundSourceFld);
    c.AddText("%s and Functionary = '%s'", *FunctionaryFld);
    c.AddDateFrom("%s and BuyDate>=%s", *BuyDate1Fld);
    c.AddDateAt("%s and BuyDate<=%s", *BuyDate2Fld);
    c.AddText("%s and Remark like '%%%s%%'", *RemarkFld);
    c.AddText("%s and FinanceType = '%s'", *FinanceTypeFld);
    c.AddText("%s and Str1 = '%s'", *Str1Fld);
    c.AddText("%s and Str2 = '%s'", *Str2Fld);
    c.AddText("%s and Str3 = '%s'", *Str3Fld);
    c.AddText("%s and Str4 = '%s'", *Str4Fld);
    c.AddText("%s and Str5 = '%s'", *Str5Fld);
    c.AddText("%s and Str6 = '%s'", *Str6Fld);
    c.AddText("%s and (Code like '%%%s%%' or EqiName like '%%%s%%' or PartNo like '%%%s%%' or "
              "Manufactory like '%%%s%%' or Remark like '%%%s%%')",
              *KeywordFld);
    return c.Conditions();
}

QString TAssetWhere::ListSql() {
    // The prefix is typed by an administrator; a quote in it must not end the literal.
    const QString visible =
        Format(QStringLiteral("where Code like '%s%%' %s"),
               {EscapeQuotes(Restrictions.CodePrefix), Restrictions.DeptCondition});
    return QStringLiteral("select * from equipments ") + visible + Conditions(false) +
           QStringLiteral(" order by Id");
}

QString TAssetWhere::FilterText() {
    const QString text = Conditions(true);
    // Every condition begins with " and "; the filter starts with the first comparison.
    return text.isEmpty() ? text : text.mid(5);
}
