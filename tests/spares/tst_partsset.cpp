#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/AppLabels.h"
#include "data/Schema.h"
#include "spares/Partable.h"
#include "spares/PartsSet.h"
#include "spares/Partotal.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <functional>

namespace {

void Part(int id, const QString& s1, const QVariant& minQty, const QString& classA = {},
          const QString& s7 = {}) {
    DB.ExecSQL(
        "insert into parts(Id,S1,S2,ClassA,Status,S7,MinQty)"
        "values(:Id,:S1,:S2,:ClassA,'在用',:S7,:MinQty)",
        {DBParam("Id", id), DBParam("S1", s1), DBParam("S2", QStringLiteral("名称%1").arg(id)),
         DBParam("ClassA", classA.isEmpty() ? QVariant() : QVariant(classA)),
         DBParam("S7", s7.isEmpty() ? QVariant() : QVariant(s7)), DBParam("MinQty", minQty)});
}

void Bill(int id, int inout, int state = 0) {
    DB.ExecSQL("insert into partin(Id,Inout,Stateid)values(:Id,:Inout,:State)",
               {DBParam("Id", id), DBParam("Inout", inout), DBParam("State", state)});
}

void Line(int dlId, int inId, int partId, double qty, double qtyA) {
    DB.ExecSQL("insert into partindl(dlId,InId,PartId,Qty,QtyA)values(:D,:I,:P,:Q,:A)",
               {DBParam("D", dlId), DBParam("I", inId), DBParam("P", partId), DBParam("Q", qty),
                DBParam("A", qtyA)});
}

void Use(int dlId, int partId, double qty) {
    DB.ExecSQL("insert into partuse(dlId,PartId,Qty)values(:D,:P,:Q)",
               {DBParam("D", dlId), DBParam("P", partId), DBParam("Q", qty)});
}

QList<int> Ids(const DataSet& data) {
    QList<int> ids;
    const int id = data.FieldByName("Id").Index();
    for (int row = 0; row < data.RecordCount(); ++row)
        ids.append(data.ValueAt(row, id).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

// Opens the list with the given condition set through the set's own condition row.
QList<int> Search(TPartsSet& parts, const std::function<void(TPartsWhere&)>& set) {
    parts.Where.Clear();
    set(parts.Where);
    parts.OpenByWhere();
    return Ids(parts.Query());
}

} // namespace

class tst_PartsSet : public QObject {
    Q_OBJECT
public:
    explicit tst_PartsSet(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void idsFollowTheLargest();
    void stockFromBillsAndUsage_data();
    void stockFromBillsAndUsage();
    void oneTotalsQueryServesEveryPart();
    void stockConditions_data();
    void stockConditions();
    void searchConditions_data();
    void searchConditions();
    void whereClauseText();
    void catalogueFiltersInMemory();
    void insertAndUpdateWriteEveryColumn();
    void updateOfAVanishedPartReportsFalse();
    void deleteTakesInstallationsAndRepairs();
    void failedDeleteKeepsEverything();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_PartsSet::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    AppLabels = TAppLabels();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_PartsSet::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_PartsSet::idsFollowTheLargest() {
    TPartsSet parts;
    parts.OpenById(-1);
    DataSet& data = parts.Query();
    data.Append();
    data.FieldByName("S1").SetAsString("P-1");
    QVERIFY(parts.InsertCurrent());
    data.Post();
    QCOMPARE(parts.IdFld->AsInteger(), 1);

    Part(7, "P-7", 0);
    data.Append();
    QVERIFY(parts.InsertCurrent());
    data.Post();
    QCOMPARE(parts.IdFld->AsInteger(), 8);
    QCOMPARE(ScalarInt("select count(*) from parts where Id in (1, 8)"), 2);
}

void tst_PartsSet::stockFromBillsAndUsage_data() {
    QTest::addColumn<int>("inout");
    QTest::addColumn<int>("state");
    QTest::addColumn<double>("qty");
    QTest::addColumn<double>("qtyA");
    QTest::addColumn<double>("used");
    QTest::addColumn<QVariant>("buying");
    QTest::addColumn<double>("arrived");
    QTest::addColumn<double>("stock");
    QTest::newRow("no movements") << 0 << 0 << 0.0 << 0.0 << 0.0 << QVariant() << 0.0 << 0.0;
    QTest::newRow("increasing bill and usage")
        << 1 << 0 << 10.0 << 4.0 << 3.0 << QVariant(6.0) << 4.0 << 1.0;
    QTest::newRow("decreasing bill and usage")
        << -1 << 0 << 10.0 << 4.0 << 3.0 << QVariant(-6.0) << -4.0 << -7.0;
    QTest::newRow("confirmed bill counts alike")
        << 1 << 1 << 10.0 << 4.0 << 3.0 << QVariant(6.0) << 4.0 << 1.0;
    QTest::newRow("all arrived: nothing in transit")
        << 1 << 0 << 5.0 << 5.0 << 0.0 << QVariant() << 5.0 << 5.0;
}

void tst_PartsSet::stockFromBillsAndUsage() {
    QFETCH(int, inout);
    QFETCH(int, state);
    QFETCH(double, qty);
    QFETCH(double, qtyA);
    QFETCH(double, used);
    QFETCH(QVariant, buying);
    QFETCH(double, arrived);
    QFETCH(double, stock);
    Part(1, "P-1", 2.5);
    Part(2, "P-2", 0);
    if (inout != 0) {
        Bill(1, inout, state);
        Line(1, 1, 1, qty, qtyA);
        Line(2, 1, 2, 100, 100); // another part's line must not count for this one
    }
    if (used != 0) Use(1, 1, used);

    TPartsSet parts;
    parts.OpenById(1);
    QCOMPARE(parts.Query().RecordCount(), 1);
    QCOMPARE(parts.BuyingQtyFld->Value().isValid(), buying.isValid());
    QCOMPARE(parts.BuyingQtyFld->AsFloat(), buying.toDouble());
    QCOMPARE(parts.InedQtyFld->AsFloat(), arrived);
    QCOMPARE(parts.UsedQtyFld->AsFloat(), -used);
    QCOMPARE(parts.StockQtyFld->AsFloat(), stock);
    QCOMPARE(parts.MinQtyRFld->AsFloat(), stock - 2.5);
    QVERIFY(!parts.UsedQtyFld->IsNull());
}

void tst_PartsSet::oneTotalsQueryServesEveryPart() {
    Part(1, "P-1", 0);
    Part(2, "P-2", QVariant());
    Part(3, "P-3", 1);
    Bill(1, 1);
    Bill(2, -1);
    Line(1, 1, 1, 8, 8);
    Line(2, 2, 1, 2, 2);
    Line(3, 1, 3, 4, 1);
    Use(1, 1, 1);
    Use(2, 1, 2);
    Use(3, 99, 5); // usage of a part that is gone counts for nobody listed

    TPartotal totals;
    QCOMPARE(totals.Total(1, 1), 6.0);
    QCOMPARE(totals.Total(1, 2), -3.0);
    QCOMPARE(totals.Total(1, 3), 3.0);
    QCOMPARE(totals.Total(3, 0), 3.0);
    QCOMPARE(totals.Total(2, 3), 0.0);
    QCOMPARE(totals.Total(99, 2), -5.0);

    TPartsSet parts;
    parts.OpenByWhere();
    QCOMPARE(Ids(parts.Query()), (QList<int>{1, 2, 3}));
    QVERIFY(parts.Query().Locate("Id", 2));
    QCOMPARE(parts.MinQtyRFld->AsFloat(), 0.0); // an empty minimum counts as 0
    QVERIFY(parts.Query().Locate("Id", 3));
    QCOMPARE(parts.StockQtyFld->AsFloat(), 1.0);
    QCOMPARE(parts.MinQtyRFld->AsFloat(), 0.0);
    QCOMPARE(parts.BuyingQtyFld->AsFloat(), 3.0);
}

void tst_PartsSet::stockConditions_data() {
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("低于下限") << "低于下限" << QList<int>{1, 2, 4};
    QTest::newRow("低于下限(含在途)") << "低于下限(含在途)" << QList<int>{1, 4};
    QTest::newRow("所有在途申购") << "所有在途申购" << QList<int>{2, 3};
    QTest::newRow("不限") << "不限" << QList<int>{1, 2, 3, 4};
    QTest::newRow("empty") << "" << QList<int>{1, 2, 3, 4};
    QTest::newRow("anything else") << "低于" << QList<int>{1, 2, 3, 4};
}

void tst_PartsSet::stockConditions() {
    QFETCH(QString, flag);
    QFETCH(QList<int>, ids);
    Part(1, "P-1", 2);          // stock 2, equal to its minimum
    Part(2, "P-2", 2);          // stock 1, 3 in transit
    Part(3, "P-3", 2);          // stock 5, 1 in transit
    Part(4, "P-4", QVariant()); // no minimum, no stock
    Bill(1, 1);
    Line(1, 1, 1, 2, 2);
    Line(2, 1, 2, 4, 1);
    Line(3, 1, 3, 6, 5);
    Bill(2, -1);
    Line(4, 2, 2, 0, 0); // a decreasing line with nothing planned changes nothing

    TPartsSet parts;
    QCOMPARE(Search(parts, [&](TPartsWhere& w) { w.StockFlagFld->SetAsString(flag); }), ids);
    QCOMPARE(parts.Query().RecNo(), 1);
}

void tst_PartsSet::searchConditions_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("nothing: every part") << ""
                                         << "" << QList<int>{1, 2, 3, 4};
    QTest::newRow("keyword in S1") << "Keyword"
                                   << "A1" << QList<int>{1, 3};
    QTest::newRow("keyword in S7") << "Keyword"
                                   << "管" << QList<int>{4};
    QTest::newRow("class is exact") << "ClassA"
                                    << "轴" << QList<int>{};
    QTest::newRow("class") << "ClassA"
                           << "轴承" << QList<int>{1, 2};
    QTest::newRow("S1 anywhere") << "S1"
                                 << "-A" << QList<int>{1, 3};
    QTest::newRow("id") << "Id"
                        << "3" << QList<int>{3};
    QTest::newRow("apostrophe") << "Keyword"
                                << "O'R" << QList<int>{2};
    QTest::newRow("remarks take no part") << "Remarks"
                                          << "zzz" << QList<int>{1, 2, 3, 4};
}

void tst_PartsSet::searchConditions() {
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QList<int>, ids);
    Part(1, "XA1-A", 0, "轴承");
    Part(2, "O'Ring", 0, "轴承");
    Part(3, "B-A1", 0, "密封");
    Part(4, "C", 0, "", "钢管");
    TPartsSet parts;
    QCOMPARE(Search(parts,
                    [&](TPartsWhere& w) {
                        if (!field.isEmpty()) w.DataSet().FieldByName(field).SetAsString(value);
                    }),
             ids);
    // Criteria combine with AND.
    QCOMPARE(Search(parts,
                    [](TPartsWhere& w) {
                        w.ClassAFld->SetAsString("轴承");
                        w.KeywordFld->SetAsString("A1");
                    }),
             QList<int>{1});
}

void tst_PartsSet::whereClauseText() {
    TPartsWhere where;
    QVERIFY(where.WhereClause().isEmpty());
    where.IdFld->SetAsInteger(-1);
    where.StatusFld->SetAsString("在用");
    where.S3Fld->SetAsString("M8");
    QCOMPARE(where.WhereClause(),
             QStringLiteral(" where Id=-1 and Status = '在用' and S3 like '%M8%'"));
    QCOMPARE(where.FilterText(), QStringLiteral("Status = '在用' and S3 like '%M8%'"));
    where.Clear();
    QVERIFY(where.IdFld->IsNull());
    QVERIFY(where.WhereClause().isEmpty());
}

void tst_PartsSet::catalogueFiltersInMemory() {
    Part(1, "XA1-A", 0, "轴承");
    Part(2, "O'Ring", 0, "轴承");
    Part(3, "B-A1", 0, "密封");
    TPartable table;
    QCOMPARE(Ids(table.Query()), (QList<int>{1, 2, 3}));
    DB.ExecSQL("delete from parts"); // the catalogue was read once; filtering reads no more

    table.Where.IdFld->SetAsInteger(2); // the picker's filter has no Id
    table.Where.KeywordFld->SetAsString("a1");
    table.ApplyWhere();
    QCOMPARE(Ids(table.Query()), (QList<int>{1, 3}));
    table.Where.Clear();
    table.Where.ClassAFld->SetAsString("轴承");
    table.Where.S1Fld->SetAsString("O'");
    table.ApplyWhere();
    QCOMPARE(Ids(table.Query()), QList<int>{2});
    const TPartData part = table.PartData();
    QCOMPARE(part.Id, 2);
    QCOMPARE(part.S2, QStringLiteral("名称2"));
    QCOMPARE(part.Status, QStringLiteral("在用"));
    table.Where.Clear();
    table.ApplyWhere();
    QCOMPARE(table.Query().RecordCount(), 3);
}

void tst_PartsSet::insertAndUpdateWriteEveryColumn() {
    TPartValues values;
    values.ClassA = "轴承";
    values.Status = "在用";
    for (size_t i = 0; i < values.S.size(); ++i)
        values.S[i] = QStringLiteral("文字%1").arg(i + 1);
    for (size_t i = 0; i < values.F.size(); ++i)
        values.F[i] = 1.5 * double(i + 1);
    values.Remarks = "备注\r\n两行";
    values.MinQty = 3;
    TPartsSet parts;
    parts.OpenById(-1);
    parts.Query().Append();
    parts.SetValues(values);
    QVERIFY(parts.InsertCurrent());
    parts.Query().Post();

    TPartsSet stored;
    stored.OpenById(parts.IdFld->AsInteger());
    const TPartValues read = stored.Values();
    QVERIFY(read.S == values.S);
    QVERIFY(read.F == values.F);
    QCOMPARE(read.Remarks, values.Remarks);
    QCOMPARE(read.MinQty, 3.0);
    QCOMPARE(stored.MinQtyRFld->AsFloat(), -3.0);

    stored.Query().Edit();
    values.S[1] = "新名称";
    values.Status.clear();
    stored.SetValues(values);
    QVERIFY(stored.UpdateCurrent());
    stored.Query().Post();
    QCOMPARE(ScalarInt("select count(*) from parts where S2='新名称' and Status is null"), 1);
}

void tst_PartsSet::updateOfAVanishedPartReportsFalse() {
    Part(1, "P-1", 0);
    TPartsSet parts;
    parts.OpenById(1);
    DB.ExecSQL("delete from parts");
    parts.Query().Edit();
    parts.Query().FieldByName("S1").SetAsString("P-X");
    QVERIFY(!parts.UpdateCurrent());
}

void tst_PartsSet::deleteTakesInstallationsAndRepairs() {
    Part(1, "P-1", 0);
    Part(2, "P-2", 0);
    DB.ExecSQL("insert into partfixs(Id,PartId,EqiId)values(1,1,5)");
    DB.ExecSQL("insert into partfixs(Id,PartId,EqiId)values(2,2,5)");
    DB.ExecSQL("insert into partrepairs(Id,PartId)values(1,1)");
    Bill(1, 1);
    Line(1, 1, 1, 3, 3);
    Use(1, 1, 1);
    TPartsSet parts;
    parts.OpenByWhere();
    QVERIFY(parts.Query().Locate("Id", 1));
    QVERIFY(parts.DeleteCurrent());
    QCOMPARE(Ids(parts.Query()), QList<int>{2});
    QCOMPARE(ScalarInt("select count(*) from parts"), 1);
    QCOMPARE(ScalarInt("select count(*) from partfixs"), 1);
    QCOMPARE(ScalarInt("select count(*) from partrepairs"), 0);
    // Bill lines and usage stay, and still count in the totals.
    QCOMPARE(ScalarInt("select count(*) from partindl"), 1);
    QCOMPARE(ScalarInt("select count(*) from partuse"), 1);
    QCOMPARE(TPartotal().Total(1, 3), 2.0);
    QVERIFY(m_messages->Requests().isEmpty());
}

void tst_PartsSet::failedDeleteKeepsEverything() {
    Part(1, "P-1", 0);
    DB.ExecSQL("insert into partfixs(Id,PartId,EqiId)values(1,1,5)");
    DB.ExecSQL("insert into partrepairs(Id,PartId)values(1,1)");
    QSqlQuery sql(DB.Connection());
    const QStringList statements =
        m_engine == TestEngine::SQLite
            ? QStringList{"create trigger parts_kept before delete on parts "
                          "begin select raise(abort, 'parts are kept'); end"}
            : QStringList{"create function parts_kept() returns trigger as $$ begin "
                          "raise exception 'parts are kept'; end $$ language plpgsql",
                          "create trigger parts_kept before delete on parts for each row "
                          "execute function parts_kept()"};
    for (const QString& statement : statements)
        QVERIFY2(sql.exec(statement), qPrintable(sql.lastError().text()));

    TPartsSet parts;
    parts.OpenByWhere();
    QVERIFY(!parts.DeleteCurrent());
    QCOMPARE(parts.Query().RecordCount(), 1);
    QCOMPARE(ScalarInt("select count(*) from partfixs"), 1);
    QCOMPARE(ScalarInt("select count(*) from partrepairs"), 1);
    QCOMPARE(m_messages->Requests().size(), 1);
    QVERIFY(m_messages->Last().contains("parts are kept"));
    QVERIFY(!DB.InTransaction());
}

LANYUE_ENGINE_TEST_MAIN(tst_PartsSet)
#include "tst_partsset.moc"
