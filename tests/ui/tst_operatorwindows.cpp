#include "EngineTest.h"
#include "MessageRecorder.h"

#include "admin/Operator.h"
#include "data/DBConfiger.h"
#include "data/Schema.h"
#include "ui/CodeRightEditorFrm.h"
#include "ui/LoginFrm.h"
#include "ui/OperatorEditorFrm.h"
#include "ui/OperatorsFrm.h"
#include "ui/PasswordChangerFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// What ShowInfo puts in its box around a message.
QString Info(const char* message) {
    return QStringLiteral("\r\n") + QString::fromUtf8(message) + QStringLiteral("\t");
}

void AddOperator(const QString& login, const QString& password, const QString& rights = QString(),
                 const QString& name = QString()) {
    TOperatorSet operators;
    operators.Insert(login, password, rights, QString(), QString(), name);
}

template <class T> T* Control(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
}

// Key by key as an input method delivers them: keyClicks takes Latin-1 only.
void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void DoubleClickItem(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
}

// The line of a right by its number: two names appear twice in the list.
QListWidgetItem* RightLine(QListWidget* list, int number) {
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->data(Qt::UserRole).toInt() == number) return list->item(row);
    qFatal("no line for right %d", number);
}

QListWidgetItem* Item(QListWidget* list, const char* text) {
    const auto found = list->findItems(QString::fromUtf8(text), Qt::MatchExactly);
    if (found.isEmpty()) qFatal("no line %s", text);
    return found.first();
}

// Clicks a check box or radio button on its indicator: the widget may be wider than its text.
void ClickBox(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

bool Focused(const QWidget* widget) {
    return QApplication::focusWidget() == widget;
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

QList<int> CheckedRights(const QListWidget* list) {
    QList<int> numbers;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            numbers.append(list->item(row)->data(Qt::UserRole).toInt());
    return numbers;
}

// One stored row of the operator table, as the login reads it.
TOperator Stored(const QString& login) {
    TOperator op;
    op.Load(login);
    return op;
}

// Types a login and password and presses Enter in the password box.
void Attempt(TLoginFrm& dialog, const QString& login, const QString& password) {
    Retype(dialog.LoginBox()->lineEdit(), login);
    Retype(dialog.PasswordBox(), password);
    QTest::keyClick(dialog.PasswordBox(), Qt::Key_Return);
}

// Fills the editor as a user would: boxes typed, rights toggled by double-clicking their lines.
void Fill(TOperatorEditorFrm& editor, const TOperator& values, const QList<int>& rights) {
    Retype(Control<QLineEdit>(editor, "edtLoginId1"), values.LoginId);
    Retype(Control<QLineEdit>(editor, "edtPassword1"), values.Password);
    Retype(Control<QLineEdit>(editor, "edtPassword2"), values.Password);
    Retype(Control<QLineEdit>(editor, "edtName1"), values.Name);
    Retype(Control<QLineEdit>(editor, "edtContact1"), values.Contact);
    Retype(Control<QLineEdit>(editor, "edtNote1"), values.Note);
    for (const int right : rights)
        DoubleClickItem(editor.RightsList(), RightLine(editor.RightsList(), right));
}

// Drives the modal dialogs of type T that exec() shows: each showing (or, when a step leaves
// the dialog open, each further tick) runs the next step. A dialog still open once the steps
// are spent, or after a failed check, is closed, so no test waits on a person; the driver
// gives up after a few seconds without a dialog.
template <class T> class DialogDriver {
public:
    using Step = std::function<void(T&)>;
    explicit DialogDriver(QList<Step> steps) : m_steps(std::move(steps)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
        m_timer.start(10);
    }
    qsizetype Left() const { return m_steps.size(); }

private:
    void Tick() {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++m_idle > 500) m_timer.stop();
            return;
        }
        m_idle = 0;
        if (m_steps.isEmpty()) {
            QTest::qFail("the dialog is still open after the last step", __FILE__, __LINE__);
            dialog->reject();
            return;
        }
        m_steps.takeFirst()(*dialog);
        if (QTest::currentTestFailed() && dialog->isVisible()) {
            m_steps.clear();
            dialog->reject();
        }
    }

    QList<Step> m_steps;
    QTimer m_timer;
    int m_idle = 0;
};

} // namespace

