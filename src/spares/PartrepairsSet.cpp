#include "PartrepairsSet.h"

#include "PartLabels.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

namespace {

const QString kInsert = QStringLiteral(
    "insert into Partrepairs( Id, PartId, RepairDate, Troubles, RepairDetails, Repairman, CostTime, "
    "CostMoney, Notes)values(:Id,:PartId,:RepairDate,:Troubles,:RepairDetails,:Repairman,:CostTime,"
    ":CostMoney,:Notes)");

const QString kUpdate = QStringLiteral(
    "update Partrepairs set PartId=:PartId, RepairDate=:RepairDate, Troubles=:Troubles, "
    "RepairDetails=:RepairDetails, Repairman=:Repairman, CostTime=:CostTime, CostMoney=:CostMoney, "
    "Notes=:Notes where Id=:Id");

} // namespace

TPartrepairsSet::TPartrepairsSet() {
    using K = FieldKind;
    IdFld = AddField(K::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"));
    PartIdFld = AddField(K::Integer, QStringLiteral("PartId"), -1, false, QString());
    for (int i = 1; i <= 3; ++i)
        AddField(K::String, QStringLiteral("PartS%1").arg(i), 50, true, PartLabel(QStringLiteral("S%1").arg(i)));
    RepairDateFld = AddField(K::DateTime, QStringLiteral("RepairDate"), -1, true, QStringLiteral("维修日期"));
    TroublesFld = AddField(K::Memo, QStringLiteral("Troubles"), -1, true, QStringLiteral("故障描述"));
    RepairDetailsFld = AddField(K::Memo, QStringLiteral("RepairDetails"), -1, true, QStringLiteral("维修描述"));
    RepairmanFld = AddField(K::String, QStringLiteral("Repairman"), 20, true, QStringLiteral("维修人"));
    CostTimeFld = AddField(K::Float, QStringLiteral("CostTime"), -1, true, QStringLiteral("维修工时"));
    CostMoneyFld = AddField(K::Float, QStringLiteral("CostMoney"), -1, true, QStringLiteral("维修费用"));
    NotesFld = AddField(K::String, QStringLiteral("Notes"), 250, true, QStringLiteral("备注"));
    RepairDateFld->SetDisplayFormat(QStringLiteral("yyyy-MM-dd"));
}

int TPartrepairsSet::Search() {
    return Open(QStringLiteral("select * from PartrepairsQuery %1 order by Id").arg(Where.Conditions()));
}

TDBParameters TPartrepairsSet::RowParams() const {
    TDBParameters params;
    for (const Field* field : {PartIdFld, RepairDateFld, TroublesFld, RepairDetailsFld, RepairmanFld,
                               CostTimeFld, CostMoneyFld, NotesFld})
        params << DBParam(field->FieldName(), field->Value());
    return params;
}

bool TPartrepairsSet::Insert() {
    CommitEdits();
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("Partrepairs"), QStringLiteral("Id"), [this](int id) {
        return Database().ExecSQL(kInsert, RowParams() << DBParam(QStringLiteral("Id"), id));
    }, &rows);
    if (rows == 1) IdFld->SetAsInteger(key);
    return rows == 1;
}

bool TPartrepairsSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("Id"), IdFld->Value())) == 1;
}

void TPartrepairsSet::Delete() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty() || data.Editing()) return;
    Database().ExecSQL(QStringLiteral("delete from Partrepairs where Id=:Id"),
                       {DBParam(QStringLiteral("Id"), IdFld->Value())});
    data.Delete();
}

bool TPartrepairsSet::Save(bool isNew, const TPartData& part, const TPartrepairInput& input) {
    ::DataSet& data = Query();
    if (!data.Active()) data.CreateDataSet();
    if (isNew) data.Append();
    else data.Edit();
    SetPartData(part);
    SetInput(input);
    bool saved = false;
    try {
        saved = isNew ? Insert() : Update();
        // Only a repair deleted at another workstation updates no row.
        if (!saved && !isNew) ShowInfo(QStringLiteral("保存失败, 该记录已被删除."));
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
    if (saved) data.Post();
    else data.Cancel();
    return saved;
}

TPartData TPartrepairsSet::PartData() const {
    TPartData part;
    part.Id = PartIdFld->AsInteger();
    part.S1 = Query().FieldByName(QStringLiteral("PartS1")).AsString();
    part.S2 = Query().FieldByName(QStringLiteral("PartS2")).AsString();
    part.S3 = Query().FieldByName(QStringLiteral("PartS3")).AsString();
    return part;
}

void TPartrepairsSet::SetPartData(const TPartData& part) {
    PartIdFld->SetAsInteger(part.Id);
    Query().FieldByName(QStringLiteral("PartS1")).SetAsString(part.S1);
    Query().FieldByName(QStringLiteral("PartS2")).SetAsString(part.S2);
    Query().FieldByName(QStringLiteral("PartS3")).SetAsString(part.S3);
}

TPartrepairInput TPartrepairsSet::Input() const {
    TPartrepairInput input;
    input.RepairDate = RepairDateFld->IsNull() ? QDate() : RepairDateFld->AsDateTime().date();
    input.Troubles = TroublesFld->AsString();
    input.RepairDetails = RepairDetailsFld->AsString();
    input.Repairman = RepairmanFld->AsString();
    input.CostTime = CostTimeFld->AsFloat();
    input.CostMoney = CostMoneyFld->AsFloat();
    input.Notes = NotesFld->AsString();
    return input;
}

void TPartrepairsSet::SetInput(const TPartrepairInput& input) {
    RepairDateFld->SetValue(input.RepairDate.isValid() ? QVariant(QDateTime(input.RepairDate, QTime(0, 0)))
                                                       : QVariant());
    TroublesFld->SetAsString(input.Troubles);
    RepairDetailsFld->SetAsString(input.RepairDetails);
    RepairmanFld->SetAsString(input.Repairman);
    CostTimeFld->SetAsFloat(input.CostTime);
    CostMoneyFld->SetAsFloat(input.CostMoney);
    NotesFld->SetAsString(input.Notes);
}
