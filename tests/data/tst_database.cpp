#include "EngineTest.h"
#include "MessageRecorder.h"

#include "data/CustomWhere.h"
#include "data/QuerySet.h"
#include "data/RecordSet.h"
#include "platform/Exceptions.h"

namespace {

QString ItemsTable(TestEngine engine) {
    const bool pg = engine == TestEngine::PostgreSQL;
    return QStringLiteral("create table items (Id integer primary key, Code varchar(20), "
                          "Name varchar(50), Qty double precision, Flag boolean, BuyDate %1, "
                          "Notes text, Photo %2)")
        .arg(pg ? "timestamp" : "datetime", pg ? "bytea" : "blob");
}

int Count(const QString& where = QString()) {
    return ScalarInt(QStringLiteral("select count(*) from items ") + where);
}

void InsertItem(int id, const QString& code, const QVariant& name, const QDateTime& buyDate = {}) {
    DB.ExecSQL(QStringLiteral("insert into items(Id, Code, Name, BuyDate)values(:Id, :Code, :Name, :BuyDate)"),
               {DBParam("Id", id), DBParam("Code", code), DBParam("Name", name),
                DBParam("BuyDate", buyDate.isValid() ? QVariant(buyDate) : QVariant())});
}

class NameWhere : public TCustomWhere {
public:
    NameWhere() {
        NameFld = AddFieldDef(FieldKind::String, QStringLiteral("Name"), 50, true, QStringLiteral("名称"));
        CreateConditionRow();
    }
    Field* NameFld;
};

} // namespace

