#pragma once

#include "QuerySet.h"

// A record set edited as a whole in a grid and saved with one command. Its query selects the
// key again as DeleId; rows marked deleted get DeleId 0 and are hidden by the filter
// "DeleId > 0" until Save removes them from the table.
class TBatchEditSet : public TQuerySet {
public:
    TBatchEditSet(const QString& table, const QString& keyField, TDatabase* db = nullptr);

    // Opens the rows (the SQL must select "<key> AS DeleId") and hides rows marked deleted.
    int OpenBatch(const QString& sql, const TDBParameters& params = {});
    // Marks the current row deleted.
    void DeleteRow();
    // Writes every change in one transaction: deletes by key, inserts rows whose key is 0
    // with a new key, updates the others. Memory follows only once the transaction committed.
    void Save();

protected:
    // Declares the hidden DeleId field for sets with persistent fields.
    void AddDeleIdField();
    virtual void DeleteRecord(int key);
    // Writes the current row with its newly allocated key; returns the rows affected.
    virtual int InsertRecord(int key) = 0;
    // Writes the current row; returns the rows affected.
    virtual int UpdateRecord() = 0;

    const QString& Table() const { return m_table; }
    const QString& KeyField() const { return m_keyField; }

private:
    QString m_table;
    QString m_keyField;
};
