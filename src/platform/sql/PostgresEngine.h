#pragma once

#include "SqlEngine.h"

// The server shared by several workstations. Connection keys: "Data Source" (host), "Port",
// "Initial Catalog" (database), "User ID" and "Password".
class PostgresEngine : public SqlEngine {
public:
    SqlFlavor Flavor() const override { return SqlFlavor::PostgreSQL; }
    QString DriverName() const override { return QStringLiteral("QPSQL"); }
    bool Open(QSqlDatabase& db, const QString& connectionString, QString* error) const override;
    QVariant BindValue(const QVariant& value) const override;
    bool IsDuplicateKey(const QSqlError& error) const override;
    // One round trip instead of PREPARE, EXECUTE and DEALLOCATE; the driver escapes each value.
    QString WithLiterals(const AdaptedSql& sql, const QVariantList& values,
                         const QSqlDriver& driver) const override;
};
