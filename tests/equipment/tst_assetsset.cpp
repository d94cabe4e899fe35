#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/AssetsSet.h"
#include "equipment/DeptSet.h"

namespace {

QString Text(const QString& sql) {
    ScratchSet.Open(sql);
    return ScratchSet.DataSet().IsEmpty() ? QString() : ScratchSet.DataSet().Fields(0).AsString();
}

// Inserts a ledger row through the set, as the add window does.
int AddAsset(const QString& code, const QString& name) {
    TAssetsSet set;
    set.OpenById(-1);
    set.Query().Append();
    set.CodeFld->SetAsString(code);
    set.EqiNameFld->SetAsString(name);
    set.PartNoFld->SetAsString(QStringLiteral("C6140"));
    set.ManufactoryFld->SetAsString(QStringLiteral("沈阳机床"));
    if (!set.AddNew()) return 0;
    set.Query().Post();
    return set.IdFld->AsInteger();
}

QStringList DetailRows() {
    QStringList rows;
    ScratchSet.Open(QStringLiteral("select FldName, OldValue, NewValue from equiplogsdl order by Id"));
    DataSet& d = ScratchSet.DataSet();
    for (d.First(); !d.Eof(); d.Next())
        rows.append(d.Fields(0).AsString() + u'|' + d.Fields(1).AsString() + u'|' + d.Fields(2).AsString());
    return rows;
}

// Every insert into the update-log detail fails, as a full disk or a lost connection would.
void RefuseDetailRows(TestEngine engine) {
    if (engine == TestEngine::SQLite) {
        DB.Execute("create trigger refuse before insert on equiplogsdl begin select raise(abort, '拒绝写入'); end");
        return;
    }
    DB.Execute("create function refuse() returns trigger as $$ begin raise exception '拒绝写入'; end $$ "
               "language plpgsql");
    DB.Execute("create trigger refuse before insert on equiplogsdl for each row execute function refuse()");
}

} // namespace

class tst_AssetsSet : public QObject {
    Q_OBJECT
public:
    explicit tst_AssetsSet(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void fieldsFollowLabelsAndRestrictions();
    void addNewNumbersAndLogs();
    void operatorLogSwitchedOff();
    void basicSaveLogsChangedFields();
    void extendedSaveComparesItsOwnFields();
    void updateOfVanishedRecordFails();
    void exceptionRollsBackAndIsLogged();
    void saveAllInsertsAndUpdatesEveryColumn();
    void deleteRemovesEverythingHangingOnIt();
    void canEdit_data();
    void canEdit();
    void codePrefix();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<MessageRecorder> m_messages;
};

void tst_AssetsSet::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0000','一车间')");
    DB.ExecSQL("insert into department(Code,Name)values('01','后勤部')");
    DeptSet.LoadAll();
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
    AppLabels.OperatorLog = true;
    m_messages = std::make_unique<MessageRecorder>();
}

void tst_AssetsSet::cleanup() {
    m_messages.reset();
    m_db.reset();
}

void tst_AssetsSet::fieldsFollowLabelsAndRestrictions() {
    AppLabels.EquipmentStr[0] = QStringLiteral("车间代号");
    AppLabels.ClassLabels[1] = QStringLiteral("精度等级");
    Restrictions.ValueVisible = false;
    TAssetsSet set;
    const DataSet& d = set.Query();
    QCOMPARE(d.FieldByName("Str1").DisplayLabel(), QStringLiteral("车间代号"));
    QCOMPARE(d.FieldByName("ClassB").DisplayLabel(), QStringLiteral("精度等级"));
    QCOMPARE(d.FieldByName("Code").DisplayLabel(), QStringLiteral("设备编号"));
    QVERIFY(!d.FieldByName("OriginalValue").Visible());
    QVERIFY(d.FieldByName("PartNo").Visible() && d.FieldByName("Manufactory").Visible());
    QVERIFY(!d.FieldByName("Remark").Visible());
    const int dept = d.FieldByName("UseDeptId").Index();
    QCOMPARE(d.Fields(dept + 1).FieldName(), QStringLiteral("UseDeptName"));
    QCOMPARE(d.Fields(dept + 2).DisplayLabel(), QStringLiteral("使用部门"));
}

