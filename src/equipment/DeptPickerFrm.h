#pragma once

#include "TreePickerFrm.h"

#include <functional>

class TDeptTree;

// Receives the chosen department: its code, the node's text and its full path (code and path
// empty for the root, which stands for no department). Returning false keeps the picker open.
using TDeptPicked =
    std::function<bool(const QString& code, const QString& text, const QString& path)>;

// The department picker; without a callback it is the department editor, where only the
// tree's menu does anything.
class TDeptPickerFrm : public TTreePickerFrm {
    Q_OBJECT
public:
    explicit TDeptPickerFrm(const QString& currentCode, TDeptPicked picked = {},
                            QWidget* parent = nullptr);

    TDeptTree* DeptTree() const { return DeptTree1; }

protected:
    bool Choose(QTreeWidgetItem* node) override;

private:
    TDeptTree* DeptTree1;
    TDeptPicked m_picked;
};

// Shows the picker on the department with exactly this code (else on the root); true when a
// department was chosen.
bool PickDepartment(const QString& currentCode, const TDeptPicked& picked,
                    QWidget* parent = nullptr);
// The department editor of the main menu.
void EditDepartments(QWidget* parent = nullptr);
