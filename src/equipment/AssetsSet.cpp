#include "AssetsSet.h"

#include "AccessoriesWhere.h"
#include "AssetLabels.h"
#include "DeptFld.h"
#include "Equiploger.h"
#include "admin/CodeRightSet.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <QHash>
#include <QRegularExpression>

namespace {

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    const char* label;  // null: the ledger's configurable title
};

// Bound in this order; the department lookups follow UseDeptId.
const FieldDef kFields[] = {
    {K::Integer, "Id", -1, "ID"}, {K::String, "Code", 30, nullptr}, {K::String, "EqiName", 50, nullptr},
    {K::String, "PartNo", 50, nullptr}, {K::String, "MainCode", 50, nullptr},
    {K::String, "Manufactory", 50, nullptr}, {K::String, "ClassA", 30, nullptr},
    {K::String, "ClassB", 30, nullptr}, {K::String, "ClassC", 30, nullptr}, {K::String, "ClassD", 30, nullptr},
    {K::String, "ClassE", 30, nullptr}, {K::String, "ClassF", 30, nullptr},
    {K::Integer, "DurableYears", -1, "耐用年限"}, {K::Float, "Weight", -1, "重量(kg)"},
    {K::Float, "Power", -1, "总功率(kw)"}, {K::Float, "Jcoefficient", -1, "机系数"},
    {K::Float, "Dcoefficient", -1, "电系数"}, {K::Float, "Rcoefficient", -1, "热系数"},
    {K::DateTime, "BuyDate", -1, "购置日期"}, {K::String, "ChkAcpt", 20, nullptr},
    {K::String, "Status", 20, nullptr}, {K::String, "UseDeptId", 50, nullptr},
    {K::String, "FixPlace", 50, nullptr}, {K::DateTime, "FactoryDate", -1, "出厂日期"},
    {K::String, "FactoryCode", 50, nullptr}, {K::DateTime, "UseDate", -1, "启用日期"},
    {K::String, "FundSource", 50, nullptr}, {K::String, "Functionary", 20, nullptr},
    {K::Float, "OriginalValue", -1, "设备原值"}, {K::Memo, "Remark", -1, nullptr},
    {K::String, "FinanceType", 20, nullptr}, {K::String, "DepreciationYears", 20, "折旧年限"},
    {K::String, "Str1", 50, nullptr}, {K::String, "Str2", 50, nullptr}, {K::String, "Str3", 50, nullptr},
    {K::String, "Str4", 50, nullptr}, {K::String, "Str5", 50, nullptr}, {K::String, "Str6", 50, nullptr},
    {K::String, "Str7", 50, nullptr}, {K::Float, "Float1", -1, nullptr}, {K::Float, "Float2", -1, nullptr},
    {K::Float, "Float3", -1, nullptr}, {K::Float, "Float4", -1, nullptr}, {K::Float, "Float5", -1, nullptr},
    {K::Float, "Float6", -1, nullptr}, {K::Float, "Float7", -1, nullptr}, {K::Float, "Float8", -1, nullptr},
    {K::Float, "Float9", -1, nullptr}, {K::DateTime, "Date1", -1, nullptr},
    {K::DateTime, "Date2", -1, nullptr}, {K::DateTime, "Date3", -1, nullptr},
    {K::String, "Addman", 30, nullptr}, {K::DateTime, "AddTime", -1, nullptr},
    {K::String, "Paras", 250, nullptr}, {K::Memo, "Configs", -1, ""},
};

bool DefaultVisible(const QString& name) {
    if (name == u"Remark") return false;
    if (name == u"PartNo") return Restrictions.PartnoVisible;
    if (name == u"Manufactory") return Restrictions.FactoryVisible;
    if (name == u"OriginalValue") return Restrictions.ValueVisible;
    return true;
}

