#pragma once

#include "RepairData.h"
#include "equipment/AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class TAstProfile;
class TjtDateTimePicker;
class TjtEdit;

// Receives the machine and what was typed. An error it raises keeps the editor open.
using TRepairEdited = std::function<void(const TAssetData& asset, const TRepairData& data)>;

// "维修记录": one repair of one machine, the machine's profile beside it.
class TRepairEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    // A new repair of the machine, reported now by the operator with the fault given.
    TRepairEditorFrm(int assetId, const QString& trouble, TRepairEdited edited, QWidget* parent = nullptr);
    // An existing repair.
    TRepairEditorFrm(int assetId, const TRepairData& data, TRepairEdited edited, QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    QComboBox* ClassCombo() const { return m_class; }
    QComboBox* HandmanCombo() const { return m_handman; }
    TjtDateTimePicker* SendDateEdit() const { return m_sendDate; }
    QPlainTextEdit* TroubleMemo() const { return m_trouble; }
    QComboBox* SanctionmanCombo() const { return m_sanctionman; }
    QCheckBox* FinishedBox() const { return m_finished; }
    TjtDateTimePicker* RepairDateEdit() const { return m_repairDate; }
    QComboBox* FactoryCombo() const { return m_factory; }
    TjtEdit* RepairmansEdit() const { return m_repairmans; }
    TjtEdit* CostEdit() const { return m_cost; }
    TjtEdit* HoursEdit() const { return m_hours; }
    QPlainTextEdit* DetailsMemo() const { return m_details; }

    void accept() override;

private:
    TRepairEditorFrm(int assetId, TRepairEdited edited, QWidget* parent);
    QWidget* CreateInputs();
    void Show(const TRepairData& data);
    void FinishedToggled(bool finished);

    // The completion inputs while the box is cleared, shown again when it is ticked.
    struct Completion {
        QVariant date;
        QString factory, repairmans, cost, hours;
    };

    TRepairEdited m_edited;
    TAssetData m_asset;
    TRepairData m_data;
    Completion m_kept;
    TAstProfile* m_profile;
    QComboBox* m_class = nullptr;
    QComboBox* m_handman = nullptr;
    TjtDateTimePicker* m_sendDate = nullptr;
    QPlainTextEdit* m_trouble = nullptr;
    QComboBox* m_sanctionman = nullptr;
    QCheckBox* m_finished = nullptr;
    TjtDateTimePicker* m_repairDate = nullptr;
    QComboBox* m_factory = nullptr;
    TjtEdit* m_repairmans = nullptr;
    TjtEdit* m_cost = nullptr;
    TjtEdit* m_hours = nullptr;
    QPlainTextEdit* m_details = nullptr;
};