void tst_AssetsSet::addNewNumbersAndLogs() {
    QCOMPARE(AddAsset("SB0001", "车床"), 1);
    QCOMPARE(AddAsset("SB0002", "铣床"), 2);
    QCOMPARE(Text("select Addman from equipments where Id=2"), QStringLiteral("sa"));
    QVERIFY(!Text("select AddTime from equipments where Id=2").isEmpty());
    QCOMPARE(ScalarInt("select count(*) from logs where Actname='添加设备' and Results='成功'"), 2);
    QCOMPARE(Text("select Details from logs where Id=2"),
             QStringLiteral("\r\nID := 2\r\n设备编号 := SB0002\r\n设备名称 := 铣床\r\n型号规格 := C6140"
                            "\r\n制造厂家 := 沈阳机床"));
}

void tst_AssetsSet::operatorLogSwitchedOff() {
    AppLabels.OperatorLog = false;
    const int id = AddAsset("SB0001", "车床");
    TAssetsSet set;
    set.OpenById(id);
    set.Query().Edit();
    set.Query().FieldByName("Status").SetAsString("在用");
    QVERIFY(set.SaveBasic());
    set.Query().Post();
    QCOMPARE(ScalarInt("select count(*) from equiplogsdl where FldName='Status'"), 1);
    QVERIFY(set.DeleteCurrent());
    QCOMPARE(ScalarInt("select count(*) from logs"), 0);
}

void tst_AssetsSet::basicSaveLogsChangedFields() {
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL("update equipments set UseDeptId='0000', Status='在用' where Id=1");
    TAssetsSet set;
    set.OpenById(id);
    QCOMPARE(set.Query().FieldByName("UseDeptPath").AsString(), QStringLiteral("\\\\生产部\\一车间"));
    set.Query().Edit();
    QVERIFY(set.SaveBasic());  // nothing changed: header, no details
    set.Query().Post();
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 1);
    QCOMPARE(DetailRows(), QStringList());

    set.Query().Edit();
    set.Query().FieldByName("Status").SetAsString("封存");
    set.Query().FieldByName("UseDeptId").SetAsString("01");
    set.Query().FieldByName("Weight").SetAsFloat(12);  // not a basic column
    QVERIFY(set.SaveBasic());
    set.Query().Post();
    QCOMPARE(DetailRows(), (QStringList{QStringLiteral("Status|在用|封存"),
                                        QStringLiteral("UseDeptPath|\\\\生产部\\一车间|\\\\后勤部")}));
    QCOMPARE(Text("select FldLabel from equiplogsdl where FldName='UseDeptPath'"), QStringLiteral("使用部门"));
    QCOMPARE(Text("select UseDeptId from equipments"), QStringLiteral("01"));
    QCOMPARE(ScalarInt("select count(*) from equipments where Weight is null"), 1);
    QCOMPARE(ScalarInt("select count(*) from logs where Actname='修改设备基本信息' and Results='成功'"), 2);
    QCOMPARE(ScalarInt("select count(*) from equiplogs where EquipId=1 and Updateman='sa'"), 2);
}

void tst_AssetsSet::extendedSaveComparesItsOwnFields() {
    const int id = AddAsset("SB0001", "车床");
    TAssetsSet set;
    set.OpenById(id);
    set.Query().Edit();
    set.Query().FieldByName("Str7").SetAsString("七");
    set.Query().FieldByName("Remark").SetAsString("备注");
    QVERIFY(set.SaveExtended());
    set.Query().Post();
    QCOMPARE(DetailRows(), QStringList());
    QCOMPARE(Text("select Str7 from equipments"), QStringLiteral("七"));
    QCOMPARE(Text("select Remark from equipments"), QStringLiteral("备注"));

    set.Query().Edit();
    set.Query().FieldByName("Weight").SetAsFloat(1500.5);
    set.Query().FieldByName("Float8").SetAsFloat(8);
    QVERIFY(set.SaveExtended());
    set.Query().Post();
    QCOMPARE(DetailRows(), (QStringList{QStringLiteral("Weight||1500.5"), QStringLiteral("Float8||8")}));
    QCOMPARE(ScalarInt("select count(*) from logs where Actname='修改设备扩展信息'"), 2);
}

