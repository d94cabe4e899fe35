#include "Equiploger.h"

#include "AssetsSet.h"
#include "OperatorLog.h"
#include "admin/Operator.h"
#include "data/RecordSet.h"
#include "platform/Exceptions.h"

TEquiploger::TEquiploger() : m_stored(std::make_unique<TAssetsSet>()) {}

TEquiploger::~TEquiploger() = default;

void TEquiploger::Start(int equipId) {
    m_stored->OpenById(equipId);
    int rows = 0;
    m_logId = DB.InsertNewKey(QStringLiteral("equiplogs"), QStringLiteral("Id"), [&](int key) {
        return DB.ExecSQL(
            QStringLiteral("insert into equiplogs(Id, EquipId, Updateman, UpdateTime, ComputName, ComputIp)"
                           "values(:Id,:EquipId,:Updateman,:UpdateTime,:ComputName,:ComputIp)"),
            {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("EquipId"), equipId),
             DBParam(QStringLiteral("Updateman"), CurrentOperator.LoginId),
             DBParam(QStringLiteral("UpdateTime"), DB.ServerNow()),
             DBParam(QStringLiteral("ComputName"), ComputerName())});
    }, &rows);
    if (rows != 1) throw Exception(QStringLiteral("创建日志失败, 操作已取消."));
}

void TEquiploger::LogChanges(const DataSet& edited, const QStringList& fieldNames) {
    const ::DataSet& stored = m_stored->Query();
    for (const QString& name : fieldNames) {
        const Field& before = stored.FieldByName(name);
        const Field& after = edited.FieldByName(name);
        if (before.Value() != after.Value()) WriteDetail(before, after);
    }
}

bool TEquiploger::WriteDetail(const Field& stored, const Field& edited) {
    int rows = 0;
    DB.InsertNewKey(QStringLiteral("equiplogsdl"), QStringLiteral("Id"), [&](int key) {
        return DB.ExecSQL(
            QStringLiteral("insert into equiplogsdl(Id, LogId, FldName, FldLabel, OldValue, NewValue)"
                           "values(:Id,:LogId,:FldName,:FldLabel,:OldValue,:NewValue)"),
            {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("LogId"), m_logId),
             DBParam(QStringLiteral("FldName"), edited.FieldName()),
             DBParam(QStringLiteral("FldLabel"), edited.DisplayLabel()),
             DBParam(QStringLiteral("OldValue"), stored.AsString()), DBParam(QStringLiteral("NewValue"), edited.AsString())});
    }, &rows);
    return rows == 1;
}
