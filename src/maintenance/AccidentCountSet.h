#pragma once

#include "AccidentCountWhere.h"
#include "data/JtClientDataSet.h"

class TRecordSet;

// The accident analysis: count and loss of the accidents in a date range, grouped by
// department, by grade and by nature, each group with its share of the whole.
class TAccidentCountSet : public TJtClientDataSet {
public:
    TAccidentCountSet();

    // Fills the rows anew: per grouping a heading row and its groups, then "合计".
    void Count(TAccidentCountWhere& where);

    Field* CatalogFld;
    Field* ObjectFld;
    Field* TqtyFld;
    Field* TqrateFld;
    Field* TfundFld;
    Field* TfrateFld;

private:
    void AddGroups(const QString& column, const QString& where, int total, double loss);
};
