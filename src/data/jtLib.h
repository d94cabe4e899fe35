#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <QVariant>

#include <functional>

// Every message box of the program goes through here, titled with the application title.
struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};
using MessageHook = std::function<QMessageBox::StandardButton(const MessageRequest&)>;

// Tests (and nothing else) replace the modal boxes; an empty hook restores them. Returns the
// hook that was in place.
MessageHook SetMessageHook(MessageHook hook);
QMessageBox::StandardButton ShowMessage(const QString& text, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons);
QString ApplicationTitle();

void ShowInfo(const QString& message);
bool ConfirmDelete(const QString& what = QString());
bool Confirm(const QString& message);

// The configuration-value scrambling: the same call scrambles and unscrambles. The byte form
// is what configuration files hold; the text form applies the same rule to each character.
QByteArray Scramble(const QByteArray& ansi);
QString Scramble(const QString& text);

QString StringOfChar(QChar c, int count);
// The temporary directory with its trailing separator.
QString GetTempDir();
QString WeekdayName();
QString WeekdayName(const QDate& date);

// Values attached to list items; Qt keeps them by value, so nothing is left to free.
QVariant NewStringRef(const QString& value);
QVariant NewIntRef(int value);
