#include "jtEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <cmath>

namespace {

QString Quoted(const char* message, const QString& text) {
    return QString::fromUtf8(message).arg(text);
}

// The runtime's own wording: AsVariant does not reword its conversion errors.
EConvertError NotAFloat(const QString& text) {
    return EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

bool ToDouble(const QString& text, double* value) {
    bool ok = false;
    *value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(*value);
}

QString NumberText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

TjtEdit::TjtEdit(QWidget* parent) : QLineEdit(parent) {}

void TjtEdit::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    const Qt::Alignment horizontal = alignment == taRightJustify ? Qt::AlignRight
                                     : alignment == taCenter     ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignVCenter);
}

QColor TjtEdit::Color() const {
    return palette().color(QPalette::Base);
}

void TjtEdit::SetColor(const QColor& colour) {
    m_parentColor = false;
    SetBackground(colour);
}

void TjtEdit::SetParentColor(bool on) {
    m_parentColor = on;
    if (on && parentWidget()) SetBackground(parentWidget()->palette().color(QPalette::Window));
}

void TjtEdit::SetBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

bool TjtEdit::Refuses(QChar typed, const QString& current) const {
    if (typed == u'\b' || typed == u'\r') return false;
    switch (m_editType) {
    case etFree:
        return false;
    case etInteger:
        return typed < u'0' || typed > u'9';
    case etNumber: {
        if (typed == u'.') return current.isEmpty() || current.contains(u'.');
        if (typed == u'0') return !current.contains(u'.') && current.startsWith(u'0');
        return typed < u'0' || typed > u'9';
    }
    }
    return false;
}

void TjtEdit::keyPressEvent(QKeyEvent* event) {
    if (m_tabOnEnter && IsEnterKey(event) && window() != this) {
        // Posted, so that the key has been dealt with before the focus moves.
        const bool next = !(event->modifiers() & Qt::ShiftModifier);
        QMetaObject::invokeMethod(
            this, [this, next] { focusNextPrevChild(next); }, Qt::QueuedConnection);
        event->accept();
        return;
    }
    // Only typed characters are filtered; Ctrl and Alt chords are commands.
    const QString typed = event->text();
    const bool character =
        typed.size() == 1 && (typed[0].isPrint() || typed[0] == u'\b' || typed[0] == u'\r');
    if (character && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        Refuses(typed[0], text())) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TjtEdit::inputMethodEvent(QInputMethodEvent* event) {
    // Text composed by an input method is typed too: its characters pass the same filter.
    if (m_editType == etFree || event->commitString().isEmpty())
        return QLineEdit::inputMethodEvent(event);
    QString accepted;
    for (const QChar c : event->commitString())
        if (!Refuses(c, text() + accepted)) accepted += c;
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void TjtEdit::focusInEvent(QFocusEvent* event) {
    if (!m_entered) {
        m_entered = true;
        m_colorBeforeEnter = Color();
        if (!m_parentColor) SetBackground(m_colorOnEnter);
    }
    QLineEdit::focusInEvent(event);
}

void TjtEdit::focusOutEvent(QFocusEvent* event) {
    // The context menu takes the focus only for a moment.
    if (m_entered && event->reason() != Qt::PopupFocusReason) {
        m_entered = false;
        SetBackground(m_colorBeforeEnter);
    }
    QLineEdit::focusOutEvent(event);
}

double TjtEdit::AsDouble() const {
    if (text().isEmpty()) return 0;
    double value = 0;
    if (!ToDouble(text(), &value)) throw EConvertError(Quoted("\"%1\" 不是有效的数字.", text()));
    return value;
}

void TjtEdit::SetAsDouble(double value) {
    setText(value == 0 ? QString() : NumberText(value));
}

int TjtEdit::AsInteger() const {
    if (text().isEmpty()) return 0;
    bool ok = false;
    const int value = text().trimmed().toInt(&ok);
    if (!ok) throw EConvertError(Quoted("\"%1\" 不是有效的整数.", text()));
    return value;
}

void TjtEdit::SetAsInteger(int value) {
    setText(value == 0 ? QString() : QString::number(value));
}

QVariant TjtEdit::AsDate() const {
    if (text().isEmpty()) return {};
    const QDate date = QDate::fromString(text().trimmed(), u"yyyy-M-d");
    if (!date.isValid()) throw EConvertError(Quoted("\"%1\" 不是有效的日期.", text()));
    return date;
}

void TjtEdit::SetAsDate(const QVariant& value) {
    if (!value.isValid()) return clear();
    const QDateTime dt = VariantToDateTime(value);
    if (!dt.isValid()) throw EConvertError(Quoted("\"%1\" 不是有效的日期.", value.toString()));
    setText(dt.date().toString(u"yyyy-MM-dd"));
}

QVariant TjtEdit::AsDateTime() const {
    if (text().isEmpty()) return {};
    const QDateTime dt = VariantToDateTime(text());
    if (!dt.isValid()) throw EConvertError(Quoted("\"%1\" 不是有效的日期.", text()));
    return dt;
}

void TjtEdit::SetAsDateTime(const QVariant& value) {
    if (!value.isValid()) return clear();
    const QDateTime dt = VariantToDateTime(value);
    if (!dt.isValid()) throw EConvertError(Quoted("\"%1\" 不是有效的日期.", value.toString()));
    setText(DateTimeText(dt));
}

QVariant TjtEdit::AsVariant() const {
    if (text().isEmpty()) return {};
    double value = 0;
    if (!ToDouble(text(), &value)) throw NotAFloat(text());
    return value;
}

void TjtEdit::SetAsVariant(const QVariant& value) {
    if (!value.isValid()) return clear();
    double number = 0;
    bool ok = false;
    if (value.typeId() == QMetaType::QString)
        ok = ToDouble(value.toString(), &number);
    else
        number = value.toDouble(&ok);
    if (!ok) throw NotAFloat(value.toString());
    setText(NumberText(number));
}
