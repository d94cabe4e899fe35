#pragma once

#include "PartData.h"
#include "PartsWhere.h"
#include "data/QuerySet.h"

// The whole parts catalogue, loaded once, for picking a part: the condition narrows the loaded
// rows in memory.
class TPartable : public TQuerySet {
public:
    TPartable();

    // Filters the loaded rows by the condition; no new query.
    void ApplyWhere();
    TPartData PartData() const { return PartDataOf(Query()); }

    Field* IdFld;
    TPartsWhere Where;
};
