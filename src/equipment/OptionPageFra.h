#pragma once

#include <QWidget>

// A page of the options dialog: it shows the settings when made and writes them only when the
// dialog is confirmed, so a cancelled dialog leaves every setting as it was.
class TOptionPageFra : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void Save() = 0;
    // Undoes what the page changed in application-wide objects while the dialog was open.
    virtual void Discard() {}
};
