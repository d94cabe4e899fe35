#pragma once

#include <QString>
#include <QStringList>

class TOptions;
class TKeyValue2;

// The titles every record set gives its user-defined and class columns, and the operator-log
// switch: read once at start-up, after which the columns of new record sets use them.
struct TAppLabels {
    bool OperatorLog = false;
    QStringList ClassLabels;     // ClassA … ClassF
    QStringList EquipmentStr;    // Str1 … Str7
    QStringList EquipmentFloat;  // Float1 … Float9
    QStringList EquipmentDate;   // Date1 … Date3
    QStringList AccessoryStr;    // S1 … S3
    QStringList AccessoryFloat;  // F1 … F3
    QStringList PartStr;         // S5 … S8
    QStringList PartFloat;       // F1 … F5

    TAppLabels();
    // Key value 75, key values 12–17 and the options of the labels; a loaded text replaces the
    // default even when it is empty.
    void Load(TOptions& options, TKeyValue2& values);
};

extern TAppLabels& AppLabels;