class tst_Database : public QObject {
    Q_OBJECT
public:
    explicit tst_Database(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void parametersOfEveryType();
    void rowCountsOfExecSql();
    void statementErrorCarriesDriverMessageAndSql();
    void missingParameterFailsBeforeExecution();
    void commitAndRollback();
    void maxPlusOneKeys();
    void keyTakenMeanwhileIsAllocatedAgain();
    void dateLiteralAndServerNow();
    void adaptedSqlRuns_data();
    void adaptedSqlRuns();
    void serverTimeFunctionsRun_data();
    void serverTimeFunctionsRun();
    void typedApostropheStaysInItsLiteral_data();
    void typedApostropheStaysInItsLiteral();
    void openFailureIsShownAndRaised();
    void connectFailureIsShown();
    void connectionStringKeys();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_Database::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    DB.ExecSQL(ItemsTable(m_engine));
}

void tst_Database::cleanup() {
    m_db.reset();
}

void tst_Database::parametersOfEveryType() {
    const QDateTime when(QDate(2009, 1, 6), QTime(15, 30, 5));
    const QByteArray photo("\x89PNG\0\x01\xff'\\", 9);
    const QString insert = QStringLiteral(
        "insert into items(Id, Code, Name, Qty, Flag, BuyDate, Notes, Photo)"
        "values(:Id, :Code, :Name, :Qty, :Flag, :BuyDate, :Notes, :Photo)");
    QCOMPARE(DB.ExecSQL(insert,
                        {DBParam("Id", 1), DBParam("Code", "SB'01"), DBParam("Name", "数控车床"),
                         DBParam("Qty", 1234567.125), DBParam("Flag", true), DBParam("BuyDate", when),
                         DBParam("Notes", QString(3000, u'注'))},
                        {xDBParam("Photo", photo)}),
             1);
    QCOMPARE(DB.ExecSQL(insert,
                        {DBParam("Id", 2), DBParam("Code", QVariant()), DBParam("Name", QVariant()),
                         DBParam("Qty", QVariant()), DBParam("Flag", QVariant()),
                         DBParam("BuyDate", QVariant()), DBParam("Notes", QVariant())},
                        {xDBParam("Photo", QByteArray())}),
             1);
    TQuerySet set;
    QCOMPARE(set.Open(QStringLiteral("select * from items where Id=:Id or Id=:Other order by Id"),
                      {DBParam("Id", 1), DBParam("Other", 2)}),
             2);
    DataSet& q = set.Query();
    QCOMPARE(q.FieldByName("Code").AsString(), QStringLiteral("SB'01"));
    QCOMPARE(q.FieldByName("Name").AsString(), QStringLiteral("数控车床"));
    QCOMPARE(q.FieldByName("Qty").AsFloat(), 1234567.125);
    QCOMPARE(q.FieldByName("Flag").AsBoolean(), true);
    QCOMPARE(q.FieldByName("BuyDate").AsDateTime(), when);
    QCOMPARE(q.FieldByName("Notes").AsString(), QString(3000, u'注'));
    QCOMPARE(q.FieldByName("Photo").AsBytes(), photo);
    q.Next();
    for (int i = 1; i < q.FieldCount(); ++i)
        QVERIFY2(q.Fields(i).IsNull(), qPrintable(q.Fields(i).FieldName()));
}

void tst_Database::rowCountsOfExecSql() {
    for (int id = 1; id <= 3; ++id) InsertItem(id, QStringLiteral("A%1").arg(id), "x");
    QCOMPARE(DB.ExecSQL(QStringLiteral("update items set Name=:Name where Id<=:Id"),
                        {DBParam("Name", "y"), DBParam("Id", 2)}),
             2);
    QCOMPARE(DB.ExecSQL(QStringLiteral("update items set Name='z' where Id=99")), 0);
    QCOMPARE(DB.ExecSQL(QStringLiteral("delete from items")), 3);
}

void tst_Database::statementErrorCarriesDriverMessageAndSql() {
    const QString sql = QStringLiteral("insert into no_such_table(Id)values(:Id)");
    try {
        DB.ExecSQL(sql, {DBParam("Id", 1)});
        QFAIL("the statement succeeded");
    } catch (const EDatabaseError& e) {
        QVERIFY(!e.DriverMessage().isEmpty());
        QVERIFY2(e.DriverMessage().contains(QStringLiteral("no_such_table")), qPrintable(e.DriverMessage()));
        QCOMPARE(e.Message(), e.DriverMessage() + QStringLiteral("\r\n") + sql);
        QCOMPARE(e.SqlText(), sql);
    }
    InsertItem(1, "A", "x");  // the connection is still usable
    QCOMPARE(Count(), 1);
}

void tst_Database::missingParameterFailsBeforeExecution() {
    const QString sql = QStringLiteral("insert into items(Id, Code)values(:Id, :Code)");
    try {
        DB.ExecSQL(sql, {DBParam("Id", 1), DBParam("Code", "a"), DBParam("Nmae", "typo")});
        QFAIL("an unknown parameter was accepted");
    } catch (const EDatabaseError& e) {
        QVERIFY(e.Message().contains(QStringLiteral("Nmae")));
        QVERIFY(e.Message().contains(sql));
    }
    QCOMPARE(Count(), 0);
    QCOMPARE(DB.ExecSQL(sql, {DBParam("Id", 1)}), 1);  // a marker left without a value is null
    QCOMPARE(Count("where Code is null"), 1);
}

void tst_Database::commitAndRollback() {
    DB.BeginTrans();
    InsertItem(1, "A", "x");
    DB.RollbackTrans();
    QCOMPARE(Count(), 0);

    DB.BeginTrans();
    InsertItem(1, "A", "x");
    DB.CommitTrans();
    QCOMPARE(Count(), 1);

    try {
        TransactionGuard transaction(DB);
        InsertItem(2, "B", "x");
        InsertItem(1, "A", "duplicate key");
        transaction.Commit();
        QFAIL("a duplicate key was inserted");
    } catch (const EDatabaseError& e) {
        QVERIFY(e.DuplicateKey());
    }
    QCOMPARE(Count(), 1);
    QVERIFY(!DB.InTransaction());
}

void tst_Database::maxPlusOneKeys() {
    QCOMPARE(DB.NextKey("items", "Id"), 1);
    InsertItem(7, "A", "x");
    QCOMPARE(DB.NextKey("items", "Id"), 8);
    int rows = 0;
    const int key = DB.InsertNewKey("items", "Id", [](int id) {
        return DB.ExecSQL("insert into items(Id, Code)values(:Id, 'B')", {DBParam("Id", id)});
    }, &rows);
    QCOMPARE(key, 8);
    QCOMPARE(rows, 1);
}

// Another workstation inserts the key this one has just read as max+1.
void tst_Database::keyTakenMeanwhileIsAllocatedAgain() {
    TDatabase other;
    QVERIFY(other.Connect(m_db->ConnectionString()));
    InsertItem(1, "A", "x");
    // SQLite lets no second writer in while a transaction reads, so only the server sees this
    // race inside a transaction.
    const QList<bool> cases = m_engine == TestEngine::SQLite ? QList<bool>{false} : QList<bool>{false, true};
    for (const bool inTransaction : cases) {
        if (inTransaction) DB.BeginTrans();
        int attempts = 0;
        const int key = DB.InsertNewKey("items", "Id", [&](int id) {
            if (++attempts == 1)
                other.ExecSQL("insert into items(Id, Code)values(:Id, 'other')", {DBParam("Id", id)});
            return DB.ExecSQL("insert into items(Id, Code)values(:Id, 'mine')", {DBParam("Id", id)});
        });
        if (inTransaction) DB.CommitTrans();
        QCOMPARE(attempts, 2);
        ScratchSet.Open("select Code from items where Id=:Id", {DBParam("Id", key)});
        QCOMPARE(ScratchSet.DataSet().Fields(0).AsString(), QStringLiteral("mine"));
    }
    QCOMPARE(Count(), 1 + 2 * int(cases.size()));
}

void tst_Database::dateLiteralAndServerNow() {
    const QDateTime afternoon(QDate(2009, 1, 6), QTime(15, 30));
    const QString expected = m_engine == TestEngine::SQLite ? QStringLiteral("#2009-01-06#")
                                                            : QStringLiteral("'2009-01-06'");
    QCOMPARE(DB.DateLiteral(afternoon), expected);
    QCOMPARE(DB.IsSqlServer(), m_engine == TestEngine::PostgreSQL);
    const QDateTime now = DB.ServerNow();
    QVERIFY2(qAbs(now.secsTo(QDateTime::currentDateTime())) < 300, qPrintable(now.toString()));
}

void tst_Database::adaptedSqlRuns_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("top N") << "select top 2 Id from items order by Id desc" << "3,2";
    QTest::newRow("top N in a subquery")
        << "select Name from items where Id in (select top 1 Id from items order by Id) "
        << "Alpha";
    QTest::newRow("brackets") << "select [Name] from items where [Id]=1" << "Alpha";
    QTest::newRow("jet date literals")
        << "select Id from items where BuyDate>=#2009-01-06# and BuyDate<#2009-01-07#" << "1";
    QTest::newRow("left and len")
        << "select left(Name, len(Name)-2) from items where Id=1" << "Alp";
    QTest::newRow("DateDiff, jet form") << "select DateDiff('d', BuyDate, #2009-01-10#) from items where Id=1" << "4";
    QTest::newRow("DateDiff, server form") << "select DateDiff(day, BuyDate, '2009-01-10') from items where Id=1" << "4";
    QTest::newRow("DateDiff against now")
        << "select Id from items where DateDiff('d', BuyDate, Now())+1 > 365 order by Id" << "1,2";
    QTest::newRow("like ignores case") << "select Id from items where Name like 'alp%'" << "1";
    QTest::newRow("not like") << "select Id from items where Name not like 'ALP%' order by Id" << "2,3";
    QTest::newRow("parameter used twice")
        << "select Id from items where Id=:Id or Id=:Id+1 order by Id" << "2,3";
}

