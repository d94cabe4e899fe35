#pragma once

// Pieces the inbound bill windows build their bars, panels and dialogs from.

#include "admin/KeyValue.h"
#include "ui/ListParts.h"
#include "ui/jtComboBox.h"
#include "ui/jtEdit.h"

#include <QAction>
#include <QToolButton>

namespace partinui {

// The pick lists of staff names and of bill kinds.
constexpr int kHandmanList = 114;
constexpr int kIntypeList = 116;
// Right to make a bill.
constexpr int kNewBillRight = 125;

using ::NewAction;
using ::NumberEdit;
using ::PickListCombo;
using ::TextButton;

} // namespace partinui
