#pragma once

#include "data/CustomWhere.h"

// The date range of the accident analysis.
class TAccidentCountWhere : public TCustomWhere {
public:
    TAccidentCountWhere();

    // " where ..." over the accidents table; empty when no date is set.
    QString Where();

    Field* AccDate1Fld;
    Field* AccDate2Fld;
};
