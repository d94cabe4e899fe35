#include "CatalogTree.h"

#include "DeptTree.h"
#include "admin/AppLabels.h"
#include "admin/KeyValue.h"
#include "ui/jtPopupMenu.h"

#include <QContextMenuEvent>

namespace {

// Key values of the six classes: value lists, and whether the class is in use.
constexpr int kClassValuesKey = 6;
constexpr int kClassInUseKey = 68;
constexpr int kClassCount = 6;

QString ClassFieldName(int index) {
    return QStringLiteral("AssetClass") + QChar(u'A' + index);
}

} // namespace

TCatalogTree::TCatalogTree(QWidget* parent)
    : QTreeWidget(parent), PopupMenu1(new TjtPopupMenu(this)) {
    setObjectName(QStringLiteral("CatalogTree1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    miRefresh1 = PopupMenu1->AddMenuItem(QStringLiteral("刷新"), false, [this] { Refresh(); });
    miRefresh1->setObjectName(QStringLiteral("miRefresh1"));
}

void TCatalogTree::Build() {
    clear();
    auto* all = new QTreeWidgetItem(this, {QStringLiteral("全部")});
    all->setData(0, FieldRole, QString());
    SetNodeImages(all, 1, 2);
    for (int i = 0; i < kClassCount; ++i) {
        if (!KeyValue2.GetBool(kClassInUseKey + i)) continue;
        auto* label = new QTreeWidgetItem(this, {AppLabels.ClassLabels.value(i)});
        SetNodeImages(label, 1, 2);
        for (const QString& value : PickLists.Items(kClassValuesKey + i)) {
            auto* node = new QTreeWidgetItem(label, {value});
            node->setData(0, FieldRole, ClassFieldName(i));
            SetNodeImages(node, 3);
        }
    }
    expandAll();
    setCurrentItem(all);
}

void TCatalogTree::Refresh() {
    const QString path = PathOf(currentItem());
    // Another workstation may have changed the classes since the settings were read.
    KeyValue2.DataSet().Close();
    Build();
    SelectPath(path);
}

QString TCatalogTree::PathOf(const QTreeWidgetItem* node) {
    QStringList texts;
    for (; node; node = node->parent())
        texts.prepend(node->text(0));
    return texts.join(u'\\');
}

QString TCatalogTree::FieldNameOf(const QTreeWidgetItem* node) {
    return node ? node->data(0, FieldRole).toString() : QString();
}

bool TCatalogTree::CanChoose(const QTreeWidgetItem* node) {
    return node && node->childCount() == 0 && node->data(0, FieldRole).isValid();
}

QTreeWidgetItem* TCatalogTree::FindPath(const QString& path) const {
    for (QTreeWidgetItemIterator it(const_cast<TCatalogTree*>(this)); *it; ++it)
        if (PathOf(*it) == path) return *it;
    return nullptr;
}

void TCatalogTree::SelectPath(const QString& path) {
    QTreeWidgetItem* node = FindPath(path);
    if (!node) node = topLevelItem(0);
    if (!node) return;
    setCurrentItem(node);
    scrollToItem(node);
}

void TCatalogTree::contextMenuEvent(QContextMenuEvent* event) {
    if (QTreeWidgetItem* node = itemAt(event->pos());
        node && event->reason() == QContextMenuEvent::Mouse)
        setCurrentItem(node);
    PopupMenu1->popup(viewport()->mapToGlobal(event->pos()));
}
