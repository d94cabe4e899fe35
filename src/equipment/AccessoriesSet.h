#pragma once

#include "AssetsSet.h"
#include "data/QuerySet.h"

#include <QVariant>

#include <array>

class TAccessoriesWhere;

// What the accessory editor hands back: the accessory's own columns.
struct TAccessoryInput {
    QString ProductName, PartNo, Madein, Unit, ClassA;
    std::array<QString, 3> S;
    std::array<QVariant, 3> F; // null when left empty
    QString Remark;
};

// The accessories with their machine's columns joined in. The machine's columns are read with
// every query, so they show the machine as it is now, not as it was when the accessory was
// added. Writes are explicit statements; the caller posts or cancels the in-memory row.
class TAccessoriesSet : public TQuerySet {
public:
    TAccessoriesSet();

    void OpenByWhere(TAccessoriesWhere& where);
    // -1 opens an empty set.
    void OpenById(int id);

    // The machine's columns of the current row.
    void SetAssetData(const TAssetData& data);
    void GetAssetData(TAssetData& data) const;
    void SetInput(const TAccessoryInput& input);
    TAccessoryInput Input() const;

    // True when exactly one row was written; the new row gets its Id.
    bool Insert();
    bool Update();
    // Removes the current accessory; nothing for an empty set.
    bool DeleteCurrent();

    Field* IdFld;
    Field* EqiIdFld;
    Field* ProductNameFld;
    Field* PartNoFld;
    Field* MadeinFld;
    Field* UnitFld;
    Field* ClassAFld;
    std::array<Field*, 3> SFlds;
    std::array<Field*, 3> FFlds;
    Field* RemarkFld;

private:
    TDBParameters RowParams() const;
};
