#include "EngineTest.h"
#include "MessageRecorder.h"
#include "PartfixFixture.h"

#include "equipment/AssetsSet.h"
#include "spares/PartfixsSet.h"
#include "spares/PartrepairsSet.h"

#include <algorithm>

using namespace partfixfixture;

namespace {

QList<int> Ids(const DataSet& data) {
    QList<int> ids;
    const int id = data.FieldByName("Id").Index();
    for (int row = 0; row < data.RecordCount(); ++row) ids.append(data.ValueAt(row, id).toInt());
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class tst_PartfixData : public QObject {
    Q_OBJECT
public:
    explicit tst_PartfixData(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void runHours_data();
    void runHours();
    void rowsCarryPartMachineAndRunningTime();
    void installationSearch_data();
    void installationSearch();
    void insertAndUpdateInstallation();
    void notRemovedEmptiesRemoval();
    void deleteLeavesListEvenWhenGone();
    void repairSearch_data();
    void repairSearch();
    void insertAndUpdateRepair();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_PartfixData::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_PartfixData::cleanup() {
    m_messages.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_PartfixData::runHours_data() {
    QTest::addColumn<QVariant>("fixtime");
    QTest::addColumn<QVariant>("unfixtime");
    QTest::addColumn<QVariant>("hours");
    const QDate day(2026, 3, 1);
    QTest::newRow("installed, counts to now") << QVariant(At(day, 8)) << QVariant() << QVariant(26.0);
    QTest::newRow("removed, truncated") << QVariant(At(day, 8)) << QVariant(At(day.addDays(1), 9, 59))
                                        << QVariant(25.0);
    QTest::newRow("removal before install") << QVariant(At(day.addDays(1), 8)) << QVariant(At(day, 7, 30))
                                            << QVariant(24.0);
    QTest::newRow("no installation time") << QVariant() << QVariant(At(day, 9)) << QVariant();
}

void tst_PartfixData::runHours() {
    QFETCH(QVariant, fixtime);
    QFETCH(QVariant, unfixtime);
    QFETCH(QVariant, hours);
    const QDateTime now = At(QDate(2026, 3, 2), 10, 30);
    QCOMPARE(TPartfixsSet::RunHours(fixtime, unfixtime, now), hours);
}

void tst_PartfixData::rowsCarryPartMachineAndRunningTime() {
    TPartfixsSet set;
    QCOMPARE(set.Search(), 4);
    QVERIFY(set.Query().Locate("Id", 1));
    QCOMPARE(set.RuntimesFld->AsFloat(), 25.0);
    QCOMPARE(set.FixtimeFld->DisplayText(), QStringLiteral("2026-03-01 08时"));
    QCOMPARE(set.PartData().S1, QStringLiteral("ZC-A1"));
    const TAssetData asset = set.AssetData();
    QCOMPARE(asset.Code, QStringLiteral("SB001"));
    QCOMPARE(asset.UseDeptName, QStringLiteral("一车间"));
    QVERIFY(!set.PartIdFld->Visible() && !set.AssetIdFld->Visible());
    QVERIFY(set.Query().Locate("Id", 2));
    // Still installed: the hours run on to now.
    const double expected = double(At(QDate(2026, 4, 10), 14).secsTo(QDateTime::currentDateTime()) / 3600);
    QVERIFY(qAbs(set.RuntimesFld->AsFloat() - expected) <= 1);
}

void tst_PartfixData::installationSearch_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("id") << "FixId" << QVariant(2) << QList<int>{2};
    QTest::newRow("part") << "PartId" << QVariant(1) << QList<int>{1, 3};
    QTest::newRow("part 0 is none") << "PartId" << QVariant(0) << QList<int>{1, 2, 3, 4};
    QTest::newRow("machine") << "AssetId" << QVariant(2) << QList<int>{3, 4};
    QTest::newRow("installed from, whole day") << "Fixtime1" << QVariant(At(QDate::currentDate(), 23))
                                               << QList<int>{3, 4};
    QTest::newRow("installed to, whole day") << "Fixtime2" << QVariant(At(QDate(2026, 3, 1), 0))
                                             << QList<int>{1};
    QTest::newRow("removed from") << "Unfixtime1" << QVariant(At(QDate(2026, 3, 2), 0)) << QList<int>{1};
    QTest::newRow("removed to") << "Unfixtime2" << QVariant(At(QDate(2026, 3, 1), 0)) << QList<int>{};
    QTest::newRow("installer") << "Fixman" << QVariant("张三") << QList<int>{1, 3};
    QTest::newRow("remover") << "Unfixman" << QVariant("李四") << QList<int>{1};
    QTest::newRow("reason part") << "Unfixreason" << QVariant("磨") << QList<int>{1};
    QTest::newRow("remarks with quote") << "Remarks" << QVariant("O'Neil") << QList<int>{3};
}

void tst_PartfixData::installationSearch() {
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QList<int>, ids);
    TPartfixsSet set;
    set.Where.DataSet().FieldByName(field).SetValue(value);
    set.Search();
    QCOMPARE(Ids(set.Query()), ids);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_PartfixData::insertAndUpdateInstallation() {
    TPartfixsSet set;
    set.Search();
    TAssetData asset;
    asset.Id = 2;
    asset.Code = QStringLiteral("SB002");
    TPartData part;
    part.Id = 1;
    part.S1 = QStringLiteral("ZC-A1");
    TPartfixInput input;
    input.Fixtime = At(QDate(2026, 6, 1), 9);
    input.Fixman = QStringLiteral("王五");
    input.FixQty = 3;
    input.Remarks = QStringLiteral("新装");
    QVERIFY(set.Save(true, asset, part, input));
    QCOMPARE(set.IdFld->AsInteger(), 5);
    QCOMPARE(set.Query().RecordCount(), 5);
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=5 and PartId=1 and EqiId=2 and Fixman='王五' "
                       "and FixQty=3 and Remarks='新装' and Unfixtime is null"),
             1);

    input.Unfixtime = At(QDate(2026, 6, 2), 11);
    input.Unfixman = QStringLiteral("赵六");
    input.UnfixReason = QStringLiteral("更换");
    QVERIFY(set.Save(false, asset, part, input));
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=5 and Unfixman='赵六' and UnfixReason='更换'"), 1);
    ScratchSet.Open("select Unfixtime from partfixs where Id=5");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), At(QDate(2026, 6, 2), 11));

