#include "ChangesSet.h"

#include "admin/Operator.h"
#include "data/jtLib.h"
#include "equipment/AssetLabels.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptFld.h"
#include "platform/Exceptions.h"

namespace {

const QString kSelect = QStringLiteral(
    "select m.*, e.Id as AssetId, e.Code as AssetCode, e.EqiName as AssetName, e.Partno as AssetPartno, "
    "e.Manufactory as AssetManufactory, e.UseDeptId, e.Fixplace as AssetFixplace, "
    "e.Functionary as AssetFunctionary, e.Status as AssetStatus, e.Chkacpt as AssetChkacpt, "
    "e.ClassA as AssetClassA, e.ClassB as AssetClassB, e.ClassC as AssetClassC, e.ClassD as AssetClassD, "
    "e.ClassE as AssetClassE, e.ClassF as AssetClassF from equipments e, changes m where e.Id=m.AssetId ");

const QString kInsert = QStringLiteral(
    "insert into changes(Id, AssetId, ChgDate, ChgReason, ItmLabel, ItmValue1, ItmValue2, FldIdx, FldValue1, "
    "FldValue2, Chgman, Billman, BillTime, Remarks, Sanctionman)values(:Id, :AssetId, :ChgDate, :ChgReason, "
    ":ItmLabel, :ItmValue1, :ItmValue2, :FldIdx, :FldValue1, :FldValue2, :Chgman, :Billman, :BillTime, "
    ":Remarks, null)");

const QString kUpdate = QStringLiteral(
    "update changes set AssetId=:AssetId, ChgDate=:ChgDate, ChgReason=:ChgReason, ItmLabel=:ItmLabel, "
    "ItmValue1=:ItmValue1, ItmValue2=:ItmValue2, FldIdx=:FldIdx, FldValue1=:FldValue1, FldValue2=:FldValue2, "
    "Chgman=:Chgman, Billman=:Billman, BillTime=:BillTime, Remarks=:Remarks where Id=:Id");

const char* const kWritten[] = {"AssetId", "ChgDate", "ChgReason", "ItmLabel", "ItmValue1", "ItmValue2",
                                "FldIdx", "FldValue1", "FldValue2", "Chgman", "Billman", "Remarks"};

// Per item: the equipment column and the field of the joined row that shows it.
const char* const kColumns[] = {"UseDeptId", "Status", "FixPlace", "Functionary", "ChkAcpt"};
const char* const kShownColumns[] = {"UseDeptId", "AssetStatus", "AssetFixplace", "AssetFunctionary",
                                     "AssetChkacpt"};
constexpr int kItemCount = 5;

constexpr int kApplyRight = 102;

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    bool visible;
    const char* labelOf;  // the ledger column whose title it shows; null for none
    const char* label;
};

