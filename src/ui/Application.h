#pragma once

#include <QApplication>

// The application object: every error that no command caught ends here and is shown with the
// offer to report it; a silent cancellation shows nothing. The program goes on either way.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // The handler's text and box; Yes offers the error report.
    static void ShowException(const QString& message, const QString& className);
    static QString ExceptionText(const QString& message);
};
