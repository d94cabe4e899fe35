#pragma once

#include "EquiplogsWhere.h"
#include "data/QuerySet.h"

// The update log read field by field: every changed field of a save with its old and new
// value, who saved it, when, and the machine's code, name and model.
class TEquiplogsReport : public TQuerySet {
public:
    TEquiplogsReport();

    // Opens the changes matching Where; returns the row count.
    int OpenByWhere();

    TEquiplogsWhere Where;

    Field* EqiCodeFld;
    Field* EqiNameFld;
    Field* EqiPartNoFld;
    Field* LogIdFld;
    Field* FldNameFld;
    Field* FldLabelFld;
    Field* OldValueFld;
    Field* NewValueFld;
    Field* EquipIdFld;
    Field* UpdatemanFld;
    Field* UpdateTimeFld;
    Field* ComputNameFld;
    Field* ComputIpFld;
};
