#pragma once

#include <QString>

// The title of an accident column as the accident list, its conditions and the analysis show
// it; empty for a name the accident record does not title.
QString AccidentLabel(const QString& fieldName);