// Statement parameters whose names are not the column's.
QString ColumnOfParam(const QString& param) {
    static const QHash<QString, QString> aliases = [] {
        QHash<QString, QString> a{{QStringLiteral("OrgnlVl"), QStringLiteral("OriginalValue")},
                                  {QStringLiteral("Rmrk"), QStringLiteral("Remark")}};
        for (int i = 1; i <= 9; ++i) {
            a.insert(QStringLiteral("S%1").arg(i), QStringLiteral("Str%1").arg(i));
            a.insert(QStringLiteral("F%1").arg(i), QStringLiteral("Float%1").arg(i));
            a.insert(QStringLiteral("D%1").arg(i), QStringLiteral("Date%1").arg(i));
        }
        return a;
    }();
    return aliases.value(param, param);
}

const QString kBasicUpdate = QStringLiteral(
    "update equipments set Code=:Code, EqiName=:EqiName, PartNo=:PartNo, MainCode=:MainCode, ClassA=:ClassA, "
    "ClassB=:ClassB, ClassC=:ClassC, ClassD=:ClassD, ClassE=:ClassE, ClassF=:ClassF, Manufactory=:Manufactory, "
    "FactoryDate=:FactoryDate, FactoryCode=:FactoryCode, UseDeptId=:UseDeptId, Functionary=:Functionary, "
    "FixPlace=:FixPlace, ChkAcpt=:ChkAcpt, Status=:Status, BuyDate=:BuyDate, FundSource=:FundSource, "
    "OriginalValue=:OrgnlVl, UseDate=:UseDate, FinanceType=:FinanceType, DepreciationYears=:DepreciationYears, "
    "DurableYears=:DurableYears where Id=:Id");

const QString kExtendedUpdate = QStringLiteral(
    "update equipments set Paras=:Paras, Weight=:Weight, Power=:Power, Jcoefficient=:Jcoefficient, "
    "Dcoefficient=:Dcoefficient, Rcoefficient=:Rcoefficient, Str1=:S1, Str2=:S2, Str3=:S3, Str4=:S4, Str5=:S5, "
    "Str6=:S6, Str7=:S7, Float1=:F1, Float2=:F2, Float3=:F3, [Float4]=:F4, Float5=:F5, Float6=:F6, Float7=:F7, "
    "[Float8]=:F8, Float9=:F9, Date1=:D1, Date2=:D2, Date3=:D3, Configs=:Configs, Remark=:Rmrk where Id=:Id");

const QString kFullInsert = QStringLiteral(
    "insert into equipments(Id, Code, EqiName, Paras, MainCode, BuyDate, ChkAcpt, Status, DurableYears, Weight, "
    "Power, FinanceType, DepreciationYears, Jcoefficient, Dcoefficient, Rcoefficient, ClassA, ClassB, ClassC, "
    "ClassD, ClassE, ClassF, UseDeptId, FixPlace, Manufactory, PartNo, FactoryDate, FactoryCode, UseDate, "
    "FundSource, Functionary, OriginalValue, Remark, Str1, Str2, Str3, Str4, Str5, Str6, Str7, Float1, Float2, "
    "Float3, [Float4], Float5, Float6, Float7, [Float8], Float9, Date1, Date2, Date3, Addman, AddTime, Configs)"
    "values(:Id, :Code, :EqiName, :Paras, :MainCode, :BuyDate, :ChkAcpt, :Status, :DurableYears, :Weight, "
    ":Power, :FinanceType, :DepreciationYears, :Jcoefficient, :Dcoefficient, :Rcoefficient, :ClassA, :ClassB, "
    ":ClassC, :ClassD, :ClassE, :ClassF, :UseDeptId, :FixPlace, :Manufactory, :PartNo, :FactoryDate, "
    ":FactoryCode, :UseDate, :FundSource, :Functionary, :OrgnlVl, :Rmrk, :S1, :S2, :S3, :S4, :S5, :S6, :S7, "
    ":F1, :F2, :F3, :F4, :F5, :F6, :F7, :F8, :F9, :D1, :D2, :D3, :Addman, :AddTime, :Configs)");

