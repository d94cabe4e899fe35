#include "MessageRecorder.h"
#include "TestDatabase.h"

#include "app/Startup.h"
#include "admin/Operator.h"
#include "data/Database.h"
#include "equipment/AssetListFrm.h"
#include "ui/Application.h"
#include "ui/CompanyInfoFrm.h"
#include "ui/LoginFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"
#include "ui/jtListboxNav.h"
#include "ui/mainFrm.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Answers the modal windows of start-up: types the login into the login dialog and counts
// (and closes) the company dialog.
class StartupDriver {
public:
    StartupDriver(QString login, QString password)
        : m_login(std::move(login)), m_password(std::move(password)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Step(); });
        m_timer.start(30);
    }
    int CompanyDialogs() const { return m_company; }
    int LoginDialogs() const { return m_logins; }

private:
    void Step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* login = qobject_cast<TLoginFrm*>(modal)) {
            if (m_typed == login) return;
            m_typed = login;
            ++m_logins;
            login->LoginBox()->setEditText(m_login);
            login->PasswordBox()->setFocus();
            login->PasswordBox()->clear();
            QTest::keyClicks(login->PasswordBox(), m_password);
            QTest::keyClick(login->PasswordBox(), Qt::Key_Return);
        } else if (auto* company = qobject_cast<TCompanyInfoFrm*>(modal)) {
            ++m_company;
            company->reject();
        }
    }

    QString m_login;
    QString m_password;
    QTimer m_timer;
    QWidget* m_typed = nullptr;
    int m_logins = 0;
    int m_company = 0;
};

} // namespace

class tst_StartupSequence : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void freshInstallationLogsInAsSa();
    void operatorWithoutCompanyRightIsNotPrompted();

private:
    QTemporaryDir m_home;
};

void tst_StartupSequence::initTestCase() {
    qputenv("LANYUE_HOME", QFile::encodeName(m_home.path()));
    RefuseUnexpectedMessages();
}

void tst_StartupSequence::cleanupTestCase() {
    DB.SetConnected(false);
}

void tst_StartupSequence::freshInstallationLogsInAsSa() {
    StartupDriver driver(QStringLiteral("sa"), QString());
    std::unique_ptr<TmainFrm> main = StartUp();
    QVERIFY(main);
    QCOMPARE(driver.LoginDialogs(), 1);
    QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("lanyue.db"))));
    // The ledger opens after the login, maximised, so its caption joins the main window's.
    QCOMPARE(main->windowTitle(), QStringLiteral("澜岳设备管理系统 - 工业版 2.45 - [设备台账]"));
    QVERIFY(main->isVisible());
    QCOMPARE(main->Children().size(), 1);
    QVERIFY(qobject_cast<TAssetListFrm*>(main->Children().first()));
    const auto* navigation = main->findChild<TjtListboxNav*>();
    QVERIFY(navigation);
    QCOMPARE(navigation->Captions(),
             (QStringList{"设备台账", "设备保养", "设备维修", "设备变更", "设备事故", "备件资料", "备件申购", "备件安装",
                          "备件维修"}));
    QStringList menus;
    for (const QAction* menu : main->menuBar()->actions()) menus.append(menu->text());
    QVERIFY2(menus.size() >= 3, qPrintable(menus.join(u',')));
    QCOMPARE(CurrentOperator.LoginId, QStringLiteral("sa"));
    AfterStartUp(*main);  // sa holds 10000 and the company has no name yet
    QCOMPARE(driver.CompanyDialogs(), 1);
    main->close();
}

void tst_StartupSequence::operatorWithoutCompanyRightIsNotPrompted() {
    TOperatorSet operators;
    operators.Insert(QStringLiteral("op"), QStringLiteral("pw"), RightsText({118}), QString(), QString(),
                     QStringLiteral("操作员"));
    DB.SetConnected(false);
    StartupDriver driver(QStringLiteral("op"), QStringLiteral("pw"));
    std::unique_ptr<TmainFrm> main = StartUp();
    QVERIFY(main);
    QCOMPARE(CurrentOperator.LoginId, QStringLiteral("op"));
    AfterStartUp(*main);
    QCOMPARE(driver.CompanyDialogs(), 0);
    main->close();
}

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    tst_StartupSequence test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startupsequence.moc"
