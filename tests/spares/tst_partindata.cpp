#include "EngineTest.h"

#include "admin/Operator.h"
#include "data/Schema.h"
#include "spares/PartinSet.h"
#include "spares/PartinWhere.h"
#include "spares/PartindlSet.h"
#include "spares/PartinstailSet.h"
#include "spares/PartsSet.h"

#include <algorithm>

namespace {

void Part(int id, const QString& s1, const QString& s2) {
    DB.ExecSQL("insert into parts(Id,S1,S2)values(:Id,:S1,:S2)",
               {DBParam("Id", id), DBParam("S1", s1), DBParam("S2", s2)});
}

void Bill(int id, const QString& date, int inout, const QString& type = {},
          const QString& code = {}) {
    DB.ExecSQL("insert into partin(Id,Indate,Inout,Intype,Incode,Handman,Stateid)"
               "values(:Id,:D,:O,:T,:C,'张三',0)",
               {DBParam("Id", id), DBParam("D", QDateTime::fromString(date, Qt::ISODate)),
                DBParam("O", inout), DBParam("T", type), DBParam("C", code)});
}

void Line(int dlId, int inId, int partId, double qty, double qtyA) {
    DB.ExecSQL("insert into partindl(dlId,InId,PartId,Qty,QtyA)values(:D,:I,:P,:Q,:A)",
               {DBParam("D", dlId), DBParam("I", inId), DBParam("P", partId),
                DBParam("Q", qty), DBParam("A", qtyA)});
}

QList<int> Column(const DataSet& data, const QString& name) {
    QList<int> values;
    const int field = data.FieldByName(name).Index();
    for (int row = 0; row < data.RecordCount(); ++row)
        values.append(data.ValueAt(row, field).toInt());
    std::sort(values.begin(), values.end());
    return values;
}

double Stock(int partId, const char* figure) {
    TPartsSet parts;
    parts.OpenById(partId);
    return parts.Query().FieldByName(QString::fromLatin1(figure)).AsFloat();
}

} // namespace

