#include "PartinSet.h"

#include "admin/Operator.h"
#include "data/RecordSet.h"

namespace {

const QString kInsert = QStringLiteral(
    "insert into partin( Id, Indate, Intype, Incode, Inout, Handman, Billman, BillTime, Notes, "
    "Stateid)values(:Id,:Indate,:Intype,:Incode,:Inout,:Handman,:Billman,:BillTime,:Notes, 0)");

const QString kUpdate = QStringLiteral(
    "update partin set Indate=:Indate, Intype=:Intype, Incode=:Incode, Inout=:Inout,  "
    "Handman=:Handman,  Notes=:Notes where Id=:Id");

const QString kState = QStringLiteral(
    "update partin set Stateid=:Stateid, Receman=:Receman, Recedate=:Recedate where Id=:Id");

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    const char* label;
};

const FieldDef kFields[] = {
    {K::Integer, "Id", -1, "Id"},          {K::DateTime, "Indate", -1, "日期"},
    {K::String, "Intype", 30, "类别"},     {K::String, "Incode", 30, "单号"},
    {K::Integer, "Inout", -1, ""},         {K::String, "InoutText", 30, "方向"},
    {K::String, "Handman", 30, "经手人"},  {K::String, "Billman", 30, "制单人"},
    {K::DateTime, "BillTime", -1, "制单时间"}, {K::Memo, "Notes", -1, "备注"},
    {K::Integer, "Stateid", -1, ""},       {K::String, "Receman", 30, "确认者"},
    {K::DateTime, "Recedate", -1, "确认时间"},
};

TDBParameter Param(const char* name, const Field& field) {
    return DBParam(QString::fromLatin1(name), field.Value());
}

QVariant DateOnly(const QDate& date) {
    return date.isValid() ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant();
}

} // namespace

TPartinInput NewPartinInput() {
    TPartinInput input;
    input.Indate = QDate::currentDate();
    input.Handman = CurrentOperator.LoginId;
    return input;
}

QString InoutText(int inout) {
    if (inout == 1) return QStringLiteral("增加");
    if (inout == -1) return QStringLiteral("减少");
    return QString::number(inout);
}

TPartinSet::TPartinSet() {
    for (const FieldDef& def : kFields)
        AddField(def.kind, QString::fromLatin1(def.name), def.size, true,
                 QString::fromUtf8(def.label));
    const auto field = [this](const char* name) {
        return &Query().FieldByName(QString::fromLatin1(name));
    };
    IdFld = field("Id");
    IndateFld = field("Indate");
    IntypeFld = field("Intype");
    IncodeFld = field("Incode");
    InoutFld = field("Inout");
    InoutTextFld = field("InoutText");
    HandmanFld = field("Handman");
    BillmanFld = field("Billman");
    BillTimeFld = field("BillTime");
    NotesFld = field("Notes");
    StateidFld = field("Stateid");
    RecemanFld = field("Receman");
    RecedateFld = field("Recedate");
    InoutTextFld->SetCalculated(true);
    Query().OnCalcFields = [this](DataSet&) {
        InoutTextFld->SetAsString(InoutText(InoutFld->AsInteger()));
    };
}

int TPartinSet::OpenById(int id) {
    return Open(QStringLiteral("select * from partin where Id=:Id"),
                {DBParam(QStringLiteral("Id"), id)});
}

int TPartinSet::Search(TPartinWhere& where) {
    return Open(QStringLiteral("select m.* from partin m where 1=1 ") + where.BillConditions());
}

bool TPartinSet::HasBill() const {
    return Query().Active() && !Query().IsEmpty();
}

bool TPartinSet::Insert() {
    CommitEdits();
    BillmanFld->SetAsString(CurrentOperator.LoginId);
    BillTimeFld->SetAsDateTime(Database().ServerNow());
    int rows = 0;
    const int id = Database().InsertNewKey(
        QStringLiteral("partin"), QStringLiteral("Id"),
        [this](int key) {
            return Database().ExecSQL(
                kInsert, {DBParam(QStringLiteral("Id"), key), Param("Indate", *IndateFld),
                          Param("Intype", *IntypeFld), Param("Incode", *IncodeFld),
                          Param("Inout", *InoutFld), Param("Handman", *HandmanFld),
                          Param("Billman", *BillmanFld), Param("BillTime", *BillTimeFld),
                          Param("Notes", *NotesFld)});
        },
        &rows);
    if (rows != 1) return false;
    IdFld->SetAsInteger(id);
    StateidFld->SetAsInteger(0);
    return true;
}

bool TPartinSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, {Param("Indate", *IndateFld), Param("Intype", *IntypeFld),
                                        Param("Incode", *IncodeFld), Param("Inout", *InoutFld),
                                        Param("Handman", *HandmanFld), Param("Notes", *NotesFld),
                                        Param("Id", *IdFld)}) == 1;
}

bool TPartinSet::Delete() {
    if (!HasBill() || Query().Editing()) return false;
    if (Database().ExecSQL(QStringLiteral("delete from partin where Id=:Id"),
                           {Param("Id", *IdFld)}) != 1)
        return false;
    Query().Delete();
    return true;
}

bool TPartinSet::UpdateState() {
    CommitEdits();
    return Database().ExecSQL(kState, {Param("Stateid", *StateidFld), Param("Receman", *RecemanFld),
                                       Param("Recedate", *RecedateFld), Param("Id", *IdFld)}) == 1;
}

int TPartinSet::Neighbour(const char* withBill, const char* withoutBill) {
    TRecordSet& scratch = ScratchSet;
    if (HasBill())
        scratch.Open(QString::fromLatin1(withBill), {Param("Id", *IdFld)});
    else
        scratch.Open(QString::fromLatin1(withoutBill));
    const DataSet& data = scratch.DataSet();
    return data.IsEmpty() ? 0 : data.Fields(0).AsInteger();
}

int TPartinSet::PriorId() {
    return Neighbour("select max(Id) from partin where Id<:Id", "select min(Id) from partin");
}

int TPartinSet::NextId() {
    return Neighbour("select min(Id) from partin where Id>:Id", "select max(Id) from partin");
}

TPartinInput TPartinSet::Input() const {
    TPartinInput input;
    input.Incode = IncodeFld->AsString();
    input.Intype = IntypeFld->AsString();
    input.Indate = IndateFld->AsDateTime().date();
    input.Inout = InoutFld->AsInteger();
    input.Handman = HandmanFld->AsString();
    input.Notes = NotesFld->AsString();
    return input;
}

void TPartinSet::SetInput(const TPartinInput& input) {
    IncodeFld->SetAsString(input.Incode);
    IntypeFld->SetAsString(input.Intype);
    IndateFld->SetValue(DateOnly(input.Indate));
    InoutFld->SetAsInteger(input.Inout);
    HandmanFld->SetAsString(input.Handman);
    NotesFld->SetAsString(input.Notes);
}