void tst_AssetsSet::updateOfVanishedRecordFails() {
    const int id = AddAsset("SB0001", "车床");
    TAssetsSet set;
    set.OpenById(id);
    DB.ExecSQL("delete from equipments");
    set.Query().Edit();
    set.Query().FieldByName("Status").SetAsString("在用");
    QVERIFY(!set.SaveBasic());
    QCOMPARE(m_messages->Texts(), QStringList());
    QCOMPARE(ScalarInt("select count(*) from logs where Actname='修改设备基本信息' and Results='失败'"), 1);
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 1);
}

void tst_AssetsSet::exceptionRollsBackAndIsLogged() {
    const int id = AddAsset("SB0001", "车床");
    RefuseDetailRows(m_engine);
    TAssetsSet set;
    set.OpenById(id);
    set.Query().Edit();
    set.Query().FieldByName("Status").SetAsString("在用");
    QVERIFY(!set.SaveBasic());
    QCOMPARE(m_messages->Requests().size(), 1);
    QCOMPARE(ScalarInt("select count(*) from equiplogs"), 0);
    QCOMPARE(ScalarInt("select count(*) from equipments where Status is null"), 1);
    const QString details = Text("select Details from logs where Results='异常'");
    QVERIFY(m_messages->Last().contains(QStringLiteral("拒绝写入")));
    QVERIFY(details.startsWith(m_messages->Last().trimmed()));
    QVERIFY(details.endsWith(QStringLiteral("设备名称 := 车床\r\n型号规格 := C6140")));
}

void tst_AssetsSet::saveAllInsertsAndUpdatesEveryColumn() {
    AddAsset("SB0001", "车床");
    TAssetsSet set;
    set.OpenById(-1);
    DataSet& d = set.Query();
    d.Append();
    d.FieldByName("Id").SetAsInteger(0);
    d.FieldByName("Code").SetAsString("SB0009");
    d.FieldByName("Float4").SetAsFloat(4.25);
    d.FieldByName("Float8").SetAsFloat(8.5);
    d.FieldByName("Date3").SetAsDateTime(QDateTime(QDate(2024, 2, 29), QTime()));
    d.FieldByName("Remark").SetAsString("多行\r\n备注");
    d.FieldByName("Configs").SetAsString("项目=数据");
    d.FieldByName("OriginalValue").SetAsFloat(99000);
    QVERIFY(set.SaveAll());
    QCOMPARE(d.State(), DataSetState::Browse);
    QCOMPARE(set.IdFld->AsInteger(), 2);
    QCOMPARE(Text("select Addman from equipments where Id=2"), QStringLiteral("sa"));
    TAssetsSet stored;
    stored.OpenById(2);
    const DataSet& s = stored.Query();
    QCOMPARE(s.FieldByName("Float4").AsFloat(), 4.25);
    QCOMPARE(s.FieldByName("Float8").AsFloat(), 8.5);
    QCOMPARE(s.FieldByName("Date3").AsDateTime().date(), QDate(2024, 2, 29));
    QCOMPARE(s.FieldByName("Remark").AsString(), QStringLiteral("多行\r\n备注"));
    QCOMPARE(s.FieldByName("Configs").AsString(), QStringLiteral("项目=数据"));
    QCOMPARE(s.FieldByName("OriginalValue").AsFloat(), 99000.0);

    d.Edit();
    d.FieldByName("Float8").SetAsFloat(1);
    QVERIFY(set.SaveAll());
    QVERIFY(set.SaveAll());  // a browsing row is put into edit state and saved again
    QCOMPARE(ScalarInt("select count(*) from equipments"), 2);
    QCOMPARE(ScalarInt("select count(*) from equipments where [Float8]=1 and Id=2"), 1);
    QCOMPARE(ScalarInt("select count(*) from logs where Actname<>'添加设备'"), 0);
}

