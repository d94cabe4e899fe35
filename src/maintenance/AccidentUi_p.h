#pragma once

// Pieces the accident windows build their bars and panels from.

#include "admin/KeyValue.h"
#include "ui/ListParts.h"
#include "ui/PubFrm.h"
#include "ui/jtComboBox.h"
#include "ui/jtDateTimePicker.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace accidentui {

// The pick lists of the accident grade and nature.
constexpr int kGradeList = 110;
constexpr int kNatureList = 111;

using ::DateCondition;
using ::NewAction;
using ::PickListCombo;
using ::TextButton;
using ::ViewMenu;

} // namespace accidentui
