#include "MessageRecorder.h"

#include "data/DBConfigFrm.h"
#include "data/DBConfiger.h"
#include "platform/AppPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Texts = QMap<QString, QString>;  // control name → text

class tst_DBConfigFrm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void fillsFromConfiger_data();
    void fillsFromConfiger();
    void defaultConnectionDisablesFileControls();
    void okWritesSettings_data();
    void okWritesSettings();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void escapeCancels();
    void portNotANumber();

private:
    QString CfgPath() const { return QDir(DataDir()).filePath(QStringLiteral("cfg.ini")); }
    static void ShowActive(QDialog& dialog);
    template <class T> static T* Control(const QDialog& dialog, const QString& name);
    static void Retype(QLineEdit* edit, const QString& text);

    std::unique_ptr<QTemporaryDir> m_home;
};

template <class T> T* tst_DBConfigFrm::Control(const QDialog& dialog, const QString& name) {
    T* control = dialog.findChild<T*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
}

void tst_DBConfigFrm::ShowActive(QDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

void tst_DBConfigFrm::Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    // Key by key as an input method delivers them: keyClicks takes Latin-1 only.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void tst_DBConfigFrm::initTestCase() {
    RefuseUnexpectedMessages();
}

void tst_DBConfigFrm::init() {
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    qputenv("LANYUE_HOME", QFile::encodeName(m_home->path()));
}

void tst_DBConfigFrm::cleanup() {
    qunsetenv("LANYUE_HOME");
    m_home.reset();
}

void tst_DBConfigFrm::fillsFromConfiger_data() {
    QTest::addColumn<int>("provider");
    QTest::addColumn<QString>("page");
    QTest::newRow("server") << 0 << "mssql";
    QTest::newRow("file") << 1 << "jet4";
    QTest::newRow("remote service") << 2 << "jtdip";
}

