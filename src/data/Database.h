#pragma once

#include "platform/sql/SqlRewriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class QSqlQuery;
class SqlEngine;
class TRecordSet;

struct TDBParameter {
    QString Name;
    QVariant Value;  // an invalid QVariant is null
};

// A blob parameter; the bytes are shared, not copied.
struct TxDBParameter {
    QString Name;
    QByteArray Stream;
};

using TDBParameters = QList<TDBParameter>;
using TxDBParameters = QList<TxDBParameter>;

TDBParameter DBParam(const QString& name, const QVariant& value);
TxDBParameter xDBParam(const QString& name, const QByteArray& stream);

// The one connection of the process. SQL is written once in the program's dialect and adapted
// by the engine the connection string's Provider selects ("SQLite" or "PostgreSQL").
class TDatabase {
public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    bool Connect(const QString& connectionString);
    bool Connected() const;
    void SetConnected(bool connected);
    const QString& ConnectionString() const { return m_connectionString; }

    int ExecSQL(const QString& sql, const TDBParameters& params = {},
                const TxDBParameters& blobs = {});
    void Execute(const QString& sql, const TDBParameters& params = {},
                 const TxDBParameters& blobs = {});

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const { return m_inTransaction; }

    QString GetProvider() const;
    QString GetDataSource() const;
    bool IsSqlServer() const;
    QString DateLiteral(const QDateTime& value) const;
    QString DateLiteral(const QDate& value) const;
    QDateTime ServerNow();

    // max(keyColumn) + 1 of the table, read through ScratchSet; 1 for an empty table.
    int NextKey(const QString& table, const QString& keyColumn);
    // Runs insert(key) with a freshly allocated key. When another workstation took that key
    // between the read and the insert, the key is allocated again and the insert retried.
    // Returns the key used; the rows insert() reported go to rows.
    int InsertNewKey(const QString& table, const QString& keyColumn,
                     const std::function<int(int key)>& insert, int* rows = nullptr);

    // Runs a select and hands the executed, forward-only query to the caller (record sets).
    QSqlQuery OpenQuery(const QString& sql, const TDBParameters& params);
    const SqlEngine& Engine() const;
    QSqlDatabase& Connection() { return m_db; }

private:
    QSqlQuery Run(const QString& sql, const TDBParameters& params, const TxDBParameters& blobs);
    const AdaptedSql& Adapted(const QString& sql);
    void EnsureConnected();
    void Savepoint(const char* command);

    QString m_connectionName;
    QSqlDatabase m_db;
    std::unique_ptr<SqlEngine> m_engine;
    QString m_connectionString;
    bool m_inTransaction = false;
    QHash<QString, AdaptedSql> m_adapted;
};

// Begins a transaction and rolls it back unless Commit was reached, so no path out of a
// group of statements can leave it open.
class TransactionGuard {
public:
    explicit TransactionGuard(TDatabase& db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;
    void Commit();

private:
    TDatabase& m_db;
    bool m_done = false;
};

extern TDatabase& DB;
extern TRecordSet& ScratchSet;
