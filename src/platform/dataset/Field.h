#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <functional>

class DataSet;

enum class FieldKind { Integer, Float, Boolean, DateTime, String, Memo, Blob };

// One typed column of a DataSet. Reads and writes go to the data set's current row
// (its edit buffer while the set is in edit or insert state).
class Field {
public:
    Field(DataSet& owner, int index, FieldKind kind, QString name);

    DataSet& Owner() const { return m_owner; }
    int Index() const { return m_index; }
    FieldKind Kind() const { return m_kind; }
    const QString& FieldName() const { return m_name; }
    QString DisplayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    void SetDisplayLabel(const QString& label) { m_label = label; }
    // Text fields hold at most Size characters in editors; 20 unless declared otherwise.
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Calculated fields are filled by the data set's OnCalcFields, not read from a query.
    // Lookup fields count as calculated: they are never read from a query either.
    bool Calculated() const { return m_calculated || IsLookup(); }
    void SetCalculated(bool calculated) { m_calculated = calculated; }
    const QString& DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& format) { m_displayFormat = format; }
    // A lookup field shows what resolve makes of the key field's value in the same row; it is
    // worked out on every read, so it follows the key and the source it looks into at once.
    using Resolver = std::function<QVariant(const QVariant& key)>;
    void SetLookup(const Field& keyField, Resolver resolve);
    bool IsLookup() const { return m_lookupKey >= 0; }
    int LookupKey() const { return m_lookupKey; }
    QVariant Resolve(const QVariant& key) const { return m_resolve(key); }
    bool IsText() const { return m_kind == FieldKind::String || m_kind == FieldKind::Memo; }
    bool IsNumeric() const { return m_kind == FieldKind::Integer || m_kind == FieldKind::Float; }

    QVariant Value() const;
    void SetValue(const QVariant& value);
    bool IsNull() const { return !Value().isValid(); }
    void Clear() { SetValue(QVariant()); }

    QString AsString() const;
    void SetAsString(const QString& value) { SetValue(value); }
    int AsInteger() const;
    void SetAsInteger(qint64 value) { SetValue(value); }
    double AsFloat() const;
    void SetAsFloat(double value) { SetValue(value); }
    bool AsBoolean() const;
    void SetAsBoolean(bool value) { SetValue(value); }
    QDateTime AsDateTime() const;
    void SetAsDateTime(const QDateTime& value) { SetValue(value); }
    QByteArray AsBytes() const;
    void SetAsBytes(const QByteArray& value) { SetValue(value); }
    // The text a grid shows for the current row.
    QString DisplayText() const { return FormatValue(Value()); }

    // Converts any incoming value to this field's stored type; an empty text is null.
    QVariant Normalize(const QVariant& value) const;
    static QVariant Convert(FieldKind kind, const QVariant& value);
    QString FormatValue(const QVariant& stored) const;

    static QString ToText(const QVariant& stored);
    static QDateTime ParseDateTime(QStringView text);
    // Date-times are stored as a naive count of milliseconds from the Julian epoch.
    static qint64 PackDateTime(const QDateTime& value);
    static QDateTime UnpackDateTime(qint64 packed);
    static bool PackText(QStringView text, qint64* packed);

private:
    DataSet& m_owner;
    int m_index;
    FieldKind m_kind;
    QString m_name;
    QString m_label;
    QString m_displayFormat;
    int m_size = 20;
    bool m_visible = true;
    bool m_readOnly = false;
    bool m_calculated = false;
    int m_lookupKey = -1;
    Resolver m_resolve;
};
