#pragma once

#include "RecordSetBase.h"

#include <QStringList>

// Base of the record sets that keep a query's rows as an editable copy in memory.
class TQuerySet : public RecordSetBase {
public:
    explicit TQuerySet(TDatabase* db = nullptr) : RecordSetBase(db) {}

    ::DataSet& Query() { return Data(); }
    const ::DataSet& Query() const { return Data(); }

    // Reopens with the same SQL and parameters and, given a key field, returns to its row.
    void Refresh(const Field* keyField = nullptr);
    void CommitEdits();
    void CancelEdits();
    void PostEdits();
    // The field's text in every row, first to last (the cursor ends at the last row).
    QString JoinValues(const QString& fieldName, const QString& separator);
    // Display labels in field order; names, when given, receives the matching field names.
    void GetFieldLabels(QStringList& labels, bool visibleOnly, bool labelsOnly,
                        QStringList* names = nullptr) const;
    double SumOf(const Field& field);
};
