#include "ChangeEditing.h"

#include "ChangeEditorFrm.h"
#include "admin/Operator.h"

namespace {

constexpr int kApplyRight = 102;
constexpr int kApproveRight = 130;

int OpenEditor(TChangesSet& set, bool isNew, int assetId, const TChangeInput& input, QWidget* parent) {
    TChangeEditorFrm editor(assetId, input, [&set, isNew](const TAssetData& asset, const TChangeInput& typed) {
        return set.Save(isNew, asset, typed);
    }, parent);
    return editor.exec();
}

} // namespace

int ApplyChange(TChangesSet& set, int assetId, QWidget* parent) {
    if (!CurrentOperator.CheckRight(kApplyRight, false)) return 0;
    TChangeInput input;
    input.ChgDate = QDateTime::currentDateTime();
    input.Billman = CurrentOperator.LoginId;
    input.BillTime = QDateTime::currentDateTime();
    return OpenEditor(set, true, assetId, input, parent);
}

void EditChange(TChangesSet& set, QWidget* parent) {
    if (!CurrentOperator.CheckRight(kApplyRight, false) || !set.CanEdit()) return;
    OpenEditor(set, false, set.AssetIdFld->AsInteger(), set.Input(), parent);
}

void DeleteChange(TChangesSet& set) {
    if (set.CanEdit()) set.Delete();
}

void ApproveChange(TChangesSet& set) {
    const DataSet& data = set.Query();
    if (!data.Active() || data.IsEmpty()) return;
    if (!CurrentOperator.CheckRight(kApproveRight, false)) return;
    set.Approve(!set.Approved());
}

QString ApproveCaption(const TChangesSet& set) {
    return set.Approved() ? QStringLiteral("撤消") : QStringLiteral("批准");
}
