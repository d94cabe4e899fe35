#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class DataSet;

// The rows of a data set written as the system exports them, titles first, every line ending
// with "\r\n": an HTML table, or lines of values each followed by the separator. Values are
// read by row, so the data set's cursor does not move.
QString HtmlTableText(const DataSet& data, const QList<int>& fields, const QStringList& titles);
QString SeparatedText(const DataSet& data, const QList<int>& fields, const QStringList& titles,
                      const QString& separator);
