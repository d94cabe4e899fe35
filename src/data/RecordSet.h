#pragma once

#include "RecordSetBase.h"

// Base of the record sets read through a plain command, and of ScratchSet.
class TRecordSet : public RecordSetBase {
public:
    explicit TRecordSet(TDatabase* db = nullptr) : RecordSetBase(db) {}

    ::DataSet& DataSet() { return Data(); }
    const ::DataSet& DataSet() const { return Data(); }

    // Non-empty only when the set is open and has rows.
    QString JoinValues(const Field& field, const QString& separator) {
        return JoinFieldValues(&field, separator);
    }
    void Refresh() { Reopen(); }
    // Removes the current row from memory; sets that store rows delete them first.
    virtual void Delete();
    // Empties the rows in memory; no SQL.
    void DeleteAll();
};
