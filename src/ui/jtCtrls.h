#pragma once

#include "platform/Exceptions.h"

#include <QColor>
#include <QDateTime>
#include <QVariant>

class QKeyEvent;
class QWidget;

// The colours the input controls paint with.
inline const QColor clAqua(0x00, 0xFF, 0xFF);
inline const QColor clWhite(0xFF, 0xFF, 0xFF);
inline const QColor clSilver(0xC0, 0xC0, 0xC0);
inline const QColor clCream(0xFF, 0xFB, 0xF0);

// A text that does not convert to the number or date asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The key filter of a TjtEdit.
enum TEditType { etFree, etNumber, etInteger };
// How a TjtEdit aligns its text.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// The Enter character, with or without Shift: Ctrl and Alt make other characters.
bool IsEnterKey(const QKeyEvent* event);

// The value as a date and time: date-times, dates (at midnight), times (on the zero date
// 1899-12-30, as a time alone means) and texts in the system's date format. An invalid
// QDateTime when the value is no date.
QDateTime VariantToDateTime(const QVariant& value);
// "yyyy-mm-dd", and "yyyy-mm-dd hh:mm:ss" when the time is not midnight.
QString DateTimeText(const QDateTime& value);

// The data-aware inputs of list and detail windows (bound to fields by DataSource): aqua
// while focused, the window colour otherwise, neither while read-only; combo boxes lose
// automatic completion.
void InstallFocusColour(QWidget* input);