class tst_OperatorWindows : public QObject {
    Q_OBJECT
public:
    explicit tst_OperatorWindows(TestEngine engine) : m_engine(engine) {}

private Q_SLOTS:
    void init();
    void cleanup();
    void loginBoxStartsWithLastLogin_data();
    void loginBoxStartsWithLastLogin();
    void loginRefused_data();
    void loginRefused();
    void loginAccepted_data();
    void loginAccepted();
    void loginCancelled();
    void addOperator();
    void duplicateLoginReopensEditor();
    void editOperator_data();
    void editOperator();
    void deleteOperator_data();
    void deleteOperator();
    void codeRightsEditorShowsEveryControl();
    void codeRightsFollowOperatorsAndSave();
    void codeRightsSaveFailureKeepsDialogOpen();
    void codeRightsWithoutOperators();
    void changePassword();
    void changePasswordCancelled();

private:
    TestEngine m_engine;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<QTemporaryDir> m_home;
};

void tst_OperatorWindows::init() {
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("LANYUE_HOME", QFile::encodeName(m_home->path()));
    m_db = std::make_unique<TestDatabase>(m_engine);
    CreateSchema(DB);
    CurrentOperator = TOperator();
    AddOperator("zhang", "pw-zhang", ",119,,10000,", "张三");
    AddOperator("li", "pw-li", ",118,", "李四");
}

void tst_OperatorWindows::cleanup() {
    m_db.reset();
    qunsetenv("LANYUE_HOME");
    m_home.reset();
}

void tst_OperatorWindows::loginBoxStartsWithLastLogin_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing remembered") << ""
                                        << "sa";
    QTest::newRow("an operator") << "zhang"
                                 << "zhang";
    QTest::newRow("a login since deleted") << "gone"
                                           << "gone";
}

void tst_OperatorWindows::loginBoxStartsWithLastLogin() {
    QFETCH(QString, remembered);
    QFETCH(QString, shown);
    if (!remembered.isEmpty()) TDBConfiger().WriteLastLoginId(remembered);
    TLoginFrm dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("登陆"));
    QCOMPARE(dialog.LoginBox()->currentText(), shown);
    QStringList logins;
    for (int i = 0; i < dialog.LoginBox()->count(); ++i)
        logins.append(dialog.LoginBox()->itemText(i));
    logins.sort();
    QCOMPARE(logins, QStringList({"li", "zhang"}));
    QCOMPARE(dialog.PasswordBox()->echoMode(), QLineEdit::Password);
    QCOMPARE(Control<QLabel>(dialog, "lblTitle1")->text(), ApplicationTitle());
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels.append(label->text());
    for (const char* text : {"请输入您的用户名和密码:", "用户名(&U)", "密码(&P)"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
}

void tst_OperatorWindows::loginRefused_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::newRow("wrong password") << "zhang"
                                    << "pw-li";
    QTest::newRow("password in other case") << "zhang"
                                            << "PW-ZHANG";
    QTest::newRow("unknown login, known password") << "nobody"
                                                   << "pw-zhang";
    QTest::newRow("unknown login, empty password") << "nobody"
                                                   << "";
}

