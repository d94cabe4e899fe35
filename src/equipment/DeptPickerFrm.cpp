#include "DeptPickerFrm.h"

#include "DeptSet.h"
#include "DeptTree.h"
#include "ui/jtPopupMenu.h"

TDeptPickerFrm::TDeptPickerFrm(const QString& currentCode, TDeptPicked picked, QWidget* parent)
    : TTreePickerFrm(new TDeptTree, parent), DeptTree1(static_cast<TDeptTree*>(Tree())),
      m_picked(std::move(picked)) {
    SetMenu(DeptTree1->PopupMenu());
    DeptTree1->Build();
    DeptTree1->SelectCode(currentCode);
}

bool TDeptPickerFrm::Choose(QTreeWidgetItem* node) {
    if (!m_picked) return false;
    const QString code = TDeptTree::CodeOf(node);
    return m_picked(code, node->text(0), code.isEmpty() ? QString() : DeptSet.GetPath(code));
}

bool PickDepartment(const QString& currentCode, const TDeptPicked& picked, QWidget* parent) {
    TDeptPickerFrm picker(currentCode, picked, parent);
    return picker.exec() == QDialog::Accepted;
}

void EditDepartments(QWidget* parent) {
    TDeptPickerFrm editor(QString(), {}, parent);
    editor.exec();
}
