#pragma once

#include "ChangesSet.h"
#include "equipment/AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QMenu;
class QToolButton;
class TAstProfile;
class TjtDateTimePicker;
class TjtEdit;

// Receives the machine and the request as it stands; false keeps the editor open.
using TChangeEdited = std::function<bool(const TAssetData& asset, const TChangeInput& input)>;

// "变更申请": one change request of one machine, the machine's profile beside it.
class TChangeEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TChangeEditorFrm(int assetId, const TChangeInput& input, TChangeEdited edited,
                     QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    QToolButton* ItemButton() const { return m_itemButton; }
    QMenu* ItemMenu() const { return m_itemMenu; }
    TjtEdit* ItemEdit() const { return m_item; }
    TjtEdit* Value1Edit() const { return m_value1; }
    TjtEdit* Value2Edit() const { return m_value2; }
    TjtEdit* ReasonEdit() const { return m_reason; }
    QComboBox* ChgmanCombo() const { return m_chgman; }
    TjtEdit* RemarksEdit() const { return m_remarks; }
    TjtEdit* BillmanEdit() const { return m_billman; }
    TjtEdit* BillTimeEdit() const { return m_billTime; }
    const TChangeInput& Item() const { return m_input; }

    void accept() override;
    // The item choices of the 选择 menu.
    void ChooseDepartment();
    void ChooseValue(int fldIdx);

private:
    QWidget* CreateInputs();
    QMenu* CreateItemMenu();
    void Show(const TChangeInput& input);
    void ShowItem();

    TChangeEdited m_edited;
    TAssetData m_asset;
    TChangeInput m_input;
    TAstProfile* m_profile;
    TjtDateTimePicker* m_date = nullptr;
    QToolButton* m_itemButton = nullptr;
    QMenu* m_itemMenu = nullptr;
    TjtEdit* m_item = nullptr;
    TjtEdit* m_value1 = nullptr;
    TjtEdit* m_value2 = nullptr;
    TjtEdit* m_reason = nullptr;
    QComboBox* m_chgman = nullptr;
    TjtEdit* m_remarks = nullptr;
    TjtEdit* m_billman = nullptr;
    TjtEdit* m_billTime = nullptr;
};

// The label of a change item (0 使用部门 … 4 验收情况); empty for none.
QString ChangeItemLabel(int fldIdx);
