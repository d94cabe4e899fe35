#pragma once

#include "data/CustomWhere.h"

// Conditions on inbound bills and their lines: the bill query list and the bill detail
// listing bind their search panels to it.
class TPartinWhere : public TCustomWhere {
public:
    TPartinWhere();

    // " and …" for each header condition in force, on the bills (m).
    QString BillConditions();
    // The part, header, keyword and not-arrived conditions on bills (m), lines (d), parts (p).
    QString LineConditions();

    Field* PartIdFld;
    Field* PartS1Fld;
    Field* PartS2Fld;
    Field* PartS3Fld;
    Field* PartKeywordFld;
    Field* Indate1Fld;
    Field* Indate2Fld;
    Field* IntypeFld;
    Field* IncodeFld;
    Field* InoutFld;
    Field* HandmanFld;
    Field* BillmanFld;
    Field* NotesFld;
    Field* NotArrivedFld;

private:
    void AddBillConditions(TConditionText& c) const;
};
