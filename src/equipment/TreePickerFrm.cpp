#include "TreePickerFrm.h"

#include "ui/ADlgFrm.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* NewButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

TTreePickerFrm::TTreePickerFrm(QTreeWidget* tree, QWidget* parent)
    : TaFrm(parent), m_tree(tree),
      btnChoose1(NewButton("btnChoose1", QStringLiteral("选定"), this)),
      btnClose1(NewButton("btnClose1", QStringLiteral("关闭"), this)),
      btnFunction1(NewButton("btnFunction1", QStringLiteral("功能 ▼"), this)) {
    setWindowTitle(QStringLiteral("选择"));
    m_tree->setParent(this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnFunction1);
    buttons->addStretch(1);
    buttons->addWidget(btnChoose1);
    buttons->addWidget(btnClose1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
    // Enter chooses the selected node, as the button does.
    btnChoose1->setDefault(true);
    resize(320, 440);
    connect(btnChoose1, &QPushButton::clicked, this, &TTreePickerFrm::ChooseClick);
    connect(btnClose1, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFunction1, &QPushButton::clicked, this, &TTreePickerFrm::FunctionClick);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &TTreePickerFrm::NodeDoubleClicked);
}

bool TTreePickerFrm::ChoosesOnDoubleClick(const QTreeWidgetItem* node) const {
    return node->childCount() == 0;
}

void TTreePickerFrm::showEvent(QShowEvent* event) {
    TaFrm::showEvent(event);
    CentreOn(this, parentWidget());
    m_tree->setFocus();
}

void TTreePickerFrm::ChooseClick() {
    if (QTreeWidgetItem* node = m_tree->currentItem(); node && Choose(node)) accept();
}

void TTreePickerFrm::FunctionClick() {
    if (m_menu) m_menu->popup(btnFunction1->mapToGlobal(QPoint(0, btnFunction1->height())));
}

void TTreePickerFrm::NodeDoubleClicked(QTreeWidgetItem* node) {
    if (node && ChoosesOnDoubleClick(node) && Choose(node)) accept();
}
