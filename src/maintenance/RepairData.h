#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// What the repair editor collects; the row key and the machine travel separately.
struct TRepairData {
    QDate SendDate;
    QString Trouble;
    QString Handman;
    QString Sanctionman;
    QVariant RepairDate;  // a QDate, or null while the repair is open
    QString RepairClass;
    QString RepairFactory;
    QString Repairmans;
    QString RepairDetails;
    double RepairCost = 0;
    double RepairHours = 0;
    QString Remark;
};