void tst_Database::adaptedSqlRuns() {
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    InsertItem(1, "A1", "Alpha", QDateTime(QDate(2009, 1, 6), QTime(15, 30)));
    InsertItem(2, "A2", "Beta", QDateTime(QDate(2010, 1, 6), QTime(0, 0)));
    InsertItem(3, "A3", "Gamma");
    TRecordSet set;
    set.Open(sql, sql.contains(":Id") ? TDBParameters{DBParam("Id", 2)} : TDBParameters{});
    QCOMPARE(set.JoinValues(set.DataSet().Fields(0), ","), expected);
}

void tst_Database::serverTimeFunctionsRun_data() {
    QTest::addColumn<QString>("sql");
    QTest::newRow("select now") << "select now";
    QTest::newRow("Now()") << "select Now()";
    QTest::newRow("GetDate()") << "select GetDate()";
}

void tst_Database::serverTimeFunctionsRun() {
    QFETCH(QString, sql);
    TRecordSet set;
    QCOMPARE(set.Open(sql), 1);
    const QDateTime now = set.DataSet().Fields(0).AsDateTime();
    QVERIFY2(qAbs(now.secsTo(QDateTime::currentDateTime())) < 300, qPrintable(now.toString()));
}

void tst_Database::typedApostropheStaysInItsLiteral_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("a name with an apostrophe") << "O'Brien" << "1";
    QTest::newRow("closing the literal early") << "' or '1'='1" << "";
    QTest::newRow("a second statement") << "'; delete from items; --" << "";
}