class tst_PartinData : public QObject {
    Q_OBJECT
public:
    explicit tst_PartinData(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void firstBillAndItsWrites();
    void linesAndStock();
    void neighbours_data();
    void neighbours();
    void neighboursOfAnEmptyTable();
    void billSearch_data();
    void billSearch();
    void detailSearch_data();
    void detailSearch();
    void directionText();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_PartinData::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    CurrentOperator.Load("sa");
    Part(1, "ZC-A1", "深沟球轴承");
    Part(2, "MF-01", "骨架油封");
}

void tst_PartinData::cleanup() {
    m_db.reset();
}

void tst_PartinData::firstBillAndItsWrites() {
    TPartinSet bills;
    bills.OpenById(-1);
    DataSet& data = bills.Query();
    data.Append();
    TPartinInput input = NewPartinInput();
    QCOMPARE(input.Handman, QStringLiteral("sa"));
    QCOMPARE(input.Inout, 1);
    input.Incode = "SG-01";
    input.Indate = QDate(2026, 3, 5);
    input.Inout = -1;
    bills.SetInput(input);
    QVERIFY(bills.Insert());
    data.Post();
    QCOMPARE(bills.IdFld->AsInteger(), 1);

    QCOMPARE(bills.OpenById(1), 1);
    QCOMPARE(bills.BillmanFld->AsString(), QStringLiteral("sa"));
    QVERIFY(!bills.BillTimeFld->IsNull());
    QCOMPARE(bills.StateidFld->AsInteger(), 0);
    QCOMPARE(bills.IndateFld->AsDateTime(), QDateTime(QDate(2026, 3, 5), QTime(0, 0)));
    QCOMPARE(bills.InoutTextFld->AsString(), QStringLiteral("减少"));

    // Changing the header keeps its maker; the state goes through its own statement.
    CurrentOperator.LoginId = "clerk";
    data.Edit();
    input.Incode = "SG-02";
    input.Inout = 1;
    bills.SetInput(input);
    QVERIFY(bills.Update());
    data.Post();
    QCOMPARE(bills.InoutTextFld->AsString(), QStringLiteral("增加"));
    data.Edit();
    bills.StateidFld->SetAsInteger(1);
    bills.RecemanFld->SetAsString("李四");
    bills.RecedateFld->SetAsDateTime(QDateTime(QDate(2026, 3, 6), QTime(9, 30)));
    QVERIFY(bills.UpdateState());
    data.Post();
    bills.OpenById(1);
    QCOMPARE(bills.IncodeFld->AsString(), QStringLiteral("SG-02"));
    QCOMPARE(bills.BillmanFld->AsString(), QStringLiteral("sa"));
    QCOMPARE(bills.RecemanFld->AsString(), QStringLiteral("李四"));
    QCOMPARE(bills.RecedateFld->AsDateTime().time(), QTime(9, 30));

    QVERIFY(bills.Delete());
    QVERIFY(data.IsEmpty());
    QCOMPARE(ScalarInt("select count(*) from partin"), 0);
    // A bill deleted meanwhile updates no row.
    Bill(7, "2026-03-01T00:00:00", 1);
    bills.OpenById(7);
    DB.ExecSQL("delete from partin");
    QVERIFY(!bills.Update());
}

void tst_PartinData::linesAndStock() {
    Bill(1, "2026-03-01T00:00:00", 1);
    Bill(2, "2026-03-02T00:00:00", -1);
    TPartindlSet lines;
    lines.OpenByBill(1);
    DataSet& data = lines.Query();
    data.Append();
    lines.InIdFld->SetAsInteger(1);
    TPartData part;
    part.Id = 1;
    part.S1 = "ZC-A1";
    part.S2 = "深沟球轴承";
    lines.SetPartData(part);
    lines.QtyFld->SetAsFloat(10);
    lines.QtyAFld->SetAsFloat(0);
    QVERIFY(lines.Insert());
    data.Post();
    QCOMPARE(lines.dlIdFld->AsInteger(), 1);
    QCOMPARE(lines.QtyRFld->AsFloat(), 10.0);
    QVERIFY(lines.HasPart(1));
    QVERIFY(!lines.HasPart(2));
    QCOMPARE(Stock(1, "BuyingQty"), 10.0);

    // Arrival replaces the arrived quantity; it does not add to it.
    for (const double arrived : {4.0, 10.0}) {
        data.Edit();
        lines.QtyAFld->SetAsFloat(arrived);
        QVERIFY(lines.Update());
        data.Post();
        QCOMPARE(lines.QtyRFld->AsFloat(), 10.0 - arrived);
    }
    lines.OpenByBill(1);
    QCOMPARE(lines.QtyAFld->AsFloat(), 10.0);
    QCOMPARE(lines.PartData().S2, QStringLiteral("深沟球轴承"));
    QCOMPARE(Stock(1, "StockQty"), 10.0);

    // A decreasing bill's arrival lowers the stock.
    Line(2, 2, 1, 4, 4);
    QCOMPARE(Stock(1, "StockQty"), 6.0);

    // Lines of parts no longer in the catalogue are not listed.
    Line(3, 1, 99, 1, 0);
    QCOMPARE(lines.OpenByBill(1), 1);
    QVERIFY(lines.Delete());
    QVERIFY(data.IsEmpty());
    QVERIFY(lines.DeleteAll(1));
    QCOMPARE(ScalarInt("select count(*) from partindl where InId=1"), 0);
    QCOMPARE(ScalarInt("select count(*) from partindl"), 1);
}

void tst_PartinData::neighbours_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("prior");
    QTest::addColumn<int>("next");
    QTest::newRow("middle") << 5 << 2 << 9;
    QTest::newRow("first") << 2 << 0 << 5;
    QTest::newRow("last") << 9 << 5 << 0;
    QTest::newRow("no bill") << -1 << 2 << 9;
}

void tst_PartinData::neighbours() {
    QFETCH(int, current);
    QFETCH(int, prior);
    QFETCH(int, next);
    for (const int id : {2, 5, 9}) Bill(id, "2026-03-01T00:00:00", 1);
    TPartinSet bills;
    bills.OpenById(current);
    QCOMPARE(bills.PriorId(), prior);
    QCOMPARE(bills.NextId(), next);
}

