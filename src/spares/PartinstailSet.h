#pragma once

#include "PartinWhere.h"
#include "data/QuerySet.h"

// Bill lines with their bills and parts, for the bill detail listing.
class TPartinstailSet : public TQuerySet {
public:
    TPartinstailSet();

    int Search(TPartinWhere& where);

    Field* InIdFld;
    Field* QtyRFld;
};
