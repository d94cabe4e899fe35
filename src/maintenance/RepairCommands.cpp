#include "RepairCommands.h"

#include "RepairListFrm.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddRepairCommands(TmainFrm& main) {
    main.AddWindowAction(TMainSlot::RepairList, QStringLiteral("设备维修"), TImages::Repair,
                         TWindowClass::Of<TRepairListFrm>());
}
