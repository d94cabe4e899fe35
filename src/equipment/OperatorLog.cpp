#include "OperatorLog.h"

#include "admin/AppLabels.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "platform/Exceptions.h"
#include "platform/dataset/Field.h"

#include <QSysInfo>

QString LogActionText(TLogAction action) {
    static const QString texts[] = {QStringLiteral("添加设备"), QStringLiteral("修改设备基本信息"),
                                    QStringLiteral("修改设备扩展信息"), QStringLiteral("删除设备")};
    return texts[int(action)];
}

QString LogResultText(TLogResult result) {
    static const QString texts[] = {QStringLiteral("成功"), QStringLiteral("失败"), QStringLiteral("异常"),
                                    QStringLiteral("取消")};
    return texts[int(result)];
}

QString ComputerName() {
    return QSysInfo::machineHostName();
}

namespace {

QString Details(const QString& message, const QList<const Field*>& fields) {
    QString text = message;
    for (const Field* field : fields)
        text += QStringLiteral("\r\n") + field->DisplayLabel() + QStringLiteral(" := ") + field->AsString();
    return text;
}

int InsertLog(int key, TLogAction action, const QString& details, TLogResult result) {
    return DB.ExecSQL(
        QStringLiteral("insert into logs(Id, Actname, Details, Results, Handman, Logtime, ComputName, "
                       "ComputIp)values(:Id,:Actname,:Details,:Results,:Handman,:Logtime,:ComputName,"
                       ":ComputIp)"),
        {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("Actname"), LogActionText(action)),
         DBParam(QStringLiteral("Details"), details), DBParam(QStringLiteral("Results"), LogResultText(result)),
         DBParam(QStringLiteral("Handman"), CurrentOperator.LoginId),
         DBParam(QStringLiteral("Logtime"), DB.ServerNow()),
         DBParam(QStringLiteral("ComputName"), ComputerName())});
}

} // namespace

bool WriteOperatorLog(TLogAction action, const QString& message, TLogResult result,
                      const QList<const Field*>& fields) {
    if (!AppLabels.OperatorLog) return true;
    const QString details = Details(message, fields);
    int rows = 0;
    try {
        DB.InsertNewKey(QStringLiteral("logs"), QStringLiteral("Id"),
                        [&](int key) { return InsertLog(key, action, details, result); }, &rows);
    } catch (const EDatabaseError&) {
        // Reported, not raised: the operation the line describes has happened all the same.
        return false;
    }
    return rows == 1;
}

bool WriteOperatorLogFor(TLogAction action, bool success, const QList<const Field*>& fields) {
    return WriteOperatorLog(action, QString(), success ? TLogResult::Success : TLogResult::Failure, fields);
}
