#include "CustomWhere.h"

#include "platform/Format.h"

void TCustomWhere::CreateConditionRow() {
    CreateDataSet();
    DataSet().Append();
}

void TCustomWhere::Clear() {
    DataSet().Cancel();
    DataSet().Append();
}

void TCustomWhere::CommitEdits() {
    if (DataSet().Editing()) DataSet().UpdateRecord();
}

QString EscapeQuotes(const QString& text) {
    QString escaped = text;
    return escaped.replace(u'\'', QStringLiteral("''"));
}

void TConditionText::AddText(const char* format, const Field& field) {
    const QString text = field.AsString();
    if (text.isEmpty()) return;
    QVariantList args{m_text};
    const QString escaped = EscapeQuotes(text);
    for (int i = 0; i < 16; ++i) args.append(escaped);
    m_text = Format(QString::fromUtf8(format), args);
}

void TConditionText::AddInteger(const char* format, const Field& field) {
    if (!field.IsNull()) m_text = Format(QString::fromUtf8(format), {m_text, field.AsInteger()});
}

void TConditionText::AddFloat(const char* format, const Field& field) {
    if (!field.IsNull()) m_text = Format(QString::fromUtf8(format), {m_text, field.AsFloat()});
}

void TConditionText::AddDateFrom(const char* format, const Field& field) {
    if (field.IsNull()) return;
    m_text = Format(QString::fromUtf8(format), {m_text, m_db.DateLiteral(field.AsDateTime())});
}

void TConditionText::AddDateTo(const char* format, const Field& field) {
    if (field.IsNull()) return;
    const QDate next = field.AsDateTime().date().addDays(1);
    m_text = Format(QString::fromUtf8(format), {m_text, m_db.DateLiteral(next)});
}

void TConditionText::AddDateAt(const char* format, const Field& field) {
    if (field.IsNull()) return;
    m_text = Format(QString::fromUtf8(format), {m_text, m_db.DateLiteral(field.AsDateTime().date())});
}

void TConditionText::Add(const char* format) {
    m_text = Format(QString::fromUtf8(format), {m_text});
}

QString TConditionText::Where() const {
    QString where = m_text;
    const qsizetype at = where.indexOf(QStringLiteral(" and "));
    if (at >= 0) where.replace(at, 5, QStringLiteral(" where "));
    return where;
}
