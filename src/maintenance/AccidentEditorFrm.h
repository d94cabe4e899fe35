#pragma once

#include "AccidentSet.h"
#include "equipment/AssetsSet.h"
#include "ui/ADlgFrm.h"

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class TAstProfile;
class TjtDateTimePicker;
class TjtEdit;

// Receives the machine and what was typed; false keeps the editor open, with its input.
using TAccidentEdited = std::function<bool(const TAssetData& asset, const TAccidentInput& input)>;

// "事故报告": one accident of one machine, the machine's profile beside it.
class TAccidentEditorFrm : public TADlgFrm {
    Q_OBJECT
public:
    TAccidentEditorFrm(int assetId, const TAccidentInput& input, TAccidentEdited edited,
                       QWidget* parent = nullptr);

    TAstProfile* Profile() const { return m_profile; }
    TjtDateTimePicker* DateEdit() const { return m_date; }
    TjtEdit* DeptEdit() const { return m_dept; }
    QToolButton* DeptButton() const { return m_deptButton; }
    QComboBox* ClassCombo() const { return m_class; }
    QComboBox* PropCombo() const { return m_prop; }
    TjtEdit* MoneyEdit() const { return m_money; }
    QTabWidget* Tabs() const { return m_tabs; }
    QPlainTextEdit* BriefMemo() const { return m_brief; }
    QPlainTextEdit* InvestsMemo() const { return m_invests; }
    QPlainTextEdit* SummeryMemo() const { return m_summery; }

    void accept() override;

private:
    QWidget* CreateInputs();
    void Show(const TAccidentInput& input);
    void DeptClick();

    TAccidentEdited m_edited;
    TAssetData m_asset;
    TAstProfile* m_profile;
    TjtDateTimePicker* m_date = nullptr;
    TjtEdit* m_dept = nullptr;
    QToolButton* m_deptButton = nullptr;
    QComboBox* m_class = nullptr;
    QComboBox* m_prop = nullptr;
    TjtEdit* m_money = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_brief = nullptr;
    QPlainTextEdit* m_invests = nullptr;
    QPlainTextEdit* m_summery = nullptr;
};
