#include "EquipmentCommands.h"

#include "AssetListFrm.h"
#include "DeptPickerFrm.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddEquipmentCommands(TmainFrm& main) {
    main.AddCommand(TMainSlot::Departments, QStringLiteral("部门设置"), 107,
                    [window = &main] { EditDepartments(window); });
    main.AddWindowAction(TMainSlot::Asset, QStringLiteral("设备台账"), TImages::Asset,
                         TWindowClass::Of<TAssetListFrm>());
}
