#include "CareFixture.h"
#include "EngineTest.h"
#include "MessageRecorder.h"

#include "data/RecordSet.h"
#include "equipment/AssetsSet.h"
#include "maintenance/CareitemSet.h"
#include "maintenance/CarecordSet.h"

using namespace carefixture;

namespace {

// "Name=value" pairs put into the condition row.
void Assign(DataSet& where, const QStringList& assignments) {
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf(u'=');
        where.FieldByName(a.left(eq)).SetAsString(a.mid(eq + 1));
    }
}

// The keys of the rows in the order the search gave them.
QList<int> Keys(const DataSet& data, const char* keyField) {
    QList<int> keys;
    const int key = data.FieldByName(QString::fromLatin1(keyField)).Index();
    for (int row = 0; row < data.RecordCount(); ++row) keys.append(data.ValueAt(row, key).toInt());
    return keys;
}

TAssetData Machine(int id) {
    TAssetsSet set;
    set.OpenById(id);
    return set.AssetData();
}

QVariant NextDue(int itemId) {
    TCareitemSet items;
    TCareitemWhere where;
    where.ciIdFld->SetAsInteger(itemId);
    items.Search(where);
    return items.NextCaredateFld->Value();
}

} // namespace

class tst_CareData : public QObject {
    Q_OBJECT
public:
    explicit tst_CareData(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void firstKeysAreOne();
    void nextDueDate_data();
    void nextDueDate();
    void dueConditionSelectsExactlyTheDueItems();
    void itemSearch_data();
    void itemSearch();
    void recordSearch_data();
    void recordSearch();
    void earlierRecordAddedLaterBecomesLast();
    void lastCareFromItemRowIsUpdated();
    void deletingAnItemTakesItsRecordsAndParts();
    void deletingARecordTakesItsPartsAndMovesTheLast();
    void priorAndNextStayOnTheMachine();
    void writesOfVanishedRowsReportFailure();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_CareData::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_CareData::cleanup() {
    m_messages.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_CareData::firstKeysAreOne() {
    InsertEquipment(1, "SB001", "车床", "0000", "金切");
    TCareitemSet items;
    TCareitemWhere where;
    where.ciAssetIdFld->SetAsInteger(1);
    items.Search(where);
    DataSet& data = items.Query();
    data.Append();
    items.SetAssetData(Machine(1));
    TCareitemData item;
    item.ciAssetId = 1;
    item.ciCarename = QStringLiteral("日常保养");
    item.ciFixedays = 30;
    items.SetData(item);
    QVERIFY(items.Insert());
    data.Post();
    QCOMPARE(items.ciIdFld->AsInteger(), 1);
    QCOMPARE(ScalarInt("select count(*) from careitems where ciLastCareId is null"), 1);

    data.Edit();
    TCarecordData record;
    record.crCaredate = QDate(2026, 3, 1);
    record.crCareman = QStringLiteral("张三");
    items.SetLastCare(record);
    QVERIFY(items.AddCarecord());
    data.Post();
    QCOMPARE(items.ciLastCareIdFld->AsInteger(), 1);
    QCOMPARE(ScalarInt("select ciLastCareId from careitems where ciId=1"), 1);
    QCOMPARE(items.NextCaredateFld->AsDateTime().date(), QDate(2026, 3, 31));

    TCarecordSet records;
    records.Search(where);
    records.Query().Append();
    records.SetAssetData(Machine(1));
    records.SetData(items.GetData());
    TCarecordData second;
    second.crCaredate = QDateTime(QDate(2026, 4, 2), QTime(15, 30));
    records.SetData(second);
    QVERIFY(records.Insert());
    records.Query().Post();
    QCOMPARE(records.crIdFld->AsInteger(), 2);
    QCOMPARE(ScalarInt("select ciLastCareId from careitems where ciId=1"), 2);
    // The editors keep the day only.
    QCOMPARE(NextDue(1).toDateTime(), QDateTime(QDate(2026, 5, 2), QTime(0, 0)));
}

void tst_CareData::nextDueDate_data() {
    QTest::addColumn<QDate>("cared");
    QTest::addColumn<QVariant>("days");
    QTest::addColumn<QDate>("due");
    QTest::newRow("30 days after 1 March") << QDate(2026, 3, 1) << QVariant(30) << QDate(2026, 3, 31);
    QTest::newRow("period 0 is the same day") << QDate(2026, 3, 1) << QVariant(0) << QDate(2026, 3, 1);
    QTest::newRow("across the year end") << QDate(2026, 12, 20) << QVariant(15) << QDate(2027, 1, 4);
    QTest::newRow("across February") << QDate(2028, 2, 28) << QVariant(2) << QDate(2028, 3, 1);
    QTest::newRow("no period") << QDate(2026, 3, 1) << QVariant() << QDate();
}

void tst_CareData::nextDueDate() {
    QFETCH(QDate, cared);
    QFETCH(QVariant, days);
    QFETCH(QDate, due);
    InsertEquipment(1, "SB001", "车床", "0000", "金切");
    InsertItem(1, 1, "日常保养", "润滑", 1.0, days, 1);
    InsertItem(2, 1, "一级保养", "清洁", 1.0, 30);  // never maintained
    InsertRecord(1, 1, 1, cared, "张三", "");
    QCOMPARE(NextDue(1).toDate(), due);
    QVERIFY(NextDue(2).isNull());

    TCareitemSet items;
    TCareitemWhere where;
    for (int offset : {0, -1}) {
        where.NextCaredateFld->SetAsDateTime(QDateTime((due.isValid() ? due : cared).addDays(offset), QTime(0, 0)));
        items.Search(where);
        const QList<int> expected = due.isValid() && offset == 0 ? QList<int>{1} : QList<int>{};
        QCOMPARE(Keys(items.Query(), "ciId"), expected);
    }
}

void tst_CareData::dueConditionSelectsExactlyTheDueItems() {
    InsertCare();
    TCareitemSet items;
    TCareitemWhere where;
    items.Search(where);
    QCOMPARE(Keys(items.Query(), "ciId").size(), 5);
    where.CareHintedFld->SetAsBoolean(true);
    items.Search(where);
    QList<int> due = Keys(items.Query(), "ciId");
    std::sort(due.begin(), due.end());
    QCOMPARE(due, (QList<int>{1, 2, 5}));
    where.Clear();
    QVERIFY(where.CareHintedFld->IsNull());
}

void tst_CareData::itemSearch_data() {
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("none, by machine") << QStringList() << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("item") << QStringList{"ciId=3"} << QList<int>{3};
    QTest::newRow("machine") << QStringList{"ciAssetId=2"} << QList<int>{3, 4};
    QTest::newRow("name part") << QStringList{"ciCarename=日常"} << QList<int>{1, 4};
    QTest::newRow("name with an apostrophe") << QStringList{"ciCarename=O'Neil"} << QList<int>{5};
    QTest::newRow("quote cannot widen the search") << QStringList{"ciCareitem=x' or 'a'='a"} << QList<int>{};
    QTest::newRow("hours range") << QStringList{"ciPlanhours1=2", "ciPlanhours2=4"} << QList<int>{1, 2};
    QTest::newRow("period range") << QStringList{"ciFixedays1=5", "ciFixedays2=10"} << QList<int>{3, 4, 5};
    QTest::newRow("last care person") << QStringList{"crCareman=张三"} << QList<int>{2};
    QTest::newRow("machine code part") << QStringList{"AssetCode=SB"} << QList<int>{1, 2, 3, 4};
    QTest::newRow("machine name") << QStringList{"AssetName=锅"} << QList<int>{5};
    QTest::newRow("class level") << QStringList{"AssetClassA=金切"} << QList<int>{1, 2, 3, 4};
    QTest::newRow("department and below") << QStringList{"UseDeptId=00"} << QList<int>{1, 2, 5};
    QTest::newRow("fix place") << QStringList{"AssetFixplace=一号"} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("last care within 10 days")
        << QStringList{"crCaredate1=" + DaysAgo(10).toString(Qt::ISODate)} << QList<int>{2, 3, 5};
    QTest::newRow("last care up to 3 days ago, that day included")
        << QStringList{"crCaredate2=" + DaysAgo(3).toString(Qt::ISODate)} << QList<int>{1, 3, 5};
}

void tst_CareData::itemSearch() {
    QFETCH(QStringList, conditions);
    QFETCH(QList<int>, ids);
    InsertCare();
    TCareitemSet items;
    TCareitemWhere where;
    Assign(where.DataSet(), conditions);
    items.Search(where);
    QList<int> found = Keys(items.Query(), "ciId");
    const QList<int> machines = Keys(items.Query(), "ciAssetId");
    QVERIFY(std::is_sorted(machines.begin(), machines.end()));
    std::sort(found.begin(), found.end());
    QCOMPARE(found, ids);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_CareData::recordSearch_data() {
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("none, by date") << QStringList() << QList<int>{1, 2, 5, 4, 3};
    QTest::newRow("record") << QStringList{"Id=4"} << QList<int>{4};
    QTest::newRow("item") << QStringList{"ciId=1"} << QList<int>{1, 2};
    QTest::newRow("machine") << QStringList{"ciAssetId=1"} << QList<int>{1, 2, 3};
    QTest::newRow("keyword in the work done") << QStringList{"Keyword=润滑"} << QList<int>{1, 2};
    QTest::newRow("keyword with an apostrophe") << QStringList{"Keyword=a'b"} << QList<int>{};
    QTest::newRow("person") << QStringList{"crCareman=李四"} << QList<int>{2, 5};
    QTest::newRow("date range, whole days")
        << QStringList{"crCaredate1=" + DaysAgo(40).toString(Qt::ISODate),
                       "crCaredate2=" + DaysAgo(5).toString(Qt::ISODate)}
        << QList<int>{2, 5};
}

void tst_CareData::recordSearch() {
    QFETCH(QStringList, conditions);
    QFETCH(QList<int>, ids);
    InsertCare();
    TCarecordSet records;
    TCarecordWhere where;
    Assign(where.DataSet(), conditions);
    records.Search(where);
    QCOMPARE(Keys(records.Query(), "crId"), ids);
}

void tst_CareData::earlierRecordAddedLaterBecomesLast() {
    InsertCare();
    TCarecordSet records;
    TCarecordWhere where;
    where.ciIdFld->SetAsInteger(1);
    records.Search(where);
    records.Query().Append();
    records.SetAssetData(Machine(1));
    TCareitemSet items;
    TCareitemWhere itemWhere;
    itemWhere.ciIdFld->SetAsInteger(1);
    items.Search(itemWhere);
    records.SetData(items.GetData());
    TCarecordData early;
    early.crCaredate = DaysAgo(100);
    early.crCareman = QStringLiteral("赵六");
    records.SetData(early);
    QVERIFY(records.Insert());
    records.Query().Post();
    QCOMPARE(records.crIdFld->AsInteger(), 6);
    QCOMPARE(NextDue(1).toDate(), DaysAgo(70));
    items.Search(itemWhere);
    QCOMPARE(items.GetLastCare().crCareman, QStringLiteral("赵六"));
}

void tst_CareData::lastCareFromItemRowIsUpdated() {
    InsertCare();
    TCareitemSet items;
    TCareitemWhere where;
    where.ciIdFld->SetAsInteger(3);
    items.Search(where);
    items.Query().Edit();
    TCarecordData last = items.GetLastCare();
    QCOMPARE(last.crId, 4);
    last.crCaredate = DaysAgo(20);
    last.crCaretents = QStringLiteral("更换密封");
    items.SetLastCare(last);
    QVERIFY(items.UpdateLastCarecord());
    items.Query().Post();
    QCOMPARE(items.NextCaredateFld->AsDateTime().date(), DaysAgo(10));
    TCarecordSet records;
    TCarecordWhere byId;
    byId.IdFld->SetAsInteger(4);
    QCOMPARE(records.Search(byId), 1);
    QCOMPARE(records.GetData().crCaretents, QStringLiteral("更换密封"));
    QCOMPARE(records.crCaredateFld->AsDateTime().date(), DaysAgo(20));
    QCOMPARE(records.crItemIdFld->AsInteger(), 3);
    QCOMPARE(records.crAssetIdFld->AsInteger(), 2);
}

void tst_CareData::deletingAnItemTakesItsRecordsAndParts() {
    InsertCare();
    DB.ExecSQL("insert into partuse(dlId,CarecordId,PartId,Qty)values(1,2,7,1)");
    DB.ExecSQL("insert into partuse(dlId,CarecordId,PartId,Qty)values(2,4,7,1)");
    TCareitemSet items;
    TCareitemWhere where;
    items.Search(where);
    QVERIFY(items.Query().Locate("ciId", 1));
    QVERIFY(items.Delete());
    QCOMPARE(items.Query().RecordCount(), 4);
    QCOMPARE(ScalarInt("select count(*) from careitems where ciId=1"), 0);
    QCOMPARE(ScalarInt("select count(*) from carecords where crItemId=1"), 0);
    QCOMPARE(ScalarInt("select count(*) from carecords"), 3);
    QCOMPARE(ScalarInt("select count(*) from partuse"), 1);
}

void tst_CareData::deletingARecordTakesItsPartsAndMovesTheLast() {
    InsertCare();
    DB.ExecSQL("insert into partuse(dlId,CarecordId,PartId,Qty)values(1,2,7,1)");
    DB.ExecSQL("insert into partuse(dlId,CarecordId,PartId,Qty)values(2,1,7,1)");
    TCarecordSet records;
    TCarecordWhere where;
    records.Search(where);
    QVERIFY(records.Query().Locate("crId", 2));
    QVERIFY(records.Delete());
    QCOMPARE(ScalarInt("select count(*) from partuse"), 1);
    QCOMPARE(ScalarInt("select ciLastCareId from careitems where ciId=1"), 1);
    QCOMPARE(NextDue(1).toDate(), DaysAgo(40));

    // Deleting a record that is not the last one leaves the item's last record alone.
    QVERIFY(records.Query().Locate("crId", 4));
    DB.ExecSQL("update careitems set ciLastCareId=3 where ciId=3");
    QVERIFY(records.Delete());
    QCOMPARE(ScalarInt("select ciLastCareId from careitems where ciId=3"), 3);
}

void tst_CareData::priorAndNextStayOnTheMachine() {
    InsertCare();
    TCarecordSet records;
    QCOMPARE(records.PriorId(), 1);  // closed: the first and last record of all
    QCOMPARE(records.NextId(), 5);
    TCarecordWhere where;
    where.IdFld->SetAsInteger(1);
    records.Search(where);
    QCOMPARE(records.PriorId(), 0);
    QCOMPARE(records.NextId(), 2);
    where.IdFld->SetAsInteger(3);
    records.Search(where);
    QCOMPARE(records.PriorId(), 2);
    QCOMPARE(records.NextId(), 0);
}

void tst_CareData::writesOfVanishedRowsReportFailure() {
    InsertCare();
    TCareitemSet items;
    TCareitemWhere where;
    items.Search(where);
    QVERIFY(items.Query().Locate("ciId", 4));
    DB.ExecSQL("delete from careitems where ciId=4");
    items.Query().Edit();
    QVERIFY(!items.Update());
    items.Query().Cancel();
    items.Query().Edit();
    TCarecordData record;
    record.crCaredate = QDate::currentDate();
    items.SetLastCare(record);
    // The record is written, but the item that should name it is gone.
    QVERIFY(!items.AddCarecord());
    items.Query().Cancel();
    QVERIFY(!items.Delete());
    QCOMPARE(items.Query().RecordCount(), 5);
}

LANYUE_ENGINE_TEST_MAIN(tst_CareData)
#include "tst_caredata.moc"
