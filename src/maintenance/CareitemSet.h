#pragma once

#include "CareData.h"
#include "CareitemWhere.h"
#include "data/QuerySet.h"

struct TAssetData;

// Maintenance items with their machine and last care record. The rows in memory are a view
// only: every write is an explicit statement, and the row follows when exactly one row was
// written.
class TCareitemSet : public TQuerySet {
public:
    TCareitemSet();

    // The items meeting the conditions, by machine; returns the row count.
    int Search(TCareitemWhere& where);
    // Each writes the current row (insert or edit state); true when one row was written.
    bool Insert();
    bool Update();
    // Deletes the current item with its care records and their part lines.
    bool Delete();
    // A new care record from the row's last-care columns, made the item's last record.
    bool AddCarecord();
    bool UpdateLastCarecord();

    TCareitemData GetData() const;
    void SetData(const TCareitemData& data);
    TCarecordData GetLastCare() const;
    void SetLastCare(const TCarecordData& data);
    void SetAssetData(const TAssetData& asset);
    // The due date the row's last care and period give; null without a last care.
    QVariant DueDate() const;

    Field* ciIdFld;
    Field* ciAssetIdFld;
    Field* ciLastCareIdFld;
    Field* crCaredateFld;
    Field* NextCaredateFld;

private:
    TDBParameters LastCareParams() const;
};
