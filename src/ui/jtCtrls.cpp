#include "jtCtrls.h"

#include "platform/dataset/Field.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

QDateTime ParseDateTimeText(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    const QDate date = QDate::fromString(blank < 0 ? trimmed : trimmed.left(blank), u"yyyy-M-d");
    if (!date.isValid()) return {};
    if (blank < 0) return QDateTime(date, QTime(0, 0));
    const QString clock = trimmed.mid(blank + 1).trimmed();
    QTime time = QTime::fromString(clock, u"H:m:s");
    if (!time.isValid()) time = QTime::fromString(clock, u"H:m");
    return time.isValid() ? QDateTime(date, time) : QDateTime();
}

bool ReadOnly(const QWidget* input) {
    if (auto* e = qobject_cast<const QLineEdit*>(input)) return e->isReadOnly();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(input)) return s->isReadOnly();
    if (auto* m = qobject_cast<const QPlainTextEdit*>(input)) return m->isReadOnly();
    if (auto* t = qobject_cast<const QTextEdit*>(input)) return t->isReadOnly();
    return false;
}

// A non-editable combo box is drawn as a button, so it takes the colour there too.
void SetBackground(QWidget* input, const QColor& colour) {
    QPalette palette = input->palette();
    palette.setColor(QPalette::Base, colour);
    if (qobject_cast<QComboBox*>(input)) palette.setColor(QPalette::Button, colour);
    input->setPalette(palette);
}

// The system's input background, as the style gives it to this kind of input.
void RestoreBackground(QWidget* input) {
    const QPalette system = QApplication::palette(input);
    QPalette palette = input->palette();
    palette.setColor(QPalette::Base, system.color(QPalette::Base));
    if (qobject_cast<QComboBox*>(input))
        palette.setColor(QPalette::Button, system.color(QPalette::Button));
    input->setPalette(palette);
}

class FocusColour : public QObject {
public:
    explicit FocusColour(QWidget* input) : QObject(input) { input->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* input = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            if (auto* combo = qobject_cast<QComboBox*>(input); combo && combo->completer())
                combo->setCompleter(nullptr); // an editable combo gets one when made editable
            if (!ReadOnly(input)) SetBackground(input, clAqua);
            break;
        case QEvent::FocusOut:
            // A context menu or a drop-down list takes the focus only for a moment.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                !ReadOnly(input))
                RestoreBackground(input);
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

bool IsEnterKey(const QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
}

QDateTime VariantToDateTime(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime();
    case QMetaType::QDate:
        return value.toDate().isValid() ? QDateTime(value.toDate(), QTime(0, 0)) : QDateTime();
    case QMetaType::QTime:
        return value.toTime().isValid() ? QDateTime(QDate(1899, 12, 30), value.toTime())
                                        : QDateTime();
    case QMetaType::QString:
        return ParseDateTimeText(value.toString());
    default:
        return {};
    }
}

QString DateTimeText(const QDateTime& value) {
    return Field::ToText(value);
}

void InstallFocusColour(QWidget* input) {
    if (auto* combo = qobject_cast<QComboBox*>(input)) combo->setCompleter(nullptr);
    new FocusColour(input);
}
