#include "RepairSet.h"

#include "data/RecordSet.h"
#include "data/jtLib.h"
#include "equipment/AssetLabels.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptFld.h"
#include "platform/Exceptions.h"

namespace {

const QString kSelect = QStringLiteral(
    "select r.Id, e.Id as AssetId, e.Code as AssetCode, e.EqiName as AssetName, e.Partno as AssetPartno, "
    "e.Manufactory as AssetManufactory, e.UseDeptId, e.Fixplace as AssetFixplace, "
    "e.Functionary as AssetFunctionary, e.Status as AssetStatus, e.Chkacpt as AssetChkacpt, "
    "e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC, e.ClassD as AssetClassD, "
    "e.ClassE as AssetClassE, e.ClassF as AssetClassF, r.SendDate as RepairSendDate, "
    "r.Trouble as RepairTrouble, r.RepairDate, r.RepairClass, r.RepairFactory, r.Repairmans, "
    "r.RepairDetails, r.RepairCost, r.RepairHours, r.Handman as RepairHandman, "
    "r.Sanctionman as RepairSanctionman, r.SancTime as RepairSanctime, "
    "r.SancOpinions as RepairSancopinions, r.Remark as RepairRemark "
    "from equipments e, Repairs r where e.Id=r.EqiId ");

const QString kInsert = QStringLiteral(
    "insert into repairs( Id, EqiId, SendDate, Trouble, Handman, Sanctionman, Repairdate, RepairClass, "
    "RepairFactory, Repairmans, RepairDetails, RepairCost, RepairHours, Remark )values(:Id,:EqiId,"
    ":SendDate,:Trouble,:Handman,:Sanctionman,:Repairdate,:RepairClass,:RepairFactory,:Repairmans,"
    ":RepairDetails,:RepairCost,:RepairHours,:Remark )");

const QString kUpdate = QStringLiteral(
    "update repairs set EqiId=:EqiId, SendDate=:SendDate, Trouble=:Trouble, Handman=:Handman, "
    "Sanctionman=:Sanctionman, Repairdate=:Repairdate, RepairClass=:RepairClass, "
    "RepairFactory=:RepairFactory, Repairmans=:Repairmans, RepairDetails=:RepairDetails, "
    "RepairCost=:RepairCost, RepairHours=:RepairHours, Remark=:Remark where Id=:Id");

// Statement parameter and the row field it takes its value from.
const std::pair<const char*, const char*> kWritten[] = {
    {"EqiId", "AssetId"},          {"SendDate", "RepairSendDate"},   {"Trouble", "RepairTrouble"},
    {"Handman", "RepairHandman"},  {"Sanctionman", "RepairSanctionman"}, {"Repairdate", "RepairDate"},
    {"RepairClass", "RepairClass"}, {"RepairFactory", "RepairFactory"}, {"Repairmans", "Repairmans"},
    {"RepairDetails", "RepairDetails"}, {"RepairCost", "RepairCost"}, {"RepairHours", "RepairHours"},
    {"Remark", "RepairRemark"}};

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    const char* labelOf;  // the ledger column whose title it shows; null for none
    const char* label;
    bool visible = true;
};

// In this order; the department lookups follow UseDeptId.
const FieldDef kFields[] = {
    {K::Integer, "Id", 0, nullptr, ""},
    {K::Integer, "AssetId", 0, nullptr, "", false},
    {K::String, "AssetCode", 50, "Code", nullptr},
    {K::String, "AssetName", 50, "EqiName", nullptr},
    {K::String, "AssetPartno", 50, "PartNo", nullptr},
    {K::String, "AssetManufactory", 50, nullptr, "制造厂家"},
    {K::String, "UseDeptId", 50, "UseDeptId", nullptr},
    {K::String, "AssetFixplace", 50, nullptr, "安装地点"},
    {K::String, "AssetFunctionary", 50, nullptr, "操作员"},
    {K::String, "AssetStatus", 50, nullptr, "设备状况"},
    {K::String, "AssetChkacpt", 50, nullptr, "验收情况"},
    {K::String, "AssetClassA", 50, "ClassA", nullptr},
    {K::String, "AssetClassB", 50, "ClassB", nullptr},
    {K::String, "AssetClassC", 50, "ClassC", nullptr},
    {K::String, "AssetClassD", 50, "ClassD", nullptr},
    {K::String, "AssetClassE", 50, "ClassE", nullptr},
    {K::String, "AssetClassF", 50, "ClassF", nullptr},
    {K::DateTime, "RepairSendDate", 0, nullptr, "送修日期"},
    {K::Memo, "RepairTrouble", 0, nullptr, "故障描述"},
    {K::DateTime, "RepairDate", 0, nullptr, "修复日期"},
    {K::String, "RepairClass", 20, nullptr, "维修类别"},
    {K::String, "RepairFactory", 50, nullptr, "维修厂商"},
    {K::String, "Repairmans", 50, nullptr, "维修人员"},
    {K::Memo, "RepairDetails", 0, nullptr, "维修描述"},
    {K::Float, "RepairCost", 0, nullptr, "维修费用"},
    {K::Float, "RepairHours", 0, nullptr, "维修工时"},
    {K::String, "RepairHandman", 20, nullptr, "申请人"},
    {K::String, "RepairSanctionman", 20, nullptr, "批准人"},
    {K::Memo, "RepairSancopinions", 0, nullptr, "批准意见"},
    {K::DateTime, "RepairSancTime", 0, nullptr, "批准时间"},
    {K::String, "RepairRemark", 250, nullptr, "维修备注"},
};

