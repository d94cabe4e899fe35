#include "MessageRecorder.h"
#include "ReplyServer.h"

#include "data/DBConfiger.h"
#include "data/jtLib.h"
#include "platform/AppPaths.h"
#include "platform/IniFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kServiceFailed = QStringLiteral("\r\n无法获得DIP连接信息,请检查网络是否畅通.\t");

QString ServerString(const QString& server, const QString& port, const QString& db,
                     const QString& user, const QString& password) {
    return QStringLiteral("Provider=PostgreSQL;Data Source=%1;Port=%2;Initial Catalog=%3;"
                          "User ID=%4;Password=%5;")
        .arg(server, port, db, user, password);
}

QString FileString(const QString& file) {
    return QStringLiteral("Provider=SQLite;Data Source=%1;").arg(file);
}

} // namespace

class tst_DBConfig : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void noFile();
    void roundTrip_data();
    void roundTrip();
    void fileLayout();
    void readValues_data();
    void readValues();
    void connectionString_data();
    void connectionString();
    void savedConnectionString_data();
    void savedConnectionString();
    void otherLinesSurvive();
    void dipService_data();
    void dipService();
    void dipServiceFailure_data();
    void dipServiceFailure();

private:
    QString CfgPath() const { return QDir(DataDir()).filePath(QStringLiteral("cfg.ini")); }
    QByteArray CfgBytes() const;
    void WriteCfg(const QByteArray& bytes) const;

    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_DBConfig::initTestCase() {
    RefuseUnexpectedMessages();
}

void tst_DBConfig::init() {
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("LANYUE_HOME", QFile::encodeName(m_home->path()));
}

void tst_DBConfig::cleanup() {
    qunsetenv("LANYUE_HOME");
    m_home.reset();
}

