#pragma once

#include "data/CustomWhere.h"

// Conditions on the equipment update log: which field changed, from and to what, on which
// machine, by whom and when.
class TEquiplogsWhere : public TCustomWhere {
public:
    TEquiplogsWhere();

    // Update-log details joined with their header and their equipment.
    QString Sql();

    Field* FldNameFld;
    Field* FldLabelFld;
    Field* OldValueFld;
    Field* NewValueFld;
    Field* EquipIdFld;
    Field* UpdatemanFld;
    Field* UpdateTime1Fld;
    Field* UpdateTime2Fld;
    Field* ComputNameFld;
};
