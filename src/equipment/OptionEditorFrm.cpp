#include "OptionEditorFrm.h"

#include "CataConfigFra.h"
#include "DictionaryFra.h"
#include "OptionLabelsFra.h"
#include "OptionOthersFra.h"
#include "PickListFra.h"
#include "admin/Options.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStackedWidget>
#include <QTreeWidget>

TOptionEditorFrm::TOptionEditorFrm(QWidget* parent)
    : TADlgFrm(parent), m_tree(new QTreeWidget(Body())), m_stack(new QStackedWidget(Body())) {
    setWindowTitle(QStringLiteral("选项"));
    resize(760, 520);
    Options().Reload();
    m_tree->header()->hide();
    m_tree->setFixedWidth(140);
    AddPage(QStringLiteral("下拉选项"), new TPickListFra);
    AddPage(QStringLiteral("编号规则"), new TCodeFormatFra);
    AddPage(QStringLiteral("设备状况"), new TSystatusFra);
    AddPage(QStringLiteral("标签选项"), new TOptionLabelsFra);
    AddPage(QStringLiteral("设备分类"), new TCataConfigFra);
    AddPage(QStringLiteral("其他选项"), new TOptionOthersFra);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    layout->addWidget(m_stack, 1);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) m_stack->setCurrentIndex(m_tree->indexOfTopLevelItem(item));
    });
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

void TOptionEditorFrm::AddPage(const QString& caption, TOptionPageFra* page) {
    m_tree->addTopLevelItem(new QTreeWidgetItem({caption}));
    m_stack->addWidget(page);
    m_pages.append(page);
}

void TOptionEditorFrm::accept() {
    // Saved in this order; an error stops here and reaches the application's error handling.
    for (const int index : {0, 1, 2, 4, 3, 5}) m_pages[index]->Save();
    TADlgFrm::accept();
}

void TOptionEditorFrm::reject() {
    for (TOptionPageFra* page : m_pages) page->Discard();
    TADlgFrm::reject();
}

void EditOptions(QWidget* parent) {
    TOptionEditorFrm dialog(parent);
    dialog.exec();
}
