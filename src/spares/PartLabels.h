#pragma once

#include <QString>
#include <QStringList>

class RecordSetBase;

// The title of a column of the parts catalogue: the fixed titles, and the configured ones of
// S5–S8 and F1–F5 as they stand when asked. Empty for a name the catalogue does not have.
QString PartLabel(const QString& fieldName);

// The catalogue's columns in table order: Id, ClassA, Status, S1–S8, F1–F5, Remarks, MinQty.
const QStringList& PartColumns();

// Declares the catalogue's columns on a set, typed, sized and titled as the table has them.
void AddPartFields(RecordSetBase& set);
