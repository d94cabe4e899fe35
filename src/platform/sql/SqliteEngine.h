#pragma once

#include "SqlEngine.h"

// The embedded engine: one file, one writer. Dates are kept as "yyyy-MM-dd hh:mm:ss" text,
// and the functions the program's SQL uses but SQLite lacks are registered on the connection.
class SqliteEngine : public SqlEngine {
public:
    SqlFlavor Flavor() const override { return SqlFlavor::SQLite; }
    QString DriverName() const override { return QStringLiteral("QSQLITE"); }
    bool Open(QSqlDatabase& db, const QString& connectionString, QString* error) const override;
    QVariant BindValue(const QVariant& value) const override;
    bool IsDuplicateKey(const QSqlError& error) const override;
    FieldKind ColumnKind(const QSqlQuery& query, int column, int* size) const override;

    static QString DateTimeText(const QDateTime& value);
};
