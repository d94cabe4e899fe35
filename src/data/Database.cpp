#include "Database.h"

#include "RecordSet.h"
#include "jtLib.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "platform/sql/SqlEngine.h"

#include <QAtomicInt>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString NewConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("lanyue-%1").arg(counter.fetchAndAddRelaxed(1));
}

// The value of a connection-string key, read the way the system always has: from just after
// "Key=" up to the next ";", empty when no ";" follows.
QString KeyValue(const QString& connectionString, const QString& key) {
    const qsizetype at = connectionString.indexOf(key);
    const QString rest = connectionString.mid(at < 0 ? key.size() : at + key.size() + 1);
    const qsizetype end = rest.indexOf(u';');
    return end < 0 ? QString() : rest.left(end);
}

// Every parameter given must occur in the statement; a marker left without a value is null,
// as the statements that leave [Note] unassigned expect. Names compare case-insensitively.
QVariantList BindValues(const QStringList& markers, const TDBParameters& params,
                        const TxDBParameters& blobs, const QString& sql) {
    QHash<QString, QVariant> byName;
    byName.reserve(markers.size());
    for (const QString& marker : markers) byName.insert(marker.toLower(), QVariant());
    const auto assign = [&](const QString& name, const QVariant& value) {
        const auto slot = byName.find(name.toLower());
        if (slot == byName.end())
            throw EDatabaseError(Format("参数 '%s' 在语句中不存在\r\n%s", {name, sql}));
        *slot = value;
    };
    for (const TDBParameter& p : params) assign(p.Name, p.Value);
    for (const TxDBParameter& p : blobs)
        assign(p.Name, p.Stream.isNull() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(p.Stream));
    QVariantList values;
    values.reserve(markers.size());
    for (const QString& marker : markers) values.append(byName.value(marker.toLower()));
    return values;
}

} // namespace

TDBParameter DBParam(const QString& name, const QVariant& value) {
    return {name, value};
}

TxDBParameter xDBParam(const QString& name, const QByteArray& stream) {
    return {name, stream};
}

TDatabase::TDatabase() : m_connectionName(NewConnectionName()) {}

