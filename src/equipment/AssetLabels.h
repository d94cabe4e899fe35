#pragma once

#include <QString>

// The title of a ledger column as every equipment list, condition and log shows it: the fixed
// titles of the ledger, and the configured ones of the class and user-defined columns as they
// stand when asked (a set made after a relabelling shows the new title). Empty for a name the
// ledger does not title.
QString AssetLabel(const QString& fieldName);
