#include "PartLabels.h"

#include "admin/AppLabels.h"
#include "data/RecordSetBase.h"

namespace {

// "S6" → the second of the user-defined labels that begin at S5.
QString Numbered(const QString& name, QChar prefix, int first, const QStringList& labels) {
    if (name.size() != 2 || name[0] != prefix || !name[1].isDigit()) return {};
    const int index = name[1].digitValue() - first;
    return index >= 0 && index < labels.size() ? labels[index] : QString();
}

int TextSize(const QString& name) {
    if (name == u"ClassA") return 30;
    if (name == u"Status") return 20;
    return 50;
}

FieldKind KindOf(const QString& name) {
    if (name == u"Id") return FieldKind::Integer;
    if (name == u"Remarks") return FieldKind::Memo;
    if (name == u"MinQty" || name.startsWith(u'F')) return FieldKind::Float;
    return FieldKind::String;
}

} // namespace

QString PartLabel(const QString& name) {
    static const QStringList fixed{QStringLiteral("备件编号"), QStringLiteral("备件名称"),
                                   QStringLiteral("备件规格"), QStringLiteral("备件厂商")};
    if (name == u"Id") return QStringLiteral("Id");
    if (name == u"ClassA") return QStringLiteral("分类");
    if (name == u"Status") return QStringLiteral("状态");
    if (name == u"Remarks") return QStringLiteral("备注");
    if (name == u"MinQty") return QStringLiteral("库存下限");
    const QString text = Numbered(name, u'S', 1, fixed);
    if (!text.isEmpty()) return text;
    const QString own = Numbered(name, u'S', 5, AppLabels.PartStr);
    return own.isEmpty() ? Numbered(name, u'F', 1, AppLabels.PartFloat) : own;
}

const QStringList& PartColumns() {
    static const QStringList columns =
        QStringLiteral("Id ClassA Status S1 S2 S3 S4 S5 S6 S7 S8 F1 F2 F3 F4 F5 Remarks MinQty")
            .split(u' ');
    return columns;
}

void AddPartFields(RecordSetBase& set) {
    for (const QString& name : PartColumns()) {
        const FieldKind kind = KindOf(name);
        const int size = kind == FieldKind::String ? TextSize(name) : -1;
        set.AddField(kind, name, size, true, PartLabel(name));
    }
}
