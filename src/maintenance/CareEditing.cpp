#include "CareEditing.h"

#include "CareitemEditorFrm.h"
#include "CareitemPickerFrm.h"
#include "CareitemSet.h"
#include "CarecordEditorFrm.h"
#include "CarecordSet.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "equipment/AssetPickerFrm.h"
#include "platform/Exceptions.h"

namespace {

constexpr int kItemRight = 143;
constexpr int kRecordRight = 144;

bool HasRows(const DataSet& data) {
    return data.Active() && !data.IsEmpty();
}

// Puts the row into insert or edit state, lets fill copy the snapshots in and write, and posts
// the row when the write reports one row; a refused statement is shown and changes nothing.
template <typename Fill> bool Write(DataSet& data, bool append, Fill fill) {
    // A list whose search failed is closed; the new row still gets a place to show in.
    if (!data.Active()) data.CreateDataSet();
    if (append) data.Append();
    else data.Edit();
    bool saved = false;
    try {
        saved = fill();
    } catch (const Exception& e) {
        data.Cancel();
        ShowInfo(e.Message());
        return false;
    }
    if (saved) data.Post();
    else data.Cancel();
    return saved;
}

int RecordEditor(const TCareitemData& item, const TCarecordData& record, const TCarecordEdited& edited,
                 QWidget* parent) {
    if (!CurrentOperator.CheckRight(kRecordRight, false)) return QDialog::Rejected;
    TCarecordEditorFrm editor(item, record, edited, parent);
    return editor.exec();
}

} // namespace

int EditCareitem(TCareitemSet& items, bool isNew, int assetId, QWidget* parent) {
    if (!CurrentOperator.CheckRight(kItemRight, false)) return QDialog::Rejected;
    if (!isNew && !HasRows(items.Query())) return QDialog::Rejected;
    TCareitemData item;
    if (isNew) item.ciAssetId = assetId;
    else item = items.GetData();
    TCareitemEditorFrm editor(item.ciAssetId, item, [&items, isNew](const TAssetData& asset,
                                                                    const TCareitemData& typed) {
        return Write(items.Query(), isNew, [&] {
            items.SetAssetData(asset);
            items.SetData(typed);
            return isNew ? items.Insert() : items.Update();
        });
    }, parent);
    return editor.exec();
}

int AddItemCarecord(TCareitemSet& items, QWidget* parent) {
    if (!HasRows(items.Query())) return QDialog::Rejected;
    return RecordEditor(items.GetData(), TCarecordData(), [&items](const TAssetData& asset, const TCareitemData&,
                                                                   const TCarecordData& record) {
        return Write(items.Query(), false, [&] {
            items.SetAssetData(asset);
            items.SetLastCare(record);
            return items.AddCarecord();
        });
    }, parent);
}

int EditLastCarecord(TCareitemSet& items, QWidget* parent) {
    if (!HasRows(items.Query())) return QDialog::Rejected;
    if (items.ciLastCareIdFld->AsInteger() <= 0) {
        ShowMessage(QStringLiteral("\r对不起,没有发现上一次保养记录."), QMessageBox::Information, QMessageBox::Ok);
        return QDialog::Rejected;
    }
    return RecordEditor(items.GetData(), items.GetLastCare(), [&items](const TAssetData& asset,
                                                                       const TCareitemData&,
                                                                       const TCarecordData& record) {
        return Write(items.Query(), false, [&] {
            items.SetAssetData(asset);
            items.SetLastCare(record);
            return items.UpdateLastCarecord();
        });
    }, parent);
}

int AddCarecord(TCarecordSet& records, const TCareitemData& item, QWidget* parent) {
    return RecordEditor(item, TCarecordData(), [&records](const TAssetData& asset, const TCareitemData& chosen,
                                                          const TCarecordData& record) {
        return Write(records.Query(), true, [&] {
            records.SetAssetData(asset);
            records.SetData(chosen);
            records.SetData(record);
            return records.Insert();
        });
    }, parent);
}

int EditCarecord(TCarecordSet& records, QWidget* parent) {
    if (!HasRows(records.Query())) return QDialog::Rejected;
    return RecordEditor(records.GetItemData(), records.GetData(), [&records](const TAssetData& asset,
                                                                             const TCareitemData&,
                                                                             const TCarecordData& record) {
        return Write(records.Query(), false, [&] {
            records.SetAssetData(asset);
            records.SetData(record);
            return records.Update();
        });
    }, parent);
}

void PickAndAddCarecord(TCarecordSet& records, QWidget* parent) {
    if (!CurrentOperator.CheckRight(kRecordRight, false)) return;
    const bool current = HasRows(records.Query());
    const int assetId = current ? records.crAssetIdFld->AsInteger() : -1;
    const int itemId = current ? records.crItemIdFld->AsInteger() : 0;
    PickAsset(assetId, [&records, itemId, parent](const TAssetData& asset) {
        PickCareitem(asset.Id, itemId, [&records, parent](const TCareitemData& item) {
            AddCarecord(records, item, parent);
            return 0;
        }, parent);
        return 0;
    }, parent);
}

void DeleteCareitem(TCareitemSet& items) {
    if (!HasRows(items.Query())) return;
    const QString warning = QStringLiteral("\r\n您确定要删除该保养点吗? 这将包括相关的保养记录等信息\t\t");
    if (ShowMessage(warning, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    try {
        items.Delete();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}

bool DeleteCarecord(TCarecordSet& records) {
    if (!HasRows(records.Query())) return false;
    if (!Confirm(QStringLiteral("确定要删除该保养记录吗?"))) return false;
    bool deleted = false;
    try {
        deleted = records.Delete();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return false;
    }
    if (!deleted)
        ShowMessage(QStringLiteral("\r操作失败, 没有返回成功标志, 请刷新检查."), QMessageBox::Warning,
                    QMessageBox::Ok);
    return deleted;
}
