#pragma once

#include "data/jtLib.h"

#include <QList>
#include <QStringList>

// Installed by every test: a message box nobody answers fails the running test instead of
// waiting for a click.
void RefuseUnexpectedMessages();

// Answers every message box without showing it and keeps what was asked.
class MessageRecorder {
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageRecorder();

    void SetAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    const QList<MessageRequest>& Requests() const { return m_requests; }
    QStringList Texts() const;
    QString Last() const { return m_requests.isEmpty() ? QString() : m_requests.last().text; }
    void Clear() { m_requests.clear(); }

private:
    QMessageBox::StandardButton m_answer;
    QList<MessageRequest> m_requests;
    MessageHook m_previous;
};
