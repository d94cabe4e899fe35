#include "CataConfigFra.h"

#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "ui/jtEdit.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {
// Key values of class i: its title, its values, whether it is in use.
constexpr int kNameKey = 12, kItemsKey = 6, kInUseKey = 68;
} // namespace

TCataConfigFra::TCataConfigFra(QWidget* parent)
    : TOptionPageFra(parent), m_classes(new QListWidget(this)), m_name(new TjtEdit(this)),
      m_items(new QPlainTextEdit(this)), m_inUse(new QCheckBox(QStringLiteral("启用"), this)) {
    for (int i = 0; i < 6; ++i) {
        Entry entry{KeyValue2.GetStr(kNameKey + i), KeyValue2.GetStr(kItemsKey + i), KeyValue2.GetBool(kInUseKey + i)};
        m_entries.append(entry);
        m_classes->addItem(entry.Name);
    }
    auto* group = new QGroupBox(this);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("分类名称"), m_name);
    form->addRow(QStringLiteral("分类项目"), m_items);
    form->addRow(QString(), m_inUse);
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("可用栏目"), this));
    left->addWidget(m_classes, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(group, 2);
    connect(m_classes, &QListWidget::currentRowChanged, this, &TCataConfigFra::Select);
    // Every change is kept as it is made, so the list always names the class as typed.
    connect(m_name, &QLineEdit::textEdited, this, &TCataConfigFra::Store);
    connect(m_items, &QPlainTextEdit::textChanged, this, &TCataConfigFra::Store);
    connect(m_inUse, &QCheckBox::toggled, this, &TCataConfigFra::Store);
    m_classes->setCurrentRow(0);
}

void TCataConfigFra::Select(int row) {
    m_shown = -1;  // showing the entry is not a change of it
    if (row >= 0) {
        m_name->setText(m_entries[row].Name);
        m_items->setPlainText(m_entries[row].Items);
        m_inUse->setChecked(m_entries[row].Enabled);
    }
    m_shown = row;
}

void TCataConfigFra::Store() {
    if (m_shown < 0) return;
    Entry& entry = m_entries[m_shown];
    const Entry now{m_name->text(), m_items->toPlainText(), m_inUse->isChecked()};
    if (now.Name == entry.Name && now.Items == entry.Items && now.Enabled == entry.Enabled) return;
    entry = {now.Name, now.Items, now.Enabled, true};
    m_classes->item(m_shown)->setText(entry.Name);
}

void TCataConfigFra::Save() {
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        if (!entry.Changed) continue;
        KeyValue2.SetStr(kNameKey + i, entry.Name);
        KeyValue2.SetStr(kItemsKey + i, entry.Items);
        KeyValue2.SetBool(kInUseKey + i, entry.Enabled);
        AppLabels.ClassLabels[i] = entry.Name;
    }
}