void tst_DBConfigFrm::fillsFromConfiger() {
    QFETCH(int, provider);
    QFETCH(QString, page);
    const Texts texts{{"mssqlServerEdit1", "pg.lanyue.local"}, {"mssqlPortEdit1", "6543"},
                      {"mssqlDbEdit1", "设备"},                {"mssqlUserEdit1", "admin"},
                      {"mssqlPwEdit1", "s3cret"},              {"jetfileEdit1", "/数据/台账.db"},
                      {"jetUserEdit1", "管理员"},              {"jetPwEdit1", "pw"},
                      {"edtDipUrl1", "http://dip.example/x"},  {"edtDipUser1", "张三"}};
    {
        TDBConfiger c;
        c.mssqlServer = texts["mssqlServerEdit1"];
        c.mssqlPort = 6543;
        c.mssqlDb = texts["mssqlDbEdit1"];
        c.mssqlUser = texts["mssqlUserEdit1"];
        c.mssqlPw = texts["mssqlPwEdit1"];
        c.jetfile = texts["jetfileEdit1"];
        c.jetUser = texts["jetUserEdit1"];
        c.jetPw = texts["jetPwEdit1"];
        c.dipUrl = texts["edtDipUrl1"];
        c.dipUser = texts["edtDipUser1"];
        c.providerIdx = provider;
        c.defaultCon = false;
        c.Save();
    }
    TDBConfigFrm dialog;
    ShowActive(dialog);
    for (auto it = texts.begin(); it != texts.end(); ++it)
        QCOMPARE(Control<QLineEdit>(dialog, it.key())->text(), it.value());
    QCOMPARE(Control<QLineEdit>(dialog, "mssqlPwEdit1")->echoMode(), QLineEdit::Password);
    QCOMPARE(Control<QLineEdit>(dialog, "mssqlPwEdit1")->displayText(), QStringLiteral("******"));
    QCOMPARE(Control<QLineEdit>(dialog, "jetPwEdit1")->displayText(), QStringLiteral("**"));
    QVERIFY(!Control<QCheckBox>(dialog, "CheckBox1")->isChecked());
    QVERIFY(!Control<QCheckBox>(dialog, "jetDefaultCheckBox1")->isChecked());

    auto* providers = Control<QComboBox>(dialog, "cbProvider1");
    QCOMPARE(providers->currentIndex(), provider);
    QStringList items;
    for (int i = 0; i < providers->count(); ++i) items.append(providers->itemText(i));
    QCOMPARE(items, QStringList({"PostgreSQL 数据库服务器", "SQLite 数据库文件",
                                 "远程连接服务 (PostgreSQL)"}));
    QCOMPARE(Control<QStackedWidget>(dialog, "PageControl1")->currentWidget()->objectName(), page);

    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels.append(label->text());
    for (const char* text : {"注意，程序无法正常连接到指定的数据库。",
                             "1.单机版用户，请检查数据库文件是否存在或者已被破坏；",
                             "2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。",
                             "另外，请检查以下连接参数是否正确：", "提供者"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    QVERIFY(!Control<QLabel>(dialog, "Image1")->pixmap().isNull());
}

void tst_DBConfigFrm::defaultConnectionDisablesFileControls() {
    {
        TDBConfiger c;
        c.providerIdx = TDBConfiger::FileProvider;
        c.Save();
    }
    TDBConfigFrm dialog;
    ShowActive(dialog);
    const QColor buttonFace = dialog.palette().color(QPalette::Active, QPalette::Button);
    const QColor window = dialog.palette().color(QPalette::Active, QPalette::Base);
    QVERIFY(buttonFace != window);
    auto* useDefault = Control<QCheckBox>(dialog, "jetDefaultCheckBox1");
    const QList<QWidget*> controls{
        Control<QWidget>(dialog, "jetfileEdit1"), Control<QWidget>(dialog, "jetFileButton1"),
        Control<QWidget>(dialog, "jetUserEdit1"), Control<QWidget>(dialog, "jetPwEdit1")};
    for (const bool checked : {true, false, true}) {
        QCOMPARE(useDefault->isChecked(), checked);
        for (QWidget* control : controls) {
            QCOMPARE(control->isEnabled(), !checked);
            QCOMPARE(control->palette().color(control->backgroundRole()),
                     checked ? buttonFace : window);
        }
        QTest::keyClick(useDefault, Qt::Key_Space);
    }
}

void tst_DBConfigFrm::okWritesSettings_data() {
    QTest::addColumn<int>("provider");
    QTest::addColumn<bool>("toggleDefault");
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("server")
        << 0 << false
        << Texts{{"mssqlServerEdit1", "pg.lanyue.local"}, {"mssqlPortEdit1", "6543"},
                 {"mssqlDbEdit1", "设备"}, {"mssqlUserEdit1", "admin"},
                 {"mssqlPwEdit1", "s3cret"}}
        << "Provider=PostgreSQL;Data Source=pg.lanyue.local;Port=6543;Initial Catalog=设备;"
           "User ID=admin;Password=s3cret;";
    QTest::newRow("chosen file") << 1 << true
                                 << Texts{{"jetfileEdit1", "/数据/台账.db"}, {"jetUserEdit1", "u"}}
                                 << "Provider=SQLite;Data Source=/数据/台账.db;";
}

void tst_DBConfigFrm::okWritesSettings() {
    QFETCH(int, provider);
    QFETCH(bool, toggleDefault);
    QFETCH(Texts, typed);
    QFETCH(QString, expected);
    TDBConfigFrm dialog;
    ShowActive(dialog);
    auto* providers = Control<QComboBox>(dialog, "cbProvider1");
    providers->setFocus();
    for (int i = 0; i < provider; ++i) QTest::keyClick(providers, Qt::Key_Down);
    QCOMPARE(providers->currentIndex(), provider);
    if (toggleDefault)
        QTest::keyClick(Control<QCheckBox>(dialog, "jetDefaultCheckBox1"), Qt::Key_Space);
    for (auto it = typed.begin(); it != typed.end(); ++it)
        Retype(Control<QLineEdit>(dialog, it.key()), it.value());
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton1"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    const TDBConfiger saved;
    QCOMPARE(saved.providerIdx, provider);
    QCOMPARE(saved.defaultCon, !toggleDefault);
    QCOMPARE(saved.jetfile, typed.value("jetfileEdit1"));
    QCOMPARE(saved.mssqlPw, typed.value("mssqlPwEdit1"));
    QCOMPARE(TDBConfiger().GetConnectionString(), expected);
    QCOMPARE(dialog.GetConnectionString(), expected);
}

void tst_DBConfigFrm::enterMovesFocus_data() {
    QTest::addColumn<int>("provider");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("to");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("provider list to server") << 0 << "cbProvider1" << int(Qt::Key_Return) << none
                                             << "mssqlServerEdit1";
    QTest::newRow("server to port") << 0 << "mssqlServerEdit1" << int(Qt::Key_Return) << none
                                    << "mssqlPortEdit1";
    QTest::newRow("keypad Enter") << 0 << "mssqlDbEdit1" << int(Qt::Key_Enter)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier) << "mssqlUserEdit1";
    QTest::newRow("password to check box") << 0 << "mssqlPwEdit1" << int(Qt::Key_Return) << none
                                           << "CheckBox1";
    QTest::newRow("check box to OK") << 0 << "CheckBox1" << int(Qt::Key_Return) << none
                                     << "OkButton1";
    QTest::newRow("OK button to Cancel") << 0 << "OkButton1" << int(Qt::Key_Return) << none
                                         << "CancelButton1";
    QTest::newRow("Shift+Enter goes back")
        << 0 << "mssqlPortEdit1" << int(Qt::Key_Return)
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << "mssqlServerEdit1";
    QTest::newRow("default file skips disabled controls")
        << 1 << "jetDefaultCheckBox1" << int(Qt::Key_Return) << none << "OkButton1";
    QTest::newRow("service address to user") << 2 << "edtDipUrl1" << int(Qt::Key_Return) << none
                                             << "edtDipUser1";
}

void tst_DBConfigFrm::enterMovesFocus() {
    QFETCH(int, provider);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, to);
    TDBConfigFrm dialog;
    ShowActive(dialog);
    Control<QComboBox>(dialog, "cbProvider1")->setCurrentIndex(provider);
    QWidget* start = Control<QWidget>(dialog, from);
    start->setFocus();
    QCOMPARE(dialog.focusWidget(), start);
    QTest::keyClick(start, Qt::Key(key), modifiers);
    QVERIFY(dialog.focusWidget());
    QCOMPARE(dialog.focusWidget()->objectName(), to);
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(CfgPath()));
}

