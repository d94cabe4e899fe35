#include "RepairBillFrm.h"

#include "RepairEditing.h"
#include "data/jtLib.h"
#include "equipment/AssetLabels.h"
#include "platform/Exceptions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct ShownField {
    const char* caption;
    const char* field;
};

QPlainTextEdit* ReadOnlyMemo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    return memo;
}

} // namespace

TRepairBillFrm::TRepairBillFrm(QWidget* parent)
    : TaFrm(parent), m_title(new QLabel(QStringLiteral("设备维修单"), this)), m_number(new QLabel(this)),
      m_new(new QPushButton(QStringLiteral("添加"), this)), m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_prior(new QPushButton(QStringLiteral("前一单"), this)),
      m_next(new QPushButton(QStringLiteral("后一单"), this)), m_close(new QPushButton(QStringLiteral("返回"), this)) {
    setWindowTitle(QStringLiteral("设备维修单"));
    setObjectName(QStringLiteral("RepairBillFrm"));
    QFont big = m_title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    m_title->setFont(big);
    m_title->setAlignment(Qt::AlignCenter);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_new, m_edit, m_delete, m_prior, m_next, m_close}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* page = new QVBoxLayout;
    page->addWidget(m_title);
    page->addWidget(CreateHeader());
    page->addWidget(CreateBody(), 1);
    auto* layout = new QHBoxLayout(this);
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(margins.left(), margins.top(), 30, margins.bottom());
    layout->addLayout(page, 1);
    layout->addLayout(buttons);

    connect(m_new, &QPushButton::clicked, this, [this] {
        PickAndAddRepair(m_repairs, this);
        ShowCurrent();
    });
    connect(m_edit, &QPushButton::clicked, this, [this] {
        EditRepair(m_repairs, this);
        ShowCurrent();
    });
    connect(m_delete, &QPushButton::clicked, this, &TRepairBillFrm::DeleteClick);
    connect(m_prior, &QPushButton::clicked, this, [this] { StepTo(m_repairs.PriorId()); });
    connect(m_next, &QPushButton::clicked, this, [this] { StepTo(m_repairs.NextId()); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 540);
}

QLineEdit* TRepairBillFrm::AddShown(const char* field, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    m_shown.insert(QString::fromLatin1(field), edit);
    return edit;
}

QWidget* TRepairBillFrm::CreateHeader() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString classCaption = AssetLabel(QStringLiteral("ClassA")) + u':';
    const ShownField header[] = {{"设备编号:", "AssetCode"},       {"设备名称:", "AssetName"},
                                 {"规格型号:", "AssetPartno"},     {"生产厂家:", "AssetManufactory"},
                                 {"使用部门:", "UseDeptPath"},     {"安装地点:", "AssetFixplace"},
                                 {"操作人员:", "AssetFunctionary"}, {nullptr, "AssetClassA"}};
    int at = 0;
    for (const ShownField& shown : header) {
        const QString caption = shown.caption ? QString::fromUtf8(shown.caption) : classCaption;
        grid->addWidget(new QLabel(caption, box), at / 2, (at % 2) * 2);
        grid->addWidget(AddShown(shown.field, box), at / 2, (at % 2) * 2 + 1);
        ++at;
    }
    grid->addWidget(m_number, at / 2, 3, Qt::AlignRight);
    return box;
}

QWidget* TRepairBillFrm::CreateBody() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const ShownField body[] = {{"维修类别", "RepairClass"},  {"申请人", "RepairHandman"},
                               {"报修日期", "RepairSendDate"}, {"批准人", "RepairSanctionman"},
                               {"修复日期", "RepairDate"},    {"修复单位", "RepairFactory"},
                               {"修复人员", "Repairmans"},    {"维修费用", "RepairCost"},
                               {"维修工时", "RepairHours"}};
    int at = 0;
    for (const ShownField& shown : body) {
        grid->addWidget(new QLabel(QString::fromUtf8(shown.caption), box), at / 2, (at % 2) * 2);
        grid->addWidget(AddShown(shown.field, box), at / 2, (at % 2) * 2 + 1);
        ++at;
    }
    const int row = (at + 1) / 2;
    m_trouble = ReadOnlyMemo(box);
    m_details = ReadOnlyMemo(box);
    grid->addWidget(new QLabel(QStringLiteral("故障描述"), box), row, 0, Qt::AlignTop);
    grid->addWidget(m_trouble, row, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("维修描述"), box), row + 1, 0, Qt::AlignTop);
    grid->addWidget(m_details, row + 1, 1, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setRowStretch(row + 1, 1);
    return box;
}

bool TRepairBillFrm::OpenKey(int key) {
    try {
        if (!m_repairs.OpenById(key)) return false;
    } catch (const EDatabaseError&) {
        return false;
    }
    ShowCurrent();
    return true;
}

void TRepairBillFrm::ShowCurrent() {
    const DataSet& data = m_repairs.Query();
    const bool shown = data.Active() && !data.IsEmpty();
    for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it)
        it.value()->setText(shown ? data.FieldByName(it.key()).DisplayText() : QString());
    m_trouble->setPlainText(shown ? m_repairs.RepairTroubleFld->AsString() : QString());
    m_details->setPlainText(shown ? m_repairs.RepairDetailsFld->AsString() : QString());
    const int key = shown ? m_repairs.IdFld->AsInteger() : 0;
    m_number->setText(QStringLiteral("NO. %1").arg(key));
    setWindowTitle(QStringLiteral("设备维修单 %1").arg(key));
}

void TRepairBillFrm::DeleteClick() {
    if (DeleteRepair(m_repairs)) accept();
}

void TRepairBillFrm::StepTo(int key) {
    if (key > 0) OpenKey(key);
}

void ShowRepairBill(int key, QWidget* parent) {
    TRepairBillFrm bill(parent);
    if (!bill.OpenKey(key)) {
        ShowInfo(QStringLiteral("没有找到该维修记录"));
        return;
    }
    bill.exec();
}
