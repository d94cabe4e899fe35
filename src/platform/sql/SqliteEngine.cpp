#include "SqliteEngine.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>

#include <sqlite3.h>

namespace {

QString Text16(sqlite3_value* value) {
    const void* p = sqlite3_value_text16(value);
    const int bytes = sqlite3_value_bytes16(value);
    return QString(static_cast<const QChar*>(p), bytes / 2);
}

void ResultText(sqlite3_context* ctx, const QString& text) {
    sqlite3_result_text16(ctx, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
}

void LeftFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    ResultText(ctx, Text16(argv[0]).left(std::max(0, sqlite3_value_int(argv[1]))));
}

void LenFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) sqlite3_result_null(ctx);
    else sqlite3_result_int(ctx, sqlite3_value_bytes16(argv[0]) / 2);
}

void NowFunction(sqlite3_context* ctx, int, sqlite3_value**) {
    ResultText(ctx, SqliteEngine::DateTimeText(QDateTime::currentDateTime()));
}

QDateTime DateArgument(sqlite3_value* value) {
    if (sqlite3_value_type(value) == SQLITE_NULL) return {};
    return Field::ParseDateTime(Text16(value));
}

// Counts the interval boundaries crossed from a to b, as the other engines' DateDiff does.
qint64 Boundaries(const QString& interval, const QDateTime& a, const QDateTime& b, bool* ok) {
    const QString i = interval.trimmed().toLower();
    *ok = true;
    if (i == u"d" || i == u"dd" || i == u"day" || i == u"y" || i == u"dy")
        return a.date().daysTo(b.date());
    if (i == u"yyyy" || i == u"yy" || i == u"year") return b.date().year() - a.date().year();
    if (i == u"m" || i == u"mm" || i == u"month")
        return (b.date().year() - a.date().year()) * 12 + b.date().month() - a.date().month();
    if (i == u"ww" || i == u"wk" || i == u"week") return a.date().daysTo(b.date()) / 7;
    const auto truncated = [](const QDateTime& t, int unitSecs) {
        const qint64 secs = t.date().toJulianDay() * 86400 + t.time().msecsSinceStartOfDay() / 1000;
        return secs >= 0 ? secs / unitSecs : (secs - unitSecs + 1) / unitSecs;
    };
    if (i == u"h" || i == u"hh" || i == u"hour") return truncated(b, 3600) - truncated(a, 3600);
    if (i == u"n" || i == u"mi" || i == u"minute") return truncated(b, 60) - truncated(a, 60);
    if (i == u"s" || i == u"ss" || i == u"second") return truncated(b, 1) - truncated(a, 1);
    *ok = false;
    return 0;
}

void DateDiffFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const QDateTime a = DateArgument(argv[1]);
    const QDateTime b = DateArgument(argv[2]);
    if (!a.isValid() || !b.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    bool ok = false;
    const qint64 n = Boundaries(Text16(argv[0]), a, b, &ok);
    if (!ok) sqlite3_result_error(ctx, "DateDiff: unknown interval", -1);
    else sqlite3_result_int64(ctx, n);
}

sqlite3* Handle(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

bool RegisterFunctions(sqlite3* h) {
    struct Fn {
        const char* name;
        int args;
        void (*fn)(sqlite3_context*, int, sqlite3_value**);
        bool deterministic;
    };
    const Fn functions[] = {{"left", 2, LeftFunction, true},
                            {"len", 1, LenFunction, true},
                            {"now", 0, NowFunction, false},
                            {"getdate", 0, NowFunction, false},
                            {"datediff", 3, DateDiffFunction, true}};
    for (const Fn& f : functions) {
        const int flags = SQLITE_UTF16 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function(h, f.name, f.args, flags, nullptr, f.fn, nullptr, nullptr) !=
            SQLITE_OK)
            return false;
    }
    return true;
}

} // namespace

QString SqliteEngine::DateTimeText(const QDateTime& value) {
    return value.toString(u"yyyy-MM-dd hh:mm:ss");
}

bool SqliteEngine::Open(QSqlDatabase& db, const QString& connectionString, QString* error) const {
    const QString path = ConnectionValue(connectionString, QStringLiteral("Data Source"));
    if (path.isEmpty()) {
        *error = QStringLiteral("没有指定数据库文件");
        return false;
    }
    // Opening a missing file would silently create an empty database in its place.
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("数据库文件不存在: %1").arg(path);
        return false;
    }
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    sqlite3* h = Handle(db);
    if (!h || !RegisterFunctions(h)) {
        *error = QStringLiteral("无法在数据库连接上注册函数");
        db.close();
        return false;
    }
    return true;
}

QVariant SqliteEngine::BindValue(const QVariant& value) const {
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.isNull() ? QVariant() : QVariant(DateTimeText(value.toDateTime()));
    case QMetaType::QDate:
        return value.isNull() ? QVariant() : QVariant(DateTimeText(value.toDate().startOfDay()));
    case QMetaType::Bool:
        return int(value.toBool());
    default:
        return value;
    }
}

bool SqliteEngine::IsDuplicateKey(const QSqlError& error) const {
    // SQLITE_CONSTRAINT_PRIMARYKEY and SQLITE_CONSTRAINT_UNIQUE, or the plain constraint code.
    const QString code = error.nativeErrorCode();
    if (code == u"1555" || code == u"2067") return true;
    return code == u"19" && error.databaseText().contains(u"UNIQUE constraint failed");
}

FieldKind SqliteEngine::ColumnKind(const QSqlQuery& query, int column, int* size) const {
    const QVariant h = query.result() ? query.result()->handle() : QVariant();
    const char* declared = nullptr;
    if (h.isValid() && qstrcmp(h.typeName(), "sqlite3_stmt*") == 0) {
        auto* stmt = *static_cast<sqlite3_stmt* const*>(h.constData());
        if (stmt) declared = sqlite3_column_decltype(stmt, column);
    }
    *size = -1;
    if (!declared) {
        const FieldKind kind = SqlEngine::ColumnKind(query, column, size);
        if (kind == FieldKind::Memo) *size = 255;
        return kind == FieldKind::Memo ? FieldKind::String : kind;
    }
    const QString type = QString::fromUtf8(declared).toLower();
    const qsizetype open = type.indexOf(u'(');
    if (open > 0) *size = type.mid(open + 1).section(u')', 0, 0).section(u',', 0, 0).toInt();
    const auto has = [&](const char* word) { return type.contains(QLatin1String(word)); };
    if (has("bool") || has("bit")) return FieldKind::Boolean;
    if (has("int")) return FieldKind::Integer;
    if (has("real") || has("floa") || has("doub") || has("num") || has("dec") || has("money"))
        return FieldKind::Float;
    if (has("date") || has("time")) return FieldKind::DateTime;
    if (has("blob") || has("binary") || has("image")) return FieldKind::Blob;
    if (has("char") && *size > 0) return FieldKind::String;
    return FieldKind::Memo;
}
