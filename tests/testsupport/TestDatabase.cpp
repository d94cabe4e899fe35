#include "TestDatabase.h"

#include "data/RecordSet.h"
#include "platform/sql/SqlEngine.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <stdexcept>

namespace {

QString ServerConnectionString() {
    return qEnvironmentVariable("LANYUE_TEST_PG");
}

QString WithCatalog(QString connectionString, const QString& database) {
    const QString current = SqlEngine::ConnectionValue(connectionString, QStringLiteral("Initial Catalog"));
    return connectionString.replace(QStringLiteral("Initial Catalog=") + current,
                                    QStringLiteral("Initial Catalog=") + database);
}

// Runs one statement on the cluster's maintenance database.
void Administer(const QString& statement) {
    const QString name = QStringLiteral("lanyue-test-admin");
    {
        QSqlDatabase admin = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        const QString cs = ServerConnectionString();
        admin.setHostName(SqlEngine::ConnectionValue(cs, QStringLiteral("Data Source")));
        admin.setPort(SqlEngine::ConnectionValue(cs, QStringLiteral("Port")).toInt());
        admin.setUserName(SqlEngine::ConnectionValue(cs, QStringLiteral("User ID")));
        admin.setPassword(SqlEngine::ConnectionValue(cs, QStringLiteral("Password")));
        admin.setDatabaseName(QStringLiteral("postgres"));
        if (!admin.open()) throw std::runtime_error(admin.lastError().text().toStdString());
        QSqlQuery q(admin);
        if (!q.exec(statement)) throw std::runtime_error(q.lastError().text().toStdString());
        admin.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

int ScalarInt(const QString& sql) {
    ScratchSet.Open(sql);
    return ScratchSet.DataSet().Fields(0).AsInteger();
}

QString EngineName(TestEngine engine) {
    return engine == TestEngine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

QString TestDatabase::Unavailable(TestEngine engine) {
    if (engine == TestEngine::PostgreSQL && ServerConnectionString().isEmpty())
        return QStringLiteral("LANYUE_TEST_PG is not set (scripts/test starts a cluster and sets it)");
    return {};
}

TestDatabase::TestDatabase(TestEngine engine, TDatabase& db) : m_engine(engine), m_db(db) {
    if (engine == TestEngine::SQLite) {
        const QString path = m_dir.filePath(QStringLiteral("test.db"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot create test.db");
        m_connectionString = QStringLiteral("Provider=SQLite;Data Source=%1;").arg(path);
    } else {
        static int serial = 0;
        m_databaseName = QStringLiteral("lanyue_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++serial);
        Administer(QStringLiteral("CREATE DATABASE %1").arg(m_databaseName));
        m_connectionString = WithCatalog(ServerConnectionString(), m_databaseName);
    }
    if (!m_db.Connect(m_connectionString)) throw std::runtime_error("cannot connect the test database");
}

TestDatabase::~TestDatabase() {
    m_db.SetConnected(false);
    if (m_engine == TestEngine::PostgreSQL) {
        try {
            Administer(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_databaseName));
        } catch (const std::exception& e) {
            qWarning("could not drop %s: %s", qPrintable(m_databaseName), e.what());
        }
    }
}
