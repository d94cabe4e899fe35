#pragma once

#include "data/CustomWhere.h"

// Conditions on the operator log. Texts are compared with "like" as typed: the operator adds
// "%" where a partial match is wanted, so a chosen action matches exactly.
class TLogWhere : public TCustomWhere {
public:
    TLogWhere();

    // The operator-log statement, newest entry first.
    QString Sql();

    Field* IdFld;
    Field* ActnameFld;
    Field* DetailsFld;
    Field* HandmanFld;
    Field* Logtime1Fld;
    Field* Logtime2Fld;
    Field* ComputNameFld;
    Field* ComputIpFld;
};
