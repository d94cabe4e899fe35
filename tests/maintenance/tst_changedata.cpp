#include "ChangeFixture.h"
#include "EngineTest.h"
#include "MessageRecorder.h"

#include "data/RecordSet.h"
#include "equipment/AssetsSet.h"
#include "maintenance/ChangesSet.h"

using namespace accidentfixture;
using namespace changefixture;

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

QString Text(const QString& sql) {
    ScratchSet.Open(sql);
    return ScratchSet.DataSet().IsEmpty() ? QString() : ScratchSet.DataSet().Fields(0).AsString();
}

TAssetData Machine(int id) {
    TAssetsSet set;
    set.OpenById(id);
    return set.AssetData();
}

QString Info(const QString& text) {
    return QStringLiteral("\r\n") + text + QStringLiteral("\t");
}

// The machine's five changeable columns and the request's stamp, to see that nothing moved.
QString State(int assetId, int changeId) {
    return Text(QStringLiteral("select UseDeptId || '|' || Status || '|' || FixPlace || '|' || "
                               "coalesce(Functionary, '') || '|' || ChkAcpt from equipments where Id=%1")
                    .arg(assetId)) +
           u'#' + Text(QStringLiteral("select coalesce(Sanctionman, '-') from changes where Id=%1").arg(changeId));
}

} // namespace

class tst_ChangeData : public QObject {
    Q_OBJECT
public:
    explicit tst_ChangeData(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void searchConditions_data();
    void searchConditions();
    void searchJoinsTheMachine();
    void saveInsertsAndUpdatesWithServerStamp();
    void approveAndRevokeEachItem_data();
    void approveAndRevokeEachItem();
    void revokeWritesTheOldValueBack();
    void onlyTheApproverRevokes();
    void failedApprovalChangesNothing_data();
    void failedApprovalChangesNothing();
    void editAndDeleteRefusals_data();
    void editAndDeleteRefusals();
    void deleteAsksAndRemoves();

private:
    TChangesSet& Open(int id);

    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<TChangesSet> m_set;
    std::unique_ptr<TChangeWhere> m_where;
};

void tst_ChangeData::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    Prepare();
    InsertChanges();
    m_messages = std::make_unique<MessageRecorder>();
    m_set = std::make_unique<TChangesSet>();
    m_where = std::make_unique<TChangeWhere>();
}

void tst_ChangeData::cleanup() {
    m_set.reset();
    m_where.reset();
    m_messages.reset();
    KeyValue2.DataSet().Close();
    m_db.reset();
}

// The set opened on the one request.
TChangesSet& tst_ChangeData::Open(int id) {
    m_where->Clear();
    m_where->IdFld->SetAsInteger(id);
    m_set->Search(*m_where);
    return *m_set;
}

void tst_ChangeData::searchConditions_data() {
    QTest::addColumn<QStringList>("conditions");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("none") << QStringList() << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("pending") << QStringList{"Unsanc=待批准"} << QList<int>{1, 2, 5};
    QTest::newRow("approved") << QStringList{"Unsanc=已批准"} << QList<int>{3, 4};
    QTest::newRow("all") << QStringList{"Unsanc=全  部"} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("approver") << QStringList{"Sanctionman=bos"} << QList<int>{4};
    QTest::newRow("end date takes the whole day") << QStringList{"ChgDate2=2026-12-31"} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("end date stops before the next day") << QStringList{"ChgDate2=2026-12-30"} << QList<int>{1, 2, 3};
    QTest::newRow("date range") << QStringList{"ChgDate1=2026-03-01", "ChgDate2=2026-06-15"} << QList<int>{2, 3};
    QTest::newRow("reason part") << QStringList{"ChgReason=损"} << QList<int>{2};
    QTest::newRow("item") << QStringList{"ItmLabel=部门"} << QList<int>{1};
    QTest::newRow("value before") << QStringList{"ItmValue1=合格"} << QList<int>{5};
    QTest::newRow("value after") << QStringList{"ItmValue2=停"} << QList<int>{2};
    QTest::newRow("applicant") << QStringList{"Chgman=张三"} << QList<int>{1, 3};
    QTest::newRow("remarks with an apostrophe") << QStringList{"Remarks=O'Neil"} << QList<int>{4};
    QTest::newRow("quote cannot widen") << QStringList{"ChgReason=' or ''='"} << QList<int>{};
    QTest::newRow("machine") << QStringList{"AssetId=3"} << QList<int>{4, 5};
    QTest::newRow("request") << QStringList{"Id=2"} << QList<int>{2};
    QTest::newRow("machine code part") << QStringList{"AssetCode=SB"} << QList<int>{1, 2, 3};
    QTest::newRow("machine name part") << QStringList{"AssetName=锅"} << QList<int>{4, 5};
    QTest::newRow("class value") << QStringList{"AssetClassA=金切"} << QList<int>{1, 2, 3};
    QTest::newRow("department and below") << QStringList{"UseDeptId=00"} << QList<int>{1, 2, 4, 5};
    QTest::newRow("several") << QStringList{"UseDeptId=00", "Unsanc=待批准", "Chgman=李四"} << QList<int>{2, 5};
}

