#include "PartsWhere.h"

#include "PartLabels.h"

namespace {

const char* const kLikeFormats[] = {
    "%s and S1 like '%%%s%%'", "%s and S2 like '%%%s%%'", "%s and S3 like '%%%s%%'",
    "%s and S4 like '%%%s%%'", "%s and S5 like '%%%s%%'", "%s and S6 like '%%%s%%'",
    "%s and S7 like '%%%s%%'", "%s and S8 like '%%%s%%'",
};

} // namespace

TPartsWhere::TPartsWhere() {
    const auto text = [this](const char* name, const QString& label) {
        return AddFieldDef(FieldKind::String, QString::fromLatin1(name), 50, true, label);
    };
    IdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Id"), 0, true, QString());
    S1Fld = text("S1", PartLabel(QStringLiteral("S1")));
    S2Fld = text("S2", PartLabel(QStringLiteral("S2")));
    S3Fld = text("S3", PartLabel(QStringLiteral("S3")));
    S4Fld = text("S4", PartLabel(QStringLiteral("S4")));
    S5Fld = text("S5", PartLabel(QStringLiteral("S5")));
    S6Fld = text("S6", PartLabel(QStringLiteral("S6")));
    S7Fld = text("S7", PartLabel(QStringLiteral("S7")));
    S8Fld = text("S8", PartLabel(QStringLiteral("S8")));
    ClassAFld = text("ClassA", QStringLiteral("分类"));
    StatusFld = text("Status", QStringLiteral("状态"));
    KeywordFld = text("Keyword", QStringLiteral("关键字"));
    RemarksFld = text("Remarks", QStringLiteral("备注"));
    StockFlagFld = text("StockFlag", QStringLiteral("库存"));
    CreateConditionRow();
}

std::array<Field*, 8> TPartsWhere::SFlds() const {
    return {S1Fld, S2Fld, S3Fld, S4Fld, S5Fld, S6Fld, S7Fld, S8Fld};
}

TConditionText TPartsWhere::Conditions(bool withId) {
    CommitEdits();
    TConditionText c;
    if (withId) c.AddInteger("%s and Id=%d", *IdFld);
    c.AddText("%s and ClassA = '%s'", *ClassAFld);
    c.AddText("%s and Status = '%s'", *StatusFld);
    const std::array<Field*, 8> s = SFlds();
    for (size_t i = 0; i < s.size(); ++i)
        c.AddText(kLikeFormats[i], *s[i]);
    c.AddText("%s and (S1 like '%%%s%%' or S2 like '%%%s%%' or S3 like '%%%s%%' or "
              "S4 like '%%%s%%' or S5 like '%%%s%%' or S6 like '%%%s%%' or S7 like '%%%s%%' or "
              "S8 like '%%%s%%')",
              *KeywordFld);
    return c;
}

QString TPartsWhere::WhereClause() {
    return Conditions(true).Where();
}

QString TPartsWhere::FilterText() {
    const QString text = Conditions(false).Conditions();
    // Every condition begins with " and "; the filter starts with the first comparison.
    return text.isEmpty() ? text : text.mid(5);
}

const QStringList& StockFlags() {
    static const QStringList flags{QStringLiteral("低于下限"), QStringLiteral("低于下限(含在途)"),
                                   QStringLiteral("所有在途申购"), QStringLiteral("不限")};
    return flags;
}