void tst_PartinData::neighboursOfAnEmptyTable() {
    TPartinSet bills;
    QCOMPARE(bills.PriorId(), 0);
    QCOMPARE(bills.NextId(), 0);
}

void tst_PartinData::billSearch_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("nothing") << QString() << QVariant() << QList<int>{1, 2, 3, 4};
    QTest::newRow("decreasing") << "Inout" << QVariant(-1) << QList<int>{3};
    QTest::newRow("increasing") << "Inout" << QVariant(1) << QList<int>{1, 2, 4};
    QTest::newRow("from a day") << "Indate1" << QVariant(QDateTime(QDate(2026, 3, 10), QTime(15, 0)))
                                << QList<int>{2, 3, 4};
    QTest::newRow("to a day, whole") << "Indate2" << QVariant(QDateTime(QDate(2026, 3, 10), {}))
                                     << QList<int>{1, 2};
    QTest::newRow("kind") << "Intype" << QVariant("急件") << QList<int>{2};
    QTest::newRow("code part") << "Incode" << QVariant("-0") << QList<int>{1, 2};
    QTest::newRow("apostrophe") << "Incode" << QVariant("O'B") << QList<int>{4};
}

void tst_PartinData::billSearch() {
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QList<int>, ids);
    Bill(1, "2026-03-01T00:00:00", 1, "常规", "SG-01");
    Bill(2, "2026-03-10T00:00:00", 1, "急件", "SG-02");
    Bill(3, "2026-03-11T00:00:00", -1, "常规", "TH1");
    Bill(4, "2026-04-01T00:00:00", 1, "常规", "O'Brien");
    TPartinWhere where;
    if (!field.isEmpty()) where.DataSet().FieldByName(field).SetValue(value);
    // Part conditions take no part in the bill search.
    where.PartIdFld->SetAsInteger(2);
    where.NotArrivedFld->SetAsBoolean(true);
    TPartinSet bills;
    bills.Search(where);
    QCOMPARE(Column(bills.Query(), "Id"), ids);
}

void tst_PartinData::detailSearch_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("everything") << QString() << QVariant() << QList<int>{1, 2, 3};
    QTest::newRow("not arrived") << "NotArrived" << QVariant(true) << QList<int>{1, 3};
    QTest::newRow("part") << "PartId" << QVariant(2) << QList<int>{2};
    QTest::newRow("keyword") << "PartKeyword" << QVariant("油封") << QList<int>{2};
    QTest::newRow("decreasing") << "Inout" << QVariant(-1) << QList<int>{3};
}

void tst_PartinData::detailSearch() {
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QList<int>, lines);
    Bill(1, "2026-03-01T00:00:00", 1);
    Bill(2, "2026-03-02T00:00:00", -1);
    Line(1, 1, 1, 10, 4);
    Line(2, 1, 2, 5, 5);
    Line(3, 2, 1, 2, 3);
    Line(4, 2, 99, 1, 0); // its part has left the catalogue
    TPartinWhere where;
    if (!field.isEmpty()) where.DataSet().FieldByName(field).SetValue(value);
    TPartinstailSet set;
    set.Search(where);
    QCOMPARE(Column(set.Query(), "dlId"), lines);
    if (set.Query().Locate("dlId", 3)) {
        QCOMPARE(set.QtyRFld->AsFloat(), -1.0);
        QCOMPARE(set.Query().FieldByName("方向txt").AsString(), QStringLiteral("减少"));
        QCOMPARE(set.Query().FieldByName("PartS2").AsString(), QStringLiteral("深沟球轴承"));
    }
}

void tst_PartinData::directionText() {
    QCOMPARE(InoutText(1), QStringLiteral("增加"));
    QCOMPARE(InoutText(-1), QStringLiteral("减少"));
    QCOMPARE(InoutText(0), QStringLiteral("0"));
}

LANYUE_ENGINE_TEST_MAIN(tst_PartinData)
#include "tst_partindata.moc"
