#pragma once

#include "AssetEditorBaseFra.h"

class QLayout;

// The "基本" tab: the record's identifying, purchase, department and class columns.
class TAssetEditorFra : public TAssetEditorBaseFra {
    Q_OBJECT
public:
    explicit TAssetEditorFra(QWidget* parent = nullptr);

    QPushButton* CodeButton() const { return btnCode1; }
    QPushButton* DeptButton() const { return btnDept1; }

protected:
    bool Save() override;
    void EditableChanged(bool editable) override;

private:
    QLayout* FieldGrid();
    // An edit for a column the operator may not see: disabled, unbound, saying so.
    QWidget* RestrictedEdit(const QString& fieldName);
    QWidget* ClassCombo(int level);
    void CodeClick();
    void DeptClick();

    TjtEdit* edtCode1;
    QPushButton* btnCode1;
    QPushButton* btnDept1;
};
