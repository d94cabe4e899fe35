#pragma once

// Parts, machines, installations and part repairs the installation tests start from.

#include "TestDatabase.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Schema.h"
#include "equipment/DeptSet.h"

#include <QDateTime>
#include <QVariant>

namespace partfixfixture {

inline QDateTime At(const QDate& day, int hour, int minute = 0) {
    return QDateTime(day, QTime(hour, minute));
}

inline void InsertPart(int id, const QString& s1, const QString& s2, const QString& s3) {
    DB.ExecSQL("insert into parts(Id,S1,S2,S3,S4,Status)values(:Id,:S1,:S2,:S3,'S4值','在用')",
               {DBParam("Id", id), DBParam("S1", s1), DBParam("S2", s2), DBParam("S3", s3)});
}

inline void InsertEquipment(int id, const QString& code, const QString& name, const QString& dept) {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,UseDeptId,FixPlace,ClassA)"
               "values(:Id,:Code,:EqiName,'C6140',:Dept,'一号厂房','金切')",
               {DBParam("Id", id), DBParam("Code", code), DBParam("EqiName", name), DBParam("Dept", dept)});
}

struct Fix {
    int id, partId, eqiId;
    QVariant fixtime, fixman, qty, unfixtime, unfixman, reason, remarks;
};

inline void InsertFix(const Fix& f) {
    DB.ExecSQL("insert into partfixs(Id,PartId,EqiId,Fixtime,Fixman,FixQty,Unfixtime,Unfixman,UnfixReason,"
               "Remarks)values(:Id,:P,:E,:F,:FM,:Q,:U,:UM,:R,:Rm)",
               {DBParam("Id", f.id), DBParam("P", f.partId), DBParam("E", f.eqiId), DBParam("F", f.fixtime),
                DBParam("FM", f.fixman), DBParam("Q", f.qty), DBParam("U", f.unfixtime),
                DBParam("UM", f.unfixman), DBParam("R", f.reason), DBParam("Rm", f.remarks)});
}

struct Repair {
    int id, partId;
    QVariant date, troubles, details, repairman, hours, money, notes;
};

inline void InsertRepair(const Repair& r) {
    DB.ExecSQL("insert into partrepairs(Id,PartId,RepairDate,Troubles,RepairDetails,Repairman,CostTime,"
               "CostMoney,Notes)values(:Id,:P,:D,:T,:RD,:RM,:CT,:CM,:N)",
               {DBParam("Id", r.id), DBParam("P", r.partId), DBParam("D", r.date), DBParam("T", r.troubles),
                DBParam("RD", r.details), DBParam("RM", r.repairman), DBParam("CT", r.hours),
                DBParam("CM", r.money), DBParam("N", r.notes)});
}

// A fresh database on the engine: two departments, the operator sa, two parts, two machines,
// four installations (two of them from today on) and three part repairs.
inline void Prepare() {
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0000','一车间')");
    DeptSet.LoadAll();
    KeyValue2.DataSet().Close();  // the application-wide copy belongs to the previous database
    CurrentOperator.Load("sa");
    AppLabels = TAppLabels();
    InsertPart(1, "ZC-A1", "深沟球轴承", "6204");
    InsertPart(2, "MF-01", "骨架油封", "35x52");
    InsertEquipment(1, "SB001", "车床", "0000");
    InsertEquipment(2, "SB002", "铣床", "00");
    const QDate today = QDate::currentDate();
    InsertFix({1, 1, 1, At(QDate(2026, 3, 1), 8), "张三", 2.0, At(QDate(2026, 3, 2), 9, 59), "李四", "磨损",
               "首次安装"});
    InsertFix({2, 2, 1, At(QDate(2026, 4, 10), 14), "李四", 1.0, QVariant(), QVariant(), QVariant(), QVariant()});
    InsertFix({3, 1, 2, At(today, 0), "张三", 1.0, QVariant(), QVariant(), QVariant(), "O'Neil 备注"});
    InsertFix({4, 2, 2, At(today.addDays(3), 10), "王五", 4.0, QVariant(), QVariant(), QVariant(), QVariant()});
    InsertRepair({1, 1, At(QDate(2026, 2, 1), 0), "异响", "更换滚珠", "张三", 2.5, 120.0, "返修"});
    InsertRepair({2, 2, At(QDate(2026, 5, 6), 0), "漏油", "更换唇口", "李四", 1.0, 30.0, QVariant()});
    InsertRepair({3, 1, At(today, 0), "卡滞", "清洗", "李四", 0.5, 0.0, QVariant()});
}

} // namespace partfixfixture
