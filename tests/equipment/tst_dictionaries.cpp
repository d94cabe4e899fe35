#include "EngineTest.h"
#include "MessageRecorder.h"

#include "data/RecordSet.h"
#include "data/Schema.h"
#include "equipment/CoderSet.h"
#include "equipment/DeptSet.h"
#include "equipment/SystatuSet.h"
#include "platform/Exceptions.h"

namespace {

QString Codes() {
    QStringList codes;
    DataSet& d = DeptSet.DataSet();
    for (int row = 0; row < d.RecordCount(); ++row)
        codes.append(d.ValueAt(row, 0).toString() + ":" + d.ValueAt(row, 3).toString());
    return codes.join(u' ');
}

void AddRule(TCoderSet& rules, const QString& kind, const QString& label, const QString& code, int maxId,
             int digit) {
    rules.Query().Append();
    rules.KindFld->SetAsString(kind);
    rules.LabelFld->SetAsString(label);
    rules.CodeFld->SetAsString(code);
    rules.MaxIdFld->SetAsInteger(maxId);
    rules.DigitFld->SetAsInteger(digit);
    rules.Query().Post();
}

} // namespace

class tst_Dictionaries : public QObject {
    Q_OBJECT
public:
    explicit tst_Dictionaries(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void departmentCodes();
    void departmentPathsAndParents();
    void deleteSubtreeAndRename();
    void codeFromSegments();
    void numberOverflow();
    void numbersNeverHandedOutTwice();
    void rulesSaveAll();
    void statusDictionary();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_Dictionaries::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("delete from codes");
    DeptSet.LoadAll();
}

void tst_Dictionaries::cleanup() {
    m_db.reset();
}

void tst_Dictionaries::departmentCodes() {
    QCOMPARE(DeptSet.AddDepartment(QString(), "生产部"), QStringLiteral("00"));
    QCOMPARE(DeptSet.AddDepartment(QString(), "后勤部"), QStringLiteral("01"));
    QCOMPARE(DeptSet.AddDepartment("01", "食堂"), QStringLiteral("0100"));
    QCOMPARE(DeptSet.AddDepartment("01", "车队"), QStringLiteral("0101"));
    QCOMPARE(DeptSet.AddDepartment("0100", "厨房"), QStringLiteral("010000"));
    DB.ExecSQL("insert into department(Code,Name)values('09','九')");
    QCOMPARE(DeptSet.AddDepartment(QString(), "十"), QStringLiteral("10"));
    QCOMPARE(Codes(), QStringLiteral("00:0 01:0 0100:2 010000:3 0101:2 09:0 10:0"));
    DB.ExecSQL("insert into department(Code,Name)values('1X','坏')");
    QVERIFY_THROWS_EXCEPTION(Exception, DeptSet.AddDepartment(QString(), "不插入"));
    QCOMPARE(ScalarInt("select count(*) from department where Name='不插入'"), 0);
}

void tst_Dictionaries::departmentPathsAndParents() {
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0000','一车间')");
    DB.ExecSQL("insert into department(Code,Name)values('01','后勤部')");
    DeptSet.LoadAll();
    QCOMPARE(Codes(), QStringLiteral("00:0 0000:1 01:0"));
    QCOMPARE(DeptSet.GetPath("00"), QStringLiteral("\\\\生产部"));
    QCOMPARE(DeptSet.GetPath("0000"), QStringLiteral("\\\\生产部\\一车间"));
    QString path = QStringLiteral("unchanged");
    DeptSet.GetPath("99", path);
    QCOMPARE(path, QStringLiteral("unchanged"));
    QCOMPARE(DeptSet.PathFld->DisplayLabel(), QStringLiteral("类别全称"));
}

void tst_Dictionaries::deleteSubtreeAndRename() {
    for (const char* row : {"('00','生产部')", "('0000','一车间')", "('0001','二车间')", "('01','后勤部')"})
        DB.ExecSQL(QStringLiteral("insert into department(Code,Name)values") + QString::fromUtf8(row));
    DeptSet.Rename("01", "行政部");
    QCOMPARE(DeptSet.GetPath("01"), QStringLiteral("\\\\行政部"));
    DeptSet.DeleteSubtree("00");
    QCOMPARE(Codes(), QStringLiteral("01:0"));
    QCOMPARE(ScalarInt("select count(*) from department"), 1);
}

void tst_Dictionaries::codeFromSegments() {
    TCoderSet rules;
    rules.Load();
    AddRule(rules, "部门", "生产", "SC", 0, 0);
    AddRule(rules, "序号", "默认", "", 17, 4);
    rules.SaveAll();
    rules.Load();
    QVERIFY(rules.Query().Locate("Kind", "部门"));
    QCOMPARE(rules.CodeFld->AsString() + rules.NextNumber(), QStringLiteral("SC"));
    QVERIFY(rules.Query().Locate("Kind", "序号"));
    QCOMPARE(rules.CodeFld->AsString() + rules.NextNumber(), QStringLiteral("0018"));
    QCOMPARE(ScalarInt("select MaxId from codes where Kind='序号'"), 18);
    QCOMPARE(rules.MaxIdFld->AsInteger(), 18);
}

void tst_Dictionaries::numberOverflow() {
    TCoderSet rules;
    rules.Load();
    AddRule(rules, "序号", "默认", "", 99, 2);
    rules.SaveAll();
    rules.Load();
    try {
        rules.NextNumber();
        QFAIL("a number wider than its digits was handed out");
    } catch (const Exception& e) {
        QCOMPARE(e.Message(), QStringLiteral("编号越位100"));
    }
    QCOMPARE(ScalarInt("select MaxId from codes"), 99);
}

// Two windows (or workstations) read the rules, then both ask for a number.
void tst_Dictionaries::numbersNeverHandedOutTwice() {
    TCoderSet setup;
    setup.Load();
    AddRule(setup, "序号", "默认", "A", 5, 3);
    setup.SaveAll();
    TCoderSet first, second;
    first.Load();
    second.Load();
    QCOMPARE(first.NextNumber(), QStringLiteral("006"));
    QCOMPARE(second.NextNumber(), QStringLiteral("007"));
    QCOMPARE(ScalarInt("select MaxId from codes"), 7);
}

void tst_Dictionaries::rulesSaveAll() {
    TCoderSet rules;
    rules.Load();
    AddRule(rules, "甲", "一", "J1", 0, 0);
    AddRule(rules, "乙", "一", "Y1", 0, 0);
    AddRule(rules, "丙", "一", "B1", 0, 0);
    rules.Remove();  // removed before it was ever saved: no statement at all
    QVERIFY(rules.SaveAll());
    QCOMPARE(ScalarInt("select count(*) from codes"), 2);
    rules.Load();
    QVERIFY(rules.Query().Locate("Kind", "甲"));
    rules.Remove();
    QVERIFY(rules.Query().Locate("Kind", "乙"));
    rules.Query().Edit();
    rules.CodeFld->SetAsString("Y2");
    rules.Query().Post();
    QVERIFY(rules.SaveAll());
    QCOMPARE(ScalarInt("select count(*) from codes"), 1);
    QCOMPARE(ScalarInt("select count(*) from codes where Code='Y2'"), 1);
    QVERIFY(rules.Query().Filtered());
}

void tst_Dictionaries::statusDictionary() {
    DB.ExecSQL("delete from systatus");
    SystatuSet.Load();
    for (const auto& [status, color] : {std::pair{"在用", "clBlack"}, {"维修", "clRed"}, {"报废", "clGray"}}) {
        SystatuSet.Query().Append();
        SystatuSet.StatusFld->SetAsString(status);
        SystatuSet.ForceColorFld->SetAsString(color);
        SystatuSet.Query().Post();
    }
    QVERIFY(SystatuSet.SaveAll());
    QVERIFY(SystatuSet.Query().Locate("Status", "维修"));
    SystatuSet.Remove();
    QStringList list{"stale"};
    SystatuSet.StatusList(list);
    QCOMPARE(list, (QStringList{"在用", "报废"}));
    QCOMPARE(SystatuSet.ColorOf("报废"), QStringLiteral("clGray"));
    QCOMPARE(SystatuSet.ColorOf("维修"), QString());
    SystatuSet.SaveAll();
    SystatuSet.Load();
    SystatuSet.StatusList(list);
    QCOMPARE(list.size(), 2);
    QCOMPARE(ScalarInt("select count(*) from systatus"), 2);
}

LANYUE_ENGINE_TEST_MAIN(tst_Dictionaries)
#include "tst_dictionaries.moc"