// In this order; the department lookups follow UseDeptId.
const FieldDef kFields[] = {
    {K::Integer, "Id", 0, true, nullptr, ""},
    {K::Integer, "AssetId", 0, true, nullptr, ""},
    {K::String, "AssetCode", 50, true, "Code", nullptr},
    {K::String, "AssetName", 50, true, "EqiName", nullptr},
    {K::String, "AssetPartno", 50, true, "PartNo", nullptr},
    {K::String, "AssetManufactory", 50, true, nullptr, "制造厂家"},
    {K::String, "UseDeptId", 50, true, "UseDeptId", nullptr},
    {K::String, "AssetFixplace", 50, true, "FixPlace", nullptr},
    {K::String, "AssetFunctionary", 50, true, "Functionary", nullptr},
    {K::String, "AssetStatus", 50, true, "Status", nullptr},
    {K::String, "AssetChkacpt", 50, true, "ChkAcpt", nullptr},
    {K::String, "AssetClassA", 50, true, "ClassA", nullptr},
    {K::String, "AssetClassB", 50, true, "ClassB", nullptr},
    {K::String, "AssetClassC", 50, true, "ClassC", nullptr},
    {K::String, "AssetClassD", 50, true, "ClassD", nullptr},
    {K::String, "AssetClassE", 50, true, "ClassE", nullptr},
    {K::String, "AssetClassF", 50, true, "ClassF", nullptr},
    {K::DateTime, "ChgDate", 0, true, nullptr, "申请日期"},
    {K::String, "ChgReason", 50, true, nullptr, "变更理由"},
    {K::String, "ItmLabel", 50, true, nullptr, "变更项目"},
    {K::String, "ItmValue1", 50, true, nullptr, "变更前"},
    {K::String, "ItmValue2", 50, true, nullptr, "变更后"},
    {K::Integer, "FldIdx", 0, false, nullptr, ""},
    {K::String, "FldValue1", 50, false, nullptr, ""},
    {K::String, "FldValue2", 50, false, nullptr, ""},
    {K::String, "Chgman", 50, true, nullptr, "申请人"},
    {K::String, "Billman", 50, true, nullptr, "制单人"},
    {K::DateTime, "BillTime", 0, true, nullptr, "制单时间"},
    {K::String, "Sanctionman", 50, true, nullptr, "批准人"},
    {K::DateTime, "SanctionTime", 0, true, nullptr, "批准时间"},
    {K::String, "Remarks", 250, true, nullptr, "备注"},
};

QString LabelOf(const FieldDef& def) {
    if (def.labelOf) return AssetLabel(QString::fromLatin1(def.labelOf));
    return QString::fromUtf8(def.label);
}

QVariant TextOrNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// The equipment column a request changes.
QString ChangeColumn(int fldIdx) {
    if (fldIdx < 0 || fldIdx >= kItemCount) throw Exception(QStringLiteral("无效的变更项目"));
    return QString::fromLatin1(kColumns[fldIdx]);
}

} // namespace

TChangesSet::TChangesSet() {
    for (const FieldDef& def : kFields) {
        const QString name = QString::fromLatin1(def.name);
        Field* field = AddField(def.kind, name, def.kind == K::String ? def.size : -1, def.visible, LabelOf(def));
        if (name == u"UseDeptId") AddDeptLookups(Query(), *field);
    }
    const auto field = [this](const char* name) { return &Query().FieldByName(QString::fromLatin1(name)); };
    IdFld = field("Id");
    AssetIdFld = field("AssetId");
    AssetCodeFld = field("AssetCode");
    ChgDateFld = field("ChgDate");
    ChgReasonFld = field("ChgReason");
    ItmLabelFld = field("ItmLabel");
    ItmValue1Fld = field("ItmValue1");
    ItmValue2Fld = field("ItmValue2");
    FldIdxFld = field("FldIdx");
    FldValue1Fld = field("FldValue1");
    FldValue2Fld = field("FldValue2");
    ChgmanFld = field("Chgman");
    BillmanFld = field("Billman");
    BillTimeFld = field("BillTime");
    SanctionmanFld = field("Sanctionman");
    SanctionTimeFld = field("SanctionTime");
    RemarksFld = field("Remarks");
}

int TChangesSet::Search(TChangeWhere& where) {
    return Open(kSelect + where.Conditions());
}

bool TChangesSet::HasCurrent() const {
    const ::DataSet& data = Query();
    return data.Active() && !data.IsEmpty();
}

bool TChangesSet::Approved() const {
    return HasCurrent() && !SanctionmanFld->AsString().isEmpty();
}

TDBParameters TChangesSet::RowParams() const {
    TDBParameters params;
    for (const char* name : kWritten) {
        const QString field = QString::fromLatin1(name);
        params.append(DBParam(field, Query().FieldByName(field).Value()));
    }
    return params;
}

bool TChangesSet::Insert() {
    CommitEdits();
    BillTimeFld->SetAsDateTime(Database().ServerNow());
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("changes"), QStringLiteral("Id"), [this](int id) {
        return Database().ExecSQL(kInsert, RowParams() << DBParam(QStringLiteral("BillTime"), BillTimeFld->Value())
                                                       << DBParam(QStringLiteral("Id"), id));
    }, &rows);
    if (rows == 1) IdFld->SetAsInteger(key);
    return rows == 1;
}

