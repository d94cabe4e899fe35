#include "CareitemWhere.h"

#include "equipment/AssetLabels.h"
#include "equipment/DeptFld.h"

QString NextCaredateExpression(const TDatabase& db) {
    if (db.IsSqlServer()) return QStringLiteral("(crCaredate + ciFixedays * interval '1 day')");
    return QStringLiteral("datetime(crCaredate, '+' || ciFixedays || ' days')");
}

TCareitemWhere::TCareitemWhere() {
    const auto number = [this](FieldKind kind, const char* name, const QString& label) {
        return AddFieldDef(kind, QString::fromLatin1(name), 0, true, label);
    };
    IdFld = number(FieldKind::Integer, "Id", QString());
    ciIdFld = number(FieldKind::Integer, "ciId", QString());
    ciAssetIdFld = number(FieldKind::Integer, "ciAssetId", QString());
    ciCarenameFld = AddText("ciCarename", 50, QStringLiteral("保养名称"));
    ciCareitemFld = AddText("ciCareitem", 50, QStringLiteral("保养项目"));
    ciPlanhours1Fld = number(FieldKind::Float, "ciPlanhours1", QStringLiteral("计划工时"));
    ciPlanhours2Fld = number(FieldKind::Float, "ciPlanhours2", QStringLiteral("至"));
    ciFixedays1Fld = number(FieldKind::Integer, "ciFixedays1", QStringLiteral("定检天数"));
    ciFixedays2Fld = number(FieldKind::Integer, "ciFixedays2", QStringLiteral("至"));
    crCaredate1Fld = number(FieldKind::DateTime, "crCaredate1", QStringLiteral("保养日期"));
    crCaredate2Fld = number(FieldKind::DateTime, "crCaredate2", QStringLiteral("至"));
    crCaremanFld = AddText("crCareman", 50, QStringLiteral("上次保养人"));
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
    AssetFixplaceFld = AddText("AssetFixplace", 50, AssetLabel(QStringLiteral("FixPlace")));
    CareHintedFld = number(FieldKind::Boolean, "CareHinted", QStringLiteral("到期保养"));
    NextCaredateFld = number(FieldKind::DateTime, "NextCaredate", QStringLiteral("下次保养日期"));
    KeywordFld = AddText("Keyword", 250, QStringLiteral("关键描述"));
    CreateConditionRow();
    CareHintedFld->SetAsBoolean(false);
}

Field* TCareitemWhere::AddText(const char* name, int size, const QString& label) {
    return AddFieldDef(FieldKind::String, QString::fromLatin1(name), size, true, label);
}

void TCareitemWhere::AddShared(TConditionText& c) {
    c.AddText("%s and ciCarename like '%%%s%%'", *ciCarenameFld);
    c.AddText("%s and ciCareitem like '%%%s%%'", *ciCareitemFld);
    c.AddFloat("%s and ciPlanhours>=%f", *ciPlanhours1Fld);
    c.AddFloat("%s and ciPlanhours<=%f", *ciPlanhours2Fld);
    c.AddInteger("%s and ciFixedays>=%d", *ciFixedays1Fld);
    c.AddInteger("%s and ciFixedays<=%d", *ciFixedays2Fld);
    // The pickers show dates only: a range takes the whole of both days on either engine.
    c.AddDateAt("%s and crCaredate>=%s", *crCaredate1Fld);
    c.AddDateTo("%s and crCaredate<%s", *crCaredate2Fld);
    c.AddText("%s and crCareman='%s'", *crCaremanFld);
    AddAssetConditions(c);
}

void TCareitemWhere::AddAssetConditions(TConditionText& c) {
    c.AddText("%s and AssetCode like '%%%s%%'", *AssetCodeFld);
    c.AddText("%s and AssetName like '%%%s%%'", *AssetNameFld);
    c.AddText("%s and AssetClassA = '%s'", *AssetClassAFld);
    c.AddText("%s and AssetClassB = '%s'", *AssetClassBFld);
    c.AddText("%s and AssetClassC = '%s'", *AssetClassCFld);
    c.AddText("%s and AssetClassD = '%s'", *AssetClassDFld);
    c.AddText("%s and AssetClassE = '%s'", *AssetClassEFld);
    c.AddText("%s and AssetClassF = '%s'", *AssetClassFFld);
    c.AddText("%s and UseDeptId like '%s%%'", *AssetUseDeptFld);
    c.AddText("%s and AssetFixplace like '%%%s%%'", *AssetFixplaceFld);
}

QString TCareitemWhere::ItemConditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and ciId=%d", *ciIdFld);
    c.AddInteger("%s and ciAssetId=%d", *ciAssetIdFld);
    AddShared(c);
    if (CareHintedFld->AsBoolean()) {
        if (DB.IsSqlServer()) c.Add("%s and DateDiff(day, crCareDate, GetDate())+1 > ciFixedays");
        else c.Add("%s and DateDiff('d', crCareDate, Now())+1 > ciFixedays");
    }
    // Due on or before the day: before the next midnight, whatever the engine keeps dates as.
    const QByteArray nextDue = ("%s and " + NextCaredateExpression(DB) + " < %s").toUtf8();
    c.AddDateTo(nextDue.constData(), *NextCaredateFld);
    return c.Conditions();
}

QString TCareitemWhere::RecordConditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and crId=%d", *IdFld);
    c.AddInteger("%s and ciId=%d", *ciIdFld);
    c.AddInteger("%s and ciAssetId=%d", *ciAssetIdFld);
    AddShared(c);
    c.AddText("%s and (ciCareworks like '%%%s%%' or crCaretents like '%%%s%%')", *KeywordFld);
    return c.Conditions();
}
