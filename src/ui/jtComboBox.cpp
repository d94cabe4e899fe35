#include "jtComboBox.h"

#include "jtCtrls.h"

#include <QKeyEvent>

TjtComboBox::TjtComboBox(QWidget* parent) : QComboBox(parent) {
    SetBackground(clWhite);
}

void TjtComboBox::SetBackground(const QColor& colour) {
    // Base colours the editable box, Button the drop-down list kind.
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Button, colour);
    setPalette(p);
}

void TjtComboBox::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(event) && window() != this) {
        const bool next = !(event->modifiers() & Qt::ShiftModifier);
        QMetaObject::invokeMethod(
            this, [this, next] { focusNextPrevChild(next); }, Qt::QueuedConnection);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void TjtComboBox::focusInEvent(QFocusEvent* event) {
    // Making the box editable gives it a completer; none may be left when typing starts.
    if (completer()) setCompleter(nullptr);
    SetBackground(clAqua);
    QComboBox::focusInEvent(event);
}

void TjtComboBox::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) SetBackground(clWhite);
    QComboBox::focusOutEvent(event);
}
