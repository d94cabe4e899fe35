#include "AccessoryEditing.h"

#include "AccessoriesSet.h"
#include "AccessoryEditorFrm.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

namespace {

constexpr int kAddRight = 115;
constexpr int kEditRight = 116;
constexpr int kDeleteRight = 117;

bool HasRows(const TAccessoriesSet& set) {
    const DataSet& data = set.Query();
    return data.Active() && !data.IsEmpty();
}

bool Save(TAccessoriesSet& set, bool isNew, const TAssetData& asset, const TAccessoryInput& input) {
    DataSet& data = set.Query();
    // A list whose query failed is closed; the new accessory still gets a row to show in.
    if (!data.Active()) data.CreateDataSet();
    if (isNew)
        data.Append();
    else
        data.Edit();
    set.SetAssetData(asset);
    set.SetInput(input);
    bool saved = false;
    try {
        saved = isNew ? set.Insert() : set.Update();
        // Only an accessory deleted at another workstation updates no row.
        if (!saved) ShowInfo(QStringLiteral("保存失败, 该附件已被删除."));
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
    if (saved)
        data.Post();
    else
        data.Cancel();
    return saved;
}

int Edit(TAccessoriesSet& set, bool isNew, int assetId, const TAccessoryInput& input,
         QWidget* parent) {
    TAccessoryEditorFrm editor(
        assetId, input,
        [&set, isNew](const TAssetData& asset, const TAccessoryInput& typed) {
            return Save(set, isNew, asset, typed);
        },
        parent);
    return editor.exec();
}

} // namespace

int AddAccessory(TAccessoriesSet& set, int assetId, QWidget* parent) {
    if (!CurrentOperator.CheckRight(kAddRight, false)) return 0;
    return Edit(set, true, assetId, TAccessoryInput(), parent);
}

int EditAccessory(TAccessoriesSet& set, QWidget* parent) {
    if (!HasRows(set) || !CurrentOperator.CheckRight(kEditRight, false)) return 0;
    return Edit(set, false, set.EqiIdFld->AsInteger(), set.Input(), parent);
}

void DeleteAccessory(TAccessoriesSet& set) {
    if (!HasRows(set) || !CurrentOperator.CheckRight(kDeleteRight, false)) return;
    if (!ConfirmDelete(QStringLiteral("当前记录"))) return;
    try {
        set.DeleteCurrent();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}