const QString kFullUpdate = QStringLiteral(
    "update equipments set Code=:Code, EqiName=:EqiName, Paras=:Paras, MainCode=:MainCode, "
    "DurableYears=:DurableYears, Weight=:Weight, Power=:Power, FinanceType=:FinanceType, "
    "DepreciationYears=:DepreciationYears, Jcoefficient=:Jcoefficient, Dcoefficient=:Dcoefficient, "
    "Rcoefficient=:Rcoefficient, ClassA=:ClassA, ClassB=:ClassB, ClassC=:ClassC, ClassD=:ClassD, "
    "ClassE=:ClassE, ClassF=:ClassF, BuyDate=:BuyDate, ChkAcpt=:ChkAcpt, Status=:Status, "
    "UseDeptId=:UseDeptId, FixPlace=:FixPlace, Manufactory=:Manufactory, PartNo=:PartNo, "
    "FactoryDate=:FactoryDate, FactoryCode=:FactoryCode, UseDate=:UseDate, FundSource=:FundSource, "
    "Functionary=:Functionary, OriginalValue=:OrgnlVl, Remark=:Rmrk, Str1=:S1, Str2=:S2, Str3=:S3, Str4=:S4, "
    "Str5=:S5, Str6=:S6, Str7=:S7, Float1=:F1, Float2=:F2, Float3=:F3, [Float4]=:F4, Float5=:F5, Float6=:F6, "
    "Float7=:F7, [Float8]=:F8, Float9=:F9, Date1=:D1, Date2=:D2, Date3=:D3, Addman=:Addman, AddTime=:AddTime, "
    "Configs=:Configs where Id=:Id");

// The statements hanging rows are removed with, before the record itself.
const char* const kDependentDeletes[] = {
    "delete from eqifile where EqiId=:EqiId",
    "delete from eqimages where EqiId=:EqiId",
    "delete from accessories where EqiId=:EqiId",
    "delete from equiplogsdl where LogId in (select Id from equiplogs where EquipId=:EqiId)",
    "delete from equiplogs where EquipId=:EqiId",
    "delete from eqievents where EqiId=:EqiId",
    "delete from accidents where AssetId=:EqiId",
    "delete from partuse where RepairId in (select Id from repairs where EqiId=:EqiId)",
    "delete from repairs where EqiId=:EqiId",
    "delete from partuse where CarecordId in (select crId from carecords where crAssetId=:EqiId)",
    "delete from carecords where crAssetId=:EqiId",
    "delete from careitems where ciAssetId=:EqiId",
    "delete from changes where AssetId=:EqiId",
};

} // namespace

TAssetsSet::TAssetsSet() {
    for (const FieldDef& def : kFields) {
        const QString name = QString::fromLatin1(def.name);
        const QString label = def.label ? QString::fromUtf8(def.label) : AssetLabel(name);
        Field* field = AddField(def.kind, name, def.size, DefaultVisible(name), label);
        if (name == u"UseDeptId") AddDeptLookups(Query(), *field);
    }
    IdFld = &Query().FieldByName(QStringLiteral("Id"));
    CodeFld = &Query().FieldByName(QStringLiteral("Code"));
    EqiNameFld = &Query().FieldByName(QStringLiteral("EqiName"));
    PartNoFld = &Query().FieldByName(QStringLiteral("PartNo"));
    ManufactoryFld = &Query().FieldByName(QStringLiteral("Manufactory"));
    AddTimeFld = &Query().FieldByName(QStringLiteral("AddTime"));
}

