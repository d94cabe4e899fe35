#include "CareitemSet.h"

#include "CareFields_p.h"

using namespace careui;

namespace {

using K = FieldKind;

const QString kInsert = QStringLiteral(
    "insert into careitems( ciId, ciAssetId, ciCarename, ciCareitem, ciPlanhours, ciFixedays, ciCareworks )"
    "values(:ciId,:ciAssetId,:ciCarename,:ciCareitem,:ciPlanhours,:ciFixedays,:ciCareworks )");
const QString kUpdate = QStringLiteral(
    "update careitems set ciAssetId=:ciAssetId, ciCarename=:ciCarename, ciCareitem=:ciCareitem, "
    "ciPlanhours=:ciPlanhours, ciFixedays=:ciFixedays, ciCareworks=:ciCareworks where ciId=:ciId");

const char* const kItemColumns[] = {"ciAssetId", "ciCarename", "ciCareitem", "ciPlanhours", "ciFixedays",
                                    "ciCareworks"};

} // namespace

TCareitemSet::TCareitemSet() {
    AddFields(*this,
              {{K::Integer, "ciId", -1, "", nullptr},
               {K::Integer, "ciAssetId", -1, "", nullptr},
               {K::String, "ciCarename", 50, "保养名称", nullptr},
               {K::String, "ciCareitem", 50, "保养项目", nullptr},
               {K::Float, "ciPlanhours", -1, "计划工时", nullptr},
               {K::Integer, "ciFixedays", -1, "定检天数", nullptr},
               {K::Memo, "ciCareworks", -1, "保养说明", nullptr},
               {K::Integer, "ciLastCareId", -1, "", nullptr},
               {K::DateTime, "crCaredate", -1, "上次保养日期", nullptr},
               {K::String, "crCareman", 50, "上次保养人", nullptr},
               {K::Memo, "crCaretents", -1, "上次保养内容", nullptr},
               {K::String, "crCaremarks", 250, "上次保养备注", nullptr},
               {K::DateTime, "NextCaredate", -1, "计划保养日期", nullptr},
               {K::String, "AssetCode", 50, nullptr, "Code"},
               {K::String, "AssetName", 50, nullptr, "EqiName"},
               {K::String, "AssetPartno", 50, nullptr, "PartNo"},
               {K::String, "UseDeptId", 50, nullptr, "UseDeptId"},
               {K::String, "AssetFixplace", 50, nullptr, "FixPlace"},
               {K::String, "AssetClassA", 50, nullptr, "ClassA"},
               {K::String, "AssetClassB", 50, nullptr, "ClassB"},
               {K::String, "AssetClassC", 50, nullptr, "ClassC"},
               {K::String, "AssetClassD", 50, nullptr, "ClassD"},
               {K::String, "AssetClassE", 50, nullptr, "ClassE"},
               {K::String, "AssetClassF", 50, nullptr, "ClassF"}},
              {"ciAssetId", "ciLastCareId"});
    const auto field = [this](const char* name) { return &Query().FieldByName(QString::fromLatin1(name)); };
    ciIdFld = field("ciId");
    ciAssetIdFld = field("ciAssetId");
    ciLastCareIdFld = field("ciLastCareId");
    crCaredateFld = field("crCaredate");
    NextCaredateFld = field("NextCaredate");
}

int TCareitemSet::Search(TCareitemWhere& where) {
    QString clause = where.ItemConditions();
    const qsizetype at = clause.indexOf(QStringLiteral(" and "));
    if (at >= 0) clause.replace(at, 5, QStringLiteral(" where "));
    return Open(QStringLiteral("select Vcareitems.*, carecords.*, %1 as NextCaredate from Vcareitems "
                               "left join carecords on Vcareitems.ciLastCareId=carecords.crId ")
                    .arg(NextCaredateExpression(Database())) +
                clause + QStringLiteral(" order by Vcareitems.ciAssetId"));
}

bool TCareitemSet::Insert() {
    CommitEdits();
    TDBParameters params;
    for (const char* name : kItemColumns) {
        const QString column = QString::fromLatin1(name);
        params.append(DBParam(column, Query().FieldByName(column).Value()));
    }
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("careitems"), QStringLiteral("ciId"), [&](int id) {
        return Database().ExecSQL(kInsert, params + TDBParameters{DBParam(QStringLiteral("ciId"), id)});
    }, &rows);
    if (rows == 1) ciIdFld->SetAsInteger(key);
    return rows == 1;
}

bool TCareitemSet::Update() {
    CommitEdits();
    TDBParameters params;
    for (const char* name : kItemColumns) {
        const QString column = QString::fromLatin1(name);
        params.append(DBParam(column, Query().FieldByName(column).Value()));
    }
    params.append(DBParam(QStringLiteral("ciId"), ciIdFld->Value()));
    return Database().ExecSQL(kUpdate, params) == 1;
}

