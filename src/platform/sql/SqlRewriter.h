#pragma once

#include <QString>
#include <QStringList>

enum class SqlFlavor { SQLite, PostgreSQL };

struct AdaptedSql {
    // What is sent to the engine, every parameter marker replaced by '?'.
    QString text;
    // Parameter names in order of occurrence (a name used twice appears twice).
    QStringList parameters;
    // Position in text of each parameter's '?', in the same order.
    QList<qsizetype> markers;
};

// Rewrites the SQL the program writes (Jet/SQL Server style) into what the engine accepts.
// Parameters are listed in the order of the '?' markers in the result, which is the order of
// the input except where a DateDiff rewritten for PostgreSQL repeats or swaps its arguments.
AdaptedSql AdaptSql(const QString& sql, SqlFlavor flavor);
