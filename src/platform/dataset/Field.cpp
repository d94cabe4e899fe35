#include "Field.h"

#include "DataSet.h"
#include "platform/Exceptions.h"

#include <QLocale>

namespace {

int Digits(QStringView text, qsizetype from, qsizetype count, bool* ok) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') {
            *ok = false;
            return 0;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The stored form "yyyy-MM-dd hh:mm:ss" (also with 'T' and fractions) is read without
// QDateTime, whose local-time arithmetic is far too slow for 100,000 rows.
bool ParseIsoParts(QStringView text, QDate* date, QTime* time) {
    bool ok = text.size() >= 10 && text[4] == u'-' && text[7] == u'-';
    if (!ok) return false;
    *date = QDate(Digits(text, 0, 4, &ok), Digits(text, 5, 2, &ok), Digits(text, 8, 2, &ok));
    if (!ok || !date->isValid()) return false;
    if (text.size() < 16) {
        *time = QTime(0, 0);
        return text.size() == 10;
    }
    const int hour = Digits(text, 11, 2, &ok);
    const int minute = Digits(text, 14, 2, &ok);
    const int second = text.size() >= 19 ? Digits(text, 17, 2, &ok) : 0;
    int msec = 0;
    if (text.size() >= 21 && text[19] == u'.') {
        const qsizetype n = std::min<qsizetype>(3, text.size() - 20);
        msec = Digits(text, 20, n, &ok) * (n == 1 ? 100 : n == 2 ? 10 : 1);
    }
    *time = QTime(hour, minute, second, msec);
    return ok && time->isValid();
}

constexpr qint64 kMsecsPerDay = 86400000;

QString FloatText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

Field::Field(DataSet& owner, int index, FieldKind kind, QString name)
    : m_owner(owner), m_index(index), m_kind(kind), m_name(std::move(name)) {}

QVariant Field::Value() const {
    return m_owner.CurrentValue(m_index);
}

void Field::SetValue(const QVariant& value) {
    m_owner.SetCurrentValue(m_index, Normalize(value));
}

QString Field::AsString() const {
    return ToText(Value());
}

int Field::AsInteger() const {
    return int(Convert(FieldKind::Integer, Value()).toLongLong());
}

double Field::AsFloat() const {
    return Convert(FieldKind::Float, Value()).toDouble();
}

bool Field::AsBoolean() const {
    return Convert(FieldKind::Boolean, Value()).toBool();
}

QDateTime Field::AsDateTime() const {
    return Convert(FieldKind::DateTime, Value()).toDateTime();
}

QByteArray Field::AsBytes() const {
    return Convert(FieldKind::Blob, Value()).toByteArray();
}

QVariant Field::Normalize(const QVariant& value) const {
    return Convert(m_kind, value);
}

namespace {

// Typed text such as " 12 " is a number; anything else is refused with the field's message.
QVariant ParseNumber(const QString& text, bool integer) {
    const QString s = text.trimmed();
    if (s.isEmpty()) return {};
    bool ok = false;
    const QVariant n = integer ? QVariant(s.toLongLong(&ok)) : QVariant(s.toDouble(&ok));
    if (!ok)
        throw EDatabaseError((integer ? QStringLiteral("'%1' 不是有效的整数")
                                      : QStringLiteral("'%1' 不是有效的数值")).arg(text));
    return n;
}

} // namespace

QVariant Field::Convert(FieldKind kind, const QVariant& value) {
    if (!value.isValid() || value.isNull()) return {};
    const bool isText = value.typeId() == QMetaType::QString;
    switch (kind) {
    case FieldKind::Integer:
        if (isText) return ParseNumber(value.toString(), true);
        if (value.typeId() == QMetaType::Double) return qint64(qRound64(value.toDouble()));
        return value.toLongLong();
    case FieldKind::Float:
        return isText ? ParseNumber(value.toString(), false) : QVariant(value.toDouble());
    case FieldKind::Boolean:
        if (isText) {
            const QString s = value.toString().trimmed();
            if (s.isEmpty()) return {};
            return s.compare(u"true", Qt::CaseInsensitive) == 0 || s.toInt() != 0;
        }
        return value.toBool();
    case FieldKind::DateTime: {
        if (isText || value.typeId() == QMetaType::QByteArray) {
            const QString s = value.toString().trimmed();
            if (s.isEmpty()) return {};
            const QDateTime dt = ParseDateTime(s);
            if (!dt.isValid()) throw EDatabaseError(QStringLiteral("'%1' 不是有效的日期").arg(s));
            return dt;
        }
        if (value.typeId() == QMetaType::QDate) return QDateTime(value.toDate(), QTime(0, 0));
        const QDateTime dt = value.toDateTime();
        if (!dt.isValid()) return {};
        // Stored date-times are naive wall-clock times; drop any zone the driver attached.
        return QDateTime(dt.date(), dt.time());
    }
    case FieldKind::String:
    case FieldKind::Memo: {
        QString s = ToText(value);
        if (s.isEmpty()) return {};
        return s;
    }
    case FieldKind::Blob: {
        QByteArray b = value.typeId() == QMetaType::QString ? value.toString().toUtf8()
                                                           : value.toByteArray();
        if (b.isEmpty()) return {};
        return b;
    }
    }
    return {};
}

QString Field::ToText(const QVariant& stored) {
    if (!stored.isValid()) return {};
    switch (stored.typeId()) {
    case QMetaType::Double:
        return FloatText(stored.toDouble());
    case QMetaType::Bool:
        return stored.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDateTime: {
        const QDateTime dt = stored.toDateTime();
        if (dt.time() == QTime(0, 0)) return dt.date().toString(u"yyyy-MM-dd");
        return dt.toString(u"yyyy-MM-dd hh:mm:ss");
    }
    case QMetaType::QDate:
        return stored.toDate().toString(u"yyyy-MM-dd");
    default:
        return stored.toString();
    }
}

QString Field::FormatValue(const QVariant& stored) const {
    if (!stored.isValid() || m_displayFormat.isEmpty()) return ToText(stored);
    if (m_kind == FieldKind::DateTime) return stored.toDateTime().toString(m_displayFormat);
    if (m_kind == FieldKind::Float || m_kind == FieldKind::Integer) {
        // Display formats such as "0.00" or "#,##0.00": the decimals after the point count.
        const qsizetype point = m_displayFormat.indexOf(u'.');
        const int decimals = point < 0 ? 0 : int(m_displayFormat.size() - point - 1);
        if (m_displayFormat.contains(u','))
            return QLocale::c().toString(stored.toDouble(), 'f', decimals);
        return QString::number(stored.toDouble(), 'f', decimals);
    }
    return ToText(stored);
}

qint64 Field::PackDateTime(const QDateTime& value) {
    return value.date().toJulianDay() * kMsecsPerDay + value.time().msecsSinceStartOfDay();
}

QDateTime Field::UnpackDateTime(qint64 packed) {
    const qint64 day = packed >= 0 ? packed / kMsecsPerDay : (packed - kMsecsPerDay + 1) / kMsecsPerDay;
    return QDateTime(QDate::fromJulianDay(day),
                     QTime::fromMSecsSinceStartOfDay(int(packed - day * kMsecsPerDay)));
}

bool Field::PackText(QStringView text, qint64* packed) {
    QDate date;
    QTime time;
    if (ParseIsoParts(text, &date, &time)) {
        *packed = date.toJulianDay() * kMsecsPerDay + time.msecsSinceStartOfDay();
        return true;
    }
    const QDateTime dt = ParseDateTime(text);
    if (!dt.isValid()) return false;
    *packed = PackDateTime(dt);
    return true;
}

QDateTime Field::ParseDateTime(QStringView text) {
    text = text.trimmed();
    QDate date;
    QTime time;
    if (ParseIsoParts(text, &date, &time)) return QDateTime(date, time);
    QDateTime dt;
    for (const auto* format : {u"yyyy/M/d H:m:s", u"yyyy/M/d", u"yyyy-M-d H:m:s", u"yyyy-M-d",
                               u"yyyy-M-d H:m"}) {
        dt = QDateTime::fromString(text.toString(), QString::fromUtf16(format));
        if (dt.isValid()) return dt;
    }
    return {};
}

void Field::SetLookup(const Field& keyField, Resolver resolve) {
    m_lookupKey = keyField.Index();
    m_resolve = std::move(resolve);
    m_readOnly = true;
}
