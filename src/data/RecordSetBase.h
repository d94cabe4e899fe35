#pragma once

#include "Database.h"
#include "platform/dataset/DataSet.h"

// What every record set shares: one DataSet bound to a connection, opened from SQL with
// parameters. Fields added before the first open are the set's persistent fields; a set
// without them takes its fields from each result.
class RecordSetBase {
public:
    // Without a connection the set uses DB, looked up when it is used: application-wide sets
    // are built during static initialisation, possibly before DB.
    explicit RecordSetBase(TDatabase* db = nullptr);
    virtual ~RecordSetBase();
    RecordSetBase(const RecordSetBase&) = delete;
    RecordSetBase& operator=(const RecordSetBase&) = delete;

    Field* AddField(FieldKind kind, const QString& name, int size, bool visible,
                    const QString& label);
    int Open(const QString& sql, const TDBParameters& params = {});
    const QString& SqlText() const { return m_sql; }
    TDatabase& Database() const { return m_db ? *m_db : DB; }

protected:
    ::DataSet& Data() { return m_data; }
    const ::DataSet& Data() const { return m_data; }
    // Opens the last SQL again while bound controls are detached.
    void Reopen();
    QString JoinFieldValues(const Field* field, const QString& separator);

private:
    TDatabase* m_db;
    ::DataSet m_data;
    QString m_sql;
    TDBParameters m_params;
    bool m_persistent = false;
};
