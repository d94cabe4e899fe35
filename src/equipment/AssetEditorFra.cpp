#include "AssetEditorFra.h"

#include "CoderFrm.h"
#include "DeptPickerFrm.h"
#include "SystatuSet.h"
#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "data/jtLib.h"
#include "ui/jtComboBox.h"
#include "ui/jtDateTimePicker.h"
#include "ui/jtEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Key values of the six class levels: values offered, name and whether the level is in use.
constexpr int kClassValuesKey = 5;
constexpr int kClassInUseKey = 67;
// Pick lists.
constexpr int kFundSourceList = 101;
constexpr int kAcceptanceList = 102;
constexpr int kStaffList = 114;

const char* const kClassFields[] = {"ClassA", "ClassB", "ClassC", "ClassD", "ClassE", "ClassF"};

QWidget* WithButton(QWidget* input, QPushButton* button) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(input, 1);
    row->addWidget(button);
    return box;
}

QStringList StatusItems() {
    QStringList items;
    SystatuSet.StatusList(items);
    return items;
}

} // namespace

TAssetEditorFra::TAssetEditorFra(QWidget* parent)
    : TAssetEditorBaseFra(parent), edtCode1(NewEdit(QStringLiteral("Code"))),
      btnCode1(NewLookupButton("btnCode1")), btnDept1(NewLookupButton("btnDept1")) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkButton());
    buttons->addWidget(CancelButton());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(FieldGrid());
    layout->addStretch();
    layout->addLayout(buttons);

    connect(btnCode1, &QPushButton::clicked, this, &TAssetEditorFra::CodeClick);
    connect(btnDept1, &QPushButton::clicked, this, &TAssetEditorFra::DeptClick);
    SetEditable(false);
}

QLayout* TAssetEditorFra::FieldGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    int cell = 0;
    // Three columns of caption and input, filled down.
    const auto put = [&](const QString& caption, QWidget* input, QWidget* shown = nullptr) {
        QLabel* caption1 = NewLabel(caption, input);
        // Inputs disabled from the start (restricted, class not in use) grey their caption.
        caption1->setEnabled(input->isEnabled());
        grid->addWidget(caption1, cell % 9, cell / 9 * 2);
        grid->addWidget(shown ? shown : input, cell % 9, cell / 9 * 2 + 1);
        ++cell;
    };
    const auto items = [](int key) { return PickLists.Items(key); };

    put(QStringLiteral("设备编号"), edtCode1, WithButton(edtCode1, btnCode1));
    put(Fld(QStringLiteral("EqiName")).DisplayLabel(), NewEdit(QStringLiteral("EqiName")));
    put(Fld(QStringLiteral("PartNo")).DisplayLabel(), RestrictedEdit(QStringLiteral("PartNo")));
    put(QStringLiteral("制造厂家"), RestrictedEdit(QStringLiteral("Manufactory")));
    put(QStringLiteral("设备状况"), NewCombo(QStringLiteral("Status"), StatusItems()));
    put(QStringLiteral("启用日期"), NewDate(QStringLiteral("UseDate")));
    put(QStringLiteral("购置日期"), NewDate(QStringLiteral("BuyDate")));
    put(QStringLiteral("出厂日期"), NewDate(QStringLiteral("FactoryDate")));
    put(QStringLiteral("出厂编号"), NewEdit(QStringLiteral("FactoryCode")));
    put(QStringLiteral("主机编号"), NewEdit(QStringLiteral("MainCode")));
    put(QStringLiteral("耐用年限"), NewEdit(QStringLiteral("DurableYears")));
    put(QStringLiteral("折旧年限"), NewEdit(QStringLiteral("DepreciationYears")));
    put(QStringLiteral("财务类别"), NewEdit(QStringLiteral("FinanceType")));
    put(QStringLiteral("验收情况"), NewCombo(QStringLiteral("ChkAcpt"), items(kAcceptanceList)));
    put(QStringLiteral("安装地点"), NewEdit(QStringLiteral("FixPlace")));
    TjtEdit* dept = NewShowEdit(QStringLiteral("UseDeptPath"));
    put(QStringLiteral("使用部门"), dept, WithButton(dept, btnDept1));
    put(QStringLiteral("操作人员"), NewCombo(QStringLiteral("Functionary"), items(kStaffList)));
    put(QStringLiteral("资金来源"), NewCombo(QStringLiteral("FundSource"), items(kFundSourceList)));
    put(QStringLiteral("设备原值"), RestrictedEdit(QStringLiteral("OriginalValue")));
    for (int level = 1; level <= 6; ++level)
        put(AppLabels.ClassLabels.value(level - 1), ClassCombo(level));
    for (int column = 1; column < 6; column += 2)
        grid->setColumnStretch(column, 1);
    return grid;
}

QWidget* TAssetEditorFra::RestrictedEdit(const QString& fieldName) {
    if (Fld(fieldName).Visible()) return NewEdit(fieldName);
    auto* edit = new TjtEdit(this);
    edit->setObjectName(fieldName);
    edit->setText(QStringLiteral("无权限"));
    edit->setEnabled(false);
    return edit;
}

QWidget* TAssetEditorFra::ClassCombo(int level) {
    const QString field = QString::fromLatin1(kClassFields[level - 1]);
    if (KeyValue2.GetBool(kClassInUseKey + level))
        return NewCombo(field, PickLists.Items(kClassValuesKey + level));
    auto* combo = new TjtComboBox(this);
    combo->setObjectName(field);
    combo->addItem(QStringLiteral("未启用"));
    combo->setEnabled(false);
    return combo;
}

void TAssetEditorFra::EditableChanged(bool) {
    btnCode1->setEnabled(!Fld(QStringLiteral("Code")).ReadOnly());
    btnDept1->setEnabled(!Fld(QStringLiteral("UseDeptId")).ReadOnly());
}

void TAssetEditorFra::CodeClick() {
    QString code;
    if (!PickCode(code, this) || code.isEmpty()) return;
    AssetsSet().Query().Edit();
    AssetsSet().CodeFld->SetAsString(code);
    // A code typed but not yet taken into the row would otherwise win over the generated one.
    edtCode1->setText(code);
}

void TAssetEditorFra::DeptClick() {
    Field& dept = Fld(QStringLiteral("UseDeptId"));
    PickDepartment(
        dept.AsString(),
        [this, &dept](const QString& code, const QString&, const QString&) {
            AssetsSet().Query().Edit();
            dept.SetAsString(code);
            return true;
        },
        this);
}

bool TAssetEditorFra::Save() {
    return CheckCodePrefix(edtCode1->text()) && AssetsSet().SaveBasic();
}