bool TCareitemSet::Delete() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty() || data.Editing()) return false;
    const TDBParameters item{DBParam(QStringLiteral("crItemId"), ciIdFld->Value())};
    TransactionGuard guard(Database());
    // The part lines would otherwise name records that no longer exist.
    Database().Execute(QStringLiteral("delete from partuse where CarecordId in "
                                      "(select crId from carecords where crItemId=:crItemId)"),
                       item);
    Database().ExecSQL(QStringLiteral("delete from carecords where crItemId=:crItemId"), item);
    const int rows = Database().ExecSQL(QStringLiteral("delete from careitems where ciId=:ciId"),
                                        {DBParam(QStringLiteral("ciId"), ciIdFld->Value())});
    if (rows != 1) return false;
    guard.Commit();
    data.Delete();
    return true;
}

TDBParameters TCareitemSet::LastCareParams() const {
    const auto value = [this](const char* name) { return Query().FieldByName(QString::fromLatin1(name)).Value(); };
    return {DBParam(QStringLiteral("crAssetId"), value("ciAssetId")),
            DBParam(QStringLiteral("crItemId"), value("ciId")),
            DBParam(QStringLiteral("crCaredate"), value("crCaredate")),
            DBParam(QStringLiteral("crCareman"), value("crCareman")),
            DBParam(QStringLiteral("crCaretents"), value("crCaretents")),
            DBParam(QStringLiteral("crCaremarks"), value("crCaremarks"))};
}

bool TCareitemSet::AddCarecord() {
    CommitEdits();
    const TDBParameters params = LastCareParams();
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("carecords"), QStringLiteral("crId"), [&](int id) {
        return Database().ExecSQL(kInsertRecord, params + TDBParameters{DBParam(QStringLiteral("crId"), id)});
    }, &rows);
    if (rows != 1) return false;
    ciLastCareIdFld->SetAsInteger(key);
    NextCaredateFld->SetValue(DueDate());
    return Database().ExecSQL(kSetLastCare, {DBParam(QStringLiteral("crId"), key),
                                             DBParam(QStringLiteral("ciId"), ciIdFld->Value())}) == 1;
}

bool TCareitemSet::UpdateLastCarecord() {
    CommitEdits();
    NextCaredateFld->SetValue(DueDate());
    return Database().ExecSQL(kUpdateRecord, LastCareParams() << DBParam(QStringLiteral("crId"),
                                                                         ciLastCareIdFld->Value())) == 1;
}

QVariant TCareitemSet::DueDate() const {
    const Field& days = Query().FieldByName(QStringLiteral("ciFixedays"));
    if (crCaredateFld->IsNull() || days.IsNull()) return QVariant();
    return crCaredateFld->AsDateTime().addDays(days.AsInteger());
}

TCareitemData TCareitemSet::GetData() const {
    const auto field = [this](const char* name) -> const Field& {
        return Query().FieldByName(QString::fromLatin1(name));
    };
    TCareitemData data;
    data.ciId = ciIdFld->AsInteger();
    data.ciAssetId = ciAssetIdFld->AsInteger();
    data.ciCarename = field("ciCarename").AsString();
    data.ciCareitem = field("ciCareitem").AsString();
    data.ciPlanhours = field("ciPlanhours").Value();
    data.ciFixedays = field("ciFixedays").Value();
    data.ciCareworks = field("ciCareworks").AsString();
    return data;
}

void TCareitemSet::SetData(const TCareitemData& data) {
    const auto field = [this](const char* name) -> Field& { return Query().FieldByName(QString::fromLatin1(name)); };
    ciIdFld->SetAsInteger(data.ciId);
    ciAssetIdFld->SetAsInteger(data.ciAssetId);
    field("ciCarename").SetAsString(data.ciCarename);
    field("ciCareitem").SetAsString(data.ciCareitem);
    field("ciPlanhours").SetValue(data.ciPlanhours);
    field("ciFixedays").SetValue(data.ciFixedays);
    field("ciCareworks").SetAsString(data.ciCareworks);
}

TCarecordData TCareitemSet::GetLastCare() const {
    TCarecordData data;
    data.crId = ciLastCareIdFld->AsInteger();
    data.crCaredate = crCaredateFld->Value();
    data.crCareman = Query().FieldByName(QStringLiteral("crCareman")).AsString();
    data.crCaretents = Query().FieldByName(QStringLiteral("crCaretents")).AsString();
    return data;
}

void TCareitemSet::SetLastCare(const TCarecordData& data) {
    ciLastCareIdFld->SetAsInteger(data.crId);
    crCaredateFld->SetValue(DateOnly(data.crCaredate));
    Query().FieldByName(QStringLiteral("crCareman")).SetAsString(data.crCareman);
    Query().FieldByName(QStringLiteral("crCaretents")).SetAsString(data.crCaretents);
}

void TCareitemSet::SetAssetData(const TAssetData& asset) {
    ciAssetIdFld->SetAsInteger(asset.Id);
    SetAssetColumns(Query(), asset);
}
