#include "RepairEditing.h"

#include "RepairEditorFrm.h"
#include "RepairSet.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "equipment/AssetPickerFrm.h"
#include "platform/Exceptions.h"

namespace {

constexpr int kManageRight = 103;

bool HasCurrent(const TRepairSet& set) {
    return set.Query().Active() && !set.Query().IsEmpty();
}

} // namespace

bool CanManageRepairs() {
    return CurrentOperator.CheckRight(kManageRight, false);
}

int AddRepair(TRepairSet& set, int assetId, const QString& trouble, QWidget* parent) {
    if (!CanManageRepairs()) return 0;
    TRepairEditorFrm editor(assetId, trouble, [&set](const TAssetData& asset, const TRepairData& data) {
        set.Save(true, asset, data);
    }, parent);
    return editor.exec();
}

int EditRepair(TRepairSet& set, QWidget* parent) {
    if (!HasCurrent(set) || !CanManageRepairs()) return 0;
    TRepairEditorFrm editor(set.AssetIdFld->AsInteger(), set.GetData(),
                            [&set](const TAssetData& asset, const TRepairData& data) {
                                set.Save(false, asset, data);
                            }, parent);
    return editor.exec();
}

void PickAndAddRepair(TRepairSet& set, QWidget* parent) {
    const int current = HasCurrent(set) ? set.AssetIdFld->AsInteger() : -1;
    PickAsset(current, [&set, parent](const TAssetData& asset) {
        AddRepair(set, asset.Id, QString(), parent);
        return 0;
    }, parent);
}

bool DeleteRepair(TRepairSet& set) {
    if (!HasCurrent(set) || !CanManageRepairs() || !ConfirmDelete()) return false;
    try {
        return set.Delete();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
}
