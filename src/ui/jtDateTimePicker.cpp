#include "jtDateTimePicker.h"

#include "jtCtrls.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>

TjtDateTimePicker::TjtDateTimePicker(QWidget* parent)
    : QDateTimeEdit(parent), m_check(new QCheckBox(this)) {
    // The format first: changing it drops the time of the value.
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    setDateTime(QDateTime::currentDateTime());
    setCalendarPopup(true);
    SetBackground(clWhite);
    m_check->setFocusPolicy(Qt::NoFocus);
    m_check->hide();
    connect(m_check, &QCheckBox::toggled, this, [this] {
        ShowNull();
        Q_EMIT AsDateTimeChanged();
    });
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        // Changing the date of an empty picker gives it that date, as the native one does.
        if (Null())
            m_check->setChecked(true);
        else
            Q_EMIT AsDateTimeChanged();
    });
}

bool TjtDateTimePicker::ShowCheckbox() const {
    return m_showCheckbox;
}

void TjtDateTimePicker::SetShowCheckbox(bool show) {
    m_showCheckbox = show;
    m_check->setVisible(show);
    PlaceCheckBox();
    ShowNull();
}

bool TjtDateTimePicker::Checked() const {
    return m_check->isChecked();
}

void TjtDateTimePicker::SetChecked(bool checked) {
    m_check->setChecked(checked);
}

bool TjtDateTimePicker::Null() const {
    return ShowCheckbox() && !Checked();
}

QVariant TjtDateTimePicker::AsDateTime() const {
    return Null() ? QVariant() : QVariant(dateTime());
}

QVariant TjtDateTimePicker::AsDate() const {
    return Null() ? QVariant() : QVariant(date());
}

QVariant TjtDateTimePicker::AsTime() const {
    return Null() ? QVariant() : QVariant(time());
}

void TjtDateTimePicker::SetAsDateTime(const QVariant& value) {
    if (!value.isValid()) {
        if (ShowCheckbox())
            m_check->setChecked(false);
        else
            setDateTime(QDateTime::currentDateTime());
        return;
    }
    const QDateTime dt = VariantToDateTime(value);
    if (!dt.isValid())
        throw EConvertError(QString::fromUtf8("\"%1\" 不是有效的日期.").arg(value.toString()));
    setDateTime(dt);
    m_check->setChecked(true);
}

void TjtDateTimePicker::SetAsDate(const QVariant& value) {
    SetAsDateTime(value);
}

void TjtDateTimePicker::SetAsTime(const QVariant& value) {
    SetAsDateTime(value);
}

void TjtDateTimePicker::ShowNull() {
    // An empty picker keeps showing its date, greyed, to be picked again; otherwise the text
    // takes the picker's colours.
    QPalette p;
    if (Null()) p.setColor(QPalette::Text, palette().color(QPalette::Disabled, QPalette::Text));
    lineEdit()->setPalette(p);
}

void TjtDateTimePicker::PlaceCheckBox() {
    const QSize box = m_check->sizeHint();
    m_check->setGeometry(4, (height() - box.height()) / 2, box.width(), box.height());
    lineEdit()->setTextMargins(ShowCheckbox() ? box.width() + 2 : 0, 0, 0, 0);
}

void TjtDateTimePicker::resizeEvent(QResizeEvent* event) {
    QDateTimeEdit::resizeEvent(event);
    PlaceCheckBox();
}

void TjtDateTimePicker::SetBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Base, colour);
    setPalette(p);
}

void TjtDateTimePicker::focusInEvent(QFocusEvent* event) {
    SetBackground(clAqua);
    QDateTimeEdit::focusInEvent(event);
}

void TjtDateTimePicker::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason) SetBackground(clWhite);
    QDateTimeEdit::focusOutEvent(event);
}
