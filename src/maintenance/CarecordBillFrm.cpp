#include "CarecordBillFrm.h"

#include "CareEditing.h"
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

TCarecordBillFrm::TCarecordBillFrm(QWidget* parent)
    : TaFrm(parent), m_title(new QLabel(QStringLiteral("设备保养单"), this)), m_number(new QLabel(this)),
      m_new(new QPushButton(QStringLiteral("新建"), this)), m_edit(new QPushButton(QStringLiteral("修改"), this)),
      m_delete(new QPushButton(QStringLiteral("删除"), this)),
      m_prior(new QPushButton(QStringLiteral("前一单"), this)),
      m_next(new QPushButton(QStringLiteral("后一单"), this)), m_close(new QPushButton(QStringLiteral("返回"), this)) {
    setWindowTitle(QStringLiteral("设备保养单"));
    setObjectName(QStringLiteral("CarecordBillFrm"));
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
        PickAndAddCarecord(m_records, this);
        ShowCurrent();
    });
    connect(m_edit, &QPushButton::clicked, this, [this] {
        EditCarecord(m_records, this);
        ShowCurrent();
    });
    connect(m_delete, &QPushButton::clicked, this, &TCarecordBillFrm::DeleteClick);
    connect(m_prior, &QPushButton::clicked, this, [this] { StepTo(m_records.PriorId()); });
    connect(m_next, &QPushButton::clicked, this, [this] { StepTo(m_records.NextId()); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    resize(760, 520);
}

QWidget* TCarecordBillFrm::CreateHeader() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString classCaption = AssetLabel(QStringLiteral("ClassA")) + u':';
    const ShownField header[] = {{"设备编号:", "AssetCode"},     {"设备名称:", "AssetName"},
                            {"规格型号:", "AssetPartno"},   {"生产厂家:", "AssetManufactory"},
                            {"使用部门:", "UseDeptPath"},   {"安装地点:", "AssetFixplace"},
                            {"操作人员:", "AssetFunctionary"}, {nullptr, "AssetClassA"}};
    int at = 0;
    for (const ShownField& shown : header) {
        auto* edit = new QLineEdit(box);
        edit->setReadOnly(true);
        m_shown.insert(QString::fromLatin1(shown.field), edit);
        const QString caption = shown.caption ? QString::fromUtf8(shown.caption) : classCaption;
        grid->addWidget(new QLabel(caption, box), at / 2, (at % 2) * 2);
        grid->addWidget(edit, at / 2, (at % 2) * 2 + 1);
        ++at;
    }
    grid->addWidget(m_number, at / 2, 3, Qt::AlignRight);
    return box;
}

QWidget* TCarecordBillFrm::CreateBody() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const ShownField body[] = {{"保养名称", "ciCarename"}, {"定检天数", "ciFixedays"}, {"保养项目", "ciCareitem"},
                          {"计划工时", "ciPlanhours"}, {"保养日期", "crCaredate"}, {"保养人", "crCareman"}};
    int at = 0;
    for (const ShownField& shown : body) {
        auto* edit = new QLineEdit(box);
        edit->setReadOnly(true);
        m_shown.insert(QString::fromLatin1(shown.field), edit);
        grid->addWidget(new QLabel(QString::fromUtf8(shown.caption), box), at / 2, (at % 2) * 2);
        grid->addWidget(edit, at / 2, (at % 2) * 2 + 1);
        ++at;
    }
    m_works = ReadOnlyMemo(box);
    m_work = ReadOnlyMemo(box);
    grid->addWidget(new QLabel(QStringLiteral("保养说明"), box), 3, 0, Qt::AlignTop);
    grid->addWidget(m_works, 3, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("工作内容"), box), 4, 0, Qt::AlignTop);
    grid->addWidget(m_work, 4, 1, 1, 3);
    grid->setRowStretch(4, 1);
    return box;
}

bool TCarecordBillFrm::OpenKey(int key) {
    m_where.Clear();
    m_where.IdFld->SetAsInteger(key);
    try {
        if (m_records.Search(m_where) != 1) return false;
    } catch (const EDatabaseError&) {
        return false;
    }
    ShowCurrent();
    return true;
}

void TCarecordBillFrm::ShowCurrent() {
    const DataSet& data = m_records.Query();
    const bool shown = data.Active() && !data.IsEmpty();
    for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it)
        it.value()->setText(shown ? data.FieldByName(it.key()).DisplayText() : QString());
    m_works->setPlainText(shown ? data.FieldByName(QStringLiteral("ciCareworks")).AsString() : QString());
    m_work->setPlainText(shown ? data.FieldByName(QStringLiteral("crCaretents")).AsString() : QString());
    const int key = shown ? m_records.crIdFld->AsInteger() : 0;
    m_number->setText(QStringLiteral("NO. %1").arg(key));
    setWindowTitle(QStringLiteral("设备保养单 %1").arg(key));
}

void TCarecordBillFrm::DeleteClick() {
    const DataSet& data = m_records.Query();
    if (!data.Active() || data.IsEmpty() || !ConfirmDelete()) return;
    bool deleted = false;
    try {
        deleted = m_records.Delete();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
        return;
    }
    if (deleted) {
        accept();
        return;
    }
    ShowMessage(QStringLiteral("\r操作失败, 没有返回成功标志, 请刷新检查."), QMessageBox::Warning, QMessageBox::Ok);
}

void TCarecordBillFrm::StepTo(int key) {
    if (key > 0) OpenKey(key);
}

void ShowCarecordBill(int key, QWidget* parent) {
    TCarecordBillFrm bill(parent);
    if (!bill.OpenKey(key)) {
        ShowInfo(QStringLiteral("没有找到该记录"));
        return;
    }
    bill.exec();
}
