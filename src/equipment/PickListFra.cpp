#include "PickListFra.h"

#include "admin/KeyValue.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Whatever leaves the memo stores it: focus moving away or another list being chosen.
class TMemo : public QPlainTextEdit {
public:
    std::function<void()> Left;
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        if (Left) Left();
        QPlainTextEdit::focusOutEvent(event);
    }
};

struct ListName {
    int key;
    const char* name;
};

const ListName kLists[] = {
    {101, "设备.资金来源"}, {102, "设备.验收状态"}, {115, "安装地点"},    {103, "设备文档.类别"},
    {104, "设备维修.类别"}, {105, "设备维修.厂家"}, {110, "事故.级别"},   {111, "事故.性质"},
    {112, "保养.名称"},     {113, "保养.项目"},     {106, "计量单位"},    {114, "职工"},
    {108, "附件.分类"},     {107, "备件.状态"},     {109, "备件.分类"},   {116, "备件申购.类别"},
};

} // namespace

TPickListFra::TPickListFra(QWidget* parent) : TOptionPageFra(parent) {
    KeyValue2.Refresh();
    m_lists = new QListWidget(this);
    auto* memo = new TMemo(this);
    memo->setPlaceholderText(QStringLiteral("一行一项,切勿空行！"));
    memo->setToolTip(QStringLiteral("一行一项,切勿空行！"));
    memo->Left = [this] { StoreMemo(); };
    m_memo = memo;
    for (const ListName& list : kLists) {
        m_entries.append({list.key, KeyValue2.GetStr(list.key)});
        m_lists->addItem(QString::fromUtf8(list.name));
    }
    auto* save = new QPushButton(QStringLiteral("保存(&S)"), this);
    auto* cancel = new QPushButton(QStringLiteral("取消(&Q)"), this);
    connect(save, &QPushButton::clicked, this, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->accept();
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->reject();
    });
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("下拉选项"), this));
    right->addWidget(m_memo, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_lists, 1);
    layout->addLayout(right, 2);
    connect(m_lists, &QListWidget::currentRowChanged, this, &TPickListFra::Select);
    m_lists->setCurrentRow(0);
}

void TPickListFra::StoreMemo() {
    if (m_shown < 0) return;
    Entry& entry = m_entries[m_shown];
    const QString text = m_memo->toPlainText();
    if (text != entry.Text) {
        entry.Text = text;
        entry.Changed = true;
    }
}

void TPickListFra::Select(int row) {
    StoreMemo();
    m_shown = row;
    m_memo->setPlainText(row >= 0 ? m_entries[row].Text : QString());
}

void TPickListFra::Save() {
    StoreMemo();
    for (const Entry& entry : m_entries)
        if (entry.Changed) KeyValue2.SetStr(entry.Key, entry.Text);
}