QString LabelOf(const FieldDef& def) {
    if (def.labelOf) return AssetLabel(QString::fromLatin1(def.labelOf));
    return QString::fromUtf8(def.label);
}

QVariant DayOf(const QDate& date) {
    return date.isValid() ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant();
}

} // namespace

TRepairSet::TRepairSet() {
    for (const FieldDef& def : kFields) {
        const QString name = QString::fromLatin1(def.name);
        Field* field = AddField(def.kind, name, def.kind == K::String ? def.size : -1, def.visible, LabelOf(def));
        if (name == u"UseDeptId") AddDeptLookups(Query(), *field);
    }
    const auto field = [this](const char* name) { return &Query().FieldByName(QString::fromLatin1(name)); };
    IdFld = field("Id");
    AssetIdFld = field("AssetId");
    RepairSendDateFld = field("RepairSendDate");
    RepairTroubleFld = field("RepairTrouble");
    RepairDateFld = field("RepairDate");
    RepairClassFld = field("RepairClass");
    RepairFactoryFld = field("RepairFactory");
    RepairmansFld = field("Repairmans");
    RepairDetailsFld = field("RepairDetails");
    RepairCostFld = field("RepairCost");
    RepairHoursFld = field("RepairHours");
    RepairHandmanFld = field("RepairHandman");
    RepairSanctionmanFld = field("RepairSanctionman");
    RepairRemarkFld = field("RepairRemark");
}

int TRepairSet::Search(TRepairWhere& where) {
    return Open(kSelect + where.Conditions());
}

bool TRepairSet::OpenById(int id) {
    TRepairWhere where;
    where.IdFld->SetAsInteger(id);
    return Search(where) == 1;
}

TDBParameters TRepairSet::RowParams() const {
    TDBParameters params;
    for (const auto& [param, field] : kWritten)
        params.append(DBParam(QString::fromLatin1(param), Query().FieldByName(QString::fromLatin1(field)).Value()));
    return params;
}

bool TRepairSet::Insert() {
    CommitEdits();
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("repairs"), QStringLiteral("Id"), [this](int id) {
        return Database().ExecSQL(kInsert, RowParams() << DBParam(QStringLiteral("Id"), id));
    }, &rows);
    if (rows == 1) IdFld->SetAsInteger(key);
    return rows == 1;
}

bool TRepairSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("Id"), IdFld->Value())) == 1;
}

bool TRepairSet::Delete() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty() || data.Editing()) return false;
    const QVariant id = IdFld->Value();
    // One transaction: a repair that stays must keep its spare-part lines.
    TransactionGuard guard(Database());
    Database().ExecSQL(QStringLiteral("delete from partuse where RepairId=:RepairId"),
                       {DBParam(QStringLiteral("RepairId"), id)});
    const int rows = Database().ExecSQL(QStringLiteral("delete from repairs where Id=:Id"),
                                        {DBParam(QStringLiteral("Id"), id)});
    if (rows != 1) return false;
    guard.Commit();
    data.Delete();
    return true;
}

int TRepairSet::Neighbour(const char* whenOpen, const char* whenClosed) {
    const ::DataSet& data = Query();
    if (data.Active() && !data.IsEmpty()) {
        ScratchSet.Open(QString::fromLatin1(whenOpen), {DBParam(QStringLiteral("Id"), IdFld->Value()),
                                                        DBParam(QStringLiteral("AssetId"), AssetIdFld->Value())});
    } else {
        ScratchSet.Open(QString::fromLatin1(whenClosed));
    }
    const ::DataSet& result = ScratchSet.DataSet();
    return result.IsEmpty() || result.Fields(0).IsNull() ? 0 : result.Fields(0).AsInteger();
}

