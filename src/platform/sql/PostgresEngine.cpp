#include "PostgresEngine.h"

#include <QDateTime>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

bool PostgresEngine::Open(QSqlDatabase& db, const QString& connectionString, QString* error) const {
    const auto value = [&](const char* key) {
        return ConnectionValue(connectionString, QString::fromLatin1(key));
    };
    db.setHostName(value("Data Source"));
    const QString port = value("Port");
    db.setPort(port.isEmpty() ? 5432 : port.toInt());
    db.setDatabaseName(value("Initial Catalog"));
    db.setUserName(value("User ID"));
    db.setPassword(value("Password"));
    db.setConnectOptions(QStringLiteral("connect_timeout=120"));
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    QSqlQuery setup(db);
    for (const char* statement : {"SET statement_timeout = 300000", "SET client_min_messages = warning",
                                  "SET DateStyle = ISO, YMD"}) {
        if (!setup.exec(QString::fromLatin1(statement))) {
            *error = setup.lastError().text();
            db.close();
            return false;
        }
    }
    return true;
}

QVariant PostgresEngine::BindValue(const QVariant& value) const {
    // Wall-clock text: the driver would otherwise convert a date-time through UTC.
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.isNull() ? QVariant() : QVariant(value.toDateTime().toString(u"yyyy-MM-dd hh:mm:ss.zzz"));
    case QMetaType::QDate:
        return value.isNull() ? QVariant() : QVariant(value.toDate().toString(u"yyyy-MM-dd"));
    default:
        return value;
    }
}

bool PostgresEngine::IsDuplicateKey(const QSqlError& error) const {
    return error.nativeErrorCode() == u"23505";
}

QString PostgresEngine::WithLiterals(const AdaptedSql& sql, const QVariantList& values,
                                     const QSqlDriver& driver) const {
    QString text = sql.text;
    for (qsizetype i = sql.markers.size() - 1; i >= 0; --i) {
        const QVariant value = BindValue(values.value(i));
        QSqlField field(QString(), value.metaType());
        field.setValue(value);
        text.replace(sql.markers[i], 1, driver.formatValue(field));
    }
    return text;
}