void tst_ChangeData::searchConditions() {
    QFETCH(QStringList, conditions);
    QFETCH(QList<int>, ids);
    Assign(m_where->DataSet(), conditions);
    QCOMPARE(m_set->Search(*m_where), int(ids.size()));
    QCOMPARE(Ids(m_set->Query()), ids);
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_ChangeData::searchJoinsTheMachine() {
    const DataSet& d = Open(1).Query();
    const auto text = [&d](const char* name) { return d.FieldByName(name).DisplayText(); };
    QCOMPARE(text("AssetId"), QStringLiteral("1"));
    QCOMPARE(text("AssetCode"), QStringLiteral("SB001"));
    QCOMPARE(text("UseDeptPath"), QStringLiteral("\\\\生产部\\一车间"));
    QCOMPARE(text("AssetStatus"), QStringLiteral("在用"));
    QCOMPARE(text("FldValue2"), QStringLiteral("01"));
    QCOMPARE(d.FieldByName("ChgDate").DisplayLabel(), QStringLiteral("申请日期"));
    QCOMPARE(d.FieldByName("ItmValue2").DisplayLabel(), QStringLiteral("变更后"));
    QVERIFY(!d.FieldByName("FldIdx").Visible());
    QVERIFY(!m_set->Approved());
    QVERIFY(Open(3).Approved());
}

void tst_ChangeData::saveInsertsAndUpdatesWithServerStamp() {
    m_where->AssetIdFld->SetAsInteger(2);
    m_set->Search(*m_where);
    TChangeInput input;
    input.ChgDate = QDateTime(QDate(2026, 7, 8), QTime(0, 0));
    input.ItmLabel = QStringLiteral("设备状况");
    input.FldIdx = 1;
    input.FldValue1 = input.ItmValue1 = QStringLiteral("在用");
    input.FldValue2 = input.ItmValue2 = QStringLiteral("封存");
    input.ChgReason = QStringLiteral("闲置");
    input.Chgman = QStringLiteral("赵六");
    input.Remarks = QStringLiteral("备");
    input.Billman = QStringLiteral("someone else");
    const QDateTime before = DB.ServerNow().addSecs(-2);
    QVERIFY(m_set->Save(true, Machine(2), input));
    QCOMPARE(m_set->IdFld->AsInteger(), 6);
    QCOMPARE(Ids(m_set->Query()), (QList<int>{3, 6}));
    QCOMPARE(m_set->Query().FieldByName("AssetStatus").AsString(), QStringLiteral("在用"));
    QCOMPARE(ScalarInt("select count(*) from changes where Id=6 and AssetId=2 and ItmLabel='设备状况' and FldIdx=1 "
                       "and FldValue1='在用' and FldValue2='封存' and ItmValue2='封存' and ChgReason='闲置' and "
                       "Chgman='赵六' and Billman='sa' and Remarks='备' and Sanctionman is null"),
             1);
    ScratchSet.Open("select ChgDate, BillTime from changes where Id=6");
    QCOMPARE(ScratchSet.DataSet().Fields(0).AsDateTime(), input.ChgDate);
    const QDateTime stamped = ScratchSet.DataSet().Fields(1).AsDateTime();
    QVERIFY2(stamped >= before && stamped <= DB.ServerNow().addSecs(2), qPrintable(stamped.toString()));

    // Editing re-stamps the writer and keeps an approval untouched.
    CurrentOperator.LoginId = QStringLiteral("clerk");
    input.ChgReason = QStringLiteral("长期闲置");
    QVERIFY(m_set->Save(false, Machine(2), input));
    QCOMPARE(ScalarInt("select count(*) from changes where Id=6 and ChgReason='长期闲置' and Billman='clerk'"), 1);
    QCOMPARE(m_set->Query().RecordCount(), 2);

    DB.ExecSQL("delete from changes where Id=6");
    QVERIFY(!m_set->Save(false, Machine(2), input));
    QCOMPARE(m_messages->Last(), Info(QStringLiteral("保存失败, 该变更申请已被删除.")));
    QCOMPARE(m_set->Query().FieldByName("ChgReason").AsString(), QStringLiteral("长期闲置"));
}

void tst_ChangeData::approveAndRevokeEachItem_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("approved");
    QTest::addColumn<QString>("shownField");
    // State(): department|status|place|operator|acceptance#approver
    QTest::newRow("department") << 1 << "0000|在用|一号厂房||合格#-" << "01|在用|一号厂房||合格#sa" << "UseDeptId";
    QTest::newRow("status") << 2 << "0000|在用|一号厂房||合格#-" << "0000|停用|一号厂房||合格#sa" << "AssetStatus";
    QTest::newRow("acceptance") << 5 << "00|在用|一号厂房||合格#-" << "00|在用|一号厂房||不合格#sa" << "AssetChkacpt";
}

