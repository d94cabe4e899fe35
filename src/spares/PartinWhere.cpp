#include "PartinWhere.h"

#include "PartLabels.h"

TPartinWhere::TPartinWhere() {
    const auto text = [this](const char* name, const QString& label) {
        return AddFieldDef(FieldKind::String, QString::fromLatin1(name), 50, true, label);
    };
    PartIdFld = AddFieldDef(FieldKind::Integer, QStringLiteral("PartId"), 0, true, QString());
    PartS1Fld = text("PartS1", PartLabel(QStringLiteral("S1")));
    PartS2Fld = text("PartS2", PartLabel(QStringLiteral("S2")));
    PartS3Fld = text("PartS3", PartLabel(QStringLiteral("S3")));
    PartKeywordFld = text("PartKeyword", QString());
    Indate1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("Indate1"), 0, true,
                             QStringLiteral("日期"));
    Indate2Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("Indate2"), 0, true,
                             QStringLiteral("日期"));
    IntypeFld = text("Intype", QStringLiteral("类别"));
    IncodeFld = text("Incode", QStringLiteral("单号"));
    InoutFld = AddFieldDef(FieldKind::Integer, QStringLiteral("Inout"), 0, true, QString());
    HandmanFld = text("Handman", QStringLiteral("经手人"));
    BillmanFld = text("Billman", QStringLiteral("制单人"));
    NotesFld = text("Notes", QStringLiteral("备注"));
    NotArrivedFld = AddFieldDef(FieldKind::Boolean, QStringLiteral("NotArrived"), 0, true,
                                QString());
    CreateConditionRow();
}

void TPartinWhere::AddBillConditions(TConditionText& c) const {
    // Bills keep their date at midnight, so the from-date counts from the start of its day.
    c.AddDateAt("%s and Indate>=%s", *Indate1Fld);
    c.AddDateTo("%s and Indate<%s", *Indate2Fld);
    c.AddText("%s and Intype='%s'", *IntypeFld);
    c.AddText("%s and Incode like '%%%s%%'", *IncodeFld);
    c.AddInteger("%s and Inout=%d", *InoutFld);
    c.AddText("%s and Handman='%s'", *HandmanFld);
    c.AddText("%s and Billman='%s'", *BillmanFld);
    c.AddText("%s and Notes like '%%%s%%'", *NotesFld);
}

QString TPartinWhere::BillConditions() {
    CommitEdits();
    TConditionText c;
    AddBillConditions(c);
    return c.Conditions();
}

QString TPartinWhere::LineConditions() {
    CommitEdits();
    TConditionText c;
    c.AddInteger("%s and PartId=%d", *PartIdFld);
    AddBillConditions(c);
    c.AddText("%s and (p.S1 like '%%%s%%' or p.S2 like '%%%s%%' or p.S3 like '%%%s%%' or "
              "p.S4 like '%%%s%%' or p.S5 like '%%%s%%' or p.S6 like '%%%s%%' or "
              "p.S7 like '%%%s%%' or p.S8 like '%%%s%%')",
              *PartKeywordFld);
    if (!NotArrivedFld->IsNull() && NotArrivedFld->AsBoolean()) c.Add("%s and (d.Qty <> d.QtyA)");
    return c.Conditions();
}
