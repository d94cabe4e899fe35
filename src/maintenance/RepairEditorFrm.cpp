#include "RepairEditorFrm.h"

#include "AccidentUi_p.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "equipment/AstProfile.h"
#include "platform/Exceptions.h"
#include "ui/ListParts.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>

using namespace accidentui;

namespace {

constexpr int kClassList = 104;
constexpr int kFactoryList = 105;
constexpr int kStaffList = 114;

QPlainTextEdit* Memo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    InstallFocusColour(memo);
    return memo;
}

} // namespace

TRepairEditorFrm::TRepairEditorFrm(int assetId, TRepairEdited edited, QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_profile(new TAstProfile(Body())) {
    setWindowTitle(QStringLiteral("维修记录"));
    setObjectName(QStringLiteral("RepairEditorFrm"));
    m_profile->setFixedWidth(230);
    m_profile->ShowAsset(assetId, m_asset);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addWidget(CreateInputs(), 1);
    resize(720, 480);
}

TRepairEditorFrm::TRepairEditorFrm(int assetId, const QString& trouble, TRepairEdited edited, QWidget* parent)
    : TRepairEditorFrm(assetId, std::move(edited), parent) {
    TRepairData data;
    data.SendDate = QDate::currentDate();
    data.Trouble = trouble;
    data.Handman = CurrentOperator.LoginId;
    Show(data);
}

TRepairEditorFrm::TRepairEditorFrm(int assetId, const TRepairData& data, TRepairEdited edited, QWidget* parent)
    : TRepairEditorFrm(assetId, std::move(edited), parent) {
    Show(data);
}

QWidget* TRepairEditorFrm::CreateInputs() {
    auto* box = new QWidget(Body());
    m_class = PickListCombo(kClassList, box);
    m_handman = PickListCombo(kStaffList, box);
    m_sendDate = new TjtDateTimePicker(box);
    m_trouble = Memo(box);
    m_sanctionman = PickListCombo(kStaffList, box);
    m_finished = new QCheckBox(QStringLiteral("已完成维修"), box);
    m_repairDate = new TjtDateTimePicker(box);
    m_factory = PickListCombo(kFactoryList, box);
    m_repairmans = new TjtEdit(box);
    m_repairmans->setMaxLength(50);
    m_cost = NumberEdit(box);
    m_hours = NumberEdit(box);
    m_details = Memo(box);

    auto* report = new QFormLayout;
    report->addRow(QStringLiteral("维修类别"), m_class);
    report->addRow(QStringLiteral("报修人"), m_handman);
    report->addRow(QStringLiteral("报修日期"), m_sendDate);
    report->addRow(QStringLiteral("故障描述"), m_trouble);
    report->addRow(QStringLiteral("批准人"), m_sanctionman);
    auto* done = new QFormLayout;
    done->addRow(m_finished);
    done->addRow(QStringLiteral("修复日期"), m_repairDate);
    done->addRow(QStringLiteral("修复单位"), m_factory);
    done->addRow(QStringLiteral("修复人员"), m_repairmans);
    done->addRow(QStringLiteral("维修费用"), m_cost);
    done->addRow(QStringLiteral("维修工时"), m_hours);
    done->addRow(QStringLiteral("维修描述"), m_details);
    auto* columns = new QHBoxLayout(box);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(report, 1);
    columns->addLayout(done, 1);
    connect(m_finished, &QCheckBox::toggled, this, &TRepairEditorFrm::FinishedToggled);
    return box;
}

void TRepairEditorFrm::Show(const TRepairData& data) {
    m_data = data;
    m_class->setEditText(data.RepairClass);
    m_handman->setEditText(data.Handman);
    m_sendDate->SetAsDate(data.SendDate.isValid() ? QVariant(data.SendDate) : QVariant());
    m_trouble->setPlainText(data.Trouble);
    m_sanctionman->setEditText(data.Sanctionman);
    m_details->setPlainText(data.RepairDetails);
    const bool finished = !data.RepairDate.isNull();
    // The inputs start enabled: clearing the box below keeps these values.
    m_repairDate->SetAsDate(finished ? data.RepairDate : QVariant(QDate::currentDate()));
    m_factory->setEditText(data.RepairFactory);
    m_repairmans->setText(data.Repairmans);
    m_cost->SetAsDouble(data.RepairCost);
    m_hours->SetAsDouble(data.RepairHours);
    m_kept = {m_repairDate->AsDate(), data.RepairFactory, data.Repairmans, m_cost->text(), m_hours->text()};
    m_finished->setChecked(finished);
    FinishedToggled(finished);
}

void TRepairEditorFrm::FinishedToggled(bool finished) {
    if (finished) {
        m_repairDate->SetAsDate(m_kept.date.isNull() ? QVariant(QDate::currentDate()) : m_kept.date);
        m_factory->setEditText(m_kept.factory);
        m_repairmans->setText(m_kept.repairmans);
        m_cost->setText(m_kept.cost);
        m_hours->setText(m_kept.hours);
    } else if (m_repairDate->isEnabled()) {
        m_kept = {m_repairDate->AsDate(), m_factory->currentText(), m_repairmans->text(), m_cost->text(),
                  m_hours->text()};
        m_repairDate->SetAsDate(QDate::currentDate());
        m_factory->setEditText(QString());
        m_repairmans->clear();
        m_cost->clear();
        m_hours->clear();
    }
    const QPalette colours = palette();
    for (QWidget* input : std::initializer_list<QWidget*>{m_repairDate, m_factory, m_repairmans, m_cost, m_hours}) {
        input->setEnabled(finished);
        QPalette p = input->palette();
        p.setColor(QPalette::Base, finished ? colours.color(QPalette::Base) : colours.color(QPalette::Window));
        input->setPalette(p);
    }
}

void TRepairEditorFrm::accept() {
    TRepairData data = m_data;  // keeps the remarks, which have no input
    try {
        data.RepairCost = m_cost->AsDouble();
        data.RepairHours = m_hours->AsDouble();
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        return;
    }
    const bool finished = m_finished->isChecked();
    data.SendDate = m_sendDate->AsDate().toDate();
    data.RepairClass = m_class->currentText();
    data.Trouble = m_trouble->toPlainText();
    data.Handman = m_handman->currentText();
    data.Sanctionman = m_sanctionman->currentText();
    data.RepairDate = finished ? m_repairDate->AsDate() : QVariant();
    data.RepairFactory = m_factory->currentText();
    data.Repairmans = m_repairmans->text();
    data.RepairDetails = m_details->toPlainText();
    try {
        if (m_edited) m_edited(m_asset, data);
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    TADlgFrm::accept();
}