void tst_ChangeData::approveAndRevokeEachItem() {
    QFETCH(int, id);
    QFETCH(QString, before);
    QFETCH(QString, approved);
    QFETCH(QString, shownField);
    TChangesSet& set = Open(id);
    const int asset = set.AssetIdFld->AsInteger();
    QCOMPARE(State(asset, id), before);
    QVERIFY(set.Approve(true));
    QCOMPARE(State(asset, id), approved);
    QVERIFY(set.Approved());
    QCOMPARE(set.SanctionmanFld->AsString(), QStringLiteral("sa"));
    QVERIFY(!set.SanctionTimeFld->IsNull());
    QCOMPARE(set.Query().FieldByName(shownField).AsString(), set.FldValue2Fld->AsString());
    QCOMPARE(ScalarInt(QStringLiteral("select count(*) from changes where Id=%1 and SanctionTime is not null").arg(id)),
             1);
    QVERIFY(!DB.InTransaction());

    QVERIFY(set.Approve(false));
    QCOMPARE(State(asset, id), before);
    QVERIFY(!set.Approved());
    QVERIFY(set.SanctionTimeFld->IsNull());
    QCOMPARE(ScalarInt(QStringLiteral("select count(*) from changes where Id=%1 and SanctionTime is null").arg(id)), 1);
    QVERIFY(m_messages->Texts().isEmpty());
    // Approval leaves no trace in the machine's update log.
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 0);
}

void tst_ChangeData::revokeWritesTheOldValueBack() {
    TChangesSet& set = Open(3);
    DB.ExecSQL("update equipments set FixPlace='三号厂房' where Id=2");
    QVERIFY(set.Approve(false));
    // The value the request was written against, not the one the machine has meanwhile.
    QCOMPARE(Text("select FixPlace from equipments where Id=2"), QStringLiteral("一号厂房"));
    QCOMPARE(set.Query().FieldByName("AssetFixplace").AsString(), QStringLiteral("一号厂房"));
}

void tst_ChangeData::onlyTheApproverRevokes() {
    TChangesSet& set = Open(4);
    const QString before = State(3, 4);
    QVERIFY(!set.Approve(false));
    QCOMPARE(m_messages->Texts(), QStringList{Info(QStringLiteral("您不能取消其他人批准的记录"))});
    QCOMPARE(State(3, 4), before);
    QCOMPARE(set.SanctionmanFld->AsString(), QStringLiteral("boss"));

    CurrentOperator.LoginId = QStringLiteral("boss");
    QVERIFY(set.Approve(false));
    QCOMPARE(Text("select coalesce(Functionary, '') from equipments where Id=3"), QString());
}

