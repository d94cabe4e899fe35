#include "PartinstailSet.h"

#include "PartindlSet.h"
#include "PartinSet.h"

namespace {

const QString kSelect = QStringLiteral(
    "select m.*, d.*, d.Qty-d.QtyA as QtyR, p.S1 as PartS1, p.S2 as PartS2, p.S3 as PartS3, "
    "p.S4 as PartS4, p.S5 as PartS5, p.S6 as PartS6, p.S7 as PartS7, p.S8 as PartS8 "
    "from partin m, partindl d, parts p where m.Id=d.InId and d.PartId=p.Id ");

using K = FieldKind;

struct FieldDef {
    K kind;
    const char* name;
    int size;
    bool visible;
    const char* label;
};

const FieldDef kHeaderFields[] = {
    {K::DateTime, "Indate", -1, true, "日期"},   {K::String, "Intype", 30, true, "类别"},
    {K::String, "Incode", 30, true, "单号"},     {K::Integer, "Inout", -1, true, "方向"},
    {K::String, "方向txt", 30, true, "方向"},    {K::String, "Handman", 30, true, "经手人"},
    {K::String, "Billman", 30, true, "制单人"},  {K::DateTime, "BillTime", -1, true, "制单时间"},
    {K::Memo, "Notes", -1, true, "备注"},        {K::Integer, "Stateid", -1, true, ""},
    {K::String, "Receman", 30, true, "确认者"},  {K::DateTime, "Recedate", -1, true, "确认时间"},
    {K::Integer, "dlId", -1, true, ""},          {K::Integer, "InId", -1, true, ""},
    {K::Integer, "PartId", -1, false, ""},
};

const FieldDef kLineFields[] = {
    {K::Float, "Qty", -1, true, "计划数量"},
    {K::Float, "QtyA", -1, true, "入库数量"},
    {K::Float, "QtyR", -1, true, "在途数量"},
    {K::String, "dlNote", 250, true, "备注"},
};

} // namespace

TPartinstailSet::TPartinstailSet() {
    const auto add = [this](const FieldDef& def) {
        return AddField(def.kind, QString::fromUtf8(def.name), def.size, def.visible,
                        QString::fromUtf8(def.label));
    };
    for (const FieldDef& def : kHeaderFields) add(def);
    AddPartTextFields(*this);
    for (const FieldDef& def : kLineFields) add(def);
    DataSet& data = Query();
    InIdFld = &data.FieldByName(QStringLiteral("InId"));
    QtyRFld = &data.FieldByName(QStringLiteral("QtyR"));
    Field* inout = &data.FieldByName(QStringLiteral("Inout"));
    Field* inoutText = &data.FieldByName(QStringLiteral("方向txt"));
    inoutText->SetCalculated(true);
    data.OnCalcFields = [inout, inoutText](DataSet&) {
        inoutText->SetAsString(InoutText(inout->AsInteger()));
    };
}

int TPartinstailSet::Search(TPartinWhere& where) {
    return Open(kSelect + where.LineConditions());
}
