#pragma once

#include "Database.h"
#include "platform/dataset/DataSet.h"

// What every record set shares: one DataSet bound to a connection, opened from SQL with
// parameters. Fields added before the first open are the set's persistent fields; a set
// without them takes its fields from each result.
class RecordSetBase {
public:
    explicit RecordSetBase(TDatabase& db = DB);
    virtual ~RecordSetBase();
    RecordSetBase(const RecordSetBase&) = delete;
    RecordSetBase& operator=(const RecordSetBase&) = delete;

    Field* AddField(FieldKind kind, const QString& name, int size, bool visible,
                    const QString& label);
    int Open(const QString& sql, const TDBParameters& params = {});
    const QString& SqlText() const { return m_sql; }
    TDatabase& Database() const { return m_db; }

protected:
    ::DataSet& Data() { return m_data; }
    const ::DataSet& Data() const { return m_data; }
    // Opens the last SQL again while bound controls are detached.
    void Reopen();
    QString JoinFieldValues(const Field* field, const QString& separator);

private:
    TDatabase& m_db;
    ::DataSet m_data;
    QString m_sql;
    TDBParameters m_params;
    bool m_persistent = false;
};
