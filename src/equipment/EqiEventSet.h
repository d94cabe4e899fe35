#pragma once

#include "data/QuerySet.h"

// The notes kept on the machines: a date and what happened.
class TEqiEventSet : public TQuerySet {
public:
    TEqiEventSet();

    void OpenByAsset(int eqiId);
    // Writes the row being edited (Id 0: a new note, which gets its Id) and posts it; false,
    // with the row still in edit, when no row was written. Errors reach the caller.
    bool Save();
    // Removes the current note; nothing for an empty set.
    bool DeleteCurrent();

    Field* IdFld;
    Field* EqiIdFld;
    Field* EvnDateFld;
    Field* DetailsFld;
};
