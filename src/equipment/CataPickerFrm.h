#pragma once

#include "TreePickerFrm.h"

#include <functional>

class TCatalogTree;

// Receives the chosen class value: the name of its search field (empty for "全部"), the value
// and its path. Returning false keeps the picker open.
using TClassPicked =
    std::function<bool(const QString& fieldName, const QString& value, const QString& path)>;

// The class picker.
class TCataPickerFrm : public TTreePickerFrm {
    Q_OBJECT
public:
    explicit TCataPickerFrm(const QString& currentPath, TClassPicked picked,
                            QWidget* parent = nullptr);

    TCatalogTree* CatalogTree() const { return CatalogTree1; }

protected:
    bool Choose(QTreeWidgetItem* node) override;
    bool ChoosesOnDoubleClick(const QTreeWidgetItem* node) const override;

private:
    TCatalogTree* CatalogTree1;
    TClassPicked m_picked;
};

// Shows the picker on the node of the class path; true when a class value (or "全部") was chosen.
bool PickClass(const QString& currentPath, const TClassPicked& picked, QWidget* parent = nullptr);
