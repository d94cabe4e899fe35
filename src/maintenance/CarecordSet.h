#pragma once

#include "CareData.h"
#include "CareitemWhere.h"
#include "data/QuerySet.h"

struct TAssetData;

// Care records joined with their item and machine. Writes are explicit statements; the row in
// memory follows only when exactly one row was written.
class TCarecordSet : public TQuerySet {
public:
    TCarecordSet();

    // The records meeting the conditions, by date; returns the row count.
    int Search(TCareitemWhere& where);
    // Insert makes the new record its item's last one.
    bool Insert();
    bool Update();
    // Deletes the current record with its part lines.
    bool Delete();
    // The previous or next record of the same machine; 0 for none.
    int PriorId();
    int NextId();

    TCarecordData GetData() const;
    void SetData(const TCarecordData& data);
    TCareitemData GetItemData() const;
    void SetData(const TCareitemData& item);
    void SetAssetData(const TAssetData& asset);

    Field* crIdFld;
    Field* crAssetIdFld;
    Field* crItemIdFld;
    Field* crCaredateFld;

private:
    TDBParameters RowParams() const;
    int Neighbour(const char* openSql, const char* closedSql);
};