void tst_AssetsSet::deleteRemovesEverythingHangingOnIt() {
    const int keep = AddAsset("SB0001", "车床");
    const int gone = AddAsset("SB0002", "铣床");
    for (const int id : {keep, gone}) {
        const QString n = QString::number(id);
        DB.ExecSQL("insert into accessories(Id,EqiId,ProductName)values(" + n + "," + n + ",'卡盘')");
        DB.ExecSQL("insert into repairs(Id,EqiId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into partuse(dlId,RepairId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into careitems(ciId,ciAssetId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into carecords(crId,crAssetId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into partuse(dlId,CarecordId)values(" + QString::number(id + 10) + "," + n + ")");
        DB.ExecSQL("insert into equiplogs(Id,EquipId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into equiplogsdl(Id,LogId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into accidents(Id,AssetId)values(" + n + "," + n + ")");
        DB.ExecSQL("insert into changes(Id,AssetId)values(" + n + "," + n + ")");
    }
    TAssetsSet set;
    set.OpenById(gone);
    QVERIFY(set.DeleteCurrent());
    QVERIFY(set.Query().IsEmpty());
    for (const char* table : {"equipments", "accessories", "repairs", "careitems", "carecords", "equiplogs",
                              "equiplogsdl", "accidents", "changes"})
        QCOMPARE(ScalarInt(QStringLiteral("select count(*) from %1").arg(QLatin1String(table))), 1);
    QCOMPARE(ScalarInt("select count(*) from partuse"), 2);
    QCOMPARE(ScalarInt("select min(RepairId) from partuse"), keep);
    QCOMPARE(Text("select Details from logs where Actname='删除设备' and Results='成功'"),
             QStringLiteral("\r\nID := 2\r\n设备编号 := SB0002\r\n设备名称 := 铣床\r\n型号规格 := C6140"
                            "\r\n制造厂家 := 沈阳机床"));
}

void tst_AssetsSet::canEdit_data() {
    QTest::addColumn<QString>("rights");
    QTest::addColumn<bool>("dayEdit");
    QTest::addColumn<int>("hoursAgo");
    QTest::addColumn<bool>("editable");
    QTest::newRow("right, no day limit, old record") << ",119," << false << 24 * 400 << true;
    QTest::newRow("day limit, 23 hours") << ",119," << true << 23 << true;
    QTest::newRow("day limit, 25 hours") << ",119," << true << 25 << false;
    QTest::newRow("day limit, clock ahead") << ",119," << true << -2 << true;
    QTest::newRow("no right 119") << ",100,120," << false << 0 << false;
}

void tst_AssetsSet::canEdit() {
    QFETCH(QString, rights);
    QFETCH(bool, dayEdit);
    QFETCH(int, hoursAgo);
    QFETCH(bool, editable);
    const int id = AddAsset("SB0001", "车床");
    DB.ExecSQL("update equipments set AddTime=:T",
               {DBParam("T", QDateTime::currentDateTime().addSecs(-3600 * hoursAgo))});
    CurrentOperator.LoginId = "op";
    CurrentOperator.Rights = rights;
    Restrictions.DayEdit = dayEdit;
    TAssetsSet set;
    set.OpenById(id);
    QCOMPARE(set.CanEdit(), editable);
}

void tst_AssetsSet::codePrefix() {
    QVERIFY(CheckCodePrefix("anything"));
    Restrictions.CodePrefix = "SB";
    QVERIFY(CheckCodePrefix("SB01"));
    QVERIFY(m_messages->Texts().isEmpty());
    QVERIFY(!CheckCodePrefix("sb01"));
    QCOMPARE(m_messages->Last().trimmed(), QStringLiteral("编码不符合要求."));
}

LANYUE_ENGINE_TEST_MAIN(tst_AssetsSet)
#include "tst_assetsset.moc"
