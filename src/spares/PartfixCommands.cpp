#include "PartfixCommands.h"

#include "PartfixsReportFrm.h"
#include "PartrepairsReportFrm.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddPartfixCommands(TmainFrm& main) {
    main.AddWindowAction(TMainSlot::PartFix, QStringLiteral("备件安装"), TImages::PartFix,
                         TWindowClass::Of<TPartfixsReportFrm>());
    main.AddWindowAction(TMainSlot::PartRepair, QStringLiteral("备件维修"), TImages::PartRepair,
                         TWindowClass::Of<TPartrepairsReportFrm>());
}
