#pragma once

#include "data/CustomWhere.h"

#include <QStringList>

#include <array>

// Conditions on the parts catalogue: the list's search panel and find dialog and the picker's
// filter fill it; the list turns it into its query, the picker into an in-memory filter.
class TPartsWhere : public TCustomWhere {
public:
    TPartsWhere();

    // " where …" of the list's query; empty when no condition is set.
    QString WhereClause();
    // The same conditions without Id, as a filter of rows already loaded; empty for none.
    QString FilterText();

    Field* IdFld;
    Field* S1Fld;
    Field* S2Fld;
    Field* S3Fld;
    Field* S4Fld;
    Field* S5Fld;
    Field* S6Fld;
    Field* S7Fld;
    Field* S8Fld;
    Field* ClassAFld;
    Field* StatusFld;
    Field* KeywordFld;
    Field* RemarksFld;
    Field* StockFlagFld;

    // S1Fld … S8Fld in order.
    std::array<Field*, 8> SFlds() const;

private:
    // Each condition in force as " and <comparison>".
    TConditionText Conditions(bool withId);
};

// The choices of the stock condition, in the order the search panel lists them.
const QStringList& StockFlags();