void TAssetsSet::OpenById(int id) {
    Open(QStringLiteral("select * from equipments where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
}

void TAssetsSet::OpenByWhere(TAssetWhere& where) {
    Open(where.ListSql());
}

void TAssetsSet::FilterByWhere() {
    ::DataSet& data = Query();
    if (!data.Active()) return;
    data.SetFilter(Where.FilterText());
    data.SetFiltered(true);
}

void TAssetsSet::OpenByAccessories(TAccessoriesWhere& where) {
    Open(where.EquipmentSql());
}

TDBParameters TAssetsSet::RowParams(const QString& sql) const {
    static const QRegularExpression marker(QStringLiteral(":(\\w+)"));
    TDBParameters params;
    for (const auto& match : marker.globalMatch(sql)) {
        const QString name = match.captured(1);
        params.append(DBParam(name, Query().FieldByName(ColumnOfParam(name)).Value()));
    }
    return params;
}

QList<const Field*> TAssetsSet::LogFields(std::initializer_list<const char*> names) const {
    QList<const Field*> fields;
    for (const char* name : names) fields.append(&Query().FieldByName(QString::fromLatin1(name)));
    return fields;
}

bool TAssetsSet::AddNew() {
    const auto logged = LogFields({"Id", "Code", "EqiName", "PartNo", "Manufactory"});
    try {
        AddTimeFld->SetAsDateTime(DB.ServerNow());
        int rows = 0;
        DB.InsertNewKey(QStringLiteral("equipments"), QStringLiteral("Id"), [&](int key) {
            IdFld->SetAsInteger(key);
            return DB.ExecSQL(
                QStringLiteral("insert into equipments(Id, Code, EqiName, PartNo, Manufactory, Addman, AddTime)"
                               "values(:Id,:Code,:EqiName,:PartNo,:Manufactory,:Addman,:AddTime)"),
                {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("Code"), CodeFld->Value()),
                 DBParam(QStringLiteral("EqiName"), EqiNameFld->Value()),
                 DBParam(QStringLiteral("PartNo"), PartNoFld->Value()),
                 DBParam(QStringLiteral("Manufactory"), ManufactoryFld->Value()),
                 DBParam(QStringLiteral("Addman"), CurrentOperator.LoginId),
                 DBParam(QStringLiteral("AddTime"), AddTimeFld->Value())});
        }, &rows);
        Query().FieldByName(QStringLiteral("Addman")).SetAsString(CurrentOperator.LoginId);
        WriteOperatorLogFor(TLogAction::AddAsset, rows == 1, logged);
        return rows == 1;
    } catch (const Exception& e) {
        WriteOperatorLog(TLogAction::AddAsset, e.Message(), TLogResult::Exception, logged);
        ShowInfo(e.Message());
        return false;
    }
}

bool TAssetsSet::SaveBasic() {
    return SaveLogged(kBasicUpdate, BasicLogFields(), TLogAction::EditBasic);
}

bool TAssetsSet::SaveExtended() {
    return SaveLogged(kExtendedUpdate, ExtendedLogFields(), TLogAction::EditExtended);
}

bool TAssetsSet::SaveLogged(const QString& updateSql, const QStringList& logFields, TLogAction action) {
    Query().UpdateRecord();
    const auto logged = LogFields({"Id", "Code", "EqiName", "PartNo"});
    TEquiploger logger;
    try {
        DB.BeginTrans();
        logger.Start(IdFld->AsInteger());
        logger.LogChanges(Query(), logFields);
        const int rows = DB.ExecSQL(updateSql, RowParams(updateSql));
        WriteOperatorLogFor(action, rows == 1, logged);
        DB.CommitTrans();
        return rows == 1;
    } catch (const Exception& e) {
        if (DB.InTransaction()) DB.RollbackTrans();
        WriteOperatorLog(action, e.Message(), TLogResult::Exception, logged);
        ShowInfo(e.Message());
        return false;
    }
}

bool TAssetsSet::SaveAll() {
    ::DataSet& data = Query();
    if (data.Editing()) data.UpdateRecord();
    else data.Edit();
    int rows = 0;
    if (IdFld->AsInteger() != 0) {
        rows = DB.ExecSQL(kFullUpdate, RowParams(kFullUpdate));
    } else {
        data.FieldByName(QStringLiteral("Addman")).SetAsString(CurrentOperator.LoginId);
        AddTimeFld->SetAsDateTime(DB.ServerNow());
        DB.InsertNewKey(QStringLiteral("equipments"), QStringLiteral("Id"), [&](int key) {
            IdFld->SetAsInteger(key);
            return DB.ExecSQL(kFullInsert, RowParams(kFullInsert));
        }, &rows);
    }
    data.Post();
    return rows == 1;
}

bool TAssetsSet::DeleteCurrent() {
    const auto logged = LogFields({"Id", "Code", "EqiName", "PartNo", "Manufactory"});
    const int id = IdFld->AsInteger();
    try {
        DB.BeginTrans();
        for (const char* sql : kDependentDeletes)
            DB.Execute(QString::fromLatin1(sql), {DBParam(QStringLiteral("EqiId"), id)});
        const int rows = DB.ExecSQL(QStringLiteral("delete from equipments where Id=:Id"),
                                    {DBParam(QStringLiteral("Id"), id)});
        WriteOperatorLogFor(TLogAction::DeleteAsset, rows == 1, logged);
        DB.CommitTrans();
        if (rows == 1) Query().Delete();
        return rows == 1;
    } catch (const Exception& e) {
        if (DB.InTransaction()) DB.RollbackTrans();
        WriteOperatorLog(TLogAction::DeleteAsset, e.Message(), TLogResult::Exception, logged);
        ShowInfo(e.Message());
        return false;
    }
}

void TAssetsSet::GetAssetData(TAssetData& data) const {
    const auto text = [this](const char* name) {
        return Query().FieldByName(QString::fromLatin1(name)).AsString();
    };
    data.Id = IdFld->AsInteger();
    data.Code = text("Code");
    data.EqiName = text("EqiName");
    data.PartNo = text("PartNo");
    data.ClassA = text("ClassA");
    data.ClassB = text("ClassB");
    data.ClassC = text("ClassC");
    data.ClassD = text("ClassD");
    data.ClassE = text("ClassE");
    data.ClassF = text("ClassF");
    data.UseDeptId = text("UseDeptId");
    data.UseDeptName = text("UseDeptName");
    data.UseDeptPath = text("UseDeptPath");
    data.FixPlace = text("FixPlace");
    data.Status = text("Status");
    data.Functionary = text("Functionary");
    data.ChkAcpt = text("ChkAcpt");
}

TAssetData TAssetsSet::AssetData() const {
    TAssetData data;
    GetAssetData(data);
    return data;
}

bool TAssetsSet::CanEdit() const {
    if (!CurrentOperator.HasRight(119)) return false;
    if (!Restrictions.DayEdit) return true;
    const QDateTime added = AddTimeFld->AsDateTime();
    return added.isValid() && qAbs(added.secsTo(QDateTime::currentDateTime())) < 24 * 60 * 60;
}

const QStringList& TAssetsSet::BasicLogFields() {
    static const QStringList names = QStringLiteral(
        "Code EqiName MainCode DurableYears BuyDate ChkAcpt Status UseDeptPath FixPlace Manufactory PartNo "
        "FactoryDate FactoryCode UseDate FundSource Functionary OriginalValue DepreciationYears FinanceType "
        "ClassA ClassB ClassC ClassD ClassE ClassF").split(u' ');
    return names;
}

const QStringList& TAssetsSet::ExtendedLogFields() {
    static const QStringList names = QStringLiteral(
        "Paras Configs Weight Power Jcoefficient Dcoefficient Rcoefficient Str1 Str2 Str3 Str4 Str5 Str6 "
        "Float1 Float2 Float3 Float4 Float5 Float6 Float7 Float8 Float9 Date1 Date2 Date3").split(u' ');
    return names;
}

bool CheckCodePrefix(const QString& code) {
    if (Restrictions.CodePrefix.isEmpty() || code.startsWith(Restrictions.CodePrefix)) return true;
    ShowInfo(QStringLiteral("编码不符合要求."));
    return false;
}
