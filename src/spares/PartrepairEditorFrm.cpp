#include "PartrepairEditorFrm.h"

#include "PrtProfile.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "ui/ListParts.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace {

// The pick list of staff names.
constexpr int kStaffList = 114;

QPlainTextEdit* Memo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    InstallFocusColour(memo);
    return memo;
}

// The number in the input, or the input focused after the number-input error was shown.
bool ReadNumber(TjtEdit* edit, double& value) {
    try {
        value = edit->AsDouble();
        return true;
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        edit->setFocus();
        return false;
    }
}

} // namespace

TPartrepairEditorFrm::TPartrepairEditorFrm(const TPartData& part, const TPartrepairInput& input,
                                           TPartrepairEdited edited, QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_part(part), m_profile(new TPrtProfile(Body())) {
    setWindowTitle(QStringLiteral("备件维修"));
    setObjectName(QStringLiteral("PartrepairEditorFrm"));
    m_parts.OpenById(part.Id);
    m_profile->ShowPart(m_parts);
    m_profile->setFixedWidth(230);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addWidget(CreateInputs(), 1);
    Show(input);
    resize(640, 420);
}

QWidget* TPartrepairEditorFrm::CreateInputs() {
    auto* box = new QWidget(Body());
    m_date = new TjtDateTimePicker(box);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_troubles = Memo(box);
    m_repairman = PickListCombo(kStaffList, box);
    m_details = Memo(box);
    m_costTime = NumberEdit(box);
    m_costMoney = NumberEdit(box);
    m_notes = new TjtEdit(box);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("维修日期"), m_date);
    form->addRow(QStringLiteral("故障描述"), m_troubles);
    form->addRow(QStringLiteral("维修人"), m_repairman);
    form->addRow(QStringLiteral("维修描述"), m_details);
    form->addRow(QStringLiteral("维修工时"), m_costTime);
    form->addRow(QStringLiteral("维修费用"), m_costMoney);
    form->addRow(QStringLiteral("备注"), m_notes);
    return box;
}

void TPartrepairEditorFrm::Show(const TPartrepairInput& input) {
    m_date->SetAsDate(input.RepairDate.isValid() ? QVariant(input.RepairDate) : QVariant());
    m_troubles->setPlainText(input.Troubles);
    m_repairman->setEditText(input.Repairman);
    m_details->setPlainText(input.RepairDetails);
    m_costTime->SetAsDouble(input.CostTime);
    m_costMoney->SetAsDouble(input.CostMoney);
    m_notes->setText(input.Notes);
}

void TPartrepairEditorFrm::accept() {
    TPartrepairInput input;
    if (!ReadNumber(m_costTime, input.CostTime) || !ReadNumber(m_costMoney, input.CostMoney)) return;
    input.RepairDate = m_date->date();
    input.Troubles = m_troubles->toPlainText();
    input.Repairman = m_repairman->currentText();
    input.RepairDetails = m_details->toPlainText();
    input.Notes = m_notes->text();
    if (m_edited && !m_edited(m_part, input)) return;
    TADlgFrm::accept();
}