bool TChangesSet::Update() {
    CommitEdits();
    BillTimeFld->SetAsDateTime(Database().ServerNow());
    return Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("BillTime"), BillTimeFld->Value())
                                                   << DBParam(QStringLiteral("Id"), IdFld->Value())) == 1;
}

bool TChangesSet::CanEdit() {
    if (!HasCurrent()) return false;
    if (Approved()) {
        ShowInfo(QStringLiteral("变更已批准生效,记录不允许修改"));
        return false;
    }
    if (BillmanFld->AsString() != CurrentOperator.LoginId) {
        ShowInfo(QStringLiteral("您没有权限修改他人编制的申请记录"));
        return false;
    }
    return CurrentOperator.CheckRight(kApplyRight, false);
}

bool TChangesSet::Delete() {
    if (!CurrentOperator.CheckRight(kApplyRight, false)) return false;
    if (!HasCurrent() || Query().Editing()) return false;
    if (Approved()) {
        ShowInfo(QStringLiteral("变更已批准生效,记录不允许删除"));
        return false;
    }
    if (BillmanFld->AsString() != CurrentOperator.LoginId) {
        ShowInfo(QStringLiteral("您没有权限删除他人编制的申请记录"));
        return false;
    }
    if (!ConfirmDelete()) return false;
    const int rows = Database().ExecSQL(QStringLiteral("delete from changes where Id=:Id"),
                                        {DBParam(QStringLiteral("Id"), IdFld->Value())});
    if (rows != 1) return false;
    Query().Delete();
    return true;
}

bool TChangesSet::Approve(bool approve) {
    if (!HasCurrent()) return false;
    if (!approve && SanctionmanFld->AsString() != CurrentOperator.LoginId) {
        ShowInfo(QStringLiteral("您不能取消其他人批准的记录"));
        return false;
    }
    QDateTime stamp;
    try {
        TransactionGuard transaction(Database());
        if (approve) stamp = Database().ServerNow();
        WriteApproval(approve, stamp);
        transaction.Commit();
    } catch (const Exception& e) {
        // The guard has rolled back: the machine and the request are as they were.
        ShowInfo(e.Message());
        return false;
    }
    // The row follows only a committed approval, so the list never shows one that was undone.
    ShowApproval(approve, stamp);
    return true;
}

void TChangesSet::WriteApproval(bool approve, const QDateTime& stamp) {
    const QString column = ChangeColumn(FldIdxFld->IsNull() ? -1 : FldIdxFld->AsInteger());
    const QVariant value = TextOrNull((approve ? FldValue2Fld : FldValue1Fld)->AsString());
    const QVariant id = IdFld->Value();
    bool written = Database().ExecSQL(QStringLiteral("update equipments set %1=:%1 where Id=:Id").arg(column),
                                      {DBParam(column, value), DBParam(QStringLiteral("Id"), AssetIdFld->Value())})
                   == 1;
    if (written && approve)
        written = Database().ExecSQL(QStringLiteral("update changes set Sanctionman=:Sanctionman, "
                                                    "SanctionTime=:SanctionTime where Id=:Id"),
                                     {DBParam(QStringLiteral("Sanctionman"), CurrentOperator.LoginId),
                                      DBParam(QStringLiteral("SanctionTime"), stamp),
                                      DBParam(QStringLiteral("Id"), id)})
                  == 1;
    else if (written)
        written = Database().ExecSQL(QStringLiteral("update changes set Sanctionman=null, SanctionTime=null "
                                                    "where Id=:Id"),
                                     {DBParam(QStringLiteral("Id"), id)})
                  == 1;
    if (!written) throw Exception(QStringLiteral("找不到记录被更新,操作失败!"));
}

