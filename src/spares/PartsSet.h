#pragma once

#include "PartData.h"
#include "PartsWhere.h"
#include "data/QuerySet.h"

#include <array>

// What the part editor reads and writes: every column of a part but its Id.
struct TPartValues {
    QString ClassA, Status;
    std::array<QString, 8> S;
    std::array<double, 5> F{};
    QString Remarks;
    double MinQty = 0;
};

// The parts catalogue with each part's stock worked out from the inbound bills and the usage
// when the list is opened. The rows in memory are a view only: every write is an explicit
// statement, and the caller posts or cancels its in-memory row by the outcome.
class TPartsSet : public TQuerySet {
public:
    TPartsSet();

    // The parts meeting the set's condition, with their stock, narrowed by the stock condition.
    void OpenByWhere();
    // One part with its stock; no stock condition.
    void OpenById(int id);

    // Each returns true when exactly one row was written. Insert gives the row its new Id.
    bool InsertCurrent();
    bool UpdateCurrent();
    // Removes the part with its installation and repair records in one transaction; a
    // failure is shown, undone and reported as false.
    bool DeleteCurrent();

    TPartData PartData() const { return PartDataOf(Query()); }
    TPartValues Values() const;
    // Into the current row, which the caller has put into insert or edit state.
    void SetValues(const TPartValues& values);

    Field* IdFld;
    Field* MinQtyFld;
    Field* BuyingQtyFld;
    Field* InedQtyFld;
    Field* UsedQtyFld;
    Field* StockQtyFld;
    Field* MinQtyRFld;
    TPartsWhere Where;

private:
    void OpenSql(const QString& where, const TDBParameters& params = {});
    void ComputeStock();
    void ApplyStockFilter();
    TDBParameters RowParams(bool withId) const;
};