void tst_ChangeData::failedApprovalChangesNothing_data() {
    QTest::addColumn<QString>("sabotage");
    QTest::addColumn<bool>("afterLoading");
    QTest::addColumn<QString>("message");
    QTest::newRow("no item chosen") << "update changes set FldIdx=-1, FldValue1=null, FldValue2=null where Id=2"
                                    << false << "无效的变更项目";
    QTest::newRow("item missing") << "update changes set FldIdx=null where Id=2" << false << "无效的变更项目";
    QTest::newRow("unknown item") << "update changes set FldIdx=5 where Id=2" << false << "无效的变更项目";
    QTest::newRow("machine deleted") << "delete from equipments where Id=1" << true << "找不到记录被更新,操作失败!";
    // The machine is updated first: the missing request must undo that update.
    QTest::newRow("request deleted") << "delete from changes where Id=2" << true << "找不到记录被更新,操作失败!";
}

void tst_ChangeData::failedApprovalChangesNothing() {
    QFETCH(QString, sabotage);
    QFETCH(bool, afterLoading);
    QFETCH(QString, message);
    if (!afterLoading) DB.ExecSQL(sabotage);
    TChangesSet& set = Open(2);
    if (afterLoading) DB.ExecSQL(sabotage);
    const QString before = Text("select Status from equipments where Id=1");
    const int stamped = ScalarInt("select count(*) from changes where Sanctionman is not null");
    QVERIFY(!set.Approve(true));
    QCOMPARE(m_messages->Texts(), QStringList{Info(message)});
    QCOMPARE(Text("select Status from equipments where Id=1"), before);
    QCOMPARE(ScalarInt("select count(*) from changes where Sanctionman is not null"), stamped);
    QVERIFY(!set.Approved());
    QCOMPARE(set.Query().FieldByName("AssetStatus").AsString(), QStringLiteral("在用"));
    QVERIFY(!DB.InTransaction());
}

void tst_ChangeData::editAndDeleteRefusals_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<QString>("editMessage");
    QTest::addColumn<QString>("deleteMessage");
    const QString rightRefused = QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(102).");
    QTest::newRow("approved") << 3 << "sa" << "" << "变更已批准生效,记录不允许修改" << "变更已批准生效,记录不允许删除";
    QTest::newRow("someone else's") << 5 << "sa" << "" << "您没有权限修改他人编制的申请记录"
                                    << "您没有权限删除他人编制的申请记录";
    QTest::newRow("own without the right") << 5 << "clerk" << ",130," << rightRefused << rightRefused;
}

void tst_ChangeData::editAndDeleteRefusals() {
    QFETCH(int, id);
    QFETCH(QString, login);
    QFETCH(QString, rights);
    QFETCH(QString, editMessage);
    QFETCH(QString, deleteMessage);
    CurrentOperator.LoginId = login;
    CurrentOperator.Rights = rights;
    TChangesSet& set = Open(id);
    QVERIFY(!set.CanEdit());
    QCOMPARE(m_messages->Texts(), QStringList{Info(editMessage)});
    m_messages->Clear();
    QVERIFY(!set.Delete());
    QCOMPARE(m_messages->Texts(), QStringList{Info(deleteMessage)});
    QCOMPARE(ScalarInt("select count(*) from changes"), 5);
    QCOMPARE(set.Query().RecordCount(), 1);

    m_where->Clear();
    m_where->AssetCodeFld->SetAsString(QStringLiteral("没有"));
    set.Search(*m_where);
    m_messages->Clear();
    QVERIFY(!set.CanEdit());
    QVERIFY(m_messages->Texts().isEmpty());
}

void tst_ChangeData::deleteAsksAndRemoves() {
    CurrentOperator.LoginId = QStringLiteral("clerk");
    CurrentOperator.Rights = QStringLiteral(",102,");
    m_where->AssetIdFld->SetAsInteger(3);
    m_set->Search(*m_where);
    QVERIFY(m_set->Query().Locate("Id", 5));
    QVERIFY(m_set->CanEdit());
    m_messages->SetAnswer(QMessageBox::Cancel);
    QVERIFY(!m_set->Delete());
    QCOMPARE(m_messages->Texts(), QStringList{QStringLiteral("\r您确定要删除 当前记录 吗?\t\t")});
    QCOMPARE(ScalarInt("select count(*) from changes where Id=5"), 1);
    m_messages->SetAnswer(QMessageBox::Ok);
    QVERIFY(m_set->Delete());
    QCOMPARE(ScalarInt("select count(*) from changes where Id=5"), 0);
    QCOMPARE(Ids(m_set->Query()), QList<int>{4});
}

LANYUE_ENGINE_TEST_MAIN(tst_ChangeData)
#include "tst_changedata.moc"