void TChangesSet::ShowApproval(bool approve, const QDateTime& stamp) {
    ::DataSet& data = Query();
    const int item = FldIdxFld->AsInteger();
    data.Edit();
    if (approve) {
        SanctionmanFld->SetAsString(CurrentOperator.LoginId);
        SanctionTimeFld->SetAsDateTime(stamp);
    } else {
        SanctionmanFld->Clear();
        SanctionTimeFld->Clear();
    }
    data.FieldByName(QString::fromLatin1(kShownColumns[item]))
        .SetAsString((approve ? FldValue2Fld : FldValue1Fld)->AsString());
    data.Post();
}

void TChangesSet::SetAssetData(const TAssetData& asset) {
    const auto set = [this](const char* name, const QString& value) {
        Query().FieldByName(QString::fromLatin1(name)).SetAsString(value);
    };
    AssetIdFld->SetAsInteger(asset.Id);
    set("AssetCode", asset.Code);
    set("AssetName", asset.EqiName);
    set("AssetPartno", asset.PartNo);
    set("UseDeptId", asset.UseDeptId);
    set("AssetFixplace", asset.FixPlace);
    set("AssetFunctionary", asset.Functionary);
    set("AssetStatus", asset.Status);
    set("AssetChkacpt", asset.ChkAcpt);
    set("AssetClassA", asset.ClassA);
    set("AssetClassB", asset.ClassB);
    set("AssetClassC", asset.ClassC);
    set("AssetClassD", asset.ClassD);
    set("AssetClassE", asset.ClassE);
    set("AssetClassF", asset.ClassF);
}

void TChangesSet::SetInput(const TChangeInput& input) {
    ChgDateFld->SetValue(input.ChgDate.isValid() ? QVariant(input.ChgDate) : QVariant());
    ItmLabelFld->SetValue(TextOrNull(input.ItmLabel));
    FldIdxFld->SetAsInteger(input.FldIdx);
    FldValue1Fld->SetValue(TextOrNull(input.FldValue1));
    FldValue2Fld->SetValue(TextOrNull(input.FldValue2));
    ItmValue1Fld->SetValue(TextOrNull(input.ItmValue1));
    ItmValue2Fld->SetValue(TextOrNull(input.ItmValue2));
    ChgReasonFld->SetValue(TextOrNull(input.ChgReason));
    ChgmanFld->SetValue(TextOrNull(input.Chgman));
    RemarksFld->SetValue(TextOrNull(input.Remarks));
    BillmanFld->SetAsString(CurrentOperator.LoginId);
    BillTimeFld->SetAsDateTime(QDateTime::currentDateTime());
}

TChangeInput TChangesSet::Input() const {
    TChangeInput input;
    input.ChgDate = ChgDateFld->AsDateTime();
    input.ItmLabel = ItmLabelFld->AsString();
    input.FldIdx = FldIdxFld->IsNull() ? -1 : FldIdxFld->AsInteger();
    input.FldValue1 = FldValue1Fld->AsString();
    input.FldValue2 = FldValue2Fld->AsString();
    input.ItmValue1 = ItmValue1Fld->AsString();
    input.ItmValue2 = ItmValue2Fld->AsString();
    input.ChgReason = ChgReasonFld->AsString();
    input.Chgman = ChgmanFld->AsString();
    input.Remarks = RemarksFld->AsString();
    input.Billman = BillmanFld->AsString();
    input.BillTime = BillTimeFld->AsDateTime();
    return input;
}

bool TChangesSet::Save(bool isNew, const TAssetData& asset, const TChangeInput& input) {
    ::DataSet& data = Query();
    // A list whose search failed is closed; the new request still gets a row to show it in.
    if (!data.Active()) data.CreateDataSet();
    if (isNew) data.Append();
    else data.Edit();
    SetAssetData(asset);
    SetInput(input);
    bool saved = false;
    try {
        saved = isNew ? Insert() : Update();
        // Only a request deleted at another workstation updates no row.
        if (!saved && !isNew) ShowInfo(QStringLiteral("保存失败, 该变更申请已被删除."));
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
    if (saved) data.Post();
    else data.Cancel();
    return saved;
}
