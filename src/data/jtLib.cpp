#include "jtLib.h"

#include <QDate>
#include <QDir>
#include <QGuiApplication>

#include <utility>

namespace {

MessageHook& Hook() {
    static MessageHook hook;
    return hook;
}

constexpr char kScrambleKey[] = "pwaduxomen";
constexpr int kScrambleKeyLength = 10;

int ScrambleMask(qsizetype position) {
    // 1-based position i uses the key character at 1-based (i mod 10) + 1.
    return kScrambleKey[(position + 1) % kScrambleKeyLength] % 10;
}

} // namespace

MessageHook SetMessageHook(MessageHook hook) {
    return std::exchange(Hook(), std::move(hook));
}

QString ApplicationTitle() {
    const QString title = QGuiApplication::applicationDisplayName();
    return title.isEmpty() || title == QCoreApplication::applicationName()
               ? QStringLiteral("澜岳设备管理系统")
               : title;
}

QMessageBox::StandardButton ShowMessage(const QString& text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) {
    const MessageRequest request{ApplicationTitle(), text, icon, buttons};
    if (Hook()) return Hook()(request);
    QMessageBox box(icon, request.title, text, buttons);
    return QMessageBox::StandardButton(box.exec());
}

void ShowInfo(const QString& message) {
    ShowMessage(QStringLiteral("\r\n") + message + QStringLiteral("\t"), QMessageBox::Information,
                QMessageBox::Ok);
}

bool ConfirmDelete(const QString& what) {
    const QString text = QStringLiteral("\r您确定要删除 %1 吗?\t\t")
                             .arg(what.isEmpty() ? QStringLiteral("当前记录") : what);
    return ShowMessage(text, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

bool Confirm(const QString& message) {
    return ShowMessage(QStringLiteral("\r") + message, QMessageBox::Question,
                       QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QByteArray Scramble(const QByteArray& ansi) {
    QByteArray out(ansi);
    for (qsizetype i = 0; i < out.size(); ++i) out[i] = char(out[i] ^ ScrambleMask(i));
    return out;
}

QString Scramble(const QString& text) {
    QString out(text);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = QChar(char16_t(out[i].unicode() ^ ScrambleMask(i)));
    return out;
}

QString StringOfChar(QChar c, int count) {
    return QString(std::max(0, count), c);
}

QString GetTempDir() {
    return QDir::toNativeSeparators(QDir::tempPath().left(254)) + QDir::separator();
}

QString WeekdayName(const QDate& date) {
    static const char* const names[] = {"星期一", "星期二", "星期三", "星期四",
                                        "星期五", "星期六", "星期日"};
    return QString::fromUtf8(names[date.dayOfWeek() - 1]);
}

QString WeekdayName() {
    return WeekdayName(QDate::currentDate());
}

QVariant NewStringRef(const QString& value) {
    return value;
}

QVariant NewIntRef(int value) {
    return value;
}
