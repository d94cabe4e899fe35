#include "CarecordSet.h"

#include "CareFields_p.h"
#include "data/RecordSet.h"

using namespace careui;

namespace {
using K = FieldKind;
}

TCarecordSet::TCarecordSet() {
    AddFields(*this,
              {{K::Integer, "crId", -1, "", nullptr},
               {K::Integer, "crAssetId", -1, "", nullptr},
               {K::Integer, "crItemId", -1, "", nullptr},
               {K::DateTime, "crCaredate", -1, "保养日期", nullptr},
               {K::String, "crCareman", 50, "保养人", nullptr},
               {K::Memo, "crCaretents", -1, "工作内容", nullptr},
               {K::String, "crCaremarks", 250, "工作备注", nullptr},
               {K::Integer, "ciId", -1, "", nullptr},
               {K::String, "ciCarename", 50, "保养名称", nullptr},
               {K::String, "ciCareitem", 50, "保养项目", nullptr},
               {K::Float, "ciPlanhours", -1, "计划工时", nullptr},
               {K::Integer, "ciFixedays", -1, "定期天数", nullptr},
               {K::Memo, "ciCareworks", -1, "保养说明", nullptr},
               {K::String, "AssetCode", 50, nullptr, "Code"},
               {K::String, "AssetName", 50, nullptr, "EqiName"},
               {K::String, "AssetPartno", 50, nullptr, "PartNo"},
               {K::String, "AssetManufactory", 50, nullptr, "Manufactory"},
               {K::String, "UseDeptId", 50, nullptr, "UseDeptId"},
               {K::String, "AssetFixplace", 50, "安装地点", nullptr},
               {K::String, "AssetFunctionary", 50, nullptr, "Functionary"},
               {K::String, "AssetClassA", 50, nullptr, "ClassA"},
               {K::String, "AssetClassB", 50, nullptr, "ClassB"},
               {K::String, "AssetClassC", 50, nullptr, "ClassC"},
               {K::String, "AssetClassD", 50, nullptr, "ClassD"},
               {K::String, "AssetClassE", 50, nullptr, "ClassE"},
               {K::String, "AssetClassF", 50, nullptr, "ClassF"}},
              {"crAssetId", "crItemId"});
    const auto field = [this](const char* name) { return &Query().FieldByName(QString::fromLatin1(name)); };
    crIdFld = field("crId");
    crAssetIdFld = field("crAssetId");
    crItemIdFld = field("crItemId");
    crCaredateFld = field("crCaredate");
}

int TCarecordSet::Search(TCareitemWhere& where) {
    return Open(QStringLiteral("select Vcareitems.*, carecords.* from Vcareitems, carecords "
                               "where carecords.crItemId=Vcareitems.ciId ") +
                where.RecordConditions() + QStringLiteral(" order by carecords.crCaredate, carecords.crAssetId"));
}

TDBParameters TCarecordSet::RowParams() const {
    TDBParameters params;
    for (const char* name : {"crAssetId", "crItemId", "crCaredate", "crCareman", "crCaretents", "crCaremarks"}) {
        const QString column = QString::fromLatin1(name);
        params.append(DBParam(column, Query().FieldByName(column).Value()));
    }
    return params;
}

bool TCarecordSet::Insert() {
    CommitEdits();
    const TDBParameters params = RowParams();
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("carecords"), QStringLiteral("crId"), [&](int id) {
        return Database().ExecSQL(kInsertRecord, params + TDBParameters{DBParam(QStringLiteral("crId"), id)});
    }, &rows);
    if (rows != 1) return false;
    crIdFld->SetAsInteger(key);
    return Database().ExecSQL(kSetLastCare, {DBParam(QStringLiteral("crId"), key),
                                             DBParam(QStringLiteral("ciId"), crItemIdFld->Value())}) == 1;
}

bool TCarecordSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdateRecord, RowParams() << DBParam(QStringLiteral("crId"), crIdFld->Value())) == 1;
}

