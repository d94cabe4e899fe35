#include "SqlEngine.h"

#include "PostgresEngine.h"
#include "SqliteEngine.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

std::unique_ptr<SqlEngine> SqlEngine::ForProvider(const QString& provider) {
    if (provider == u"SQLite") return std::make_unique<SqliteEngine>();
    return std::make_unique<PostgresEngine>();
}

FieldKind SqlEngine::ColumnKind(const QSqlQuery& query, int column, int* size) const {
    const QSqlField field = query.record().field(column);
    *size = field.length() > 0 ? field.length() : -1;
    switch (field.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return FieldKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return FieldKind::Float;
    case QMetaType::Bool:
        return FieldKind::Boolean;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return FieldKind::DateTime;
    case QMetaType::QByteArray:
        return FieldKind::Blob;
    default:
        return field.length() > 0 ? FieldKind::String : FieldKind::Memo;
    }
}

QString SqlEngine::WithLiterals(const AdaptedSql&, const QVariantList&, const QSqlDriver&) const {
    return {};
}

QString SqlEngine::ConnectionValue(const QString& connectionString, const QString& key) {
    for (const QString& pair : connectionString.split(u';')) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq > 0 && pair.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return pair.mid(eq + 1).trimmed();
    }
    return {};
}
