#include "MessageRecorder.h"

#include <QTest>

#include <cstdio>

void RefuseUnexpectedMessages() {
    SetMessageHook([](const MessageRequest& request) {
        std::fprintf(stderr, "Unexpected message box: %s\n", qPrintable(request.text));
        QTest::qFail("a message box nobody expected was shown", __FILE__, __LINE__);
        return QMessageBox::Cancel;
    });
}

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer) : m_answer(answer) {
    m_previous = SetMessageHook([this](const MessageRequest& request) {
        m_requests.append(request);
        return m_answer;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageHook(std::move(m_previous));
}

QStringList MessageRecorder::Texts() const {
    QStringList texts;
    for (const MessageRequest& r : m_requests) texts.append(r.text);
    return texts;
}
