#include "MaintenanceCommands.h"

#include "AccidentCountFrm.h"
#include "AccidentListFrm.h"
#include "AssetAccidentsFra.h"
#include "CareCommands.h"
#include "ChangeCommands.h"
#include "RepairCommands.h"
#include "equipment/AssetFra.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddMaintenanceCommands(TmainFrm& main) {
    AddRepairCommands(main);
    AddChangeCommands(main);
    AddCareCommands(main);
    // Pages are registered for the whole program; another main window must not add them again.
    static const bool pagesRegistered = [] {
        TAssetFra::RegisterPage(3, [](QWidget* parent) { return new TAssetAccidentsFra(parent); },
                                QStringLiteral("事故"), 135);
        return true;
    }();
    Q_UNUSED(pagesRegistered);
    main.AddWindowAction(TMainSlot::AccidentList, QStringLiteral("设备事故"), TImages::Accident,
                         TWindowClass::Of<TAccidentListFrm>());
    main.AddWindowAction(TMainSlot::AccidentCount, QStringLiteral("事故分析"), TImages::AccidentCount,
                         TWindowClass::Of<TAccidentCountFrm>(), true);
}
