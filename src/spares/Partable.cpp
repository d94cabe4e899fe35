#include "Partable.h"

#include "PartLabels.h"

TPartable::TPartable() {
    AddPartFields(*this);
    IdFld = &Query().FieldByName(QStringLiteral("Id"));
    Open(QStringLiteral("select * from parts"));
}

void TPartable::ApplyWhere() {
    ::DataSet& data = Query();
    if (!data.Active()) return;
    data.SetFilter(Where.FilterText());
    data.SetFiltered(true);
}
