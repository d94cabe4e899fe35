#pragma once

// Machines and change requests the change tests start from, on top of the accident tests'
// departments and machines.

#include "AccidentFixture.h"

#include <QDateTime>
#include <QVariant>

namespace changefixture {

struct Change {
    int id;
    int assetId;
    QDate date;
    QString reason;
    int item;
    QVariant label, value1, value2, stored1, stored2;
    QString chgman, billman;
    QVariant sanctionman;
    QString remarks;
};

inline void InsertChange(const Change& c) {
    DB.ExecSQL("insert into changes(Id,AssetId,ChgDate,ChgReason,ItmLabel,ItmValue1,ItmValue2,FldIdx,FldValue1,"
               "FldValue2,Chgman,Billman,BillTime,Sanctionman,SanctionTime,Remarks)values(:Id,:AssetId,:ChgDate,"
               ":ChgReason,:ItmLabel,:ItmValue1,:ItmValue2,:FldIdx,:FldValue1,:FldValue2,:Chgman,:Billman,"
               ":BillTime,:Sanctionman,:SanctionTime,:Remarks)",
               {DBParam("Id", c.id), DBParam("AssetId", c.assetId), DBParam("ChgDate", QDateTime(c.date, QTime(0, 0))),
                DBParam("ChgReason", c.reason), DBParam("ItmLabel", c.label), DBParam("ItmValue1", c.value1),
                DBParam("ItmValue2", c.value2), DBParam("FldIdx", c.item), DBParam("FldValue1", c.stored1),
                DBParam("FldValue2", c.stored2), DBParam("Chgman", c.chgman), DBParam("Billman", c.billman),
                DBParam("BillTime", QDateTime(c.date, QTime(8, 0))), DBParam("Sanctionman", c.sanctionman),
                DBParam("SanctionTime", c.sanctionman.isNull() ? QVariant() : QVariant(QDateTime(c.date, QTime(9, 0)))),
                DBParam("Remarks", c.remarks)});
}

// Three machines (SB001 车床 in 一车间, SB002 铣床 in 后勤部, XY001 锅炉 in 生产部) and five
// requests: 1, 2 and 5 pending, 3 approved by sa, 4 approved by boss.
inline void InsertChanges() {
    using accidentfixture::InsertEquipment;
    InsertEquipment(1, "SB001", "车床", "0000", "金切");
    InsertEquipment(2, "SB002", "铣床", "01", "金切");
    InsertEquipment(3, "XY001", "锅炉", "00", "动力");
    InsertChange({1, 1, QDate(2026, 1, 5), "调拨", 0, "使用部门", "\\\\生产部\\一车间", "\\\\后勤部", "0000", "01",
                  "张三", "sa", QVariant(), "急"});
    InsertChange({2, 1, QDate(2026, 3, 1), "损坏", 1, "设备状况", "在用", "停用", "在用", "停用", "李四", "sa",
                  QVariant(), ""});
    InsertChange({3, 2, QDate(2026, 6, 15), "搬迁", 2, "安装地点", "一号厂房", "二号厂房", "一号厂房", "二号厂房",
                  "张三", "sa", "sa", ""});
    InsertChange({4, 3, QDate(2026, 12, 31), "换人", 3, "操作员", "", "王五", "", "王五", "王五", "clerk", "boss",
                  "O'Neil 备注"});
    InsertChange({5, 3, QDate(2026, 12, 31), "验收", 4, "验收情况", "合格", "不合格", "合格", "不合格", "李四",
                  "clerk", QVariant(), ""});
}

} // namespace changefixture
