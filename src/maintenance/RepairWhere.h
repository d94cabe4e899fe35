#pragma once

#include "data/CustomWhere.h"

// Conditions on the repair list: the list's search panel fills them, the equipment page and
// the bill narrow them to one machine or one repair.
class TRepairWhere : public TCustomWhere {
public:
    TRepairWhere();

    // The conditions in force, each as " and <comparison>" on the repairs (r) joined with
    // their equipment (e).
    QString Conditions();

    Field* IdFld;
    Field* AssetIdFld;
    Field* AssetCodeFld;
    Field* RepairDate1Fld;
    Field* RepairDate2Fld;
    Field* SendDate1Fld;
    Field* SendDate2Fld;
    Field* AssetUseDeptFld;
    Field* RepairClassFld;
    Field* RepairFactoryFld;
    Field* HandmanFld;
    Field* SanctionmanFld;
    Field* KeywordFld;
    Field* IsFinishFld;

private:
    Field* AddText(const char* name, int size, const QString& label);
    Field* AddDate(const char* name, const QString& label);
};
