#pragma once

#include "PartData.h"
#include "data/QuerySet.h"

// The lines of one inbound bill with their parts. Writes are explicit statements; the caller
// posts or cancels its in-memory line by the outcome.
class TPartindlSet : public TQuerySet {
public:
    TPartindlSet();

    // Lines whose part has left the catalogue are not listed.
    int OpenByBill(int inId);
    bool HasLines() const;
    // Whether a listed line of the bill names the part.
    bool HasPart(int partId) const;

    // Each returns true when exactly one row was written; Insert gives the line its dlId,
    // Delete also removes the line from memory.
    bool Insert();
    bool Update();
    bool Delete();
    // Removes every line of the bill.
    bool DeleteAll(int inId);

    TPartData PartData() const;
    // Into the current line, which the caller has put into insert or edit state.
    void SetPartData(const TPartData& part);

    Field* dlIdFld;
    Field* InIdFld;
    Field* PartIdFld;
    Field* QtyFld;
    Field* QtyAFld;
    Field* QtyRFld;
    Field* dlNoteFld;

private:
    TDBParameters RowParams() const;
};

// Declares PartS1…PartS8, titled with the catalogue's labels of S1…S8.
void AddPartTextFields(RecordSetBase& set);
