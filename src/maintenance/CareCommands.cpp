#include "CareCommands.h"

#include "AssetCarePageFra.h"
#include "CareitemListFrm.h"
#include "CarecordListFrm.h"
#include "equipment/AssetFra.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

#include <QAction>

void AddCareCommands(TmainFrm& main) {
    // Pages are registered for the whole program; another main window must not add them again.
    static const bool pageRegistered = [] {
        TAssetFra::RegisterPage(2, [](QWidget* parent) { return new TAssetCarePageFra(parent); },
                                QStringLiteral("保养"), 142);
        return true;
    }();
    Q_UNUSED(pageRegistered);
    main.AddWindowAction(TMainSlot::CareitemList, QStringLiteral("设备保养"), TImages::Careitem,
                         TWindowClass::Of<TCareitemListFrm>());
    QAction* records = main.AddWindowAction(TMainSlot::CarecordList, QStringLiteral("设备保养记录查询"),
                                            TImages::Carecord, TWindowClass::Of<TCarecordListFrm>(), true);
    // The menu entry reads "保养记录"; the command's own caption stays its hint.
    records->setText(QStringLiteral("保养记录"));
    records->setToolTip(QStringLiteral("设备保养记录查询"));
    records->setStatusTip(QStringLiteral("设备保养记录查询"));
}