// Every attempt follows a failed one for zhang, so nothing of zhang may carry over.
void tst_OperatorWindows::loginRefused() {
    QFETCH(QString, login);
    QFETCH(QString, password);
    TDBConfiger().WriteLastLoginId("li");
    const auto refusedAndOpen = [](TLoginFrm& dialog, const QString& typed) {
        QVERIFY(dialog.isVisible());
        QVERIFY(Focused(dialog.PasswordBox()));
        QCOMPARE(dialog.PasswordBox()->selectedText(), typed);
    };
    TLoginFrm dialog;
    DialogDriver<TLoginFrm> driver({
        [&](TLoginFrm& d) {
            Attempt(d, "zhang", "wrong");
            refusedAndOpen(d, "wrong");
        },
        [&](TLoginFrm& d) {
            Attempt(d, login, password);
            refusedAndOpen(d, password);
            d.CancelButton()->click();
        },
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(driver.Left(), 0);
    QVERIFY(CurrentOperator.LoginId.isEmpty());
    QCOMPARE(TDBConfiger().ReadLastLoginId(), QStringLiteral("li"));
}

void tst_OperatorWindows::loginAccepted_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("rights");
    QTest::newRow("operator") << "li"
                              << "pw-li"
                              << ",118,";
    QTest::newRow("sa with its empty password") << "sa"
                                                << ""
                                                << "";
}

// A refused attempt first: the next correct password logs in the login typed with it.
void tst_OperatorWindows::loginAccepted() {
    QFETCH(QString, login);
    QFETCH(QString, password);
    QFETCH(QString, rights);
    MessageRecorder messages;
    TLoginFrm dialog;
    DialogDriver<TLoginFrm> driver({
        [](TLoginFrm& d) { Attempt(d, "zhang", "pw-li"); },
        [&](TLoginFrm& d) { Attempt(d, login, password); },
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(driver.Left(), 0);
    QVERIFY(messages.Requests().isEmpty());
    QCOMPARE(CurrentOperator.LoginId, login);
    QCOMPARE(CurrentOperator.Rights, rights);
    QVERIFY(QFile::exists(QDir(m_home->path()).filePath("cfg.ini")));
    QCOMPARE(TDBConfiger().ReadLastLoginId(), login);
}

void tst_OperatorWindows::loginCancelled() {
    CurrentOperator.Load("zhang");
    TLoginFrm dialog;
    DialogDriver<TLoginFrm> driver({[](TLoginFrm& d) {
        Retype(d.LoginBox()->lineEdit(), "li");
        Retype(d.PasswordBox(), "pw-li");
        QTest::keyClick(&d, Qt::Key_Escape);
    }});
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(driver.Left(), 0);
    QCOMPARE(CurrentOperator.LoginId, QStringLiteral("zhang"));
    QVERIFY(TDBConfiger().ReadLastLoginId().isEmpty());
}

void tst_OperatorWindows::addOperator() {
    MessageRecorder messages;
    TOperatorsFrm window;
    window.show();
    QCOMPARE(Lines(window.UserList()), QStringList({"zhang", "li"}));
    TOperator wang;
    wang.LoginId = "wang";
    wang.Password = "pw-wang";
    wang.Name = "王五";
    wang.Contact = "电话 8888";
    wang.Note = "夜班";
    DialogDriver<TOperatorEditorFrm> driver({
        [&](TOperatorEditorFrm& editor) {
            QCOMPARE(editor.windowTitle(), QStringLiteral("操作员属性"));
            auto* login = Control<TjtEdit>(editor, "edtLoginId1");
            QVERIFY(login->isEnabled());
            QVERIFY(Focused(login));
            Control<QLineEdit>(editor, "edtName1")->setFocus();
            QCOMPARE(login->Color(), clWhite);
            QVERIFY(CheckedRights(editor.RightsList()).isEmpty());
            QCOMPARE(editor.RightsList()->count(), int(RightsCatalogue().size()));
            editor.OkButton()->click();
            QCOMPARE(messages.Texts(), QStringList{Info("必须填写登陆名.")});
            QVERIFY(Focused(login));
        },
        [&](TOperatorEditorFrm& editor) {
            Retype(Control<QLineEdit>(editor, "edtLoginId1"), "wang");
            Retype(Control<QLineEdit>(editor, "edtPassword1"), "one");
            Retype(Control<QLineEdit>(editor, "edtPassword2"), "two");
            editor.OkButton()->click();
            QCOMPARE(messages.Last(), Info("两次输入的密码不一样,请重新输入."));
            QVERIFY(Control<QLineEdit>(editor, "edtPassword1")->text().isEmpty());
            QVERIFY(Control<QLineEdit>(editor, "edtPassword2")->text().isEmpty());
            QVERIFY(Focused(Control<QLineEdit>(editor, "edtPassword1")));
        },
        [&](TOperatorEditorFrm& editor) {
            // Checked out of list order; a line double-clicked twice ends unchecked.
            Fill(editor, wang, {1, 119, 10002, 118, 10002});
            editor.OkButton()->click();
        },
    });
    QTest::mouseClick(window.AddButton(), Qt::LeftButton);
    QCOMPARE(driver.Left(), 0);
    QCOMPARE(messages.Requests().size(), 2);
    QCOMPARE(Lines(window.UserList()), QStringList({"zhang", "li", "wang"}));
    const TOperator stored = Stored("wang");
    QCOMPARE(stored.Password, wang.Password);
    QCOMPARE(stored.Name, wang.Name);
    QCOMPARE(stored.Contact, wang.Contact);
    QCOMPARE(stored.Note, wang.Note);
    QCOMPARE(stored.Rights, QStringLiteral(",118,,119,,1,"));
}

void tst_OperatorWindows::duplicateLoginReopensEditor() {
    MessageRecorder messages;
    TOperatorsFrm window;
    window.show();
    TOperator copy;
    copy.LoginId = "zhang";
    copy.Password = "other";
    copy.Name = "另一个张三";
    DialogDriver<TOperatorEditorFrm> driver({
        [&](TOperatorEditorFrm& editor) {
            Fill(editor, copy, {10004});
            editor.OkButton()->click();
        },
        [&](TOperatorEditorFrm& editor) {
            QCOMPARE(messages.Requests().size(), 1);
            QVERIFY(!messages.Last().trimmed().isEmpty());
            QCOMPARE(editor.Operator().LoginId, copy.LoginId);
            QCOMPARE(editor.Operator().Password, copy.Password);
            QCOMPARE(editor.Operator().Name, copy.Name);
            QCOMPARE(editor.Operator().Rights, QStringLiteral(",10004,"));
            editor.CancelButton()->click();
        },
    });
    QTest::mouseClick(window.AddButton(), Qt::LeftButton);
    QCOMPARE(driver.Left(), 0);
    QCOMPARE(Lines(window.UserList()), QStringList({"zhang", "li"}));
    QCOMPARE(Stored("zhang").Name, QStringLiteral("张三"));
    QCOMPARE(ScalarInt("select count(*) from operator"), 3);
}

void tst_OperatorWindows::editOperator_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("属性") << false;
    QTest::newRow("double-click") << true;
}

void tst_OperatorWindows::editOperator() {
    QFETCH(bool, byDoubleClick);
    // Stored out of catalogue order; the save writes catalogue order.
    DB.ExecSQL("update operator set Rights=',10000,,119,' where LoginId='zhang'");
    TOperatorsFrm window;
    window.show();
    { // each driver ends before the next dialog comes
        DialogDriver<TOperatorEditorFrm> driver({[&](TOperatorEditorFrm& editor) {
            auto* login = Control<TjtEdit>(editor, "edtLoginId1");
            QCOMPARE(login->text(), QStringLiteral("zhang"));
            QVERIFY(!login->isEnabled());
            QCOMPARE(login->Color(), login->parentWidget()->palette().color(QPalette::Window));
            QCOMPARE(Control<QLineEdit>(editor, "edtPassword1")->text(),
                     QStringLiteral("pw-zhang"));
            QCOMPARE(Control<QLineEdit>(editor, "edtPassword2")->text(),
                     QStringLiteral("pw-zhang"));
            QCOMPARE(Control<QLineEdit>(editor, "edtPassword1")->displayText(),
                     QStringLiteral("********"));
            QCOMPARE(Control<QLineEdit>(editor, "edtName1")->text(), QStringLiteral("张三"));
            QCOMPARE(CheckedRights(editor.RightsList()), QList<int>({119, 10000}));
            for (const int right : {10000, 10006, 118})
                DoubleClickItem(editor.RightsList(), RightLine(editor.RightsList(), right));
            Retype(Control<QLineEdit>(editor, "edtName1"), "张三丰");
            editor.OkButton()->click();
        }});
        QListWidgetItem* zhang = Item(window.UserList(), "zhang");
        if (byDoubleClick) {
            DoubleClickItem(window.UserList(), zhang);
        } else {
            zhang->setSelected(true);
            QTest::mouseClick(window.PropertiesButton(), Qt::LeftButton);
        }
        QCOMPARE(driver.Left(), 0);
    }
    const TOperator stored = Stored("zhang");
    QCOMPARE(stored.Rights, QStringLiteral(",118,,119,,10006,"));
    QCOMPARE(stored.Name, QStringLiteral("张三丰"));
    QCOMPARE(stored.Password, QStringLiteral("pw-zhang"));

    // The list's own copy follows: the editor opens with what was saved.
    DialogDriver<TOperatorEditorFrm> again({[](TOperatorEditorFrm& editor) {
        QCOMPARE(Control<QLineEdit>(editor, "edtName1")->text(), QStringLiteral("张三丰"));
        QCOMPARE(CheckedRights(editor.RightsList()), QList<int>({118, 119, 10006}));
        editor.CancelButton()->click();
    }});
    QTest::mouseClick(window.PropertiesButton(), Qt::LeftButton);
    QCOMPARE(again.Left(), 0);
}

void tst_OperatorWindows::deleteOperator_data() {
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void tst_OperatorWindows::deleteOperator() {
    QFETCH(bool, confirmed);
    MessageRecorder messages(confirmed ? QMessageBox::Ok : QMessageBox::Cancel);
    TOperatorsFrm window;
    window.show();
    QVERIFY(!window.PropertiesButton()->isEnabled());
    QVERIFY(!window.DeleteButton()->isEnabled());
    QListWidgetItem* zhang = Item(window.UserList(), "zhang");
    QTest::mouseClick(window.UserList()->viewport(), Qt::LeftButton, {},
                      window.UserList()->visualItemRect(zhang).center());
    QVERIFY(window.PropertiesButton()->isEnabled());
    QVERIFY(window.DeleteButton()->isEnabled());
    QTest::mouseClick(window.DeleteButton(), Qt::LeftButton);
    QCOMPARE(messages.Requests().size(), 1);
    QVERIFY2(messages.Last().contains("zhang"), qPrintable(messages.Last()));
    QCOMPARE(Lines(window.UserList()),
             confirmed ? QStringList({"li"}) : QStringList({"zhang", "li"}));
    QCOMPARE(Stored("zhang").LoginId.isEmpty(), confirmed);
    QCOMPARE(window.DeleteButton()->isEnabled(), !confirmed);
    QCOMPARE(window.PropertiesButton()->isEnabled(), !confirmed);
}

void tst_OperatorWindows::codeRightsEditorShowsEveryControl() {
    TCodeRightEditorFrm dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("高级权限"));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->isVisible()) texts.append(label->text());
    for (const QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
        if (b->isVisible()) texts.append(b->text());
    for (const QGroupBox* g : dialog.findChildren<QGroupBox*>())
        texts.append(g->title());
    for (const char* text :
         {"操作员", "通过设备编码控制", "不限制", "只能增、删、改、查询符合以下编码规则的设备资料",
          "前缀", "通过使用部门控制", "只能查询以下部门的设备记录",
          "请严格按照上述填写, 否则会导致无法读取数据并出错。",
          "对信息的保密控制,请在允许查看的信息前打钩", "设备原值", "型号规格(默认)",
          "制造厂家(默认)", "用户只能修改当天的设备", "启动时提示待批的设备变更申请"})
        QVERIFY2(texts.contains(QString::fromUtf8(text)), text);
    for (const char* hidden : {"edtPostfix1", "edtBeginInt1", "edtEndInt1", "edtDigit1"})
        QVERIFY2(!Control<QLineEdit>(dialog, hidden)->isVisible(), hidden);
    for (const char* hidden : {"尾缀", "起始", "结止", "长度"})
        QVERIFY2(!texts.contains(QString::fromUtf8(hidden)), hidden);
    auto* help = Control<QPlainTextEdit>(dialog, "memDeptHelp1");
    QVERIFY(help->isReadOnly());
    QCOMPARE(help->toPlainText(),
             QStringLiteral("1.只允许查看某个部门,则输入UseDeptId='01', 01是对应部门的编码;\n\n"
                            "2.允许查看多个部门,则输入UseDeptId in ('01', '0200', '03'), "
                            "01及0200及03是对应的多个部门编码,中间请用逗号隔开;\n\n"
                            "3.允许查看下级部门,则输入UseDeptId like '01%%'\n\n"
                            "4.允许查看所有部门,则请空白"));
}

// zhang has a stored row, li and wang none; "gone" was deleted from the operator list.
void tst_OperatorWindows::codeRightsFollowOperatorsAndSave() {
    AddOperator("wang", "pw-wang");
    DB.ExecSQL(
        "insert into coderight(LoginId, IsFree, Prefix, DeptSql, ValueVisible, PartnoVisible,"
        " FactoryVisible, DayEdit, ChangeHint) values ('zhang', :No, 'SB', 'UseDeptId=''01''',"
        " :Yes, :No, :Yes, :No, :Yes)",
        {DBParam("No", false), DBParam("Yes", true)});
    DB.ExecSQL("insert into coderight(LoginId, IsFree, Prefix) values ('gone', :Yes, 'X')",
               {DBParam("Yes", true)});
    TCodeRightEditorFrm dialog;
    dialog.show();
    QListWidget* list = dialog.LoginList();
    QCOMPARE(Lines(list), QStringList({"zhang", "li", "wang"}));
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(Control<QLabel>(dialog, "lblLoginId1")->text(), QStringLiteral("zhang"));
    QVERIFY(Control<QRadioButton>(dialog, "rbPrefix1")->isChecked());
    QCOMPARE(Control<QLineEdit>(dialog, "edtPrefix1")->text(), QStringLiteral("SB"));
    QCOMPARE(Control<QLineEdit>(dialog, "edtDeptSql1")->text(), QStringLiteral("UseDeptId='01'"));
    QVERIFY(Control<QCheckBox>(dialog, "cbValueVisible1")->isChecked());
    QVERIFY(!Control<QCheckBox>(dialog, "cbPartnoVisible1")->isChecked());
    QVERIFY(Control<QCheckBox>(dialog, "cbChangeHint1")->isChecked());

    // li: a new row, shown with its defaults, then restricted to one department.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(Control<QLabel>(dialog, "lblLoginId1")->text(), QStringLiteral("li"));
    QVERIFY(!Control<QRadioButton>(dialog, "rbFree1")->isChecked());
    QVERIFY(!Control<QRadioButton>(dialog, "rbPrefix1")->isChecked());
    QVERIFY(Control<QLineEdit>(dialog, "edtPrefix1")->text().isEmpty());
    QVERIFY(!Control<QCheckBox>(dialog, "cbValueVisible1")->isChecked());
    QVERIFY(Control<QCheckBox>(dialog, "cbPartnoVisible1")->isChecked());
    QVERIFY(Control<QCheckBox>(dialog, "cbFactoryVisible1")->isChecked());
    ClickBox(Control<QRadioButton>(dialog, "rbFree1"));
    Retype(Control<QLineEdit>(dialog, "edtDeptSql1"), "UseDeptId like '02%'");
    ClickBox(Control<QCheckBox>(dialog, "cbDayEdit1"));

    // wang: switching writes li into memory; OK writes wang, who is shown.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    QCOMPARE(Control<QLabel>(dialog, "lblLoginId1")->text(), QStringLiteral("wang"));
    QVERIFY(!Control<QCheckBox>(dialog, "cbDayEdit1")->isChecked());
    ClickBox(Control<QRadioButton>(dialog, "rbPrefix1"));
    Retype(Control<QLineEdit>(dialog, "edtPrefix1"), "XY");
    ClickBox(Control<QCheckBox>(dialog, "cbFactoryVisible1"));

    // Back to li: what was typed is kept in memory.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QVERIFY(Control<QRadioButton>(dialog, "rbFree1")->isChecked());
    QCOMPARE(Control<QLineEdit>(dialog, "edtDeptSql1")->text(),
             QStringLiteral("UseDeptId like '02%'"));
    QVERIFY(Control<QCheckBox>(dialog, "cbDayEdit1")->isChecked());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());

    dialog.OkButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QSqlQuery rows(DB.Connection());
    QVERIFY(rows.exec("select LoginId, IsFree, Prefix, DeptSql, ValueVisible, PartnoVisible, "
                      "FactoryVisible, DayEdit, ChangeHint from coderight order by LoginId"));
    QStringList saved;
    while (rows.next()) {
        QStringList values;
        for (int i = 0; i < 9; ++i) {
            const QVariant v = rows.value(i);
            values.append(v.isNull()                   ? QStringLiteral("null")
                          : i == 0 || i == 2 || i == 3 ? v.toString()
                                                       : QString::number(v.toBool()));
        }
        saved.append(values.join(u'|'));
    }
    QCOMPARE(saved,
             QStringList({"li|1|null|UseDeptId like '02%'|0|1|1|1|0", "wang|0|XY|null|0|1|0|0|0",
                          "zhang|0|SB|UseDeptId='01'|1|0|1|0|1"}));
}

void tst_OperatorWindows::codeRightsSaveFailureKeepsDialogOpen() {
    // The table refuses li's row, which is written after zhang's.
    if (m_engine == TestEngine::SQLite) {
        DB.ExecSQL("create trigger refuse_li before insert on coderight when new.LoginId = 'li' "
                   "begin select raise(abort, 'li refused'); end");
    } else {
        DB.ExecSQL("create function refuse_li() returns trigger language plpgsql as $$ begin "
                   "if new.loginid = 'li' then raise exception 'li refused'; end if; "
                   "return new; end $$");
        DB.ExecSQL("create trigger refuse_li before insert on coderight for each row "
                   "execute function refuse_li()");
    }
    DB.ExecSQL("insert into coderight(LoginId, Prefix) values ('gone', 'X')");
    MessageRecorder messages;
    TCodeRightEditorFrm dialog;
    dialog.show();
    Retype(Control<QLineEdit>(dialog, "edtPrefix1"), "SB");
    dialog.OkButton()->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages.Requests().size(), 1);
    QVERIFY2(messages.Last().startsWith(QStringLiteral("\r\n保存时出错,系统返回如下提示:\r\n\r\n")),
             qPrintable(messages.Last()));
    QVERIFY2(messages.Last().contains("li refused"), qPrintable(messages.Last()));
    QCOMPARE(ScalarInt("select count(*) from coderight"), 1);
    QCOMPARE(ScalarInt("select count(*) from coderight where LoginId='gone'"), 1);
    QVERIFY(!DB.InTransaction());
}

