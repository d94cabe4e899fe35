#pragma once

#include "data/CustomWhere.h"

// Conditions on the accident list: the list window's search panel fills them, the equipment
// page narrows them to one machine.
class TAccidentWhere : public TCustomWhere {
public:
    TAccidentWhere();

    // The conditions in force, each as " and <comparison>" on the accidents (a) joined with
    // their equipment (e).
    QString Conditions();

    Field* IdFld;
    Field* AssetIdFld;
    Field* AssetCodeFld;
    Field* AssetClassFld;
    Field* AssetClassAFld;
    Field* AssetClassBFld;
    Field* AssetClassCFld;
    Field* AssetClassDFld;
    Field* AssetClassEFld;
    Field* AssetClassFFld;
    Field* AssetUseDeptFld;
    Field* AccDate1Fld;
    Field* AccDate2Fld;
    Field* AccPropFld;
    Field* AccClassFld;
    Field* AccMoney1Fld;
    Field* AccMoney2Fld;
    Field* KeywordFld;

private:
    Field* AddText(const char* name, int size, const QString& label);
};
