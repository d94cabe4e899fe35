#include "AccidentSet.h"

#include "AccidentLabels.h"
#include "data/jtLib.h"
#include "equipment/AssetLabels.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptFld.h"
#include "platform/Exceptions.h"

namespace {

const QString kSelect = QStringLiteral(
    "select a.*, e.Id as AssetId, e.Code as AssetCode, e.EqiName as AssetName, e.Partno as AssetPartno, "
    "e.Manufactory as AssetManufactory, e.UseDeptId, e.Fixplace as AssetFixplace, "
    "e.Functionary as AssetFunctionary, e.Status as AssetStatus, e.Chkacpt as AssetChkacpt, "
    "e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC, e.ClassD as AssetClassD, "
    "e.ClassE as AssetClassE, e.ClassF as AssetClassF from equipments e, accidents a where e.Id=a.AssetId ");

const QString kInsert = QStringLiteral(
    "insert into accidents(Id, AssetId,  AccDate, AccDept, AccClass, AccProp,  AccMoney, AccBrief, Invests, "
    "Summery )values(:Id, :AssetId, :AccDate,:AccDept,:AccClass,:AccProp, :AccMoney,:AccBrief,:Invests,"
    ":Summery )");

const QString kUpdate = QStringLiteral(
    "update accidents set AssetId=:AssetId, AccDate=:AccDate, AccDept=:AccDept, AccClass=:AccClass, "
    "AccProp=:AccProp, AccMoney=:AccMoney, AccBrief=:AccBrief, Invests=:Invests, Summery=:Summery "
    "where Id=:Id");

const char* const kWritten[] = {"AssetId", "AccDate", "AccDept", "AccClass", "AccProp",
                                "AccMoney", "AccBrief", "Invests", "Summery"};

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    const char* labelOf;  // the ledger column whose title it shows; null for none
    const char* label;
};

// In this order; the department lookups follow UseDeptId.
const FieldDef kFields[] = {
    {K::Integer, "Id", nullptr, ""},
    {K::Integer, "AssetId", nullptr, ""},
    {K::String, "AssetCode", "Code", nullptr},
    {K::String, "AssetName", "EqiName", nullptr},
    {K::String, "AssetPartno", "PartNo", nullptr},
    {K::String, "UseDeptId", "UseDeptId", nullptr},
    {K::String, "AssetFixplace", nullptr, "安装地点"},
    {K::String, "AssetFunctionary", nullptr, "操作员"},
    {K::String, "AssetStatus", nullptr, "设备状况"},
    {K::String, "AssetChkacpt", nullptr, "验收情况"},
    {K::String, "AssetClassA", "ClassA", nullptr},
    {K::String, "AssetClassB", "ClassB", nullptr},
    {K::String, "AssetClassC", "ClassC", nullptr},
    {K::String, "AssetClassD", "ClassD", nullptr},
    {K::String, "AssetClassE", "ClassE", nullptr},
    {K::String, "AssetClassF", "ClassF", nullptr},
    {K::DateTime, "AccDate", nullptr, nullptr},
    {K::String, "AccDept", nullptr, nullptr},
    {K::String, "AccClass", nullptr, nullptr},
    {K::Memo, "AccBrief", nullptr, nullptr},
    {K::Memo, "Invests", nullptr, nullptr},
    {K::String, "AccProp", nullptr, nullptr},
    {K::Float, "AccMoney", nullptr, nullptr},
    {K::Memo, "Summery", nullptr, nullptr},
};

QString LabelOf(const FieldDef& def) {
    if (def.labelOf) return AssetLabel(QString::fromLatin1(def.labelOf));
    if (def.label) return QString::fromUtf8(def.label);
    return AccidentLabel(QString::fromLatin1(def.name));
}

} // namespace

TAccidentSet::TAccidentSet() {
    for (const FieldDef& def : kFields) {
        const QString name = QString::fromLatin1(def.name);
        const int size = def.kind == K::String ? 50 : -1;
        Field* field = AddField(def.kind, name, size, true, LabelOf(def));
        if (name == u"UseDeptId") AddDeptLookups(Query(), *field);
    }
    const auto field = [this](const char* name) { return &Query().FieldByName(QString::fromLatin1(name)); };
    IdFld = field("Id");
    AssetIdFld = field("AssetId");
    AssetCodeFld = field("AssetCode");
    AccDateFld = field("AccDate");
    AccDeptFld = field("AccDept");
    AccClassFld = field("AccClass");
    AccBriefFld = field("AccBrief");
    InvestsFld = field("Invests");
    AccPropFld = field("AccProp");
    AccMoneyFld = field("AccMoney");
    SummeryFld = field("Summery");
}

