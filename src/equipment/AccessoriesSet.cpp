#include "AccessoriesSet.h"

#include "AccessoriesWhere.h"
#include "AssetLabels.h"
#include "DeptFld.h"
#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"

namespace {

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    const char* labelOf; // the ledger column whose title it shows; null for none
    const char* label;
};

// In this order; the department lookups follow UseDeptId. The user-defined columns S1–F3
// follow ClassA and take the accessory labels.
const FieldDef kAssetFields[] = {
    {K::Integer, "Id", -1, nullptr, "Id"},
    {K::Integer, "EqiId", -1, nullptr, "EqiId"},
    {K::String, "AssetCode", 50, "Code", nullptr},
    {K::String, "AssetName", 50, "EqiName", nullptr},
    {K::String, "AssetPartno", 50, "PartNo", nullptr},
    {K::String, "AssetManufactory", 50, "Manufactory", nullptr},
    {K::String, "UseDeptId", 50, "UseDeptId", nullptr},
    {K::String, "AssetFixplace", 50, "FixPlace", nullptr},
    {K::String, "AssetFunctionary", 50, "Functionary", nullptr},
    {K::String, "AssetStatus", 50, "Status", nullptr},
    {K::String, "AssetChkacpt", 50, "ChkAcpt", nullptr},
    {K::String, "AssetClassA", 50, "ClassA", nullptr},
    {K::String, "AssetClassB", 50, "ClassB", nullptr},
    {K::String, "AssetClassC", 50, "ClassC", nullptr},
    {K::String, "AssetClassD", 50, "ClassD", nullptr},
    {K::String, "AssetClassE", 50, "ClassE", nullptr},
    {K::String, "AssetClassF", 50, "ClassF", nullptr},
    {K::String, "ProductName", 50, nullptr, "附件名称"},
    {K::String, "PartNo", 50, nullptr, "型号规格"},
    {K::String, "Madein", 50, nullptr, "产地"},
    {K::String, "Unit", 20, nullptr, "单位"},
    {K::String, "ClassA", 30, nullptr, "分类"},
};

// The columns the statements write besides Id, as their parameters are named.
const char* const kWritten[] = {"EqiId", "ProductName", "PartNo", "Madein", "Unit", "ClassA", "S1",
                                "S2",    "S3",          "F1",     "F2",     "F3",   "Remark"};

const QString kInsert = QStringLiteral(
    "insert into accessories(Id, EqiId, ProductName, PartNo, Madein, Unit, ClassA, S1, S2, S3, F1, "
    "F2, F3, Remark)values(:Id, :EqiId, :ProductName,:PartNo,:Madein,:Unit,:ClassA,:S1,:S2,:S3,:F1,"
    ":F2,:F3,:Remark)");

const QString kUpdate = QStringLiteral(
    "update accessories set EqiId=:EqiId, ProductName=:ProductName, PartNo=:PartNo, Unit=:Unit, "
    "Madein=:Madein, ClassA=:ClassA, S1=:S1, S2=:S2, S3=:S3, F1=:F1, F2=:F2, F3=:F3, "
    "Remark=:Remark where Id=:Id");

QString LabelOf(const FieldDef& def) {
    return def.labelOf ? AssetLabel(QString::fromLatin1(def.labelOf))
                       : QString::fromUtf8(def.label);
}

// The machine's columns an operator may not see in the ledger stay hidden here as well.
bool DefaultVisible(const QString& name) {
    if (name == u"Id" || name == u"EqiId") return false;
    if (name == u"AssetPartno") return Restrictions.PartnoVisible;
    if (name == u"AssetManufactory") return Restrictions.FactoryVisible;
    return true;
}

} // namespace

TAccessoriesSet::TAccessoriesSet() {
    for (const FieldDef& def : kAssetFields) {
        const QString name = QString::fromLatin1(def.name);
        Field* field = AddField(def.kind, name, def.size, DefaultVisible(name), LabelOf(def));
        if (name == u"UseDeptId") AddDeptLookups(Query(), *field);
    }
    for (int i = 0; i < 3; ++i)
        SFlds[size_t(i)] = AddField(K::String, QStringLiteral("S%1").arg(i + 1), 50, true,
                                    AppLabels.AccessoryStr.value(i));
    for (int i = 0; i < 3; ++i)
        FFlds[size_t(i)] = AddField(K::Float, QStringLiteral("F%1").arg(i + 1), -1, true,
                                    AppLabels.AccessoryFloat.value(i));
    RemarkFld = AddField(K::String, QStringLiteral("Remark"), 50, true, QStringLiteral("备注"));
    const auto field = [this](const char* name) {
        return &Query().FieldByName(QString::fromLatin1(name));
    };
    IdFld = field("Id");
    EqiIdFld = field("EqiId");
    ProductNameFld = field("ProductName");
    PartNoFld = field("PartNo");
    MadeinFld = field("Madein");
    UnitFld = field("Unit");
    ClassAFld = field("ClassA");
}

