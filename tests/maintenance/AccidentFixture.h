#pragma once

// Machines, departments and accidents the accident tests start from.

#include "TestDatabase.h"

#include "admin/AppLabels.h"
#include "admin/CodeRightSet.h"
#include "admin/KeyValue.h"
#include "admin/Operator.h"
#include "data/Schema.h"
#include "equipment/DeptSet.h"
#include "equipment/SystatuSet.h"

#include <QDateTime>
#include <QVariant>

namespace accidentfixture {

struct Accident {
    int id;
    int assetId;
    QDateTime date;
    QVariant dept, grade, nature, money;
    QString brief, invests, summery;
};

inline void InsertAccident(const Accident& a) {
    DB.ExecSQL("insert into accidents(Id,AssetId,AccDate,AccDept,AccClass,AccProp,AccMoney,AccBrief,Invests,"
               "Summery)values(:Id,:AssetId,:AccDate,:AccDept,:AccClass,:AccProp,:AccMoney,:AccBrief,:Invests,"
               ":Summery)",
               {DBParam("Id", a.id), DBParam("AssetId", a.assetId), DBParam("AccDate", a.date),
                DBParam("AccDept", a.dept), DBParam("AccClass", a.grade), DBParam("AccProp", a.nature),
                DBParam("AccMoney", a.money), DBParam("AccBrief", a.brief), DBParam("Invests", a.invests),
                DBParam("Summery", a.summery)});
}

inline void InsertEquipment(int id, const QString& code, const QString& name, const QString& dept,
                            const QString& classA) {
    DB.ExecSQL("insert into equipments(Id,Code,EqiName,PartNo,UseDeptId,FixPlace,Status,ChkAcpt,ClassA)"
               "values(:Id,:Code,:EqiName,'C6140',:Dept,'一号厂房','在用','合格',:ClassA)",
               {DBParam("Id", id), DBParam("Code", code), DBParam("EqiName", name), DBParam("Dept", dept),
                DBParam("ClassA", classA)});
}

inline QDateTime At(int month, int day, int hour = 0, int minute = 0) {
    return QDateTime(QDate(2026, month, day), QTime(hour, minute));
}

// A fresh database on the engine with three departments and the operator sa.
inline void Prepare() {
    CreateSchema(DB);
    DB.ExecSQL("delete from department");
    DB.ExecSQL("insert into department(Code,Name)values('00','生产部')");
    DB.ExecSQL("insert into department(Code,Name)values('0000','一车间')");
    DB.ExecSQL("insert into department(Code,Name)values('01','后勤部')");
    DeptSet.LoadAll();
    SystatuSet.Load();
    KeyValue2.DataSet().Close();  // the application-wide copy belongs to the previous database
    CurrentOperator.Load("sa");
    Restrictions = TOperatorRestrictions();
    AppLabels = TAppLabels();
}

// Three machines and five accidents over the year 2026.
inline void InsertAccidents() {
    InsertEquipment(1, "SB001", "车床", "0000", "金切");
    InsertEquipment(2, "SB002", "铣床", "01", "金切");
    InsertEquipment(3, "XY001", "锅炉", "00", "动力");
    InsertAccident({1, 1, At(1, 5, 9, 30), "一车间", "一般", "操作失误", 100.0, "主轴卡死", "", ""});
    InsertAccident({2, 1, At(3, 1), "一车间", "重大", "设备缺陷", 2500.5, "", "轴承磨损", ""});
    InsertAccident({3, 2, At(6, 15, 14, 0), "后勤部", "一般", "操作失误", 50.0, "", "", "加强培训"});
    InsertAccident({4, 3, At(12, 31, 23, 45), "动力科", "一般", "设备缺陷", 0.0, "锅炉超压", "", ""});
    InsertAccident({5, 3, At(12, 31), QVariant(), "轻微", QVariant(), QVariant(), "O'Neil 报告", "", ""});
}

} // namespace accidentfixture