QByteArray tst_DBConfig::CfgBytes() const {
    QFile file(CfgPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_DBConfig::WriteCfg(const QByteArray& bytes) const {
    QFile file(CfgPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_DBConfig::noFile() {
    TDBConfiger c;
    QCOMPARE(c.FileName(), QDir(m_home->path()).filePath(QStringLiteral("cfg.ini")));
    QCOMPARE(c.providerIdx, 0);
    QCOMPARE(c.mssqlPort, 5432);
    QVERIFY(c.defaultCon);
    QVERIFY(!c.smartConnect);
    for (const QString& text : {c.mssqlServer, c.mssqlDb, c.mssqlUser, c.mssqlPw, c.jetfile,
                                c.jetUser, c.jetPw, c.dipUrl, c.dipUser, c.ReadLastLoginId()})
        QVERIFY(text.isEmpty());
    QCOMPARE(c.GetConnectionString(), QString());
    QVERIFY(!QFile::exists(CfgPath()));  // reading never creates the file
}

void tst_DBConfig::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("secret");
    QTest::newRow("plain") << "db.lanyue.local" << "s3cret";
    QTest::newRow("chinese") << "/数据/设备 台账/澜岳.db" << "密码123";
    QTest::newRow("blanks and quotes at the ends") << " \"x\" " << "\"quoted\"";
    QTest::newRow("scrambles to a leading blank") << "server;a=b" << ")secret";
    QTest::newRow("empty") << "" << "";
}

void tst_DBConfig::roundTrip() {
    QFETCH(QString, text);
    QFETCH(QString, secret);
    {
        TDBConfiger c;
        c.mssqlServer = text;
        c.mssqlPort = 6543;
        c.mssqlDb = text + QStringLiteral("db");
        c.mssqlUser = text;
        c.mssqlPw = secret;
        c.jetfile = text;
        c.jetUser = QStringLiteral("管理员");
        c.jetPw = secret + secret;
        c.dipUrl = QStringLiteral("http://dip.example/lanyue");
        c.dipUser = text;
        c.providerIdx = 1;
        c.defaultCon = false;
        c.Save();
    }
    const TDBConfiger c;
    QCOMPARE(c.mssqlServer, text);
    QCOMPARE(c.mssqlPort, 6543);
    QCOMPARE(c.mssqlDb, text + QStringLiteral("db"));
    QCOMPARE(c.mssqlUser, text);
    QCOMPARE(c.mssqlPw, secret);
    QCOMPARE(c.jetfile, text);
    QCOMPARE(c.jetUser, QStringLiteral("管理员"));
    QCOMPARE(c.jetPw, secret + secret);
    QCOMPARE(c.dipUrl, QStringLiteral("http://dip.example/lanyue"));
    QCOMPARE(c.dipUser, text);
    QCOMPARE(c.providerIdx, 1);
    QCOMPARE(c.defaultCon, false);
}

void tst_DBConfig::fileLayout() {
    const QString password = QStringLiteral("Pg-密码-2024");
    const QString file = QStringLiteral("/srv/澜岳/设备台账.db");
    const QString filePassword = QStringLiteral("jet-secret");
    TDBConfiger c;
    c.mssqlServer = QStringLiteral("pg.lanyue.local");
    c.mssqlPort = 6543;
    c.mssqlPw = password;
    c.jetfile = file;
    c.jetPw = filePassword;
    c.Save();
    const QByteArray bytes = CfgBytes();
    const QString connStr =
        ServerString(QStringLiteral("pg.lanyue.local"), QStringLiteral("6543"), {}, {}, password);
    for (const QString& secret : {password, file, filePassword, connStr})
        QVERIFY2(!bytes.contains(secret.toUtf8()), qPrintable(secret));
    QCOMPARE(TDBConfiger().GetConnectionString(), connStr);

    QList<QByteArray> lines = bytes.split('\n');
    QCOMPARE(lines.takeFirst(), QByteArray("[db]"));
    QCOMPARE(lines.takeLast(), QByteArray());
    QByteArrayList keys;
    for (const QByteArray& line : lines) keys.append(line.left(line.indexOf('=')));
    QCOMPARE(keys, QByteArrayList({"mssqlServer", "mssqlPort", "mssqlDb", "mssqlUser", "mssqlPw",
                                   "jetfile", "jetUser", "jetPw", "dipUrl", "dipUser",
                                   "providerIdx", "defaultCon", "ConnStr"}));
    QVERIFY(lines.contains("mssqlServer=pg.lanyue.local"));
    QVERIFY(lines.contains("mssqlPort=6543"));
    QVERIFY(lines.contains("providerIdx=0"));
    QVERIFY(lines.contains("defaultCon=1"));
}

void tst_DBConfig::readValues_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("provider");
    QTest::addColumn<bool>("useDefault");
    QTest::newRow("numbers and 0")
        << QByteArray("[db]\nmssqlPort=6000\nproviderIdx=2\ndefaultCon=0\n") << 6000 << 2 << false;
    QTest::newRow("not numbers read as defaults")
        << QByteArray("[db]\nmssqlPort=54x\nproviderIdx=\ndefaultCon=ja\n") << 5432 << 0 << true;
    QTest::newRow("boolean words") << QByteArray("[db]\ndefaultCon=False\n") << 5432 << 0 << false;
    QTest::newRow("names in any case, blanks around")
        << QByteArray("[DB]\r\n MSSQLPORT = 7000 \r\nProviderIdx=1\r\nDEFAULTCON=true\r\n") << 7000
        << 1 << true;
    QTest::newRow("keys of another section")
        << QByteArray("[dbx]\nmssqlPort=6000\n[Login]\nproviderIdx=1\n") << 5432 << 0 << true;
}

void tst_DBConfig::readValues() {
    QFETCH(QByteArray, content);
    WriteCfg(content);
    const TDBConfiger c;
    QTEST(c.mssqlPort, "port");
    QTEST(c.providerIdx, "provider");
    QTEST(c.defaultCon, "useDefault");
}

void tst_DBConfig::connectionString_data() {
    QTest::addColumn<int>("provider");
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<bool>("expectDefault");
    QTest::newRow("server uses the stored string") << 0 << true << false;
    QTest::newRow("chosen file uses the stored string") << 1 << false << false;
    QTest::newRow("default file whatever is stored") << 1 << true << true;
}

void tst_DBConfig::connectionString() {
    QFETCH(int, provider);
    QFETCH(bool, useDefault);
    QFETCH(bool, expectDefault);
    const QString stored = FileString(QStringLiteral("/elsewhere/old.db"));
    {
        IniFile ini(CfgPath());
        ini.WriteInteger(QStringLiteral("db"), QStringLiteral("providerIdx"), provider);
        ini.WriteBool(QStringLiteral("db"), QStringLiteral("defaultCon"), useDefault);
        ini.WriteBytes(QStringLiteral("db"), QStringLiteral("jetfile"),
                       Scramble(QByteArray("/elsewhere/other.db")));
        ini.WriteBytes(QStringLiteral("db"), QStringLiteral("ConnStr"), Scramble(stored.toUtf8()));
    }
    TDBConfiger c;
    const QString defaultFile = QDir(m_home->path()).filePath(QStringLiteral("lanyue.db"));
    QCOMPARE(TDBConfiger::DefaultDatabasePath(), defaultFile);
    QCOMPARE(c.UsesDefaultDatabase(), expectDefault);
    QCOMPARE(c.GetConnectionString(), expectDefault ? FileString(defaultFile) : stored);
}

void tst_DBConfig::savedConnectionString_data() {
    QTest::addColumn<int>("provider");
    QTest::addColumn<bool>("useDefault");
    QTest::addColumn<QString>("stored");
    const QString server = ServerString(QStringLiteral("pg.lanyue.local"), QStringLiteral("6543"),
                                        QStringLiteral("设备"), QStringLiteral("admin"),
                                        QStringLiteral("s3cret"));
    QTest::newRow("server") << 0 << true << server;
    QTest::newRow("chosen file") << 1 << false << FileString(QStringLiteral("/数据/台账.db"));
    QTest::newRow("default file stores the chosen one")
        << 1 << true << FileString(QStringLiteral("/数据/台账.db"));
    QTest::newRow("remote service stores nothing") << 2 << false << QString();
}

void tst_DBConfig::savedConnectionString() {
    QFETCH(int, provider);
    QFETCH(bool, useDefault);
    QFETCH(QString, stored);
    IniFile ini(CfgPath());
    ini.WriteBytes(QStringLiteral("db"), QStringLiteral("ConnStr"),
                   Scramble(QByteArray("Provider=SQLite;Data Source=/old.db;")));
    {
        TDBConfiger c;
        c.mssqlServer = QStringLiteral("pg.lanyue.local");
        c.mssqlPort = 6543;
        c.mssqlDb = QStringLiteral("设备");
        c.mssqlUser = QStringLiteral("admin");
        c.mssqlPw = QStringLiteral("s3cret");
        c.jetfile = QStringLiteral("/数据/台账.db");
        c.jetUser = QStringLiteral("ignored");
        c.jetPw = QStringLiteral("ignored too");
        c.dipUrl = QStringLiteral("http://127.0.0.1:1/dip");
        c.providerIdx = provider;
        c.defaultCon = useDefault;
        c.Save();
    }
    bool found = false;
    const QByteArray raw = ini.ReadBytes(QStringLiteral("db"), QStringLiteral("ConnStr"), &found);
    QVERIFY(found);
    QCOMPARE(QString::fromUtf8(Scramble(raw)), stored);
    if (provider != TDBConfiger::DipProvider && !useDefault)
        QCOMPARE(TDBConfiger().GetConnectionString(), stored);
}

void tst_DBConfig::otherLinesSurvive() {
    const QByteArray head = "; 澜岳设备管理系统\r\n[Login]\r\nLastLoginId=管理员\r\n\r\n[DB]\r\n";
    const QByteArray tail = "\r\n[other]\r\nmssqlServer=not mine\r\n";
    WriteCfg(head + "MSSQLSERVER=old\r\nExtra=keep me\r\n" + tail);
    {
        TDBConfiger c;
        QCOMPARE(c.mssqlServer, QStringLiteral("old"));
        c.mssqlServer = QStringLiteral("new");
        c.Save();
        c.WriteLastLoginId(QStringLiteral("张三"));
    }
    const QByteArray bytes = CfgBytes();
    QVERIFY(bytes.startsWith("; 澜岳设备管理系统\r\n[Login]\r\nLastLoginId=张三\r\n\r\n[DB]\r\n"
                             "MSSQLSERVER=new\r\nExtra=keep me\r\nmssqlPort=5432\r\n"));
    const QString connStr = ServerString(QStringLiteral("new"), QStringLiteral("5432"), {}, {}, {});
    const QByteArray ending = "\r\nConnStr=" + Scramble(connStr.toUtf8()) + "\r\n" + tail;
    QVERIFY(bytes.endsWith(ending));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    const TDBConfiger c;
    QCOMPARE(c.mssqlServer, QStringLiteral("new"));
    QCOMPARE(c.ReadLastLoginId(), QStringLiteral("张三"));
}

void tst_DBConfig::dipService_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("expected");
    const QString pg = ServerString(QStringLiteral("pg.example"), QStringLiteral("6543"),
                                    QStringLiteral("澜岳"), QStringLiteral("dip"),
                                    QStringLiteral("pw"));
    QTest::newRow("five lines") << QByteArray("pg.example\n6543\ndip\npw\n澜岳") << pg;
    QTest::newRow("five lines, final line break") << QByteArray("pg.example\n6543\ndip\npw\n澜岳\n")
                                                  << pg;
    QTest::newRow("five lines, CR LF") << QByteArray("pg.example\r\n6543\r\ndip\r\npw\r\n澜岳\r\n")
                                       << pg;
    QTest::newRow("four lines") << QByteArray("pg.example\n6543\ndip\npw\n") << QString();
    QTest::newRow("six lines") << QByteArray("pg.example\n6543\ndip\npw\n澜岳\nmore\n") << QString();
    QTest::newRow("empty reply") << QByteArray() << QString();
}

void tst_DBConfig::dipService() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, expected);
    ReplyServer server(HttpResponse("200 OK", reply));
    TDBConfiger c;
    c.providerIdx = TDBConfiger::DipProvider;
    c.dipUrl = QStringLiteral("http://127.0.0.1:%1/lanyue/dip").arg(server.Port());
    c.dipUser = QStringLiteral("张三 x");
    MessageRecorder messages;
    QCOMPARE(c.GetConnectionString(), expected);
    QCOMPARE(messages.Texts(), QStringList());
    QCOMPARE(server.RequestLine(),
             QByteArray("GET /lanyue/dip?user=%E5%BC%A0%E4%B8%89%20x HTTP/1.1"));
}

