#pragma once

#include "LogWhere.h"
#include "data/QuerySet.h"

// The operator log: one row per equipment add, edit or delete, with its outcome.
class TLogset : public TQuerySet {
public:
    TLogset();

    // Opens the entries matching Where, newest first; returns the row count.
    int OpenByWhere();
    // Deletes the current entry; the row leaves memory only when the database lost exactly it.
    bool DeleteCurrent();

    TLogWhere Where;

    Field* IdFld;
    Field* ActnameFld;
    Field* DetailsFld;
    Field* ResultsFld;
    Field* HandmanFld;
    Field* LogtimeFld;
    Field* ComputNameFld;
    Field* ComputIpFld;
};
