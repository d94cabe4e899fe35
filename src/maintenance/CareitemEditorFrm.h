#pragma once

#include "CareData.h"
#include "equipment/AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QPlainTextEdit;
class TAstProfile;
class TjtEdit;

// Receives the machine and the item; false keeps the editor open, with its input.
using TCareitemEdited = std::function<bool(const TAssetData& asset, const TCareitemData& item)>;

// "保养点": one maintenance item of one machine, the machine's profile beside it.
class TCareitemEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TCareitemEditorFrm(int assetId, const TCareitemData& item, TCareitemEdited edited,
                       QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    QComboBox* NameCombo() const { return m_name; }
    QComboBox* ItemCombo() const { return m_item; }
    QPlainTextEdit* WorksMemo() const { return m_works; }
    TjtEdit* DaysEdit() const { return m_days; }
    TjtEdit* HoursEdit() const { return m_hours; }

    void accept() override;

private:
    TCareitemEdited m_edited;
    TCareitemData m_data;
    TAssetData m_asset;
    TAstProfile* m_profile;
    QComboBox* m_name;
    QComboBox* m_item;
    QPlainTextEdit* m_works;
    TjtEdit* m_days;
    TjtEdit* m_hours;
};
