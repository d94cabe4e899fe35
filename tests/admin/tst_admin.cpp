#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/CodeRightSet.h"
#include "admin/Company.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "admin/Options.h"
#include "data/Schema.h"
#include "platform/Exceptions.h"

namespace {

void AddOperator(const QString& login, const QString& rights = QString()) {
    TOperatorSet operators;
    operators.Insert(login, QStringLiteral("pw"), rights, QString(), QString(), login + QStringLiteral("姓名"));
}

} // namespace

class tst_Admin : public QObject {
    Q_OBJECT
public:
    explicit tst_Admin(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void rights_data();
    void rights();
    void loadAndCheckPassword();
    void refusedRightShowsItsNumber();
    void operatorSetKeepsMemoryInStep();
    void codeRightsFollowOperators();
    void codeRightsSaveFailureRollsBack();
    void restrictionsAtLogin();
    void optionsByPosition();
    void typedKeyValues();
    void untypedKeyValues();
    void pickLists();
    void company();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
};

void tst_Admin::init() {
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    KeyValue2.DataSet().Close();  // the application-wide copy belongs to the previous database
}

void tst_Admin::cleanup() {
    m_db.reset();
}

void tst_Admin::rights_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("right");
    QTest::addColumn<bool>("held");
    QTest::newRow("1 of ,1,,10,") << "op" << ",1,,10," << 1 << true;
    QTest::newRow("10 of ,1,,10,") << "op" << ",1,,10," << 10 << true;
    QTest::newRow("0 of ,1,,10,") << "op" << ",1,,10," << 0 << false;
    QTest::newRow("101 of ,1,,10,") << "op" << ",1,,10," << 101 << false;
    QTest::newRow("no rights") << "op" << "" << 118 << false;
    QTest::newRow("sa holds any number") << "sa" << "" << 987654 << true;
}

void tst_Admin::rights() {
    QFETCH(QString, login);
    QFETCH(QString, stored);
    QFETCH(int, right);
    QFETCH(bool, held);
    TOperator op;
    op.LoginId = login;
    op.Rights = stored;
    QCOMPARE(op.HasRight(right), held);
}

void tst_Admin::loadAndCheckPassword() {
    AddOperator(QStringLiteral("zhang"), RightsText({119, 118, 100001}));
    TOperator op;
    op.Load(QStringLiteral("sa"));
    QVERIFY(op.IsSa());
    QVERIFY(op.CheckPassword(QString()));
    QVERIFY(!op.CheckPassword(QStringLiteral(" ")));
    op.Load(QStringLiteral("zhang"));
    QCOMPARE(op.Rights, QStringLiteral(",118,,119,,100001,"));  // catalogue order
    QCOMPARE(op.Name, QStringLiteral("zhang姓名"));
    QVERIFY(!op.CheckPassword(QStringLiteral("PW")));
    QVERIFY(op.CheckPassword(QStringLiteral("pw")));
    op.Load(QStringLiteral("nobody"));
    QVERIFY(op.LoginId.isEmpty() && op.Rights.isEmpty());
    QVERIFY(!op.CheckPassword(QString()));

    op.Load(QStringLiteral("zhang"));
    op.SetPassword(QStringLiteral("新密码"));
    TOperator again;
    again.Load(QStringLiteral("zhang"));
    QVERIFY(again.CheckPassword(QStringLiteral("新密码")));
}

