#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help window: one page per topic from the help folder, or a page saying the
// topic has no help yet.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    static void Show(const QString& topic);
    static QString HelpFolder();
    static THelpWindow* Instance();
    QString Topic() const { return m_topic; }
    QString Text() const;

private:
    THelpWindow();
    void Open(const QString& topic);

    QTextBrowser* m_browser;
    QString m_topic;
};
