#include "ModalDialogs.h"
#include "EngineTest.h"
#include "MessageRecorder.h"
#include "ReplyServer.h"

#include "data/DBConfigFrm.h"
#include "data/DBConfiger.h"
#include "data/DatabaseSetup.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "platform/AppPaths.h"
#include "platform/sql/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTimer>

class tst_Startup : public QObject {
    Q_OBJECT
public:
    explicit tst_Startup(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void firstStartCreatesDefaultDatabase();
    void unreachableServerOpensDialog();
    void emptyDatabaseIsOfferedTheSchema_data();
    void emptyDatabaseIsOfferedTheSchema();
    void partialSchemaIsLeftAlone();
    void remoteServiceGivesWorkingConnection();

private:
    void Configure(const QString& connectionString);

    TestEngine m_engine;
    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_Startup::init() {
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("LANYUE_HOME", QFile::encodeName(m_home->path()));
}

void tst_Startup::cleanup() {
    DB.SetConnected(false);
    qunsetenv("LANYUE_HOME");
    m_home.reset();
}

// Writes cfg.ini so that start-up tries the given database.
void tst_Startup::Configure(const QString& connectionString) {
    TDBConfiger settings;
    const auto value = [&](const char* key) {
        return SqlEngine::ConnectionValue(connectionString, QString::fromLatin1(key));
    };
    if (value("Provider") == u"SQLite") {
        settings.providerIdx = TDBConfiger::FileProvider;
        settings.defaultCon = false;
        settings.jetfile = value("Data Source");
    } else {
        settings.providerIdx = TDBConfiger::ServerProvider;
        settings.mssqlServer = value("Data Source");
        settings.mssqlPort = value("Port").toInt();
        settings.mssqlDb = value("Initial Catalog");
        settings.mssqlUser = value("User ID");
        settings.mssqlPw = value("Password");
    }
    settings.Save();
}

void tst_Startup::firstStartCreatesDefaultDatabase() {
    MessageRecorder messages;
    ModalCloser watcher;
    TDBConfigFrm dialog;
    QVERIFY(ConnectAtStartup(dialog));
    QCOMPARE(watcher.Seen(), 0);
    QVERIFY(messages.Requests().isEmpty());
    QVERIFY(QFile::exists(QDir(DataDir()).filePath("lanyue.db")));
    QCOMPARE(InspectSchema(DB), SchemaState::Complete);
    QCOMPARE(DB.GetProvider(), QStringLiteral("SQLite"));
    ScratchSet.Open("select count(*) from operator where LoginId='sa'");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsInteger(), 1);
    TDBConfiger settings;
    QVERIFY(settings.UsesDefaultDatabase());

    DB.SetConnected(false);
    TDBConfigFrm again;  // the second start finds the file and leaves it as it is
    QVERIFY(ConnectAtStartup(again));
    QVERIFY(messages.Requests().isEmpty());
}

void tst_Startup::unreachableServerOpensDialog() {
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();  // nobody listens there now
    Configure(QStringLiteral("Provider=PostgreSQL;Data Source=127.0.0.1;Port=%1;Initial Catalog=x;"
                             "User ID=u;Password=p;").arg(port));
    MessageRecorder messages;
    ModalCloser watcher;
    TDBConfigFrm dialog;
    QVERIFY(!ConnectAtStartup(dialog));
    QCOMPARE(watcher.Seen(), 1);
    QCOMPARE(messages.Requests().size(), 1);
    QVERIFY(messages.Last().startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")));
    QVERIFY(!DB.Connected());
}

void tst_Startup::emptyDatabaseIsOfferedTheSchema_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("created on OK") << true;
    QTest::newRow("nothing on Cancel") << false;
}

void tst_Startup::emptyDatabaseIsOfferedTheSchema() {
    QFETCH(bool, accept);
    TestDatabase empty(m_engine);
    DB.SetConnected(false);
    Configure(empty.ConnectionString());
    MessageRecorder messages(accept ? QMessageBox::Ok : QMessageBox::Cancel);
    ModalCloser watcher;
    TDBConfigFrm dialog;
    QCOMPARE(ConnectAtStartup(dialog), accept);
    QCOMPARE(messages.Requests().size(), 1);
    QCOMPARE(messages.Last(), QStringLiteral("\r数据库中还没有本系统的数据表，是否现在创建？"));
    QCOMPARE(watcher.Seen(), accept ? 0 : 1);
    if (!accept) QVERIFY(DB.Connect(empty.ConnectionString()));
    QCOMPARE(InspectSchema(DB), accept ? SchemaState::Complete : SchemaState::Missing);
}

void tst_Startup::partialSchemaIsLeftAlone() {
    TestDatabase database(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("drop table link");
    DB.SetConnected(false);
    Configure(database.ConnectionString());
    MessageRecorder messages;
    TDBConfigFrm dialog;
    QVERIFY(ConnectAtStartup(dialog));
    QVERIFY(messages.Requests().isEmpty());
    QCOMPARE(InspectSchema(DB), SchemaState::Partial);
}

// The service's five lines describe the server this run uses; start-up connects with them.
void tst_Startup::remoteServiceGivesWorkingConnection() {
    if (m_engine != TestEngine::PostgreSQL) QSKIP("the remote service describes a server");
    TestDatabase database(m_engine);
    CreateSchema(DB);
    DB.SetConnected(false);
    const QString cs = database.ConnectionString();
    const auto value = [&](const char* key) { return SqlEngine::ConnectionValue(cs, QString::fromLatin1(key)); };
    const QByteArray lines = QStringList{value("Data Source"), value("Port"), value("User ID"),
                                         value("Password"), value("Initial Catalog")}.join("\r\n").toUtf8();
    ReplyServer service(HttpResponse("200 OK", lines + "\r\n"));
    TDBConfiger settings;
    settings.providerIdx = TDBConfiger::DipProvider;
    settings.dipUrl = QStringLiteral("http://127.0.0.1:%1/dip").arg(service.Port());
    settings.dipUser = QStringLiteral("张三");
    settings.Save();
    MessageRecorder messages;
    TDBConfigFrm dialog;
    QVERIFY(ConnectAtStartup(dialog));
    QVERIFY(messages.Requests().isEmpty());
    QCOMPARE(DB.GetDataSource(), value("Data Source"));
    QCOMPARE(InspectSchema(DB), SchemaState::Complete);
}

LANYUE_ENGINE_TEST_MAIN(tst_Startup)
#include "tst_startup.moc"
