#pragma once

#include "AccessoriesSet.h"
#include "ui/ADlgFrm.h"

#include <array>
#include <functional>

class QComboBox;
class TAstProfile;
class TjtEdit;

// Receives the machine and what was typed; false keeps the editor open, with its input.
using TAccessoryEdited = std::function<bool(const TAssetData& asset, const TAccessoryInput& input)>;

// "附件": one accessory of one machine, the machine's profile above it.
class TAccessoryEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TAccessoryEditorFrm(int assetId, const TAccessoryInput& input, TAccessoryEdited edited,
                        QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    const TAssetData& Asset() const { return m_asset; }
    TjtEdit* NameEdit() const { return m_name; }
    TjtEdit* PartNoEdit() const { return m_partNo; }
    TjtEdit* MadeinEdit() const { return m_madein; }
    QComboBox* UnitCombo() const { return m_unit; }
    QComboBox* ClassCombo() const { return m_class; }
    TjtEdit* TextEdit(int index) const { return m_texts[size_t(index)]; }
    TjtEdit* NumberEdit(int index) const { return m_numbers[size_t(index)]; }
    TjtEdit* RemarkEdit() const { return m_remark; }

    void accept() override;

private:
    QWidget* CreateInputs();
    void Show(const TAccessoryInput& input);

    TAccessoryEdited m_edited;
    TAssetData m_asset;
    TAstProfile* m_profile;
    TjtEdit* m_name = nullptr;
    TjtEdit* m_partNo = nullptr;
    TjtEdit* m_madein = nullptr;
    QComboBox* m_unit = nullptr;
    QComboBox* m_class = nullptr;
    std::array<TjtEdit*, 3> m_texts{};
    std::array<TjtEdit*, 3> m_numbers{};
    TjtEdit* m_remark = nullptr;
};
