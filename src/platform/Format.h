#pragma once

#include <QString>
#include <QVariantList>

// printf-style formatting as the system's message and SQL texts are written: %s, %d, %f
// (two decimals unless a precision is given), %g, %x, %%, with optional '-', width and
// precision. A missing argument formats as empty.
QString Format(const QString& format, const QVariantList& args);
