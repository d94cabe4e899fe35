#include "PartfixEditorFrm.h"

#include "PartLabels.h"
#include "PartPickerFrm.h"
#include "data/jtLib.h"
#include "equipment/AssetPickerFrm.h"
#include "platform/Exceptions.h"
#include "ui/ListParts.h"
#include "ui/jtCtrls.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The pick list of staff names.
constexpr int kStaffList = 114;

TjtEdit* ReadOnlyEdit(QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

TjtDateTimePicker* DatePicker(QWidget* parent) {
    auto* picker = new TjtDateTimePicker(parent);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return picker;
}

TjtDateTimePicker* HourPicker(QWidget* parent) {
    auto* picker = new TjtDateTimePicker(parent);
    picker->setDisplayFormat(QStringLiteral("HH'时'"));
    return picker;
}

// The date of one picker at the hour of the other; minutes are kept as the hour picker holds them.
QDateTime Combined(const TjtDateTimePicker* date, const TjtDateTimePicker* hour) {
    const QTime time = hour->time();
    return QDateTime(date->date(), QTime(time.hour(), time.minute()));
}

QHBoxLayout* WithButton(QWidget* input, QToolButton* button) {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(input, 1);
    row->addWidget(button);
    return row;
}

} // namespace

TPartfixEditorFrm::TPartfixEditorFrm(const TAssetData& asset, const TPartData& part,
                                     const TPartfixInput& input, TPartfixEdited edited, QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_asset(asset), m_part(part) {
    setWindowTitle(QStringLiteral("备件安装"));
    setObjectName(QStringLiteral("PartfixEditorFrm"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CreateAssetBox());
    layout->addWidget(CreatePartBox());
    layout->addWidget(CreateFixBox());
    layout->addWidget(CreateUnfixBox());
    ShowAsset();
    ShowPart();
    Show(input);
    resize(460, 560);
}

QWidget* TPartfixEditorFrm::CreateAssetBox() {
    auto* box = new QGroupBox(QStringLiteral("设备"), Body());
    m_assetCode = ReadOnlyEdit(box);
    m_assetName = ReadOnlyEdit(box);
    m_assetPartno = ReadOnlyEdit(box);
    m_assetButton = TextButton(QStringLiteral("..."), box);
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("设备编号"), WithButton(m_assetCode, m_assetButton));
    form->addRow(QStringLiteral("设备名称"), m_assetName);
    form->addRow(QStringLiteral("型号规格"), m_assetPartno);
    connect(m_assetButton, &QToolButton::clicked, this, &TPartfixEditorFrm::AssetClick);
    return box;
}

QWidget* TPartfixEditorFrm::CreatePartBox() {
    auto* box = new QGroupBox(QStringLiteral("备件"), Body());
    m_partS1 = ReadOnlyEdit(box);
    m_partS2 = ReadOnlyEdit(box);
    m_partS3 = ReadOnlyEdit(box);
    m_partButton = TextButton(QStringLiteral("..."), box);
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("备件编号"), WithButton(m_partS1, m_partButton));
    form->addRow(PartLabel(QStringLiteral("S2")), m_partS2);
    form->addRow(PartLabel(QStringLiteral("S3")), m_partS3);
    connect(m_partButton, &QToolButton::clicked, this, &TPartfixEditorFrm::PartClick);
    return box;
}

QWidget* TPartfixEditorFrm::CreateFixBox() {
    auto* box = new QGroupBox(QStringLiteral("安装"), Body());
    m_fixDate = DatePicker(box);
    m_fixHour = HourPicker(box);
    m_fixman = PickListCombo(kStaffList, box);
    m_qty = NumberEdit(box);
    m_remarks = new QPlainTextEdit(box);
    InstallFocusColour(m_remarks);
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("安装日期"), m_fixDate);
    form->addRow(QStringLiteral("安装时间"), m_fixHour);
    form->addRow(QStringLiteral("安装人"), m_fixman);
    form->addRow(QStringLiteral("数量"), m_qty);
    form->addRow(QStringLiteral("备注"), m_remarks);
    return box;
}

