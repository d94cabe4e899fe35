#pragma once

#include <QColor>
#include <QString>

// The colour a stored colour text names: the classic names (clRed, clMoneyGreen, …) or a number
// in blue-green-red order, decimal or hexadecimal ("$0000FF", "0x0000FF"). Invalid when the
// text names no colour.
QColor ColorFromName(const QString& text);