    // An installation deleted elsewhere updates nothing: the row keeps its values and says so.
    DB.ExecSQL("delete from partfixs where Id=5");
    input.Fixman = QStringLiteral("改过");
    QVERIFY(!set.Save(false, asset, part, input));
    QCOMPARE(set.FixmanFld->AsString(), QStringLiteral("王五"));
    QCOMPARE(set.Query().State(), DataSetState::Browse);
    QCOMPARE(m_messages->Texts().size(), 1);
}

void tst_PartfixData::notRemovedEmptiesRemoval() {
    TPartfixsSet set;
    set.Search();
    QVERIFY(set.Query().Locate("Id", 1));
    TPartfixInput input = set.Input();
    input.Unfixtime = QDateTime();  // the remover and reason stay in the input, as typed before
    QVERIFY(!input.Unfixman.isEmpty());
    QVERIFY(set.Save(false, set.AssetData(), set.PartData(), input));
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=1 and Unfixtime is null and Unfixman is null "
                       "and UnfixReason is null and Fixman='张三'"),
             1);
    QVERIFY(set.UnfixmanFld->IsNull());
    QVERIFY(set.RuntimesFld->AsFloat() > 25);
}

void tst_PartfixData::deleteLeavesListEvenWhenGone() {
    TPartfixsSet set;
    set.Search();
    QVERIFY(set.Query().Locate("Id", 2));
    set.Delete();
    QCOMPARE(ScalarInt("select count(*) from partfixs where Id=2"), 0);
    QCOMPARE(Ids(set.Query()), (QList<int>{1, 3, 4}));
    QVERIFY(set.Query().Locate("Id", 3));
    DB.ExecSQL("delete from partfixs where Id=3");
    set.Delete();
    QCOMPARE(Ids(set.Query()), (QList<int>{1, 4}));
}

void tst_PartfixData::repairSearch_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("id") << "RepairId" << QVariant(2) << QList<int>{2};
    QTest::newRow("part") << "PartId" << QVariant(1) << QList<int>{1, 3};
    QTest::newRow("from") << "RepairDate1" << QVariant(At(QDate(2026, 5, 6), 18)) << QList<int>{2, 3};
    QTest::newRow("to, whole day") << "RepairDate2" << QVariant(At(QDate(2026, 5, 6), 0)) << QList<int>{1, 2};
    QTest::newRow("fault part") << "Troubles" << QVariant("油") << QList<int>{2};
    QTest::newRow("details part") << "RepairDetails" << QVariant("更换") << QList<int>{1, 2};
    QTest::newRow("repairer exact") << "Repairman" << QVariant("李四") << QList<int>{2, 3};
    QTest::newRow("repairer not a part") << "Repairman" << QVariant("李") << QList<int>{};
    QTest::newRow("notes") << "Notes" << QVariant("返") << QList<int>{1};
}

void tst_PartfixData::repairSearch() {
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(QList<int>, ids);
    TPartrepairsSet set;
    set.Where.DataSet().FieldByName(field).SetValue(value);
    set.Search();
    QCOMPARE(Ids(set.Query()), ids);
}

void tst_PartfixData::insertAndUpdateRepair() {
    TPartrepairsSet set;
    set.Search();
    TPartData part;
    part.Id = 2;
    part.S1 = QStringLiteral("MF-01");
    TPartrepairInput input;
    input.RepairDate = QDate(2026, 7, 8);
    input.Troubles = QStringLiteral("渗漏");
    input.Repairman = QStringLiteral("王五");
    input.CostTime = 1.5;
    input.CostMoney = 45.5;
    QVERIFY(set.Save(true, part, input));
    QCOMPARE(set.IdFld->AsInteger(), 4);
    QCOMPARE(set.Query().FieldByName("PartS1").AsString(), QStringLiteral("MF-01"));
    QCOMPARE(ScalarInt("select count(*) from partrepairs where Id=4 and PartId=2 and Troubles='渗漏' and "
                       "Repairman='王五' and CostTime=1.5 and CostMoney=45.5"),
             1);
    input.Notes = QStringLiteral("已复检");
    QVERIFY(set.Save(false, part, input));
    QCOMPARE(ScalarInt("select count(*) from partrepairs where Id=4 and Notes='已复检'"), 1);
    QCOMPARE(set.Query().RecordCount(), 4);
}

LANYUE_ENGINE_TEST_MAIN(tst_PartfixData)
#include "tst_partfixdata.moc"
