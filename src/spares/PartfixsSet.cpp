#include "PartfixsSet.h"

#include "PartLabels.h"
#include "data/jtLib.h"
#include "equipment/AssetLabels.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptFld.h"
#include "platform/Exceptions.h"

#include <cmath>

namespace {

const QString kInsert = QStringLiteral(
    "insert into Partfixs( Id, PartId, EqiId, Fixtime, Fixman, FixQty, Unfixtime, Unfixman, "
    "UnfixReason, Remarks)values(:Id,:PartId,:EqiId,:Fixtime,:Fixman,:FixQty,:Unfixtime,"
    ":Unfixman,:UnfixReason,:Remarks)");

const QString kUpdate = QStringLiteral(
    "update Partfixs set PartId=:PartId, EqiId=:EqiId, Fixtime=:Fixtime, Fixman=:Fixman, "
    "FixQty=:FixQty,  Unfixtime=:Unfixtime, Unfixman=:Unfixman, UnfixReason=:UnfixReason, "
    "Remarks=:Remarks where Id=:Id");

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh'时'");

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    const char* labelOf;  // the ledger or catalogue column whose title it shows
    const char* label;
};

// In this order; the department lookups follow UseDeptId.
const FieldDef kFields[] = {
    {K::Integer, "Id", 0, nullptr, "Id"},
    {K::Integer, "PartId", 0, nullptr, nullptr},
    {K::String, "PartS1", 50, "S1", nullptr},
    {K::String, "PartS2", 50, "S2", nullptr},
    {K::String, "PartS3", 50, "S3", nullptr},
    {K::String, "PartS4", 50, "S4", nullptr},
    {K::String, "PartS5", 50, "S5", nullptr},
    {K::String, "PartS6", 50, "S6", nullptr},
    {K::String, "PartS7", 50, "S7", nullptr},
    {K::String, "PartS8", 50, "S8", nullptr},
    {K::Integer, "AssetId", 0, nullptr, nullptr},
    {K::String, "AssetCode", 50, "Code", nullptr},
    {K::String, "AssetName", 50, "EqiName", nullptr},
    {K::String, "AssetPartno", 50, "PartNo", nullptr},
    {K::String, "AssetManufactory", 50, "Manufactory", nullptr},
    {K::String, "UseDeptId", 50, "UseDeptId", nullptr},
    {K::String, "AssetFixplace", 50, "FixPlace", nullptr},
    {K::String, "AssetFunctionary", 50, "Functionary", nullptr},
    {K::String, "AssetClassA", 50, "ClassA", nullptr},
    {K::String, "AssetClassB", 50, "ClassB", nullptr},
    {K::String, "AssetClassC", 50, "ClassC", nullptr},
    {K::String, "AssetClassD", 50, "ClassD", nullptr},
    {K::String, "AssetClassE", 50, "ClassE", nullptr},
    {K::String, "AssetClassF", 50, "ClassF", nullptr},
    {K::DateTime, "Fixtime", 0, nullptr, "安装时间"},
    {K::String, "Fixman", 30, nullptr, "安装人"},
    {K::Float, "FixQty", 0, nullptr, "数量"},
    {K::DateTime, "Unfixtime", 0, nullptr, "拆卸时间"},
    {K::String, "Unfixman", 30, nullptr, "拆卸人"},
    {K::String, "UnfixReason", 50, nullptr, "拆卸原因"},
    {K::Float, "Runtimes", 0, nullptr, "运行台时"},
    {K::Memo, "Remarks", 0, nullptr, "备注"},
};

QString LabelOf(const FieldDef& def) {
    if (def.label) return QString::fromUtf8(def.label);
    if (!def.labelOf) return QString();
    const QString column = QString::fromLatin1(def.labelOf);
    return QByteArray(def.name).startsWith("Part") ? PartLabel(column) : AssetLabel(column);
}

