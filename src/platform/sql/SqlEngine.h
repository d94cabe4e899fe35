#pragma once

#include "SqlRewriter.h"
#include "platform/dataset/Field.h"

#include <QSqlDatabase>
#include <QVariant>

#include <memory>

class QSqlDriver;
class QSqlError;
class QSqlQuery;
class QSqlField;

// What differs between the database engines, in one place: how to open a connection from
// the connection string, how SQL texts and bound values are adapted, how errors are read.
class SqlEngine {
public:
    virtual ~SqlEngine() = default;

    // "SQLite" gives the embedded engine; every other provider names the server.
    static std::unique_ptr<SqlEngine> ForProvider(const QString& provider);

    virtual SqlFlavor Flavor() const = 0;
    virtual QString DriverName() const = 0;
    // Configures and opens db from the connection string; on failure returns false and the
    // driver's message in error.
    virtual bool Open(QSqlDatabase& db, const QString& connectionString, QString* error) const = 0;
    // A value as the engine stores it (dates as text on SQLite, for one).
    virtual QVariant BindValue(const QVariant& value) const = 0;
    virtual bool IsDuplicateKey(const QSqlError& error) const = 0;
    // Field kind of a result column that no persistent field describes.
    virtual FieldKind ColumnKind(const QSqlQuery& query, int column, int* size) const;

    AdaptedSql Adapt(const QString& sql) const { return AdaptSql(sql, Flavor()); }
    // Engines that take values as literals return the statement with every marker replaced by
    // the driver's escaped literal; the others return an empty text and values are bound.
    virtual QString WithLiterals(const AdaptedSql& sql, const QVariantList& values,
                                 const QSqlDriver& driver) const;

    // The value of a "Key=Value;" pair, keys compared case-insensitively.
    static QString ConnectionValue(const QString& connectionString, const QString& key);
};
