#pragma once

// Machines with maintenance items and care records the care tests start from.

#include "AccidentFixture.h"

#include <QDate>

namespace carefixture {

using accidentfixture::InsertEquipment;
using accidentfixture::Prepare;

inline void InsertItem(int id, int assetId, const QString& name, const QString& item, const QVariant& hours,
                       const QVariant& days, int lastCareId = 0) {
    DB.ExecSQL("insert into careitems(ciId,ciAssetId,ciCarename,ciCareitem,ciPlanhours,ciFixedays,ciCareworks,"
               "ciLastCareId)values(:ciId,:ciAssetId,:ciCarename,:ciCareitem,:ciPlanhours,:ciFixedays,'',"
               ":ciLastCareId)",
               {DBParam("ciId", id), DBParam("ciAssetId", assetId), DBParam("ciCarename", name),
                DBParam("ciCareitem", item), DBParam("ciPlanhours", hours), DBParam("ciFixedays", days),
                DBParam("ciLastCareId", lastCareId)});
}

inline void InsertRecord(int id, int assetId, int itemId, const QDate& date, const QString& man,
                         const QString& work) {
    DB.ExecSQL("insert into carecords(crId,crAssetId,crItemId,crCaredate,crCareman,crCaretents)"
               "values(:crId,:crAssetId,:crItemId,:crCaredate,:crCareman,:crCaretents)",
               {DBParam("crId", id), DBParam("crAssetId", assetId), DBParam("crItemId", itemId),
                DBParam("crCaredate", QDateTime(date, QTime(0, 0))), DBParam("crCareman", man),
                DBParam("crCaretents", work)});
}

inline QDate DaysAgo(int days) {
    return QDate::currentDate().addDays(-days);
}

// Three machines and five items: 1 overdue, 2 due today (period 0), 3 not yet due, 4 never
// maintained, 5 on another machine and due.
inline void InsertCare() {
    InsertEquipment(1, "SB001", "车床", "0000", "金切");
    InsertEquipment(2, "SB002", "铣床", "01", "金切");
    InsertEquipment(3, "XY001", "锅炉", "00", "动力");
    InsertItem(1, 1, "日常保养", "润滑", 2.0, 30, 2);
    InsertItem(2, 1, "一级保养", "清洁", 4.0, 0, 3);
    InsertItem(3, 2, "二级保养", "拆检", 8.0, 10, 4);
    InsertItem(4, 2, "日常保养", "点检", QVariant(), 7);
    InsertItem(5, 3, "O'Neil 保养", "水质", 1.5, 5, 5);
    InsertRecord(1, 1, 1, DaysAgo(70), "张三", "加注润滑油");
    InsertRecord(2, 1, 1, DaysAgo(40), "李四", "更换润滑脂");
    InsertRecord(3, 1, 2, DaysAgo(0), "张三", "清理铁屑");
    InsertRecord(4, 2, 3, DaysAgo(3), "王五", "拆检主轴");
    InsertRecord(5, 3, 5, DaysAgo(5), "李四", "化验水质");
}

} // namespace carefixture