void tst_Admin::refusedRightShowsItsNumber() {
    MessageRecorder messages;
    TOperator op;
    op.LoginId = QStringLiteral("op");
    QVERIFY(!op.CheckRight(103, false));
    QCOMPARE(messages.Last(), QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(103).\t"));
    QVERIFY_THROWS_EXCEPTION(EAbort, op.CheckRight(100001, true));
    QVERIFY(messages.Last().contains(QStringLiteral("(100001)")));
    QVERIFY_THROWS_EXCEPTION(EAbort, op.RequireSa());
    QVERIFY(messages.Last().contains(QStringLiteral("只有系统用户(sa)才能执行此操作.")));
    op.LoginId = QStringLiteral("sa");
    messages.Clear();
    QVERIFY(op.CheckRight(103, true));
    op.RequireSa();
    QVERIFY(messages.Requests().isEmpty());
}

void tst_Admin::operatorSetKeepsMemoryInStep() {
    TOperatorSet operators;
    QCOMPARE(operators.LoginList(), QString());  // sa is never listed
    operators.Insert("li", "1", ",118,", "备注", "电话", "李");
    operators.Insert("wang", "2", QString(), QString(), QString(), "王");
    QCOMPARE(operators.LoginList(), QStringLiteral("li\r\nwang"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, operators.Insert("li", "x", QString(), QString(), QString(), QString()));
    operators.Update("li", "9", ",119,", "新备注", "手机", "李四");
    QVERIFY(operators.DataSet().Locate("LoginId", "li"));
    QCOMPARE(operators.RightsFld->AsString(), QStringLiteral(",119,"));
    operators.Delete(QStringLiteral("wang"));
    QCOMPARE(operators.LoginList(), QStringLiteral("li"));
    TOperatorSet reread;
    QCOMPARE(reread.LoginList(), QStringLiteral("li"));
    QVERIFY(reread.DataSet().Locate("LoginId", "li"));
    QCOMPARE(reread.NoteFld->AsString(), QStringLiteral("新备注"));
    QCOMPARE(reread.PasswordFld->AsString(), QStringLiteral("9"));
}

void tst_Admin::codeRightsFollowOperators() {
    TCodeRightSet empty;
    empty.Load();
    QCOMPARE(empty.DataSet().RecordCount(), 0);
    QVERIFY(empty.Save());

    AddOperator("a");
    AddOperator("b");
    DB.ExecSQL("insert into coderight(LoginId, IsFree, Prefix, Notes) values ('gone', :Free, 'X', 'x')",
               {DBParam("Free", true)});
    TCodeRightSet rights;
    rights.Load();
    QCOMPARE(rights.JoinValues(*rights.LoginIdFld, ","), QStringLiteral("a,b"));
    rights.DataSet().First();
    QCOMPARE(rights.ValueVisibleFld->AsBoolean(), false);
    QCOMPARE(rights.PartnoVisibleFld->AsBoolean(), true);
    QVERIFY(rights.IsFreeFld->IsNull());
    rights.DataSet().Edit();
    rights.PrefixFld->SetAsString("SB");
    rights.IsFreeFld->SetAsBoolean(false);
    rights.DeptSqlFld->SetAsString("UseDeptId like '01%'");
    rights.NotesFld->SetAsString("not written");
    QVERIFY(rights.Save());
    QCOMPARE(ScalarInt("select count(*) from coderight"), 2);
    QCOMPARE(ScalarInt("select count(*) from coderight where LoginId='gone'"), 0);
    QCOMPARE(ScalarInt("select count(*) from coderight where Notes is not null"), 0);
    QCOMPARE(ScalarInt("select count(*) from coderight where Prefix='SB'"), 1);
}

void tst_Admin::codeRightsSaveFailureRollsBack() {
    AddOperator("a");
    TCodeRightSet rights;
    rights.Load();
    QVERIFY(rights.Save());
    rights.DataSet().Append();  // a second row for the same login breaks the key
    rights.LoginIdFld->SetAsString("a");
    rights.DataSet().Post();
    MessageRecorder messages;
    QVERIFY(!rights.Save());
    QVERIFY2(messages.Last().startsWith(QStringLiteral("\r\n保存时出错,系统返回如下提示:\r\n\r\n")), qPrintable(messages.Last()));
    QCOMPARE(ScalarInt("select count(*) from coderight"), 1);
    QVERIFY(!DB.InTransaction());
}

void tst_Admin::restrictionsAtLogin() {
    AddOperator("free");
    AddOperator("bound");
    AddOperator("norow");
    TCodeRightSet rights;
    rights.Load();
    QVERIFY(rights.DataSet().Locate("LoginId", "free"));
    rights.DataSet().Edit();
    rights.IsFreeFld->SetAsBoolean(true);
    rights.PrefixFld->SetAsString("IGNORED");
    rights.DataSet().Post();
    QVERIFY(rights.DataSet().Locate("LoginId", "bound"));
    rights.DataSet().Edit();
    rights.IsFreeFld->SetAsBoolean(false);
    rights.PrefixFld->SetAsString("SB");
    rights.DeptSqlFld->SetAsString("UseDeptId='01'");
    rights.ValueVisibleFld->SetAsBoolean(true);
    rights.FactoryVisibleFld->SetAsBoolean(false);
    rights.DayEditFld->SetAsBoolean(true);
    rights.ChangeHintFld->SetAsBoolean(true);
    rights.DataSet().Post();
    QVERIFY(rights.DataSet().Locate("LoginId", "norow"));
    rights.DataSet().Delete();
    QVERIFY(rights.Save());

    TOperator op;
    TOperatorRestrictions r;
    op.Load("bound");
    TCodeRightSet::ApplyAtLogin(op, r);
    QCOMPARE(r.CodePrefix, QStringLiteral("SB"));
    QCOMPARE(r.DeptCondition, QStringLiteral(" and UseDeptId='01'"));
    QVERIFY(r.ValueVisible && !r.FactoryVisible && r.DayEdit && r.ChangeHint);
    op.Load("free");
    TCodeRightSet::ApplyAtLogin(op, r);
    QCOMPARE(r.CodePrefix, QString());
    QCOMPARE(r.DeptCondition, QString());
    op.Load("norow");
    TCodeRightSet::ApplyAtLogin(op, r);
    QVERIFY(!r.ValueVisible && r.PartnoVisible && r.FactoryVisible && !r.DayEdit && !r.ChangeHint);
    r.ChangeHint = true;
    op.Load("sa");
    TCodeRightSet::ApplyAtLogin(op, r);
    QVERIFY(r.ValueVisible && r.PartnoVisible && r.FactoryVisible && !r.DayEdit);
    QVERIFY(r.ChangeHint);  // kept for sa
}

void tst_Admin::optionsByPosition() {
    TOptions options;
    QCOMPARE(options.GetText(25), QStringLiteral("字符型1"));
    QCOMPARE(options.GetText(65), QStringLiteral("字符型7"));
    QCOMPARE(options.GetText(31), QStringLiteral("数字型1"));
    options.SetText(40, QStringLiteral("出厂日期"));
    QCOMPARE(ScalarInt("select count(*) from options where List='出厂日期'"), 0);  // memory only
    options.Save();
    options.Reload();
    QCOMPARE(options.GetText(40), QStringLiteral("出厂日期"));
    QCOMPARE(ScalarInt("select [Key] from options where List='出厂日期'"), 40);
}

void tst_Admin::typedKeyValues() {
    TKeyValue2 values;
    values.SetStr(12, QStringLiteral("类别甲"));
    QCOMPARE(values.GetStr(12), QStringLiteral("类别甲"));
    QCOMPARE(values.GetBool(12), true);
    QCOMPARE(values.GetInt(12), 0);
    values.SetInt(117, 3);
    QCOMPARE(values.GetInt(117), 3);
    QCOMPARE(values.GetStr(117), QString());
    values.SetBool(75, false);
    QCOMPARE(values.GetBool(75), false);
    QCOMPARE(ScalarInt("select count(*) from keyvalue where KeyId=200"), 0);
    QCOMPARE(values.GetStr(200), QString());  // created on first read
    QCOMPARE(ScalarInt("select count(*) from keyvalue where KeyId=200"), 1);
    TKeyValue2 other;
    QCOMPARE(other.GetStr(12), QStringLiteral("类别甲"));
    QCOMPARE(other.GetBool(68), true);
}

void tst_Admin::untypedKeyValues() {
    QCOMPARE(KeyValue.GetBool(0), false);
    QCOMPARE(KeyValue.GetBool(1), false);
    KeyValue.Set(1, true);
    QCOMPARE(KeyValue.GetBool(1), true);
    QVERIFY(!KeyValue.Get(3).isValid() || KeyValue.Get(3).toString().isEmpty());
    KeyValue.Set(3, QStringLiteral("Code,Name"));  // a key with no row is inserted
    QCOMPARE(KeyValue.Get(3).toString(), QStringLiteral("Code,Name"));
    KeyValue.Set(3, QStringLiteral("Code"));
    QCOMPARE(KeyValue.Get(3).toString(), QStringLiteral("Code"));
    QCOMPARE(ScalarInt("select count(*) from keyvalue where KeyId=3"), 1);
}

void tst_Admin::pickLists() {
    PickLists.SetItems(114, {QStringLiteral("张三"), QStringLiteral("李四")});
    QCOMPARE(PickLists.Items(114), (QStringList{QStringLiteral("张三"), QStringLiteral("李四")}));
    QCOMPARE(KeyValue2.GetStr(114), QStringLiteral("张三\r\n李四"));
    QVERIFY(PickLists.Items(101).isEmpty());
}

void tst_Admin::company() {
    TCompany company;
    company.Load();
    QCOMPARE(company.Id, 0);
    QVERIFY(!company.IsFilled());
    company.CompanyName = QStringLiteral("澜岳厂");
    QVERIFY(!company.IsFilled());  // three characters, six bytes
    company.CompanyName = QStringLiteral("澜岳机械");
    QVERIFY(company.IsFilled());
    QCOMPARE(GbkLength(QStringLiteral("ab澜")), 4);
    company.Tel = QStringLiteral("0571-1234567");
    QVERIFY(company.Exists());
    company.Save();
    TCompany reread;
    reread.Load();
    QCOMPARE(reread.CompanyName, QStringLiteral("澜岳机械"));
    QCOMPARE(reread.Tel, QStringLiteral("0571-1234567"));
    DB.ExecSQL("delete from Company");
    QVERIFY(!reread.Exists());
    reread.Save();  // inserts the row again
    QCOMPARE(ScalarInt("select count(*) from Company where Id=0"), 1);
}

LANYUE_ENGINE_TEST_MAIN(tst_Admin)
#include "tst_admin.moc"