void tst_DBConfigFrm::escapeCancels() {
    TDBConfigFrm dialog;
    ShowActive(dialog);
    auto* server = Control<QLineEdit>(dialog, "mssqlServerEdit1");
    Retype(server, QStringLiteral("typed.host"));
    QTest::keyClick(server, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!QFile::exists(CfgPath()));
    QCOMPARE(dialog.Configer().mssqlServer, QString());
    ShowActive(dialog);
    QCOMPARE(server->text(), QString());  // reopened with what is stored
}

void tst_DBConfigFrm::portNotANumber() {
    MessageRecorder messages;
    TDBConfigFrm dialog;
    ShowActive(dialog);
    Retype(Control<QLineEdit>(dialog, "mssqlServerEdit1"), QStringLiteral("typed.host"));
    Retype(Control<QLineEdit>(dialog, "mssqlPortEdit1"), QStringLiteral("54x2"));
    QTest::mouseClick(Control<QPushButton>(dialog, "OkButton1"), Qt::LeftButton);

    QCOMPARE(messages.Texts(), QStringList{QStringLiteral("\r\n'54x2' 不是有效的整数\t")});
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!QFile::exists(CfgPath()));
    QCOMPARE(dialog.GetConnectionString(), QString());
    ShowActive(dialog);
    QCOMPARE(Control<QLineEdit>(dialog, "mssqlServerEdit1")->text(), QStringLiteral("typed.host"));
    QCOMPARE(Control<QLineEdit>(dialog, "mssqlPortEdit1")->text(), QStringLiteral("54x2"));
}

QTEST_MAIN(tst_DBConfigFrm)
#include "tst_dbconfigfrm.moc"
