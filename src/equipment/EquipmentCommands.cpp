#include "EquipmentCommands.h"

#include "AccessoryReportFrm.h"
#include "AssetListFrm.h"
#include "DeptPickerFrm.h"
#include "EquiplogsReportFrm.h"
#include "LogsViewFrm.h"
#include "OptionEditorFrm.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

#include <QAction>

namespace {
constexpr int kUpdatelogRight = 140;
}

void AddEquipmentCommands(TmainFrm& main) {
    main.AddCommand(TMainSlot::Options, QStringLiteral("选项"), 107, [window = &main] { EditOptions(window); });
    main.AddCommand(TMainSlot::Departments, QStringLiteral("部门设置"), 107,
                    [window = &main] { EditDepartments(window); });
    main.AddWindowAction(TMainSlot::Asset, QStringLiteral("设备台账"), TImages::Asset,
                         TWindowClass::Of<TAssetListFrm>());
    main.AddWindowAction(TMainSlot::Accessories, QStringLiteral("设备附件"), TImages::Accessories,
                         TWindowClass::Of<TAccessoryReportFrm>(), true);
    // A window command with a right: without it the window is not made at all.
    main.AddCommand(
        TMainSlot::AssetUpdatelog, QStringLiteral("修改日志"), kUpdatelogRight,
        [window = &main] {
            if (TBasicFrm* log = window->OpenChild<TEquiplogsReportFrm>()) log->AddToNavigation();
        },
        TImages::Updatelog);
    // The menu entry stays hidden; the command is there for whoever shows it.
    main.AddCommand(TMainSlot::OperatorLog, QStringLiteral("操作日志"), TmainFrm::NoRight,
                    [window = &main] { window->OpenChild<TLogsViewFrm>(); })
        ->setVisible(false);
}
