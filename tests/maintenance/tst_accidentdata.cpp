#include "AccidentFixture.h"
#include "EngineTest.h"
#include "MessageRecorder.h"

#include "data/RecordSet.h"
#include "equipment/AssetsSet.h"
#include "maintenance/AccidentCountSet.h"
#include "maintenance/AccidentSet.h"

using namespace accidentfixture;

namespace {

// "Name=value" pairs put into the condition row.
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

QString Text(const QString& sql) {
    ScratchSet.Open(sql);
    return ScratchSet.DataSet().IsEmpty() ? QString() : ScratchSet.DataSet().Fields(0).AsString();
}

// The analysis as lines "Catalog|Object|Tqty|Tqrate|Tfund|Tfrate", groups of one heading
// sorted by their object, since the groups come in the database's order.
QStringList Lines(TAccidentCountSet& result) {
    QStringList lines, group;
    DataSet& d = result.DataSet();
    const auto flush = [&] {
        group.sort();
        lines += group;
        group.clear();
    };
    for (d.First(); !d.Eof(); d.Next()) {
        QStringList cells;
        for (int f = 0; f < d.FieldCount(); ++f) cells.append(d.Fields(f).DisplayText());
        const QString line = cells.join(u'|');
        if (!d.Fields(0).IsNull()) {
            flush();
            lines.append(line);
        } else {
            group.append(line);
        }
    }
    flush();
    return lines;
}

TAssetData Machine(int id) {
    TAssetsSet set;
    set.OpenById(id);
    return set.AssetData();
}

} // namespace