const char* const kAssetTexts[] = {"AssetCode", "AssetName", "AssetPartno", "UseDeptId",
                                   "AssetFixplace", "AssetClassA", "AssetClassB", "AssetClassC",
                                   "AssetClassD", "AssetClassE", "AssetClassF"};

} // namespace

TPartfixsSet::TPartfixsSet() {
    for (const FieldDef& def : kFields) {
        const QString name = QString::fromLatin1(def.name);
        const bool shown = name != u"PartId" && name != u"AssetId";
        Field* field = AddField(def.kind, name, def.kind == K::String ? def.size : -1, shown, LabelOf(def));
        if (name == u"UseDeptId") AddDeptLookups(Query(), *field);
    }
    const auto field = [this](const char* name) { return &Query().FieldByName(QString::fromLatin1(name)); };
    IdFld = field("Id");
    PartIdFld = field("PartId");
    AssetIdFld = field("AssetId");
    FixtimeFld = field("Fixtime");
    FixmanFld = field("Fixman");
    FixQtyFld = field("FixQty");
    UnfixtimeFld = field("Unfixtime");
    UnfixmanFld = field("Unfixman");
    UnfixReasonFld = field("UnfixReason");
    RuntimesFld = field("Runtimes");
    RemarksFld = field("Remarks");
    FixtimeFld->SetDisplayFormat(kTimeFormat);
    UnfixtimeFld->SetDisplayFormat(kTimeFormat);
    RuntimesFld->SetCalculated(true);
    Query().OnCalcFields = [this](DataSet&) {
        RuntimesFld->SetValue(RunHours(FixtimeFld->Value(), UnfixtimeFld->Value(),
                                       QDateTime::currentDateTime()));
    };
}

QVariant TPartfixsSet::RunHours(const QVariant& fixtime, const QVariant& unfixtime, const QDateTime& now) {
    if (fixtime.isNull() || !fixtime.toDateTime().isValid()) return QVariant();
    const QDateTime end = unfixtime.isNull() || !unfixtime.toDateTime().isValid() ? now : unfixtime.toDateTime();
    const qint64 seconds = std::llabs(fixtime.toDateTime().secsTo(end));
    return double(seconds / 3600);
}

int TPartfixsSet::Search() {
    return Open(QStringLiteral("select * from PartfixsQuery %1 order by Id").arg(Where.Conditions()));
}

TDBParameters TPartfixsSet::RowParams() const {
    TDBParameters params;
    params << DBParam(QStringLiteral("PartId"), PartIdFld->Value())
           << DBParam(QStringLiteral("EqiId"), AssetIdFld->Value());
    for (const Field* field : {FixtimeFld, FixmanFld, FixQtyFld, UnfixtimeFld, UnfixmanFld,
                               UnfixReasonFld, RemarksFld})
        params << DBParam(field->FieldName(), field->Value());
    return params;
}

bool TPartfixsSet::Insert() {
    CommitEdits();
    int rows = 0;
    const int key = Database().InsertNewKey(QStringLiteral("Partfixs"), QStringLiteral("Id"), [this](int id) {
        return Database().ExecSQL(kInsert, RowParams() << DBParam(QStringLiteral("Id"), id));
    }, &rows);
    if (rows == 1) IdFld->SetAsInteger(key);
    return rows == 1;
}

bool TPartfixsSet::Update() {
    CommitEdits();
    return Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("Id"), IdFld->Value())) == 1;
}

void TPartfixsSet::Delete() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty() || data.Editing()) return;
    Database().ExecSQL(QStringLiteral("delete from Partfixs where Id=:Id"),
                       {DBParam(QStringLiteral("Id"), IdFld->Value())});
    data.Delete();
}

