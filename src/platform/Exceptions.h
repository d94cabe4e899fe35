#pragma once

#include <QString>

#include <exception>

// The error classes the system raises; Message() is what the user is shown.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Silent cancellation: callers unwind, nothing is shown.
class EAbort : public Exception {
public:
    EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

// Failed statements and misuse of data sets (closed set, unknown field, bad filter).
// A failed statement also carries the driver's text, the SQL and whether a key was taken.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
    EDatabaseError(const QString& driverMessage, const QString& sql, bool duplicateKey)
        : Exception(driverMessage + QStringLiteral("\r\n") + sql), m_driverMessage(driverMessage),
          m_sql(sql), m_duplicateKey(duplicateKey) {}
    const QString& DriverMessage() const { return m_driverMessage; }
    const QString& SqlText() const { return m_sql; }
    bool DuplicateKey() const { return m_duplicateKey; }

private:
    QString m_driverMessage;
    QString m_sql;
    bool m_duplicateKey = false;
};
