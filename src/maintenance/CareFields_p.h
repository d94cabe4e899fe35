#pragma once

// The field list the two care record sets share: each set declares its fields from a table of
// these, in order, and the equipment columns take the ledger's titles.

#include "data/QuerySet.h"
#include "equipment/AssetLabels.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptFld.h"

#include <initializer_list>

namespace careui {

struct FieldDef {
    FieldKind kind;
    const char* name;
    int size;
    const char* label;    // empty: the grid shows the name
    const char* labelOf;  // the ledger column whose title it shows; null for none
};

inline void AddFields(TQuerySet& set, std::initializer_list<FieldDef> defs,
                      std::initializer_list<const char*> hidden) {
    for (const FieldDef& def : defs) {
        const QString name = QString::fromLatin1(def.name);
        bool visible = true;
        for (const char* h : hidden) visible = visible && name != QLatin1String(h);
        const QString label = def.labelOf ? AssetLabel(QString::fromLatin1(def.labelOf))
                                          : QString::fromUtf8(def.label);
        Field* field = set.AddField(def.kind, name, def.size, visible, label);
        if (name == u"UseDeptId") AddDeptLookups(set.Query(), *field);
    }
}

// The equipment columns both sets fill from a machine (each set fills its own key field).
inline void SetAssetColumns(DataSet& data, const TAssetData& asset) {
    const auto set = [&data](const char* name, const QString& value) {
        data.FieldByName(QString::fromLatin1(name)).SetAsString(value);
    };
    set("AssetCode", asset.Code);
    set("AssetName", asset.EqiName);
    set("AssetPartno", asset.PartNo);
    set("UseDeptId", asset.UseDeptId);
    set("AssetFixplace", asset.FixPlace);
    set("AssetClassA", asset.ClassA);
    set("AssetClassB", asset.ClassB);
    set("AssetClassC", asset.ClassC);
    set("AssetClassD", asset.ClassD);
    set("AssetClassE", asset.ClassE);
    set("AssetClassF", asset.ClassF);
}

// A care date as the rows keep it: midnight of the day, or null.
inline QVariant DateOnly(const QVariant& value) {
    if (value.isNull() || !value.isValid()) return QVariant();
    const QDate day = value.toDate();
    return day.isValid() ? QVariant(QDateTime(day, QTime(0, 0))) : QVariant();
}

const QString kInsertRecord = QStringLiteral(
    "insert into carecords( crId, crAssetId, crItemId, crCaredate, crCareman, crCaretents, crCaremarks )"
    "values(:crId,:crAssetId,:crItemId,:crCaredate,:crCareman,:crCaretents,:crCaremarks )");
const QString kUpdateRecord = QStringLiteral(
    "update carecords set crAssetId=:crAssetId, crItemId=:crItemId, crCaredate=:crCaredate, "
    "crCareman=:crCareman, crCaretents=:crCaretents, crCaremarks=:crCaremarks where crId=:crId");
const QString kSetLastCare = QStringLiteral("update careitems set ciLastCareId=:crId where ciId=:ciId");

} // namespace careui
