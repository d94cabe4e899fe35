#include "PartinCommands.h"

#include "PartinBillFrm.h"
#include "PartinstailReportFrm.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddPartinCommands(TmainFrm& main) {
    main.AddWindowAction(TMainSlot::PartinBill, QStringLiteral("申购单"), TImages::PartinBill,
                         TWindowClass::Of<TPartinBillFrm>(), true);
    main.AddWindowAction(TMainSlot::Partinstail, QStringLiteral("备件申购"), TImages::Partinstail,
                         TWindowClass::Of<TPartinstailReportFrm>());
}
