#include "AccidentCountWhere.h"

#include "AccidentLabels.h"

TAccidentCountWhere::TAccidentCountWhere() {
    AccDate1Fld = AddFieldDef(FieldKind::DateTime, QStringLiteral("AccDate1"), 0, true,
                              AccidentLabel(QStringLiteral("AccDate")));
    AccDate2Fld =
        AddFieldDef(FieldKind::DateTime, QStringLiteral("AccDate2"), 0, true, QStringLiteral("至"));
    CreateConditionRow();
}

QString TAccidentCountWhere::Where() {
    CommitEdits();
    TConditionText c;
    c.AddDateAt("%s and AccDate>=%s", *AccDate1Fld);
    c.AddDateTo("%s and AccDate<%s", *AccDate2Fld);
    return c.Where();
}
