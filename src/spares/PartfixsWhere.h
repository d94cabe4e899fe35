#pragma once

#include "data/CustomWhere.h"

// Conditions on the installation list. The part and equipment texts only show the user what
// was picked; the Ids are what narrow the list.
class TPartfixsWhere : public TCustomWhere {
public:
    TPartfixsWhere();

    // The " where " clause of the installations in force, empty for none.
    QString Conditions();

    Field* FixIdFld;
    Field* PartIdFld;
    Field* PartS1Fld;
    Field* PartS2Fld;
    Field* PartS3Fld;
    Field* AssetIdFld;
    Field* AssetCodeFld;
    Field* AssetNameFld;
    Field* AssetPartnoFld;
    Field* Fixtime1Fld;
    Field* Fixtime2Fld;
    Field* FixmanFld;
    Field* Unfixtime1Fld;
    Field* Unfixtime2Fld;
    Field* UnfixmanFld;
    Field* UnfixReasonFld;
    Field* RemarksFld;
};
