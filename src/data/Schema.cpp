#include "Schema.h"

#include "Database.h"
#include "platform/Exceptions.h"
#include "platform/sql/SqlEngine.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString DriverMessage(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// The statements of a script: each ends with ";" at the end of a line. A "$$" body (a
// PostgreSQL function) may hold such lines and runs on to its closing "$$". Comment lines
// outside a body are dropped.
QStringList SplitStatements(const QString& script) {
    QStringList statements;
    QString current;
    bool inBody = false;
    for (const QString& line : script.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!inBody && (trimmed.isEmpty() || trimmed.startsWith(u"--"))) continue;
        current += line;
        current += u'\n';
        if (line.count(u"$$") % 2 == 1) inBody = !inBody;
        if (!inBody && trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements.append(current);
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty()) statements.append(current.trimmed());
    return statements;
}

// Connects on demand, as every statement does; a failed attempt has been shown already.
void EnsureConnected(TDatabase& db) {
    if (!db.Connected()) db.SetConnected(true);
    if (!db.Connected()) throw EAbort();
}

QString ScriptPath(const TDatabase& db) {
    return db.Engine().Flavor() == SqlFlavor::PostgreSQL ? QStringLiteral(":/schema/postgresql.sql")
                                                         : QStringLiteral(":/schema/sqlite.sql");
}

// The catalogue lists the tables of the connected database; asking it raises nothing when
// the program's tables are absent, as a select on one of them would.
QStringList ExistingTables(TDatabase& db) {
    EnsureConnected(db);
    const QString sql = db.Engine().Flavor() == SqlFlavor::PostgreSQL
                            ? QStringLiteral("select table_name from information_schema.tables "
                                             "where table_schema = current_schema() "
                                             "and table_type = 'BASE TABLE'")
                            : QStringLiteral("select name from sqlite_master where type = 'table'");
    QSqlQuery query(db.Connection());
    query.setForwardOnly(true);
    if (!query.exec(sql)) throw EDatabaseError(DriverMessage(query.lastError()), sql, false);
    QStringList names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

} // namespace

const QStringList& SchemaTables() {
    static const QStringList tables = {
        QStringLiteral("accessories"), QStringLiteral("accidents"),   QStringLiteral("backup"),
        QStringLiteral("carecords"),   QStringLiteral("careitems"),   QStringLiteral("changes"),
        QStringLiteral("coderight"),   QStringLiteral("codes"),       QStringLiteral("Company"),
        QStringLiteral("department"),  QStringLiteral("doc"),         QStringLiteral("eqiclass"),
        QStringLiteral("eqievents"),   QStringLiteral("eqifile"),     QStringLiteral("eqimages"),
        QStringLiteral("equiplogs"),   QStringLiteral("equiplogsdl"), QStringLiteral("equipments"),
        QStringLiteral("keyvalue"),    QStringLiteral("link"),        QStringLiteral("logs"),
        QStringLiteral("operator"),    QStringLiteral("options"),     QStringLiteral("partfixs"),
        QStringLiteral("partin"),      QStringLiteral("partindl"),    QStringLiteral("partrepairs"),
        QStringLiteral("parts"),       QStringLiteral("partuse"),     QStringLiteral("repairs"),
        QStringLiteral("report"),      QStringLiteral("syscols"),     QStringLiteral("systatus"),
        QStringLiteral("upgrade"),
    };
    return tables;
}

SchemaState InspectSchema(TDatabase& db) {
    const QStringList existing = ExistingTables(db);
    qsizetype found = 0;
    for (const QString& table : SchemaTables())
        if (existing.contains(table, Qt::CaseInsensitive)) ++found;
    if (found == 0) return SchemaState::Missing;
    return found == SchemaTables().size() ? SchemaState::Complete : SchemaState::Partial;
}

void CreateSchema(TDatabase& db) {
    EnsureConnected(db);
    const QString path = ScriptPath(db);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EDatabaseError(QStringLiteral("无法读取数据库脚本 %1").arg(path));
    const QStringList statements = SplitStatements(QString::fromUtf8(file.readAll()));

    // The script is the engine's own SQL: it goes to the driver as written, not adapted.
    TransactionGuard transaction(db);
    for (const QString& statement : statements) {
        QSqlQuery query(db.Connection());
        if (!query.exec(statement))
            throw EDatabaseError(DriverMessage(query.lastError()), statement, false);
    }
    transaction.Commit();
}
