#include "QuerySet.h"

void TQuerySet::Refresh(const Field* keyField) {
    const QString keyName = keyField ? keyField->FieldName() : QString();
    const QVariant keyValue = keyField && Query().Active() ? keyField->Value() : QVariant();
    Reopen();
    if (!keyName.isEmpty() && Query().Active()) Query().Locate(keyName, keyValue);
}

void TQuerySet::CommitEdits() {
    if (Query().Editing()) Query().UpdateRecord();
}

void TQuerySet::CancelEdits() {
    if (Query().Editing()) Query().Cancel();
}

void TQuerySet::PostEdits() {
    CommitEdits();
    if (Query().Editing()) Query().Post();
}

QString TQuerySet::JoinValues(const QString& fieldName, const QString& separator) {
    return JoinFieldValues(Query().FindField(fieldName), separator);
}

void TQuerySet::GetFieldLabels(QStringList& labels, bool visibleOnly, bool labelsOnly,
                               QStringList* names) const {
    labels.clear();
    if (names) names->clear();
    for (int i = 0; i < Query().FieldCount(); ++i) {
        const Field& f = Query().Fields(i);
        if (visibleOnly && !f.Visible()) continue;
        labels.append(f.DisplayLabel());
        if (!labelsOnly && names) names->append(f.FieldName());
    }
}

double TQuerySet::SumOf(const Field& field) {
    ::DataSet& data = Query();
    if (!data.Active()) return 0;
    data.CheckBrowseMode();
    double sum = 0;
    for (int row = 0; row < data.RecordCount(); ++row)
        sum += data.ValueAt(row, field.Index()).toDouble();
    return sum;
}
