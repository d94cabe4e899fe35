#include "CataPickerFrm.h"

#include "CatalogTree.h"
#include "ui/jtPopupMenu.h"

TCataPickerFrm::TCataPickerFrm(const QString& currentPath, TClassPicked picked, QWidget* parent)
    : TTreePickerFrm(new TCatalogTree, parent), CatalogTree1(static_cast<TCatalogTree*>(Tree())),
      m_picked(std::move(picked)) {
    SetMenu(CatalogTree1->PopupMenu());
    CatalogTree1->Build();
    CatalogTree1->SelectPath(currentPath);
}

bool TCataPickerFrm::Choose(QTreeWidgetItem* node) {
    if (!m_picked || !TCatalogTree::CanChoose(node)) return false;
    return m_picked(TCatalogTree::FieldNameOf(node), node->text(0), TCatalogTree::PathOf(node));
}

bool TCataPickerFrm::ChoosesOnDoubleClick(const QTreeWidgetItem* node) const {
    return TCatalogTree::CanChoose(node);
}

bool PickClass(const QString& currentPath, const TClassPicked& picked, QWidget* parent) {
    TCataPickerFrm picker(currentPath, picked, parent);
    return picker.exec() == QDialog::Accepted;
}
