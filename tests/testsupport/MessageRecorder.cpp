#include "MessageRecorder.h"

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer) : m_answer(answer) {
    SetMessageHook([this](const MessageRequest& request) {
        m_requests.append(request);
        return m_answer;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageHook({});
}

QStringList MessageRecorder::Texts() const {
    QStringList texts;
    for (const MessageRequest& r : m_requests) texts.append(r.text);
    return texts;
}