void tst_DBConfig::dipServiceFailure_data() {
    QTest::addColumn<QByteArray>("response");  // null: nobody listens
    QTest::addColumn<bool>("listening");
    QTest::addColumn<bool>("timesOut");
    QTest::newRow("connection refused") << QByteArray() << false << false;
    QTest::newRow("HTTP error") << HttpResponse("500 Internal Server Error", "a\nb\nc\nd\ne\n")
                                << true << false;
    QTest::newRow("never answers") << QByteArray() << true << true;
}

void tst_DBConfig::dipServiceFailure() {
    QFETCH(QByteArray, response);
    QFETCH(bool, listening);
    QFETCH(bool, timesOut);
    ReplyServer server(response);
    TDBConfiger c;
    c.providerIdx = TDBConfiger::DipProvider;
    c.dipUrl = QStringLiteral("http://127.0.0.1:%1/dip").arg(server.Port());
    c.dipUser = QStringLiteral("sa");
    c.SetServiceTimeout(300);
    if (!listening) server.Close();
    MessageRecorder messages;
    QElapsedTimer elapsed;
    elapsed.start();
    QCOMPARE(c.GetConnectionString(), QString());
    // Well below the ten seconds the program allows; when nothing answers, about the 300 ms.
    const QByteArray ms = QByteArray::number(elapsed.elapsed());
    QVERIFY2(elapsed.elapsed() < 5000, ms);
    if (timesOut) QVERIFY2(elapsed.elapsed() >= 250, ms);
    QCOMPARE(messages.Texts(), QStringList{kServiceFailed});
}

QTEST_MAIN(tst_DBConfig)
#include "tst_dbconfig.moc"