QWidget* TPartfixEditorFrm::CreateUnfixBox() {
    auto* box = new QGroupBox(Body());
    m_removed = new QCheckBox(QStringLiteral("卸载"), box);
    m_unfixman = PickListCombo(kStaffList, box);
    m_unfixDate = DatePicker(box);
    m_unfixHour = HourPicker(box);
    m_reason = new TjtEdit(box);
    m_reason->setMaxLength(50);
    auto* form = new QFormLayout(box);
    form->addRow(m_removed);
    form->addRow(QStringLiteral("拆卸人"), m_unfixman);
    form->addRow(QStringLiteral("卸载日期"), m_unfixDate);
    form->addRow(QStringLiteral("卸载时间"), m_unfixHour);
    form->addRow(QStringLiteral("拆卸原因"), m_reason);
    connect(m_removed, &QCheckBox::toggled, this, &TPartfixEditorFrm::RemovedChanged);
    return box;
}

void TPartfixEditorFrm::ShowAsset() {
    m_assetCode->setText(m_asset.Code);
    m_assetName->setText(m_asset.EqiName);
    m_assetPartno->setText(m_asset.PartNo);
}

void TPartfixEditorFrm::ShowPart() {
    m_partS1->setText(m_part.S1);
    m_partS2->setText(m_part.S2);
    m_partS3->setText(m_part.S3);
}

void TPartfixEditorFrm::Show(const TPartfixInput& input) {
    const QDateTime fixtime = input.Fixtime.isValid() ? input.Fixtime : QDateTime::currentDateTime();
    m_fixDate->SetAsDateTime(fixtime);
    m_fixHour->SetAsDateTime(fixtime);
    m_fixman->setEditText(input.Fixman);
    m_qty->SetAsDouble(input.FixQty);
    m_remarks->setPlainText(input.Remarks);
    const bool removed = input.Unfixtime.isValid();
    const QDateTime unfixtime = removed ? input.Unfixtime : QDateTime::currentDateTime();
    m_removed->setChecked(removed);
    m_unfixman->setEditText(input.Unfixman);
    m_unfixDate->SetAsDateTime(unfixtime);
    m_unfixHour->SetAsDateTime(unfixtime);
    m_reason->setText(input.UnfixReason);
    RemovedChanged();
}

void TPartfixEditorFrm::RemovedChanged() {
    const bool removed = m_removed->isChecked();
    const QColor background = palette().color(QPalette::Window);
    for (QWidget* input : std::initializer_list<QWidget*>{m_unfixman, m_unfixDate, m_unfixHour, m_reason}) {
        input->setEnabled(removed);
        // Cleared, the removal inputs sink into the window so they read as not applying.
        QPalette colours = input->palette();
        colours.setColor(QPalette::Disabled, QPalette::Base, background);
        input->setPalette(colours);
    }
}

void TPartfixEditorFrm::AssetClick() {
    PickAsset(m_asset.Id > 0 ? m_asset.Id : -1, [this](const TAssetData& asset) {
        m_asset = asset;
        ShowAsset();
        return int(QDialog::Accepted);
    }, this);
}

void TPartfixEditorFrm::PartClick() {
    PickPart(m_part.Id > 0 ? m_part.Id : -1, [this](const TPartData& part) {
        m_part = part;
        ShowPart();
        return true;
    }, this);
}

void TPartfixEditorFrm::accept() {
    TPartfixInput input;
    try {
        input.FixQty = m_qty->AsDouble();
    } catch (const EConvertError& e) {
        ShowInfo(e.Message());
        m_qty->setFocus();
        return;
    }
    input.Fixtime = Combined(m_fixDate, m_fixHour);
    input.Fixman = m_fixman->currentText();
    input.Remarks = m_remarks->toPlainText();
    if (m_removed->isChecked()) {
        input.Unfixtime = Combined(m_unfixDate, m_unfixHour);
        input.Unfixman = m_unfixman->currentText();
        input.UnfixReason = m_reason->text();
    }
    if (m_edited && !m_edited(m_asset, m_part, input)) return;
    TADlgFrm::accept();
}