bool TCarecordSet::Delete() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty() || data.Editing()) return false;
    const TDBParameters record{DBParam(QStringLiteral("crId"), crIdFld->Value())};
    TransactionGuard guard(Database());
    Database().Execute(QStringLiteral("delete from partuse where CarecordId=:CarecordId"),
                       {DBParam(QStringLiteral("CarecordId"), crIdFld->Value())});
    if (Database().ExecSQL(QStringLiteral("delete from carecords where crId=:crId"), record) != 1) return false;
    // An item whose last record went now counts from the latest record it still has.
    Database().ExecSQL(QStringLiteral("update careitems set ciLastCareId=(select max(crId) from carecords "
                                      "where crItemId=:ItemId) where ciId=:ItemId2 and ciLastCareId=:crId"),
                       {DBParam(QStringLiteral("ItemId"), crItemIdFld->Value()),
                        DBParam(QStringLiteral("ItemId2"), crItemIdFld->Value()),
                        DBParam(QStringLiteral("crId"), crIdFld->Value())});
    guard.Commit();
    data.Delete();
    return true;
}

int TCarecordSet::Neighbour(const char* openSql, const char* closedSql) {
    const ::DataSet& data = Query();
    if (data.Active() && !data.IsEmpty()) {
        ScratchSet.Open(QString::fromLatin1(openSql), {DBParam(QStringLiteral("Id"), crIdFld->Value()),
                                                       DBParam(QStringLiteral("AssetId"), crAssetIdFld->Value())});
    } else {
        ScratchSet.Open(QString::fromLatin1(closedSql));
    }
    return ScratchSet.DataSet().Fields(0).AsInteger();
}

int TCarecordSet::PriorId() {
    return Neighbour("select max(crId) from carecords where crId<:Id and crAssetId=:AssetId",
                     "select min(crId) from carecords");
}

int TCarecordSet::NextId() {
    return Neighbour("select min(crId) from carecords where crId>:Id and crAssetId=:AssetId",
                     "select max(crId) from carecords");
}

TCarecordData TCarecordSet::GetData() const {
    TCarecordData data;
    data.crId = crIdFld->AsInteger();
    data.crCaredate = crCaredateFld->Value();
    data.crCareman = Query().FieldByName(QStringLiteral("crCareman")).AsString();
    data.crCaretents = Query().FieldByName(QStringLiteral("crCaretents")).AsString();
    return data;
}

void TCarecordSet::SetData(const TCarecordData& data) {
    crIdFld->SetAsInteger(data.crId);
    crCaredateFld->SetValue(DateOnly(data.crCaredate));
    Query().FieldByName(QStringLiteral("crCareman")).SetAsString(data.crCareman);
    Query().FieldByName(QStringLiteral("crCaretents")).SetAsString(data.crCaretents);
}

TCareitemData TCarecordSet::GetItemData() const {
    const auto field = [this](const char* name) -> const Field& {
        return Query().FieldByName(QString::fromLatin1(name));
    };
    TCareitemData item;
    item.ciId = crItemIdFld->AsInteger();
    item.ciAssetId = crAssetIdFld->AsInteger();
    item.ciCarename = field("ciCarename").AsString();
    item.ciCareitem = field("ciCareitem").AsString();
    item.ciPlanhours = field("ciPlanhours").Value();
    item.ciFixedays = field("ciFixedays").Value();
    item.ciCareworks = field("ciCareworks").AsString();
    return item;
}

void TCarecordSet::SetData(const TCareitemData& item) {
    const auto field = [this](const char* name) -> Field& { return Query().FieldByName(QString::fromLatin1(name)); };
    crItemIdFld->SetAsInteger(item.ciId);
    crAssetIdFld->SetAsInteger(item.ciAssetId);
    field("ciId").SetAsInteger(item.ciId);
    field("ciCarename").SetAsString(item.ciCarename);
    field("ciCareitem").SetAsString(item.ciCareitem);
    field("ciPlanhours").SetValue(item.ciPlanhours);
    field("ciFixedays").SetValue(item.ciFixedays);
    field("ciCareworks").SetAsString(item.ciCareworks);
}

void TCarecordSet::SetAssetData(const TAssetData& asset) {
    crAssetIdFld->SetAsInteger(asset.Id);
    SetAssetColumns(Query(), asset);
}
