#include "EquiplogsReport.h"

#include "AssetLabels.h"

TEquiplogsReport::TEquiplogsReport() {
    EqiCodeFld = AddField(FieldKind::String, QStringLiteral("EqiCode"), 50, true,
                          AssetLabel(QStringLiteral("Code")));
    EqiNameFld = AddField(FieldKind::String, QStringLiteral("EqiName"), 50, true,
                          AssetLabel(QStringLiteral("EqiName")));
    EqiPartNoFld = AddField(FieldKind::String, QStringLiteral("EqiPartNo"), 50, true,
                            AssetLabel(QStringLiteral("PartNo")));
    LogIdFld =
        AddField(FieldKind::Integer, QStringLiteral("LogId"), -1, true, QStringLiteral("LogId"));
    FldNameFld = AddField(FieldKind::String, QStringLiteral("FldName"), 50, false,
                          QStringLiteral("字段名称"));
    FldLabelFld = AddField(FieldKind::String, QStringLiteral("FldLabel"), 50, true,
                           QStringLiteral("项目名称"));
    OldValueFld =
        AddField(FieldKind::Memo, QStringLiteral("OldValue"), -1, true, QStringLiteral("改前"));
    NewValueFld =
        AddField(FieldKind::Memo, QStringLiteral("NewValue"), -1, true, QStringLiteral("改后"));
    EquipIdFld = AddField(FieldKind::Integer, QStringLiteral("EquipId"), -1, true,
                          QStringLiteral("EquipId"));
    UpdatemanFld = AddField(FieldKind::String, QStringLiteral("Updateman"), 20, true,
                            QStringLiteral("修改人"));
    UpdateTimeFld = AddField(FieldKind::DateTime, QStringLiteral("UpdateTime"), -1, true,
                             QStringLiteral("修改时间"));
    ComputNameFld = AddField(FieldKind::String, QStringLiteral("ComputName"), 50, true,
                             QStringLiteral("计算机名称"));
    ComputIpFld = AddField(FieldKind::String, QStringLiteral("ComputIp"), 20, true,
                           QStringLiteral("客户端IP"));
}

int TEquiplogsReport::OpenByWhere() {
    return Open(Where.Sql());
}
