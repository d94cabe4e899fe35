#pragma once

#include "data/CustomWhere.h"

// Conditions on accessories and on the equipment they belong to: finds equipment by its
// accessories, and narrows the accessory list.
class TAccessoriesWhere : public TCustomWhere {
public:
    TAccessoriesWhere();

    // Equipment having a matching accessory; no operator restriction applies.
    QString EquipmentSql();
    // Accessories joined with their equipment's columns.
    QString AccessoryListSql();

    Field* IdFld;
    Field* AssetIdFld;
    Field* ProductNameFld;
    Field* PartNoFld;
    Field* MadeinFld;
    Field* ClassAFld;
    Field* F11Fld;
    Field* F12Fld;
    Field* AssetCodeFld;
    Field* AssetNameFld;
    Field* AssetClassFld;
    Field* AssetClassAFld;
    Field* AssetClassBFld;
    Field* AssetClassCFld;
    Field* AssetClassDFld;
    Field* AssetClassEFld;
    Field* AssetClassFFld;
    Field* AssetUseDeptFld;

private:
    Field* AddTextDef(const char* name, int size, const QString& label);
};
