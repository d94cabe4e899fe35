#include "Application.h"

#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <typeinfo>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationDisplayName(QStringLiteral("澜岳设备管理系统"));
}

QString TApplication::ExceptionText(const QString& message) {
    return QStringLiteral("\r\n非常抱歉,系统遇到如下异常:\r\n\r\n") + message +
           QStringLiteral("\r\n\r\n您可以点击\"是\"将此问题作为Bug发送到我们的网站上!") +
           QStringLiteral("\r\n\r\n如需帮助,请联系澜岳软件技术支持: 电子邮件 support@lanyue-soft.com,"
                          "或在程序的\"帮助\"菜单中查看常见问题.");
}

void TApplication::ShowException(const QString& message, [[maybe_unused]] const QString& className) {
    // The error-report window comes later; until then Yes only closes the box.
    ShowMessage(ExceptionText(message), QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        ShowException(e.Message(), QString::fromLatin1(typeid(e).name()));
    } catch (const std::exception& e) {
        ShowException(QString::fromLocal8Bit(e.what()), QString::fromLatin1(typeid(e).name()));
    }
    return false;
}
