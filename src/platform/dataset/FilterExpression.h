#pragma once

#include "Field.h" // FieldKind

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

struct FilterField {
    QString name;
    FieldKind kind;
};

// An ADO-style filter parsed once and evaluated per row, e.g.
// "Name like 'abc%' and (Qty > 5 or Flag = 1)".
class FilterExpression {
public:
    // Throws EDatabaseError naming the text when it does not parse or names an unknown field.
    FilterExpression(const QString& text, const std::vector<FilterField>& fields);
    ~FilterExpression();
    FilterExpression(const FilterExpression&) = delete;
    FilterExpression& operator=(const FilterExpression&) = delete;

    // valueOf(fieldIndex) gives the row's stored value: an invalid QVariant for null, else
    // qint64, double, bool, QDateTime, QString or QByteArray by the field's kind.
    bool Matches(const std::function<QVariant(int)>& valueOf) const;
    // Indices of the fields the expression reads, ascending (the caller may prefetch them).
    const std::vector<int>& UsedFields() const { return m_used; }

private:
    struct Node;
    class Parser;

    std::unique_ptr<Node> m_root; // null for a blank filter, which matches every row
    std::vector<int> m_used;
};