bool TPartfixsSet::Save(bool isNew, const TAssetData& asset, const TPartData& part,
                        const TPartfixInput& input) {
    ::DataSet& data = Query();
    // A list whose search failed is closed; the new installation still gets a row to show it in.
    if (!data.Active()) data.CreateDataSet();
    if (isNew) data.Append();
    else data.Edit();
    SetAssetData(asset);
    SetPartData(part);
    SetInput(input);
    bool saved = false;
    try {
        saved = isNew ? Insert() : Update();
        // Only an installation deleted at another workstation updates no row.
        if (!saved && !isNew) ShowInfo(QStringLiteral("保存失败, 该记录已被删除."));
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
    if (saved) data.Post();
    else data.Cancel();
    return saved;
}

TPartData TPartfixsSet::PartData() const {
    TPartData part;
    part.Id = PartIdFld->AsInteger();
    part.S1 = Query().FieldByName(QStringLiteral("PartS1")).AsString();
    part.S2 = Query().FieldByName(QStringLiteral("PartS2")).AsString();
    part.S3 = Query().FieldByName(QStringLiteral("PartS3")).AsString();
    return part;
}

void TPartfixsSet::SetPartData(const TPartData& part) {
    const QString texts[] = {part.S1, part.S2, part.S3, part.S4, part.S5, part.S6, part.S7, part.S8};
    PartIdFld->SetAsInteger(part.Id);
    for (int i = 0; i < 8; ++i) Query().FieldByName(QStringLiteral("PartS%1").arg(i + 1)).SetAsString(texts[i]);
}

TAssetData TPartfixsSet::AssetData() const {
    const auto text = [this](const char* name) { return Query().FieldByName(QString::fromLatin1(name)).AsString(); };
    TAssetData asset;
    asset.Id = AssetIdFld->AsInteger();
    asset.Code = text("AssetCode");
    asset.EqiName = text("AssetName");
    asset.PartNo = text("AssetPartno");
    asset.ClassA = text("AssetClassA");
    asset.ClassB = text("AssetClassB");
    asset.ClassC = text("AssetClassC");
    asset.ClassD = text("AssetClassD");
    asset.ClassE = text("AssetClassE");
    asset.ClassF = text("AssetClassF");
    asset.UseDeptId = text("UseDeptId");
    asset.UseDeptName = text("UseDeptName");
    asset.UseDeptPath = text("UseDeptPath");
    asset.FixPlace = text("AssetFixplace");
    return asset;
}

void TPartfixsSet::SetAssetData(const TAssetData& asset) {
    const QString values[] = {asset.Code, asset.EqiName, asset.PartNo, asset.UseDeptId, asset.FixPlace,
                              asset.ClassA, asset.ClassB, asset.ClassC, asset.ClassD, asset.ClassE,
                              asset.ClassF};
    AssetIdFld->SetAsInteger(asset.Id);
    for (int i = 0; i < int(std::size(kAssetTexts)); ++i)
        Query().FieldByName(QString::fromLatin1(kAssetTexts[i])).SetAsString(values[i]);
}

TPartfixInput TPartfixsSet::Input() const {
    TPartfixInput input;
    input.Fixtime = FixtimeFld->IsNull() ? QDateTime() : FixtimeFld->AsDateTime();
    input.Fixman = FixmanFld->AsString();
    input.FixQty = FixQtyFld->AsFloat();
    input.Unfixtime = UnfixtimeFld->IsNull() ? QDateTime() : UnfixtimeFld->AsDateTime();
    input.Unfixman = UnfixmanFld->AsString();
    input.UnfixReason = UnfixReasonFld->AsString();
    input.Remarks = RemarksFld->AsString();
    return input;
}

void TPartfixsSet::SetInput(const TPartfixInput& input) {
    const auto time = [](const QDateTime& value) { return value.isValid() ? QVariant(value) : QVariant(); };
    const bool removed = input.Unfixtime.isValid();
    FixtimeFld->SetValue(time(input.Fixtime));
    FixmanFld->SetAsString(input.Fixman);
    FixQtyFld->SetAsFloat(input.FixQty);
    UnfixtimeFld->SetValue(time(input.Unfixtime));
    UnfixmanFld->SetValue(removed ? QVariant(input.Unfixman) : QVariant());
    UnfixReasonFld->SetValue(removed ? QVariant(input.UnfixReason) : QVariant());
    RemarksFld->SetAsString(input.Remarks);
}
