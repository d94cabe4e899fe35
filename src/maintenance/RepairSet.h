#pragma once

#include "RepairData.h"
#include "RepairWhere.h"
#include "data/QuerySet.h"

struct TAssetData;

// Repairs joined with their equipment. The rows in memory are a view only: every write is an
// explicit statement, and the in-memory row follows only when exactly one row was written.
class TRepairSet : public TQuerySet {
public:
    TRepairSet();

    // The repairs meeting the conditions; returns the row count.
    int Search(TRepairWhere& where);
    // The one repair; -1 gives an empty set for a new repair. True for exactly one row.
    bool OpenById(int id);
    // The current row (in insert or edit state) written to the database; true for one row.
    // Insert gives the row its new Id.
    bool Insert();
    bool Update();
    // Deletes the current repair with its spare-part lines; the row leaves memory when the
    // repair itself was deleted.
    bool Delete();
    // The previous or next repair of the current row's machine; 0 for none.
    int PriorId();
    int NextId();

    TRepairData GetData() const;
    void SetData(const TRepairData& data);
    TAssetData GetAssetData() const;
    void SetAssetData(const TAssetData& asset);
    // Appends (isNew) or edits the current row with the values, writes it and posts the row,
    // or cancels it. A refused statement cancels the row and reaches the caller.
    bool Save(bool isNew, const TAssetData& asset, const TRepairData& data);

    Field* IdFld;
    Field* AssetIdFld;
    Field* RepairSendDateFld;
    Field* RepairTroubleFld;
    Field* RepairDateFld;
    Field* RepairClassFld;
    Field* RepairFactoryFld;
    Field* RepairmansFld;
    Field* RepairDetailsFld;
    Field* RepairCostFld;
    Field* RepairHoursFld;
    Field* RepairHandmanFld;
    Field* RepairSanctionmanFld;
    Field* RepairRemarkFld;

private:
    TDBParameters RowParams() const;
    int Neighbour(const char* whenOpen, const char* whenClosed);
};
