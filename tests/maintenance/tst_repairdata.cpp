#include "EngineTest.h"
#include "MessageRecorder.h"
#include "RepairFixture.h"

#include "data/RecordSet.h"
#include "equipment/AssetsSet.h"
#include "maintenance/RepairSet.h"

using namespace repairfixture;

namespace {

void Assign(DataSet& where, const QStringList& assignments) {
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf(u'=');
        where.FieldByName(a.left(eq)).SetAsString(a.mid(eq + 1));
    }
}

// The Ids of the rows, sorted: the search has no order of its own.
QList<int> Ids(const DataSet& data) {
    QList<int> ids;
    for (int row = 0; row < data.RecordCount(); ++row)
        ids.append(data.ValueAt(row, data.FieldByName("Id").Index()).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

TAssetData Machine(int id) {
    TAssetsSet set;
    set.OpenById(id);
    return set.AssetData();
}

TRepairData Typed(const QDate& sent, const QVariant& repaired) {
    TRepairData data;
    data.SendDate = sent;
    data.Trouble = QStringLiteral("异响");
    data.Handman = QStringLiteral("张三");
    data.RepairDate = repaired;
    data.RepairFactory = QStringLiteral("机修厂");
    data.Repairmans = QStringLiteral("老王");
    data.RepairCost = 99.5;
    data.RepairHours = 4;
    return data;
}

} // namespace

class tst_RepairData : public QObject {
    Q_OBJECT
public:
    explicit tst_RepairData(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void searchConditions_data();
    void searchConditions();
    void searchJoinsTheMachine();
    void firstRepairGetsKeyOne();
    void saveInsertsUpdatesAndReopens();
    void deleteRemovesPartLines();
    void priorAndNextStayOnTheMachine();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_RepairData::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    accidentfixture::Prepare();
    InsertRepairs();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_RepairData::cleanup() {
    m_messages.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_RepairData::searchConditions_data() {
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("none") << QStringList() << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("open") << QStringList{"IsFinish=未完成"} << QList<int>{2, 4, 5};
    QTest::newRow("finished") << QStringList{"IsFinish=已完成"} << QList<int>{1, 3};
    QTest::newRow("all") << QStringList{"IsFinish=全  部"} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("report date range")
        << QStringList{"SendDate1=2026-03-01", "SendDate2=2026-12-30"} << QList<int>{2, 3, 5};
    QTest::newRow("repair date to takes its day") << QStringList{"RepairDate2=2026-01-08"} << QList<int>{1};
    QTest::newRow("repair date from") << QStringList{"RepairDate1=2026-01-09"} << QList<int>{3};
    QTest::newRow("kind part") << QStringList{"RepairClass=大"} << QList<int>{1, 4};
    QTest::newRow("unit") << QStringList{"RepairFactory=厂家"} << QList<int>{3};
    QTest::newRow("reporter") << QStringList{"Handman=王五"} << QList<int>{2, 5};
    QTest::newRow("approver") << QStringList{"Sanctionman=李四"} << QList<int>{1, 3};
    QTest::newRow("keyword in the fault") << QStringList{"Keyword=漏油"} << QList<int>{2};
    QTest::newRow("keyword in the repair") << QStringList{"Keyword=电机"} << QList<int>{3};
    QTest::newRow("keyword in the remarks") << QStringList{"Keyword=O'Neil"} << QList<int>{2};
    QTest::newRow("apostrophe cannot extend the statement")
        << QStringList{"Handman=a' or 'x'='x"} << QList<int>{};
    QTest::newRow("machine") << QStringList{"AssetId=1"} << QList<int>{1, 2, 5};
    QTest::newRow("repair") << QStringList{"Id=3"} << QList<int>{3};
    QTest::newRow("machine code part") << QStringList{"AssetCode=XY"} << QList<int>{4};
    QTest::newRow("department and below") << QStringList{"UseDeptId=00"} << QList<int>{1, 2, 4, 5};
}

void tst_RepairData::searchConditions() {
    QFETCH(QStringList, conditions);
    QFETCH(QList<int>, ids);
    TRepairWhere where;
    Assign(where.DataSet(), conditions);
    TRepairSet set;
    set.Search(where);
    QCOMPARE(Ids(set.Query()), ids);
}

void tst_RepairData::searchJoinsTheMachine() {
    TRepairSet set;
    QVERIFY(set.OpenById(3));
    const DataSet& d = set.Query();
    QCOMPARE(d.FieldByName("AssetCode").AsString(), QStringLiteral("SB002"));
    QVERIFY(d.FieldByName("UseDeptPath").AsString().endsWith(QStringLiteral("后勤部")));
    QCOMPARE(d.FieldByName("AssetClassA").AsString(), QStringLiteral("金切"));
    const TRepairData data = set.GetData();
    QCOMPARE(data.SendDate, QDate(2026, 6, 15));
    QCOMPARE(data.RepairDate.toDate(), QDate(2026, 6, 30));
    QCOMPARE(data.RepairDetails, QStringLiteral("电机烧毁"));
    QCOMPARE(data.RepairCost, 12.5);
    QCOMPARE(set.GetAssetData().Code, QStringLiteral("SB002"));
    QVERIFY(!set.OpenById(99));
    QVERIFY(!set.OpenById(-1));
    QCOMPARE(set.Query().RecordCount(), 0);
}

void tst_RepairData::firstRepairGetsKeyOne() {
    DB.ExecSQL("delete from repairs");
    TRepairSet set;
    set.OpenById(-1);
    QVERIFY(set.Save(true, Machine(2), Typed(QDate(2026, 2, 1), QVariant())));
    QCOMPARE(set.IdFld->AsInteger(), 1);
    QCOMPARE(set.Query().State(), DataSetState::Browse);
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=1 and EqiId=2 and RepairDate is null"), 1);
}

void tst_RepairData::saveInsertsUpdatesAndReopens() {
    TRepairSet set;
    set.OpenById(-1);
    QVERIFY(set.Save(true, Machine(3), Typed(QDate(2026, 7, 1), QDate(2026, 7, 3))));
    QCOMPARE(set.IdFld->AsInteger(), 6);
    QCOMPARE(set.Query().FieldByName("AssetCode").AsString(), QStringLiteral("XY001"));
    TRepairSet reread;
    QVERIFY(reread.OpenById(6));
    TRepairData data = reread.GetData();
    QCOMPARE(data.RepairDate.toDate(), QDate(2026, 7, 3));
    QCOMPARE(reread.RepairDateFld->AsDateTime(), QDateTime(QDate(2026, 7, 3), QTime(0, 0)));
    QCOMPARE(data.Repairmans, QStringLiteral("老王"));
    QCOMPARE(data.RepairHours, 4.0);

    // Reopened: no repair date, the editor's emptied completion inputs.
    data.RepairDate = QVariant();
    data.RepairFactory.clear();
    data.Repairmans.clear();
    data.RepairCost = 0;
    data.RepairHours = 0;
    QVERIFY(reread.Save(false, reread.GetAssetData(), data));
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=6 and RepairDate is null and RepairCost=0 and "
                       "RepairHours=0 and coalesce(RepairFactory,'')='' and coalesce(Repairmans,'')=''"),
             1);
    TRepairWhere open;
    open.IsFinishFld->SetAsString(QStringLiteral("未完成"));
    set.Search(open);
    QVERIFY(Ids(set.Query()).contains(6));

    DB.ExecSQL("delete from repairs where Id=6");
    QVERIFY(!reread.Save(false, reread.GetAssetData(), data));
    QCOMPARE(reread.Query().State(), DataSetState::Browse);
}

void tst_RepairData::deleteRemovesPartLines() {
    for (int line = 1; line <= 3; ++line)
        DB.ExecSQL("insert into partuse(dlId,RepairId,PartId,Qty)values(:dlId,:RepairId,1,2)",
                   {DBParam("dlId", line), DBParam("RepairId", line == 3 ? 1 : 2)});
    TRepairSet set;
    QVERIFY(set.OpenById(2));
    QVERIFY(set.Delete());
    QCOMPARE(set.Query().RecordCount(), 0);
    QCOMPARE(ScalarInt("select count(*) from repairs where Id=2"), 0);
    QCOMPARE(ScalarInt("select count(*) from partuse"), 1);

    // A repair gone from the database keeps the row in memory and nothing else is touched.
    QVERIFY(set.OpenById(1));
    DB.ExecSQL("delete from repairs where Id=1");
    QVERIFY(!set.Delete());
    QCOMPARE(set.Query().RecordCount(), 1);
    QCOMPARE(ScalarInt("select count(*) from partuse where RepairId=1"), 1);
}

void tst_RepairData::priorAndNextStayOnTheMachine() {
    TRepairSet set;
    QVERIFY(set.OpenById(2));
    QCOMPARE(set.PriorId(), 1);
    QCOMPARE(set.NextId(), 5);
    QVERIFY(set.OpenById(1));
    QCOMPARE(set.PriorId(), 0);
    set.OpenById(-1);
    QCOMPARE(set.PriorId(), 1);
    QCOMPARE(set.NextId(), 5);
}

LANYUE_ENGINE_TEST_MAIN(tst_RepairData)
#include "tst_repairdata.moc"
