#include "SparesCommands.h"

#include "PartfixCommands.h"
#include "PartinCommands.h"
#include "PartsInfoFrm.h"
#include "ui/PubFrm.h"
#include "ui/mainFrm.h"

void AddSparesCommands(TmainFrm& main) {
    main.AddWindowAction(TMainSlot::Parts, QStringLiteral("备件资料"), TImages::Parts,
                         TWindowClass::Of<TPartsInfoFrm>());
    AddPartinCommands(main);
    AddPartfixCommands(main);
}