TDatabase::~TDatabase() {
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

bool TDatabase::Connect(const QString& connectionString) {
    SetConnected(false);
    m_connectionString = connectionString;
    m_engine = SqlEngine::ForProvider(GetProvider());
    m_adapted.clear();
    if (m_db.isValid()) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_db = QSqlDatabase::addDatabase(m_engine->DriverName(), m_connectionName);
    QString error;
    if (!m_db.isValid()) error = m_db.lastError().text();
    else if (m_engine->Open(m_db, connectionString, &error)) return true;
    ShowInfo(Format("连接时失败,提示如下:\r\n%s", {error}));
    return false;
}

bool TDatabase::Connected() const {
    return m_db.isValid() && m_db.isOpen();
}

void TDatabase::SetConnected(bool connected) {
    if (connected == Connected()) return;
    if (connected) {
        Connect(m_connectionString);
        return;
    }
    m_db.close();
    m_inTransaction = false;
}

void TDatabase::EnsureConnected() {
    // Connect has already told the user why it failed.
    if (!Connected() && !Connect(m_connectionString)) throw EAbort();
}

const SqlEngine& TDatabase::Engine() const {
    if (!m_engine) throw EDatabaseError(QStringLiteral("数据库还没有连接"));
    return *m_engine;
}

QSqlQuery TDatabase::Run(const QString& sql, const TDBParameters& params,
                         const TxDBParameters& blobs) {
    EnsureConnected();
    const AdaptedSql adapted = Adapted(sql);
    const QVariantList values = BindValues(adapted.parameters, params, blobs, sql);
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool ok;
    const QString literal = values.isEmpty() ? adapted.text
                                             : m_engine->WithLiterals(adapted, values, *m_db.driver());
    if (!literal.isEmpty()) {
        ok = query.exec(literal);
    } else {
        ok = query.prepare(adapted.text);
        for (const QVariant& v : values) query.addBindValue(m_engine->BindValue(v));
        ok = ok && query.exec();
    }
    if (!ok) {
        const QSqlError error = query.lastError();
        const QString message = error.databaseText().isEmpty() ? error.text() : error.databaseText();
        throw EDatabaseError(message, sql, m_engine->IsDuplicateKey(error));
    }
    return query;
}

// Record sets send the same few hundred statements over and over; each is adapted once.
const AdaptedSql& TDatabase::Adapted(const QString& sql) {
    auto it = m_adapted.constFind(sql);
    if (it != m_adapted.cend()) return *it;
    if (m_adapted.size() >= 1024) m_adapted.clear();
    return *m_adapted.insert(sql, m_engine->Adapt(sql));
}

int TDatabase::ExecSQL(const QString& sql, const TDBParameters& params,
                       const TxDBParameters& blobs) {
    return Run(sql, params, blobs).numRowsAffected();
}

void TDatabase::Execute(const QString& sql, const TDBParameters& params,
                        const TxDBParameters& blobs) {
    Run(sql, params, blobs);
}

QSqlQuery TDatabase::OpenQuery(const QString& sql, const TDBParameters& params) {
    return Run(sql, params, {});
}

void TDatabase::BeginTrans() {
    EnsureConnected();
    if (!m_db.transaction())
        throw EDatabaseError(m_db.lastError().text(), QStringLiteral("BEGIN"), false);
    m_inTransaction = true;
}

void TDatabase::CommitTrans() {
    m_inTransaction = false;
    if (!m_db.commit())
        throw EDatabaseError(m_db.lastError().text(), QStringLiteral("COMMIT"), false);
}

void TDatabase::RollbackTrans() {
    m_inTransaction = false;
    if (Connected() && !m_db.rollback())
        throw EDatabaseError(m_db.lastError().text(), QStringLiteral("ROLLBACK"), false);
}

QString TDatabase::GetProvider() const {
    return KeyValue(m_connectionString, QStringLiteral("Provider"));
}

QString TDatabase::GetDataSource() const {
    return KeyValue(m_connectionString, QStringLiteral("Data Source"));
}

bool TDatabase::IsSqlServer() const {
    return GetProvider() != u"SQLite";
}

QString TDatabase::DateLiteral(const QDate& value) const {
    const QString text = value.toString(u"yyyy-MM-dd");
    return IsSqlServer() ? u'\'' + text + u'\'' : u'#' + text + u'#';
}

QString TDatabase::DateLiteral(const QDateTime& value) const {
    return DateLiteral(value.date());
}

QDateTime TDatabase::ServerNow() {
    TRecordSet set;
    set.Open(IsSqlServer() ? QStringLiteral("select GetDate()") : QStringLiteral("select now"));
    return set.DataSet().Fields(0).AsDateTime();
}

int TDatabase::NextKey(const QString& table, const QString& keyColumn) {
    ScratchSet.Open(Format("select max(%s) from %s", {keyColumn, table}));
    return ScratchSet.DataSet().Fields(0).AsInteger() + 1;
}

void TDatabase::Savepoint(const char* command) {
    if (m_inTransaction) Run(QString::fromLatin1(command), {}, {});
}

int TDatabase::InsertNewKey(const QString& table, const QString& keyColumn,
                            const std::function<int(int)>& insert, int* rows) {
    // Inside a transaction a failed statement would poison it on the server; a savepoint
    // lets the retry continue it.
    constexpr int kAttempts = 10;
    for (int attempt = 1;; ++attempt) {
        const int key = NextKey(table, keyColumn);
        Savepoint("SAVEPOINT lanyue_new_key");
        try {
            const int affected = insert(key);
            Savepoint("RELEASE SAVEPOINT lanyue_new_key");
            if (rows) *rows = affected;
            return key;
        } catch (const EDatabaseError& e) {
            if (!e.DuplicateKey() || attempt == kAttempts) throw;
            Savepoint("ROLLBACK TO SAVEPOINT lanyue_new_key");
        }
    }
}

TransactionGuard::TransactionGuard(TDatabase& db) : m_db(db) {
    m_db.BeginTrans();
}

TransactionGuard::~TransactionGuard() {
    if (m_done) return;
    try {
        m_db.RollbackTrans();
    } catch (const Exception&) {
        // The error that is unwinding matters more than a failed rollback.
    }
}

void TransactionGuard::Commit() {
    m_done = true;
    m_db.CommitTrans();
}

// Both live until the process ends; destroying them after Qt's own globals would crash.
TDatabase& DB = *new TDatabase;
TRecordSet& ScratchSet = *new TRecordSet;
