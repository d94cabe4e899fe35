#include "PartsSet.h"

#include "PartLabels.h"
#include "Partotal.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

namespace {

const QString kSelect = QStringLiteral(
    "select *, F1, F1 as StockQty, F1 as BuyingQty, F1 as InedQty, F1 as UsedQty, F1 as MinQtyR "
    "from parts ");

const QString kInsert = QStringLiteral(
    "insert into parts( Id, ClassA, Status, S1, S2, S3, S4, S5, S6, S7, S8, F1, F2, F3, F4, F5, "
    "Remarks, MinQty)values(:Id,:ClassA,:Status,:S1,:S2,:S3,:S4,:S5,:S6,:S7,:S8,:F1,:F2,:F3,:F4,"
    ":F5,:Remarks,:MinQty)");

const QString kUpdate = QStringLiteral(
    "update parts set ClassA=:ClassA, Status=:Status, S1=:S1, S2=:S2, S3=:S3, S4=:S4, S5=:S5, "
    "S6=:S6, S7=:S7, S8=:S8, F1=:F1, F2=:F2, F3=:F3, F4=:F4, F5=:F5, Remarks=:Remarks, "
    "MinQty=:MinQty where Id=:Id");

struct Computed {
    const char* name;
    const char* label;
};

const Computed kComputed[] = {
    {"BuyingQty", "在途申购"}, {"InedQty", "申购确认"}, {"UsedQty", "总消耗"},
    {"StockQty", "库存"},      {"MinQtyR", "库存警示"},
};

// "不限", empty and any other text keep every part.
bool RestrictsStock(const QString& flag) {
    return StockFlags().indexOf(flag) >= 0 && flag != StockFlags().last();
}

// Whether a part stays in the list under the stock condition; empty numbers count as 0.
bool PassesStockFlag(const QString& flag, double stock, double buying, double minimum) {
    if (flag == u"低于下限") return stock <= minimum;
    if (flag == u"低于下限(含在途)") return stock + buying <= minimum;
    if (flag == u"所有在途申购") return buying != 0;
    return true;
}

// Display updates wait until the figures are all written.
class ControlsOff {
public:
    explicit ControlsOff(DataSet& data) : m_data(data) { m_data.DisableControls(); }
    ~ControlsOff() { m_data.EnableControls(); }
    ControlsOff(const ControlsOff&) = delete;
    ControlsOff& operator=(const ControlsOff&) = delete;

private:
    DataSet& m_data;
};

} // namespace

TPartsSet::TPartsSet() {
    AddPartFields(*this);
    for (const Computed& c : kComputed)
        AddField(FieldKind::Float, QString::fromLatin1(c.name), -1, true,
                 QString::fromUtf8(c.label));
    const auto field = [this](const char* name) {
        return &Query().FieldByName(QString::fromLatin1(name));
    };
    IdFld = field("Id");
    MinQtyFld = field("MinQty");
    BuyingQtyFld = field("BuyingQty");
    InedQtyFld = field("InedQty");
    UsedQtyFld = field("UsedQty");
    StockQtyFld = field("StockQty");
    MinQtyRFld = field("MinQtyR");
}

void TPartsSet::OpenSql(const QString& where, const TDBParameters& params) {
    Open(kSelect + where, params);
    ComputeStock();
}

void TPartsSet::OpenByWhere() {
    OpenSql(Where.WhereClause());
    ApplyStockFilter();
}

void TPartsSet::OpenById(int id) {
    OpenSql(QStringLiteral("where Id=:Id"), {DBParam(QStringLiteral("Id"), id)});
}

