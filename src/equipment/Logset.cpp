#include "Logset.h"

TLogset::TLogset() {
    IdFld = AddField(FieldKind::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"));
    ActnameFld =
        AddField(FieldKind::String, QStringLiteral("Actname"), 50, true, QStringLiteral("行为"));
    DetailsFld =
        AddField(FieldKind::Memo, QStringLiteral("Details"), -1, true, QStringLiteral("行为描述"));
    ResultsFld =
        AddField(FieldKind::String, QStringLiteral("Results"), 20, true, QStringLiteral("结果"));
    HandmanFld =
        AddField(FieldKind::String, QStringLiteral("Handman"), 30, true, QStringLiteral("操作员"));
    LogtimeFld = AddField(FieldKind::DateTime, QStringLiteral("Logtime"), -1, true,
                          QStringLiteral("操作时间"));
    ComputNameFld = AddField(FieldKind::String, QStringLiteral("ComputName"), 50, true,
                             QStringLiteral("计算机名称"));
    ComputIpFld = AddField(FieldKind::String, QStringLiteral("ComputIp"), 20, true,
                           QStringLiteral("客户端IP"));
}

int TLogset::OpenByWhere() {
    return Open(Where.Sql());
}

bool TLogset::DeleteCurrent() {
    if (!Query().Active() || Query().IsEmpty() || Query().Editing()) return false;
    const int rows = Database().ExecSQL(QStringLiteral("delete from logs where Id=:Id"),
                                        {DBParam(QStringLiteral("Id"), IdFld->Value())});
    if (rows != 1) return false;
    Query().Delete();
    return true;
}
