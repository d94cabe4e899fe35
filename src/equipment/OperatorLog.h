#pragma once

#include <QList>
#include <QString>

class Field;

enum class TLogAction { AddAsset, EditBasic, EditExtended, DeleteAsset };
enum class TLogResult { Success, Failure, Exception, Cancelled };

QString LogActionText(TLogAction action);
QString LogResultText(TLogResult result);
// The name the operating system gives this workstation, as the logs record it.
QString ComputerName();

// One line of the operator log: the message, then "label := value" for each field as it
// stands now. True when the line was written or the log is switched off; a line that could
// not be written never stops the operation that logged it.
bool WriteOperatorLog(TLogAction action, const QString& message, TLogResult result,
                      const QList<const Field*>& fields);
bool WriteOperatorLogFor(TLogAction action, bool success, const QList<const Field*>& fields);