void TPartsSet::ComputeStock() {
    ::DataSet& data = Query();
    if (data.IsEmpty()) return;
    TPartotal totals;
    ControlsOff off(data);
    const ::DataSet::Bookmark current = data.GetBookmark();
    for (data.First(); !data.Eof(); data.Next()) {
        const int id = IdFld->AsInteger();
        data.Edit();
        const double buying = totals.Total(id, 0);
        if (buying != 0)
            BuyingQtyFld->SetAsFloat(buying);
        else
            BuyingQtyFld->Clear();
        InedQtyFld->SetAsFloat(totals.Total(id, 1));
        UsedQtyFld->SetAsFloat(totals.Total(id, 2));
        const double stock = totals.Total(id, 3);
        StockQtyFld->SetAsFloat(stock);
        MinQtyRFld->SetAsFloat(stock - MinQtyFld->AsFloat());
        data.Post();
    }
    data.GotoBookmark(current);
}

void TPartsSet::ApplyStockFilter() {
    ::DataSet& data = Query();
    const QString flag = Where.StockFlagFld->AsString();
    if (RestrictsStock(flag)) {
        ControlsOff off(data);
        data.First();
        while (!data.Eof()) {
            if (PassesStockFlag(flag, StockQtyFld->AsFloat(), BuyingQtyFld->AsFloat(),
                                MinQtyFld->AsFloat()))
                data.Next();
            else
                data.Delete();
        }
    }
    data.First();
}

TDBParameters TPartsSet::RowParams(bool withId) const {
    TDBParameters params;
    for (const QString& name : PartColumns())
        if (withId || name != u"Id")
            params.append(DBParam(name, Query().FieldByName(name).Value()));
    return params;
}

bool TPartsSet::InsertCurrent() {
    int rows = 0;
    const int id = Database().InsertNewKey(
        QStringLiteral("parts"), QStringLiteral("Id"),
        [&](int key) {
            TDBParameters params = RowParams(false);
            params.prepend(DBParam(QStringLiteral("Id"), key));
            return Database().ExecSQL(kInsert, params);
        },
        &rows);
    if (rows != 1) return false;
    IdFld->SetAsInteger(id);
    return true;
}

bool TPartsSet::UpdateCurrent() {
    return Database().ExecSQL(kUpdate, RowParams(true)) == 1;
}

bool TPartsSet::DeleteCurrent() {
    const TDBParameter part = DBParam(QStringLiteral("PartId"), IdFld->AsInteger());
    try {
        TransactionGuard transaction(Database());
        Database().Execute(QStringLiteral("delete from partfixs where PartId=:PartId"), {part});
        Database().Execute(QStringLiteral("delete from partrepairs where PartId=:PartId"), {part});
        if (Database().ExecSQL(QStringLiteral("delete from parts where Id=:Id"),
                               {DBParam(QStringLiteral("Id"), part.Value)}) != 1)
            return false;
        transaction.Commit();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
    Query().Delete();
    return true;
}

TPartValues TPartsSet::Values() const {
    const auto field = [this](const QString& name) -> const Field& {
        return Query().FieldByName(name);
    };
    TPartValues v;
    v.ClassA = field(QStringLiteral("ClassA")).AsString();
    v.Status = field(QStringLiteral("Status")).AsString();
    for (size_t i = 0; i < v.S.size(); ++i)
        v.S[i] = field(QStringLiteral("S%1").arg(i + 1)).AsString();
    for (size_t i = 0; i < v.F.size(); ++i)
        v.F[i] = field(QStringLiteral("F%1").arg(i + 1)).AsFloat();
    v.Remarks = field(QStringLiteral("Remarks")).AsString();
    v.MinQty = MinQtyFld->AsFloat();
    return v;
}

void TPartsSet::SetValues(const TPartValues& v) {
    const auto field = [this](const QString& name) -> Field& { return Query().FieldByName(name); };
    field(QStringLiteral("ClassA")).SetAsString(v.ClassA);
    field(QStringLiteral("Status")).SetAsString(v.Status);
    for (size_t i = 0; i < v.S.size(); ++i)
        field(QStringLiteral("S%1").arg(i + 1)).SetAsString(v.S[i]);
    for (size_t i = 0; i < v.F.size(); ++i)
        field(QStringLiteral("F%1").arg(i + 1)).SetAsFloat(v.F[i]);
    field(QStringLiteral("Remarks")).SetAsString(v.Remarks);
    MinQtyFld->SetAsFloat(v.MinQty);
}
