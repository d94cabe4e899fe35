#include "MessageRecorder.h"

#include "platform/Exceptions.h"
#include "ui/Application.h"
#include "ui/CompanyInfoFrm.h"
#include "ui/SplashFrm.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <stdexcept>

class tst_Application : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uncaughtErrorIsShownAndTheProgramGoesOn_data();
    void uncaughtErrorIsShownAndTheProgramGoesOn();
    void splashHints();
};

void tst_Application::uncaughtErrorIsShownAndTheProgramGoesOn_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::newRow("system error") << 0 << "找不到表 equipments";
    QTest::newRow("other error") << 1 << "bad_alloc-like failure";
    QTest::newRow("silent cancellation") << 2 << "";
}

void tst_Application::uncaughtErrorIsShownAndTheProgramGoesOn() {
    QFETCH(int, kind);
    QFETCH(QString, shown);
    MessageRecorder messages(QMessageBox::No);
    QPushButton command;
    QObject::connect(&command, &QPushButton::clicked, [kind] {
        if (kind == 0) throw EDatabaseError(QStringLiteral("找不到表 equipments"));
        if (kind == 1) throw std::runtime_error("bad_alloc-like failure");
        throw EAbort();
    });
    // The command runs from an event, as a click does, so the error passes the handler.
    bool ran = false;
    QTimer::singleShot(0, &command, [&] {
        ran = true;
        command.click();
    });
    QTRY_VERIFY(ran);
    QTest::qWait(20);
    if (shown.isEmpty()) {
        QVERIFY(messages.Requests().isEmpty());
        return;
    }
    QCOMPARE(messages.Requests().size(), 1);
    const MessageRequest& box = messages.Requests().first();
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(box.text.startsWith(QStringLiteral("\r\n非常抱歉,系统遇到如下异常:\r\n\r\n") + shown +
                                QStringLiteral("\r\n\r\n您可以点击\"是\"将此问题作为Bug发送到我们的网站上!")));
    bool stillRunning = false;
    QTimer::singleShot(0, [&] { stillRunning = true; });
    QTRY_VERIFY(stillRunning);
}

void tst_Application::splashHints() {
    TSplashFrm splash;
    QCOMPARE(splash.Hint(), QStringLiteral("正在创建数据连接..."));
    splash.ShowHint(QStringLiteral("正在连接数据库,请稍候..."));
    splash.ShowHint(QString());
    QCOMPARE(splash.Hint(), QStringLiteral("正在连接数据库,请稍候...."));
}

int main(int argc, char* argv[]) {
    TApplication app(argc, argv);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
