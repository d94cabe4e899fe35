#pragma once

#include "AssetEditorBaseFra.h"

class QTableWidget;

// The "扩展" tab: weight, power, coefficients, parameters, the user-defined columns, the
// remark and the "其他项目" list of named values, which is kept in the record's Configs as
// "name=value" lines.
class TAssetEditor2Fra : public TAssetEditorBaseFra {
    Q_OBJECT
public:
    explicit TAssetEditor2Fra(QWidget* parent = nullptr);

    QTableWidget* ItemList() const { return vleConfigs1; }
    QPushButton* AddItemButton() const { return btnAddItem1; }
    QPushButton* DeleteItemButton() const { return btnDeleteItem1; }

protected:
    bool Save() override;
    void EditableChanged(bool editable) override;

private:
    QLayout* FieldGrid();
    QLayout* ItemsBox();
    void LoadItems();
    void ItemsChanged();
    void AddItemClick();
    void DeleteItemClick();
    void AppendItem(const QString& name, const QString& value);

    QTableWidget* vleConfigs1;
    QPushButton* btnAddItem1;
    QPushButton* btnDeleteItem1;
    bool m_loading = false;
};
