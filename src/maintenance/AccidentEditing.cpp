#include "AccidentEditing.h"

#include "AccidentEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"

namespace {
constexpr int kManageRight = 128;
}

bool CanManageAccidents() {
    return CurrentOperator.CheckRight(kManageRight, false);
}

int EditAccident(TAccidentSet& set, bool isNew, int assetId, QWidget* parent) {
    TAccidentInput input;
    if (isNew) input.AccDate = QDate::currentDate();
    else input = set.Input();
    TAccidentEditorFrm editor(assetId, input, [&set, isNew](const TAssetData& asset, const TAccidentInput& typed) {
        return set.Save(isNew, asset, typed);
    }, parent);
    return editor.exec();
}

void DeleteAccident(TAccidentSet& set) {
    if (!CanManageAccidents()) return;
    const DataSet& data = set.Query();
    if (!data.Active() || data.IsEmpty()) return;
    if (ConfirmDelete()) set.Delete();
}
