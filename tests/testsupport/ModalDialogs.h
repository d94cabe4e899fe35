#pragma once

#include <QApplication>
#include <QDialog>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

// Drives the next modal dialog of type T once exec() has shown it, so no test waits on a
// person; gives up after a few seconds so a dialog that never comes cannot hang the run.
template <typename T> void WhenShown(std::function<void(T&)> drive) {
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, drive] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            drive(*dialog);
        } else if (++*ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

// Rejects every modal dialog as soon as it shows while it lives, and notes its class.
class ModalCloser {
public:
    ModalCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                m_opened.append(QString::fromLatin1(dialog->metaObject()->className()));
                dialog->reject();
            }
        });
        m_timer.start(10);
    }
    int Seen() const { return int(m_opened.size()); }
    const QStringList& Opened() const { return m_opened; }

private:
    QTimer m_timer;
    QStringList m_opened;
};