int TAccidentSet::Search(TAccidentWhere& where) {
    return Open(kSelect + where.Conditions());
}

TDBParameters TAccidentSet::RowParams() const {
    TDBParameters params;
    for (const char* name : kWritten) {
        const QString field = QString::fromLatin1(name);
        params.append(DBParam(field, Query().FieldByName(field).Value()));
    }
    return params;
}

bool TAccidentSet::Insert() {
    CommitEdits();
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("accidents"), QStringLiteral("Id"), [this](int id) {
        return Database().ExecSQL(kInsert, RowParams() << DBParam(QStringLiteral("Id"), id));
    }, &rows);
    if (rows == 1) IdFld->SetAsInteger(key);
    return rows == 1;
}

bool TAccidentSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("Id"), IdFld->Value())) == 1;
}

bool TAccidentSet::Delete() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty() || data.Editing()) return false;
    const int rows = Database().ExecSQL(QStringLiteral("delete from accidents where Id=:Id"),
                                        {DBParam(QStringLiteral("Id"), IdFld->Value())});
    if (rows != 1) return false;
    data.Delete();
    return true;
}

void TAccidentSet::SetAssetData(const TAssetData& asset) {
    const auto set = [this](const char* name, const QString& value) {
        Query().FieldByName(QString::fromLatin1(name)).SetAsString(value);
    };
    AssetIdFld->SetAsInteger(asset.Id);
    set("AssetCode", asset.Code);
    set("AssetName", asset.EqiName);
    set("AssetPartno", asset.PartNo);
    set("UseDeptId", asset.UseDeptId);
    set("AssetFixplace", asset.FixPlace);
    set("AssetStatus", asset.Status);
    set("AssetChkacpt", asset.ChkAcpt);
    set("AssetClassA", asset.ClassA);
    set("AssetClassB", asset.ClassB);
    set("AssetClassC", asset.ClassC);
    set("AssetClassD", asset.ClassD);
    set("AssetClassE", asset.ClassE);
    set("AssetClassF", asset.ClassF);
}

void TAccidentSet::SetInput(const TAccidentInput& input) {
    AccDateFld->SetValue(input.AccDate.isValid() ? QVariant(QDateTime(input.AccDate, QTime(0, 0)))
                                                 : QVariant());
    AccDeptFld->SetAsString(input.AccDept);
    AccClassFld->SetAsString(input.AccClass);
    AccPropFld->SetAsString(input.AccProp);
    AccMoneyFld->SetAsFloat(input.AccMoney);
    AccBriefFld->SetAsString(input.AccBrief);
    InvestsFld->SetAsString(input.Invests);
    SummeryFld->SetAsString(input.Summery);
}

TAccidentInput TAccidentSet::Input() const {
    TAccidentInput input;
    input.AccDate = AccDateFld->AsDateTime().date();
    input.AccDept = AccDeptFld->AsString();
    input.AccClass = AccClassFld->AsString();
    input.AccProp = AccPropFld->AsString();
    input.AccMoney = AccMoneyFld->AsFloat();
    input.AccBrief = AccBriefFld->AsString();
    input.Invests = InvestsFld->AsString();
    input.Summery = SummeryFld->AsString();
    return input;
}

bool TAccidentSet::Save(bool isNew, const TAssetData& asset, const TAccidentInput& input) {
    ::DataSet& data = Query();
    // A list whose search failed is closed; the new accident still gets a row to show it in.
    if (!data.Active()) data.CreateDataSet();
    if (isNew) data.Append();
    else data.Edit();
    SetAssetData(asset);
    SetInput(input);
    bool saved = false;
    try {
        saved = isNew ? Insert() : Update();
        // Only an accident deleted at another workstation updates no row.
        if (!saved && !isNew) ShowInfo(QStringLiteral("保存失败, 该事故记录已被删除."));
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
    if (saved) data.Post();
    else data.Cancel();
    return saved;
}