int TRepairSet::PriorId() {
    return Neighbour("select max(Id) from repairs where Id<:Id and EqiId=:AssetId", "select min(Id) from repairs");
}

int TRepairSet::NextId() {
    return Neighbour("select min(Id) from repairs where Id>:Id and EqiId=:AssetId", "select max(Id) from repairs");
}

TRepairData TRepairSet::GetData() const {
    TRepairData d;
    d.SendDate = RepairSendDateFld->AsDateTime().date();
    d.Trouble = RepairTroubleFld->AsString();
    d.Handman = RepairHandmanFld->AsString();
    d.Sanctionman = RepairSanctionmanFld->AsString();
    if (!RepairDateFld->IsNull()) d.RepairDate = RepairDateFld->AsDateTime().date();
    d.RepairClass = RepairClassFld->AsString();
    d.RepairFactory = RepairFactoryFld->AsString();
    d.Repairmans = RepairmansFld->AsString();
    d.RepairDetails = RepairDetailsFld->AsString();
    d.RepairCost = RepairCostFld->AsFloat();
    d.RepairHours = RepairHoursFld->AsFloat();
    d.Remark = RepairRemarkFld->AsString();
    return d;
}

void TRepairSet::SetData(const TRepairData& d) {
    RepairSendDateFld->SetValue(DayOf(d.SendDate));
    RepairTroubleFld->SetAsString(d.Trouble);
    RepairHandmanFld->SetAsString(d.Handman);
    RepairSanctionmanFld->SetAsString(d.Sanctionman);
    RepairDateFld->SetValue(d.RepairDate.isNull() ? QVariant() : DayOf(d.RepairDate.toDate()));
    RepairClassFld->SetAsString(d.RepairClass);
    RepairFactoryFld->SetAsString(d.RepairFactory);
    RepairmansFld->SetAsString(d.Repairmans);
    RepairDetailsFld->SetAsString(d.RepairDetails);
    RepairCostFld->SetAsFloat(d.RepairCost);
    RepairHoursFld->SetAsFloat(d.RepairHours);
    RepairRemarkFld->SetAsString(d.Remark);
}

TAssetData TRepairSet::GetAssetData() const {
    const auto text = [this](const char* name) { return Query().FieldByName(QString::fromLatin1(name)).AsString(); };
    TAssetData asset;
    asset.Id = AssetIdFld->AsInteger();
    asset.Code = text("AssetCode");
    asset.EqiName = text("AssetName");
    asset.PartNo = text("AssetPartno");
    asset.UseDeptId = text("UseDeptId");
    asset.UseDeptName = text("UseDeptName");
    asset.UseDeptPath = text("UseDeptPath");
    asset.FixPlace = text("AssetFixplace");
    asset.Status = text("AssetStatus");
    asset.ChkAcpt = text("AssetChkacpt");
    asset.ClassA = text("AssetClassA");
    asset.ClassB = text("AssetClassB");
    asset.ClassC = text("AssetClassC");
    asset.ClassD = text("AssetClassD");
    asset.ClassE = text("AssetClassE");
    asset.ClassF = text("AssetClassF");
    return asset;
}

void TRepairSet::SetAssetData(const TAssetData& asset) {
    const auto set = [this](const char* name, const QString& value) {
        Query().FieldByName(QString::fromLatin1(name)).SetAsString(value);
    };
    AssetIdFld->SetAsInteger(asset.Id);
    set("AssetCode", asset.Code);
    set("AssetName", asset.EqiName);
    set("AssetPartno", asset.PartNo);
    // The department's name and path are lookups on its code.
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

bool TRepairSet::Save(bool isNew, const TAssetData& asset, const TRepairData& d) {
    ::DataSet& data = Query();
    // A list whose search failed is closed; the new repair still gets a row to show it in.
    if (!data.Active()) data.CreateDataSet();
    if (isNew) data.Append();
    else data.Edit();
    SetAssetData(asset);
    SetData(d);
    bool saved = false;
    try {
        saved = isNew ? Insert() : Update();
    } catch (...) {
        data.Cancel();
        throw;
    }
    if (saved) data.Post();
    else data.Cancel();
    return saved;
}
