#pragma once

// Machines and repairs the repair tests start from; the machines come from the accident fixture.

#include "AccidentFixture.h"

namespace repairfixture {

using accidentfixture::At;

struct Repair {
    int id;
    int assetId;
    QDateTime sendDate;
    QVariant repairDate;
    QString repairClass, factory, handman, sanctionman, trouble, details, remark;
};

inline void InsertRepair(const Repair& r) {
    DB.ExecSQL("insert into repairs(Id,EqiId,SendDate,RepairDate,RepairClass,RepairFactory,Handman,Sanctionman,"
               "Trouble,RepairDetails,Remark,RepairCost,RepairHours)values(:Id,:EqiId,:SendDate,:RepairDate,"
               ":RepairClass,:RepairFactory,:Handman,:Sanctionman,:Trouble,:RepairDetails,:Remark,12.5,3)",
               {DBParam("Id", r.id), DBParam("EqiId", r.assetId), DBParam("SendDate", r.sendDate),
                DBParam("RepairDate", r.repairDate), DBParam("RepairClass", r.repairClass),
                DBParam("RepairFactory", r.factory), DBParam("Handman", r.handman),
                DBParam("Sanctionman", r.sanctionman), DBParam("Trouble", r.trouble),
                DBParam("RepairDetails", r.details), DBParam("Remark", r.remark)});
}

// Three machines; repairs 1 and 3 are finished, 2, 4 and 5 open.
inline void InsertRepairs() {
    accidentfixture::InsertEquipment(1, "SB001", "车床", "0000", "金切");
    accidentfixture::InsertEquipment(2, "SB002", "铣床", "01", "金切");
    accidentfixture::InsertEquipment(3, "XY001", "锅炉", "00", "动力");
    InsertRepair({1, 1, At(1, 5), At(1, 8), "大修", "机修厂", "张三", "李四", "主轴异响", "更换轴承", ""});
    InsertRepair({2, 1, At(3, 1), QVariant(), "小修", "", "王五", "", "漏油", "", "O'Neil 备注"});
    InsertRepair({3, 2, At(6, 15), At(6, 30), "中修", "厂家服务", "张三", "李四", "", "电机烧毁", ""});
    InsertRepair({4, 3, At(12, 31), QVariant(), "大修", "", "赵六", "", "超压", "", ""});
    InsertRepair({5, 1, At(12, 30), QVariant(), "小修", "", "王五", "", "皮带松动", "", ""});
}

} // namespace repairfixture
