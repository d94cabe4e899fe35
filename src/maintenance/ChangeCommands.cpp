#include "ChangeCommands.h"

#include "AssetChangesFra.h"
#include "ChangeListFrm.h"
#include "equipment/AssetFra.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddChangeCommands(TmainFrm& main) {
    // Pages are registered for the whole program; another main window must not add them again.
    static const bool pageRegistered = [] {
        TAssetFra::RegisterPage(1, [](QWidget* parent) { return new TAssetChangesFra(parent); },
                                QStringLiteral("变更"), 131);
        return true;
    }();
    Q_UNUSED(pageRegistered);
    main.AddWindowAction(TMainSlot::ChangeList, QStringLiteral("设备变更"), TImages::Change,
                         TWindowClass::Of<TChangeListFrm>());
}
