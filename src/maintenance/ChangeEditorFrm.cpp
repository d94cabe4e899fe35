#include "ChangeEditorFrm.h"

#include "AccidentUi_p.h"
#include "admin/KeyValue.h"
#include "ChgItemsFrm.h"
#include "equipment/AstProfile.h"
#include "equipment/DeptPickerFrm.h"
#include "equipment/SystatuSet.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace {

const char* const kItemLabels[] = {"使用部门", "设备状况", "安装地点", "操作员", "验收情况"};
constexpr int kItemCount = 5;
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// The pick lists offering values for items 2 to 4; the statuses serve item 1.
constexpr int kFixPlaceList = 115;
constexpr int kPeopleList = 114;
constexpr int kChkAcptList = 102;

QStringList Candidates(int fldIdx) {
    QStringList list;
    switch (fldIdx) {
    case 1: SystatuSet.StatusList(list); break;
    case 2: list = PickLists.Items(kFixPlaceList); break;
    case 3: list = PickLists.Items(kPeopleList); break;
    case 4: list = PickLists.Items(kChkAcptList); break;
    default: break;
    }
    return list;
}

QString CurrentValue(const TAssetData& asset, int fldIdx) {
    switch (fldIdx) {
    case 1: return asset.Status;
    case 2: return asset.FixPlace;
    case 3: return asset.Functionary;
    case 4: return asset.ChkAcpt;
    default: return QString();
    }
}

TjtEdit* ReadOnlyEdit(QWidget* parent) {
    auto* edit = new TjtEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

QString ChangeItemLabel(int fldIdx) {
    return fldIdx >= 0 && fldIdx < kItemCount ? QString::fromUtf8(kItemLabels[fldIdx]) : QString();
}

TChangeEditorFrm::TChangeEditorFrm(int assetId, const TChangeInput& input, TChangeEdited edited,
                                   QWidget* parent)
    : TADlgFrm(parent), m_edited(std::move(edited)), m_input(input), m_profile(new TAstProfile(Body())) {
    setWindowTitle(QStringLiteral("变更申请"));
    setObjectName(QStringLiteral("ChangeEditorFrm"));
    m_profile->setFixedWidth(230);
    m_profile->ShowAsset(assetId, m_asset);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_profile);
    layout->addWidget(CreateInputs(), 1);
    Show(input);
    resize(640, 360);
}

QWidget* TChangeEditorFrm::CreateInputs() {
    auto* box = new QWidget(Body());
    m_date = new TjtDateTimePicker(box);
    m_item = ReadOnlyEdit(box);
    m_value1 = ReadOnlyEdit(box);
    m_value2 = ReadOnlyEdit(box);
    m_reason = new TjtEdit(box);
    m_reason->setMaxLength(50);
    m_chgman = accidentui::PickListCombo(kPeopleList, box);
    m_chgman->lineEdit()->setMaxLength(50);
    m_remarks = new TjtEdit(box);
    m_remarks->setMaxLength(250);
    m_billman = ReadOnlyEdit(box);
    m_billTime = ReadOnlyEdit(box);
    m_itemButton = new QToolButton(box);
    m_itemButton->setText(QStringLiteral("选择▼"));
    m_itemButton->setPopupMode(QToolButton::InstantPopup);
    m_itemButton->setMenu(CreateItemMenu());
    auto* itemRow = new QHBoxLayout;
    itemRow->setSpacing(1);
    itemRow->addWidget(m_item, 1);
    itemRow->addWidget(m_itemButton);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("申请日期"), m_date);
    form->addRow(QStringLiteral("变更项目"), itemRow);
    form->addRow(QStringLiteral("变更前"), m_value1);
    form->addRow(QStringLiteral("变更为"), m_value2);
    form->addRow(QStringLiteral("变更理由"), m_reason);
    form->addRow(QStringLiteral("申请人"), m_chgman);
    form->addRow(QStringLiteral("备注"), m_remarks);
    form->addRow(QStringLiteral("制单人"), m_billman);
    form->addRow(QStringLiteral("制单时间"), m_billTime);
    return box;
}

QMenu* TChangeEditorFrm::CreateItemMenu() {
    m_itemMenu = new QMenu(this);
    connect(m_itemMenu->addAction(ChangeItemLabel(0)), &QAction::triggered, this,
            &TChangeEditorFrm::ChooseDepartment);
    m_itemMenu->addSeparator();
    for (int item = 1; item < kItemCount; ++item)
        connect(m_itemMenu->addAction(ChangeItemLabel(item)), &QAction::triggered, this,
                [this, item] { ChooseValue(item); });
    return m_itemMenu;
}

void TChangeEditorFrm::Show(const TChangeInput& input) {
    m_date->SetAsDate(input.ChgDate.isValid() ? QVariant(input.ChgDate.date()) : QVariant());
    m_reason->setText(input.ChgReason);
    m_chgman->setEditText(input.Chgman);
    m_remarks->setText(input.Remarks);
    m_billman->setText(input.Billman);
    m_billTime->setText(input.BillTime.toString(kTimeFormat));
    ShowItem();
}

void TChangeEditorFrm::ShowItem() {
    m_item->setText(m_input.ItmLabel);
    m_value1->setText(m_input.ItmValue1);
    m_value2->setText(m_input.ItmValue2);
}

void TChangeEditorFrm::ChooseDepartment() {
    PickDepartment(m_asset.UseDeptId, [this](const QString& code, const QString&, const QString& path) {
        m_input.FldIdx = 0;
        m_input.ItmLabel = ChangeItemLabel(0);
        m_input.FldValue1 = m_asset.UseDeptId;
        m_input.FldValue2 = code;
        m_input.ItmValue1 = m_asset.UseDeptPath;
        m_input.ItmValue2 = path;
        ShowItem();
        return true;
    }, this);
}

void TChangeEditorFrm::ChooseValue(int fldIdx) {
    QString value;
    if (!ChooseChangeValue(Candidates(fldIdx), value, this)) return;
    m_input.FldIdx = fldIdx;
    m_input.ItmLabel = ChangeItemLabel(fldIdx);
    m_input.FldValue1 = m_input.ItmValue1 = CurrentValue(m_asset, fldIdx);
    m_input.FldValue2 = m_input.ItmValue2 = value;
    ShowItem();
}

void TChangeEditorFrm::accept() {
    TChangeInput input = m_input;
    const QDate date = m_date->date();
    input.ChgDate = date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
    input.ChgReason = m_reason->text();
    input.Chgman = m_chgman->currentText();
    input.Remarks = m_remarks->text();
    input.Billman = m_billman->text();
    input.BillTime = QDateTime::fromString(m_billTime->text(), kTimeFormat);
    if (m_edited && !m_edited(m_asset, input)) return;
    TADlgFrm::accept();
}