void TAccessoriesSet::OpenByWhere(TAccessoriesWhere& where) {
    Open(where.AccessoryListSql());
}

void TAccessoriesSet::OpenById(int id) {
    TAccessoriesWhere where;
    where.IdFld->SetAsInteger(id);
    OpenByWhere(where);
}

void TAccessoriesSet::SetAssetData(const TAssetData& data) {
    const auto set = [this](const char* name, const QString& value) {
        Query().FieldByName(QString::fromLatin1(name)).SetAsString(value);
    };
    EqiIdFld->SetAsInteger(data.Id);
    set("AssetCode", data.Code);
    set("AssetName", data.EqiName);
    set("AssetPartno", data.PartNo);
    set("UseDeptId", data.UseDeptId); // its name and path follow through the lookups
    set("AssetFixplace", data.FixPlace);
    set("AssetStatus", data.Status);
    set("AssetChkacpt", data.ChkAcpt);
    set("AssetClassA", data.ClassA);
    set("AssetClassB", data.ClassB);
    set("AssetClassC", data.ClassC);
    set("AssetClassD", data.ClassD);
    set("AssetClassE", data.ClassE);
    set("AssetClassF", data.ClassF);
}

void TAccessoriesSet::GetAssetData(TAssetData& data) const {
    const auto text = [this](const char* name) {
        return Query().FieldByName(QString::fromLatin1(name)).AsString();
    };
    data.Id = EqiIdFld->AsInteger();
    data.Code = text("AssetCode");
    data.EqiName = text("AssetName");
    data.PartNo = text("AssetPartno");
    data.UseDeptId = text("UseDeptId");
    data.UseDeptName = text("UseDeptName");
    data.UseDeptPath = text("UseDeptPath");
    data.FixPlace = text("AssetFixplace");
    data.Status = text("AssetStatus");
    data.Functionary = text("AssetFunctionary");
    data.ChkAcpt = text("AssetChkacpt");
    data.ClassA = text("AssetClassA");
    data.ClassB = text("AssetClassB");
    data.ClassC = text("AssetClassC");
    data.ClassD = text("AssetClassD");
    data.ClassE = text("AssetClassE");
    data.ClassF = text("AssetClassF");
}

void TAccessoriesSet::SetInput(const TAccessoryInput& input) {
    ProductNameFld->SetAsString(input.ProductName);
    PartNoFld->SetAsString(input.PartNo);
    MadeinFld->SetAsString(input.Madein);
    UnitFld->SetAsString(input.Unit);
    ClassAFld->SetAsString(input.ClassA);
    for (size_t i = 0; i < 3; ++i) {
        SFlds[i]->SetAsString(input.S[i]);
        FFlds[i]->SetValue(input.F[i]);
    }
    RemarkFld->SetAsString(input.Remark);
}

TAccessoryInput TAccessoriesSet::Input() const {
    TAccessoryInput input;
    input.ProductName = ProductNameFld->AsString();
    input.PartNo = PartNoFld->AsString();
    input.Madein = MadeinFld->AsString();
    input.Unit = UnitFld->AsString();
    input.ClassA = ClassAFld->AsString();
    for (size_t i = 0; i < 3; ++i) {
        input.S[i] = SFlds[i]->AsString();
        input.F[i] = FFlds[i]->Value();
    }
    input.Remark = RemarkFld->AsString();
    return input;
}

TDBParameters TAccessoriesSet::RowParams() const {
    TDBParameters params;
    for (const char* name : kWritten) {
        const QString field = QString::fromLatin1(name);
        params.append(DBParam(field, Query().FieldByName(field).Value()));
    }
    return params;
}

bool TAccessoriesSet::Insert() {
    CommitEdits();
    int rows = 0;
    const int key = Database().InsertNewKey(
        QStringLiteral("accessories"), QStringLiteral("Id"),
        [this](int id) {
            return Database().ExecSQL(kInsert, RowParams() << DBParam(QStringLiteral("Id"), id));
        },
        &rows);
    if (rows == 1) IdFld->SetAsInteger(key);
    return rows == 1;
}

bool TAccessoriesSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, RowParams()
                                           << DBParam(QStringLiteral("Id"), IdFld->Value())) == 1;
}

bool TAccessoriesSet::DeleteCurrent() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty()) return false;
    Database().ExecSQL(QStringLiteral("delete from accessories where Id=:Id"),
                       {DBParam(QStringLiteral("Id"), IdFld->Value())});
    data.Delete();
    return true;
}
