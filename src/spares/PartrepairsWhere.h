#pragma once

#include "data/CustomWhere.h"

// Conditions on the part repair list; the part texts only show what was picked.
class TPartrepairsWhere : public TCustomWhere {
public:
    TPartrepairsWhere();

    // The " where " clause of the part repairs in force, empty for none.
    QString Conditions();

    Field* RepairIdFld;
    Field* PartIdFld;
    Field* PartS1Fld;
    Field* PartS2Fld;
    Field* PartS3Fld;
    Field* RepairDate1Fld;
    Field* RepairDate2Fld;
    Field* TroublesFld;
    Field* RepairDetailsFld;
    Field* RepairmanFld;
    Field* NotesFld;
};
