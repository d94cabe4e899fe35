#pragma once

#include "PartfixsSet.h"
#include "equipment/AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class TjtDateTimePicker;
class TjtEdit;

// Receives what the editor holds; false keeps the editor open, with its input.
using TPartfixEdited =
    std::function<bool(const TAssetData& asset, const TPartData& part, const TPartfixInput& input)>;

// "备件安装": one part installed on one machine, possibly removed again.
class TPartfixEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TPartfixEditorFrm(const TAssetData& asset, const TPartData& part, const TPartfixInput& input,
                      TPartfixEdited edited, QWidget* parent = nullptr);

    QLineEdit* AssetCodeEdit() const { return m_assetCode; }
    QLineEdit* AssetNameEdit() const { return m_assetName; }
    QLineEdit* AssetPartnoEdit() const { return m_assetPartno; }
    QToolButton* AssetButton() const { return m_assetButton; }
    QLineEdit* PartS1Edit() const { return m_partS1; }
    QLineEdit* PartS2Edit() const { return m_partS2; }
    QLineEdit* PartS3Edit() const { return m_partS3; }
    QToolButton* PartButton() const { return m_partButton; }
    TjtDateTimePicker* FixDateEdit() const { return m_fixDate; }
    TjtDateTimePicker* FixHourEdit() const { return m_fixHour; }
    QComboBox* FixmanCombo() const { return m_fixman; }
    TjtEdit* QtyEdit() const { return m_qty; }
    QPlainTextEdit* RemarksMemo() const { return m_remarks; }
    QCheckBox* RemovedCheck() const { return m_removed; }
    QComboBox* UnfixmanCombo() const { return m_unfixman; }
    TjtDateTimePicker* UnfixDateEdit() const { return m_unfixDate; }
    TjtDateTimePicker* UnfixHourEdit() const { return m_unfixHour; }
    TjtEdit* ReasonEdit() const { return m_reason; }

    void accept() override;

private:
    QWidget* CreateAssetBox();
    QWidget* CreatePartBox();
    QWidget* CreateFixBox();
    QWidget* CreateUnfixBox();
    void ShowAsset();
    void ShowPart();
    void Show(const TPartfixInput& input);
    void RemovedChanged();
    void AssetClick();
    void PartClick();

    TPartfixEdited m_edited;
    TAssetData m_asset;
    TPartData m_part;
    QLineEdit* m_assetCode = nullptr;
    QLineEdit* m_assetName = nullptr;
    QLineEdit* m_assetPartno = nullptr;
    QToolButton* m_assetButton = nullptr;
    QLineEdit* m_partS1 = nullptr;
    QLineEdit* m_partS2 = nullptr;
    QLineEdit* m_partS3 = nullptr;
    QToolButton* m_partButton = nullptr;
    TjtDateTimePicker* m_fixDate = nullptr;
    TjtDateTimePicker* m_fixHour = nullptr;
    QComboBox* m_fixman = nullptr;
    TjtEdit* m_qty = nullptr;
    QPlainTextEdit* m_remarks = nullptr;
    QCheckBox* m_removed = nullptr;
    QComboBox* m_unfixman = nullptr;
    TjtDateTimePicker* m_unfixDate = nullptr;
    TjtDateTimePicker* m_unfixHour = nullptr;
    TjtEdit* m_reason = nullptr;
};
