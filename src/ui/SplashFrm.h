#pragma once

#include <QWidget>

class QLabel;

// The start-up window: a picture across the top and one line telling what start-up does.
class TSplashFrm : public QWidget {
    Q_OBJECT
public:
    TSplashFrm();
    // Sets the line; an empty text adds a dot to it instead.
    void ShowHint(const QString& text);
    QString Hint() const;

private:
    QLabel* m_hint;
};