void tst_Database::typedApostropheStaysInItsLiteral() {
    QFETCH(QString, typed);
    QFETCH(QString, found);
    InsertItem(1, "A1", "Pat O'Brien");
    InsertItem(2, "A2", "Other");
    NameWhere where;
    where.NameFld->SetAsString(typed);
    where.CommitEdits();
    TConditionText conditions;
    conditions.AddText("%s and Name like '%%%s%%'", *where.NameFld);
    TRecordSet set;
    set.Open(QStringLiteral("select Id from items ") + conditions.Where() + QStringLiteral(" order by Id"));
    QCOMPARE(set.JoinValues(set.DataSet().Fields(0), ","), found);
    QCOMPARE(Count(), 2);
}

void tst_Database::openFailureIsShownAndRaised() {
    MessageRecorder messages;
    TQuerySet set;
    const QString sql = QStringLiteral("select * from nowhere");
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, set.Open(sql));
    QCOMPARE(messages.Requests().size(), 1);
    const QString prefix = QStringLiteral("\r\nSQL语句错误,原文如下:\r\n") + sql + QStringLiteral("\r\n\r\n错误提示:\r\n");
    QVERIFY2(messages.Last().startsWith(prefix), qPrintable(messages.Last()));
    QVERIFY(messages.Last().contains(QStringLiteral("nowhere"), Qt::CaseInsensitive));
    QVERIFY(!set.Query().Active());
}

void tst_Database::connectFailureIsShown() {
    MessageRecorder messages;
    TDatabase other;
    const QString bad = m_engine == TestEngine::SQLite
                            ? QStringLiteral("Provider=SQLite;Data Source=/nonexistent/folder/x.db;")
                            : QString(m_db->ConnectionString()).replace(
                                  QStringLiteral("Initial Catalog="), QStringLiteral("Initial Catalog=missing_"));
    QVERIFY(!other.Connect(bad));
    QVERIFY(!other.Connected());
    QCOMPARE(messages.Requests().size(), 1);
    QVERIFY2(messages.Last().startsWith(QStringLiteral("\r\n连接时失败,提示如下:\r\n")), qPrintable(messages.Last()));
    QVERIFY(messages.Last().size() > 20);
}

void tst_Database::connectionStringKeys() {
    QCOMPARE(DB.GetProvider(), m_engine == TestEngine::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL"));
    QVERIFY(!DB.GetDataSource().isEmpty());
    TDatabase other;
    MessageRecorder messages;
    other.Connect(QStringLiteral("Provider=SQLOLEDB.1;Data Source=nohost"));
    QVERIFY(other.IsSqlServer());
    QCOMPARE(other.GetDataSource(), QString());  // no ";" after the value
    other.Connect(QStringLiteral("Data Source=x;"));
    QCOMPARE(other.GetProvider(), QStringLiteral("rce=x"));  // key absent: its length is skipped
}

LANYUE_ENGINE_TEST_MAIN(tst_Database)
#include "tst_database.moc"
