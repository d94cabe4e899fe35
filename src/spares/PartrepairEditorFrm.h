#pragma once

#include "PartrepairsSet.h"
#include "PartsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QPlainTextEdit;
class TPrtProfile;
class TjtDateTimePicker;
class TjtEdit;

// Receives the part and what was typed; false keeps the editor open, with its input.
using TPartrepairEdited = std::function<bool(const TPartData& part, const TPartrepairInput& input)>;

// "备件维修": one repair of one part, the part's profile beside it. The part is fixed.
class TPartrepairEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TPartrepairEditorFrm(const TPartData& part, const TPartrepairInput& input, TPartrepairEdited edited,
                         QWidget* parent = nullptr);

    TPrtProfile* Profile() const { return m_profile; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    QPlainTextEdit* TroublesMemo() const { return m_troubles; }
    QComboBox* RepairmanCombo() const { return m_repairman; }
    QPlainTextEdit* DetailsMemo() const { return m_details; }
    TjtEdit* CostTimeEdit() const { return m_costTime; }
    TjtEdit* CostMoneyEdit() const { return m_costMoney; }
    TjtEdit* NotesEdit() const { return m_notes; }

    void accept() override;

private:
    QWidget* CreateInputs();
    void Show(const TPartrepairInput& input);

    TPartrepairEdited m_edited;
    TPartData m_part;
    TPartsSet m_parts;
    TPrtProfile* m_profile;
    TjtDateTimePicker* m_date = nullptr;
    QPlainTextEdit* m_troubles = nullptr;
    QComboBox* m_repairman = nullptr;
    QPlainTextEdit* m_details = nullptr;
    TjtEdit* m_costTime = nullptr;
    TjtEdit* m_costMoney = nullptr;
    TjtEdit* m_notes = nullptr;
};