void tst_OperatorWindows::codeRightsWithoutOperators() {
    DB.ExecSQL("delete from operator where LoginId<>'sa'");
    DB.ExecSQL("insert into coderight(LoginId, Prefix) values ('zhang', 'X')");
    TCodeRightEditorFrm dialog;
    dialog.show();
    QCOMPARE(dialog.LoginList()->count(), 0);
    dialog.OkButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(ScalarInt("select count(*) from coderight"), 0);
}

void tst_OperatorWindows::changePassword() {
    CurrentOperator.Load("zhang");
    MessageRecorder messages;
    const auto fill = [](TPasswordChangerFrm& d, const char* current, const char* new1,
                         const char* new2) {
        Retype(Control<QLineEdit>(d, "edtPassword1"), QString::fromUtf8(current));
        Retype(Control<QLineEdit>(d, "edtNewPassword1"), QString::fromUtf8(new1));
        Retype(Control<QLineEdit>(d, "edtNewPassword2"), QString::fromUtf8(new2));
        d.OkButton()->click();
    };
    DialogDriver<TPasswordChangerFrm> driver({
        [&](TPasswordChangerFrm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("更改密码"));
            auto* user = Control<QLineEdit>(d, "edtUser1");
            QCOMPARE(user->text(), QStringLiteral("zhang"));
            QVERIFY(!user->isEnabled());
            for (const char* masked : {"edtPassword1", "edtNewPassword1", "edtNewPassword2"})
                QCOMPARE(Control<QLineEdit>(d, masked)->echoMode(), QLineEdit::Password);
            fill(d, "pw-zhang", "新密码", "新密玛");
            QVERIFY(d.isVisible());
            QCOMPARE(messages.Requests().size(), 1);
            QCOMPARE(messages.Requests().first().text,
                     QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
            QVERIFY(Control<QLineEdit>(d, "edtNewPassword1")->text().isEmpty());
            QVERIFY(Control<QLineEdit>(d, "edtNewPassword2")->text().isEmpty());
            QVERIFY(Focused(Control<QLineEdit>(d, "edtNewPassword1")));
        },
        [&](TPasswordChangerFrm& d) { fill(d, "pw-li", "新密码", "新密码"); },
        [&](TPasswordChangerFrm& d) {
            QCOMPARE(messages.Last(), Info("当前密码验证失败,请确认并重新输入."));
            QCOMPARE(Stored("zhang").Password, QStringLiteral("pw-zhang"));
            fill(d, "pw-zhang", "新密码", "新密码");
        },
    });
    TPasswordChangerFrm::Execute();
    QCOMPARE(driver.Left(), 0);
    QCOMPARE(messages.Requests().size(), 3);
    QCOMPARE(messages.Last(), Info("密码更改成功! 下次登陆时请使用新密码."));
    QCOMPARE(Stored("zhang").Password, QStringLiteral("新密码"));
    QCOMPARE(CurrentOperator.Password, QStringLiteral("新密码"));
    QCOMPARE(Stored("li").Password, QStringLiteral("pw-li"));
}

void tst_OperatorWindows::changePasswordCancelled() {
    CurrentOperator.Load("zhang");
    DialogDriver<TPasswordChangerFrm> driver({[](TPasswordChangerFrm& d) {
        Retype(Control<QLineEdit>(d, "edtPassword1"), "pw-zhang");
        Retype(Control<QLineEdit>(d, "edtNewPassword1"), "x");
        Retype(Control<QLineEdit>(d, "edtNewPassword2"), "x");
        d.CancelButton()->click();
    }});
    TPasswordChangerFrm::Execute();
    QCOMPARE(driver.Left(), 0);
    QCOMPARE(Stored("zhang").Password, QStringLiteral("pw-zhang"));
    QCOMPARE(CurrentOperator.Password, QStringLiteral("pw-zhang"));
}

LANYUE_ENGINE_TEST_MAIN(tst_OperatorWindows)
#include "tst_operatorwindows.moc"
