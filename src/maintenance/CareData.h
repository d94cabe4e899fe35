#pragma once

#include <QString>
#include <QVariant>

// One maintenance item as the editors and pickers hand it on.
struct TCareitemData {
    int ciId = 0;
    int ciAssetId = 0;
    QString ciCarename;
    QString ciCareitem;
    QVariant ciPlanhours;  // null when not given
    QVariant ciFixedays;
    QString ciCareworks;
};

// One care record as the editors hand it on.
struct TCarecordData {
    int crId = 0;
    QVariant crCaredate;  // a date, or null
    QString crCareman;
    QString crCaretents;
};