class tst_AccidentData : public QObject {
    Q_OBJECT
public:
    explicit tst_AccidentData(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void searchConditions_data();
    void searchConditions();
    void searchJoinsTheMachine();
    void saveInsertsWithNextKeyAndDateOnly();
    void saveUpdatesAndDeleteRemoves();
    void vanishedAccidentIsNotSaved();
    void analysisGroupsAndShares();
    void analysisOfEmptyRange();
    void analysisDateRange_data();
    void analysisDateRange();
    void analysisWithoutLossLeavesLossShareEmpty();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_AccidentData::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    InsertAccidents();
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AccidentData::cleanup() {
    m_messages.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

void tst_AccidentData::searchConditions_data() {
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("none") << QStringList() << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("end date takes the whole day") << QStringList{"AccDate2=2026-12-31"} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("end date stops before the next day") << QStringList{"AccDate2=2026-12-30"} << QList<int>{1, 2, 3};
    QTest::newRow("from date counts from its midnight")
        << QStringList{"AccDate1=2026-01-05 12:00:00"} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("date range") << QStringList{"AccDate1=2026-03-01", "AccDate2=2026-06-15"} << QList<int>{2, 3};
    QTest::newRow("grade") << QStringList{"AccClass=一般"} << QList<int>{1, 3, 4};
    QTest::newRow("nature") << QStringList{"AccProp=设备缺陷"} << QList<int>{2, 4};
    QTest::newRow("loss from") << QStringList{"AccMoney1=100"} << QList<int>{1, 2};
    QTest::newRow("loss range") << QStringList{"AccMoney1=0", "AccMoney2=99.99"} << QList<int>{3, 4};
    QTest::newRow("keyword in the description") << QStringList{"Keyword=卡死"} << QList<int>{1};
    QTest::newRow("keyword in the investigation") << QStringList{"Keyword=轴承"} << QList<int>{2};
    QTest::newRow("keyword in the summary") << QStringList{"Keyword=培训"} << QList<int>{3};
    QTest::newRow("keyword with an apostrophe") << QStringList{"Keyword=O'Neil"} << QList<int>{5};
    QTest::newRow("grade with an apostrophe") << QStringList{"AccClass=a' or 'x'='x"} << QList<int>{};
    QTest::newRow("machine") << QStringList{"AssetId=3"} << QList<int>{4, 5};
    QTest::newRow("accident") << QStringList{"Id=2"} << QList<int>{2};
    QTest::newRow("machine code part") << QStringList{"AssetCode=SB"} << QList<int>{1, 2, 3};
    QTest::newRow("class value") << QStringList{"AssetClassA=动力"} << QList<int>{4, 5};
    QTest::newRow("department and below") << QStringList{"UseDeptId=00"} << QList<int>{1, 2, 4, 5};
    QTest::newRow("several") << QStringList{"UseDeptId=00", "AccClass=一般", "AccDate2=2026-06-30"}
                             << QList<int>{1};
}

void tst_AccidentData::searchConditions() {
    QFETCH(QStringList, conditions);
    QFETCH(QList<int>, ids);
    TAccidentSet set;
    TAccidentWhere where;
    Assign(where.DataSet(), conditions);
    QCOMPARE(set.Search(where), int(ids.size()));
    QCOMPARE(Ids(set.Query()), ids);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_AccidentData::searchJoinsTheMachine() {
    AppLabels.ClassLabels[0] = QStringLiteral("设备大类");
    TAccidentSet set;
    TAccidentWhere where;
    where.IdFld->SetAsInteger(2);
    set.Search(where);
    const DataSet& d = set.Query();
    const auto text = [&d](const char* name) { return d.FieldByName(name).DisplayText(); };
    QCOMPARE(text("AssetId"), QStringLiteral("1"));
    QCOMPARE(text("AssetCode"), QStringLiteral("SB001"));
    QCOMPARE(text("AssetName"), QStringLiteral("车床"));
    QCOMPARE(text("UseDeptPath"), QStringLiteral("\\\\生产部\\一车间"));
    QCOMPARE(text("AssetFixplace"), QStringLiteral("一号厂房"));
    QCOMPARE(text("AccDate"), QStringLiteral("2026-03-01"));
    QCOMPARE(d.FieldByName("AccMoney").AsFloat(), 2500.5);
    QCOMPARE(d.FieldByName("AssetClassA").DisplayLabel(), QStringLiteral("设备大类"));
    QCOMPARE(d.FieldByName("AccBrief").DisplayLabel(), QStringLiteral("事故描述"));
    QCOMPARE(where.AssetClassAFld->DisplayLabel(), QStringLiteral("设备大类"));
}

void tst_AccidentData::saveInsertsWithNextKeyAndDateOnly() {
    TAccidentSet set;
    TAccidentWhere where;
    where.AssetIdFld->SetAsInteger(2);
    set.Search(where);
    TAccidentInput input;
    input.AccDate = QDate(2026, 7, 8);
    input.AccDept = QStringLiteral("\\\\后勤部");
    input.AccClass = QStringLiteral("重大");
    input.AccProp = QStringLiteral("设备缺陷");
    input.AccMoney = 1234.5;
    input.AccBrief = QStringLiteral("电机烧毁");
    input.Invests = QStringLiteral("过载");
    input.Summery = QStringLiteral("加装保护");
    QVERIFY(set.Save(true, Machine(2), input));
    QCOMPARE(set.Query().State(), DataSetState::Browse);
    QCOMPARE(set.Query().RecordCount(), 2);
    QCOMPARE(set.IdFld->AsInteger(), 6);
    QCOMPARE(set.AssetCodeFld->AsString(), QStringLiteral("SB002"));
    QCOMPARE(set.Query().FieldByName("UseDeptPath").AsString(), QStringLiteral("\\\\后勤部"));
    ScratchSet.Open("select AccDate from accidents where Id=6");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), QDateTime(QDate(2026, 7, 8), QTime(0, 0)));
    QCOMPARE(Text("select Summery from accidents where Id=6 and AssetId=2 and AccMoney=1234.5 and "
                  "AccClass='重大' and AccProp='设备缺陷' and Invests='过载' and AccBrief='电机烧毁'"),
             QStringLiteral("加装保护"));

    // What the search reads back is what was posted.
    TAccidentSet again;
    where.IdFld->SetAsInteger(6);
    again.Search(where);
    QCOMPARE(again.Input().AccDept, input.AccDept);
    QCOMPARE(again.Input().AccDate, input.AccDate);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_AccidentData::saveUpdatesAndDeleteRemoves() {
    TAccidentSet set;
    TAccidentWhere where;
    set.Search(where);
    QVERIFY(set.Query().Locate("Id", 3));
    TAccidentInput input = set.Input();
    input.AccMoney = 75;
    input.Summery = QStringLiteral("双人操作");
    QVERIFY(set.Save(false, Machine(1), input));  // moved to another machine
    QCOMPARE(ScalarInt("select count(*) from accidents where Id=3 and AssetId=1 and AccMoney=75"), 1);
    QCOMPARE(Text("select Summery from accidents where Id=3"), QStringLiteral("双人操作"));
    QCOMPARE(set.AssetCodeFld->AsString(), QStringLiteral("SB001"));
    QCOMPARE(set.Query().RecordCount(), 5);

    QVERIFY(set.Delete());
    QCOMPARE(set.Query().RecordCount(), 4);
    QCOMPARE(ScalarInt("select count(*) from accidents"), 4);
    QVERIFY(!set.Query().Locate("Id", 3));
}

void tst_AccidentData::vanishedAccidentIsNotSaved() {
    TAccidentSet set;
    TAccidentWhere where;
    where.IdFld->SetAsInteger(1);
    set.Search(where);
    DB.ExecSQL("delete from accidents where Id=1");  // at another workstation
    TAccidentInput input = set.Input();
    input.AccMoney = 999;
    QVERIFY(!set.Save(false, Machine(1), input));
    QCOMPARE(m_messages->Texts(), QStringList{"\r\n保存失败, 该事故记录已被删除.\t"});
    QCOMPARE(set.Query().State(), DataSetState::Browse);
    QCOMPARE(set.AccMoneyFld->AsFloat(), 100.0);
    QVERIFY(!set.Delete());
    QCOMPARE(set.Query().RecordCount(), 1);
}

void tst_AccidentData::analysisGroupsAndShares() {
    DB.ExecSQL("delete from accidents");
    InsertAccident({1, 1, At(2, 1), "一车间", "一般", "操作失误", 100.0, "", "", ""});
    InsertAccident({2, 2, At(2, 2), "一车间", "一般", "操作失误", 100.0, "", "", ""});
    InsertAccident({3, 3, At(2, 3), QVariant(), "重大", "设备缺陷", 200.0, "", "", ""});
    TAccidentCountSet result;
    TAccidentCountWhere where;
    result.Count(where);
    QCOMPARE(result.DataSet().RecNo(), 1);
    QCOMPARE(Lines(result), (QStringList{
                                "事故部门|||||",
                                "||1|33.33|200|50.00",
                                "|一车间|2|66.67|200|50.00",
                                "事故级别|||||",
                                "|一般|2|66.67|200|50.00",
                                "|重大|1|33.33|200|50.00",
                                "事故性质|||||",
                                "|操作失误|2|66.67|200|50.00",
                                "|设备缺陷|1|33.33|200|50.00",
                                "合计||3||400|",
                            }));
    QCOMPARE(result.TqtyFld->DisplayLabel(), QStringLiteral("事故次数|数量"));
    QCOMPARE(result.TfrateFld->DisplayLabel(), QStringLiteral("经济损失|百分比(%)"));
}

void tst_AccidentData::analysisOfEmptyRange() {
    TAccidentCountSet result;
    TAccidentCountWhere where;
    where.AccDate1Fld->SetAsDateTime(At(7, 1));
    where.AccDate2Fld->SetAsDateTime(At(7, 31));
    result.Count(where);
    QCOMPARE(Lines(result), (QStringList{"事故部门|||||", "事故级别|||||", "事故性质|||||", "合计||0||0|"}));
}

void tst_AccidentData::analysisDateRange_data() {
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<QString>("total");
    QTest::newRow("whole year") << At(1, 1) << At(12, 31) << "合计||5||2650.5|";
    QTest::newRow("up to the last day, with times") << At(6, 15) << At(12, 31) << "合计||3||50|";
    QTest::newRow("from a date with a time") << At(12, 31, 8, 0) << QDateTime() << "合计||2||0|";
    QTest::newRow("open start") << QDateTime() << At(3, 1) << "合计||2||2600.5|";
}

void tst_AccidentData::analysisDateRange() {
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(QString, total);
    TAccidentCountSet result;
    TAccidentCountWhere where;
    if (from.isValid()) where.AccDate1Fld->SetAsDateTime(from);
    if (to.isValid()) where.AccDate2Fld->SetAsDateTime(to);
    result.Count(where);
    QCOMPARE(Lines(result).last(), total);
}

void tst_AccidentData::analysisWithoutLossLeavesLossShareEmpty() {
    TAccidentCountSet result;
    TAccidentCountWhere where;
    where.AccDate1Fld->SetAsDateTime(At(12, 31));
    result.Count(where);
    const QStringList lines = Lines(result);
    QVERIFY2(lines.contains("|一般|1|50.00|0|"), qPrintable(lines.join(u'\n')));
    QVERIFY2(lines.contains("|轻微|1|50.00|0|"), qPrintable(lines.join(u'\n')));
    QCOMPARE(lines.last(), QStringLiteral("合计||2||0|"));
}

LANYUE_ENGINE_TEST_MAIN(tst_AccidentData)
#include "tst_accidentdata.moc"
