#include "AccessoriesWhere.h"

#include "AssetLabels.h"
#include "DeptFld.h"

TAccessoriesWhere::TAccessoriesWhere() {
    IdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Id"), 0, true, QString());
    AssetIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("AstId"), 0, true, QString());
    ProductNameFld = AddTextDef("ProductName", 50, QString());
    PartNoFld = AddTextDef("PartNo", 50, QString());
    MadeinFld = AddTextDef("Madein", 50, QString());
    ClassAFld = AddTextDef("ClassA", 50, QString());
    F11Fld = AddFieldDef(FieldKind::Float, QStringLiteral("F11"), 0, true, QString());
    F12Fld = AddFieldDef(FieldKind::Float, QStringLiteral("F12"), 0, true, QString());
    AssetCodeFld = AddTextDef("AssetCode", 50, AssetLabel(QStringLiteral("Code")));
    AssetNameFld = AddTextDef("AssetName", 50, AssetLabel(QStringLiteral("EqiName")));
    AssetClassFld = AddTextDef("AssetClass", 250, QStringLiteral("设备分类"));
    AssetClassAFld = AddTextDef("AssetClassA", 50, AssetLabel(QStringLiteral("ClassA")));
    AssetClassBFld = AddTextDef("AssetClassB", 50, AssetLabel(QStringLiteral("ClassB")));
    AssetClassCFld = AddTextDef("AssetClassC", 50, AssetLabel(QStringLiteral("ClassC")));
    AssetClassDFld = AddTextDef("AssetClassD", 50, AssetLabel(QStringLiteral("ClassD")));
    AssetClassEFld = AddTextDef("AssetClassE", 50, AssetLabel(QStringLiteral("ClassE")));
    AssetClassFFld = AddTextDef("AssetClassF", 50, AssetLabel(QStringLiteral("ClassF")));
    AssetUseDeptFld = AddTextDef("UseDeptId", 50, AssetLabel(QStringLiteral("UseDeptId")));
    AddDeptLookups(DataSet(), *AssetUseDeptFld);
    CreateConditionRow();
}

Field* TAccessoriesWhere::AddTextDef(const char* name, int size, const QString& label) {
    return AddFieldDef(FieldKind::String, QString::fromLatin1(name), size, true, label);
}

QString TAccessoriesWhere::EquipmentSql() {
    CommitEdits();
    TConditionText c;
    c.AddText("%s and ProductName like '%%%s%%'", *ProductNameFld);
    c.AddText("%s and PartNo like '%%%s%%'", *PartNoFld);
    c.AddText("%s and Madein like '%%%s%%'", *MadeinFld);
    c.AddText("%s and ClassA='%s'", *ClassAFld);
    return QStringLiteral(
               "select * from equipments where Id in (select distinct EqiId from accessories "
               "where 1=1 ") +
           c.Conditions() + QStringLiteral(") order by Id");
}

QString TAccessoriesWhere::AccessoryListSql() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and r.Id=%d", *IdFld);
    c.AddInteger("%s and e.Id=%d", *AssetIdFld);
    c.AddText("%s and r.ProductName like '%%%s%%'", *ProductNameFld);
    c.AddText("%s and r.PartNo like '%%%s%%'", *PartNoFld);
    c.AddText("%s and r.Madein like '%%%s%%'", *MadeinFld);
    c.AddText("%s and r.ClassA='%s'", *ClassAFld);
    c.AddFloat("%s and r.F1>=%f", *F11Fld);
    c.AddFloat("%s and r.F1<=%f", *F12Fld);
    c.AddText("%s and e.Code like '%%%s%%'", *AssetCodeFld);
    c.AddText("%s and e.EqiName like '%%%s%%'", *AssetNameFld);
    c.AddText("%s and e.ClassA = '%s'", *AssetClassAFld);
    c.AddText("%s and e.ClassB = '%s'", *AssetClassBFld);
    c.AddText("%s and e.ClassC = '%s'", *AssetClassCFld);
    c.AddText("%s and e.ClassD = '%s'", *AssetClassDFld);
    c.AddText("%s and e.ClassE = '%s'", *AssetClassEFld);
    c.AddText("%s and e.ClassF = '%s'", *AssetClassFFld);
    c.AddText("%s and e.UseDeptId like '%s%%'", *AssetUseDeptFld);
    return QStringLiteral(
               "select r.*, e.Id as AssetId, e.Code as AssetCode, e.EqiName as AssetName, e.Partno "
               "as "
               "AssetPartno, e.Manufactory as AssetManufactory, e.UseDeptId, e.Fixplace as "
               "AssetFixplace, "
               "e.Functionary as AssetFunctionary, e.Status as AssetStatus, e.Chkacpt as "
               "AssetChkacpt, "
               "e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC, "
               "e.ClassD as "
               "AssetClassD, e.ClassE as AssetClassE, e.ClassF as AssetClassF from equipments e, "
               "accessories r where e.Id=r.EqiId ") +
           c.Conditions();
}
