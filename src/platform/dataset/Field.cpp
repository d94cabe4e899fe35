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
    const QVariant v = Value();
    if (!v.isValid()) return 0;
    if (v.typeId() == QMetaType::Double) return int(qRound64(v.toDouble()));
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const int n = v.toString().trimmed().toInt(&ok);
        if (!ok) throw EDatabaseError(QStringLiteral("'%1' 不是有效的整数").arg(v.toString()));
        return n;
    }
    return int(v.toLongLong());
}

double Field::AsFloat() const {
    const QVariant v = Value();
    if (!v.isValid()) return 0;
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (!ok) throw EDatabaseError(QStringLiteral("'%1' 不是有效的数值").arg(v.toString()));
        return d;
    }
    return v.toDouble();
}

bool Field::AsBoolean() const {
    const QVariant v = Value();
    if (!v.isValid()) return false;
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        return s.compare(u"true", Qt::CaseInsensitive) == 0 || (s.toInt() != 0);
    }
    return v.toBool();
}

QDateTime Field::AsDateTime() const {
    const QVariant v = Value();
    if (v.typeId() == QMetaType::QString) return ParseDateTime(v.toString());
    return v.toDateTime();
}

QByteArray Field::AsBytes() const {
    const QVariant v = Value();
    return v.typeId() == QMetaType::QString ? v.toString().toUtf8() : v.toByteArray();
}

QVariant Field::Normalize(const QVariant& value) const {
    if (!value.isValid() || value.isNull()) return {};
    switch (m_kind) {
    case FieldKind::Integer:
        if (value.typeId() == QMetaType::QString) {
            bool ok = false;
            const qint64 n = value.toString().trimmed().toLongLong(&ok);
            if (value.toString().trimmed().isEmpty()) return {};
            if (!ok) throw EDatabaseError(QStringLiteral("'%1' 不是有效的整数").arg(value.toString()));
            return n;
        }
        if (value.typeId() == QMetaType::Double) return qint64(qRound64(value.toDouble()));
        return value.toLongLong();
    case FieldKind::Float:
        if (value.typeId() == QMetaType::QString) {
            bool ok = false;
            const double d = value.toString().trimmed().toDouble(&ok);
            if (value.toString().trimmed().isEmpty()) return {};
            if (!ok) throw EDatabaseError(QStringLiteral("'%1' 不是有效的数值").arg(value.toString()));
            return d;
        }
        return value.toDouble();
    case FieldKind::Boolean:
        if (value.typeId() == QMetaType::QString) {
            const QString s = value.toString().trimmed();
            if (s.isEmpty()) return {};
            return s.compare(u"true", Qt::CaseInsensitive) == 0 || s.toInt() != 0;
        }
        return value.toBool();
    case FieldKind::DateTime: {
        if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
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
