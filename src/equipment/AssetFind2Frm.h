#pragma once

#include "AccessoriesWhere.h"
#include "AssetWhere.h"
#include "ui/ADlgFrm.h"

class DataSource;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;
class QToolButton;

// "查找": the ledger's advanced find, on the machine's own columns or on its accessories.
class TAssetFind2Frm : public TADlgFrm {
    Q_OBJECT
public:
    explicit TAssetFind2Frm(QWidget* parent = nullptr);
    ~TAssetFind2Frm() override;

    TAssetWhere& AssetWhere() { return m_assetWhere; }
    TAccessoriesWhere& AccessoriesWhere() { return m_accessoriesWhere; }
    // Whether the accessory page is the one showing.
    bool ByAccessories() const;
    QTabWidget* Pages() const { return m_pages; }
    QToolButton* DeptButton() const { return m_deptButton; }

    void accept() override;

private:
    QWidget* AssetPage();
    QWidget* AccessoryPage();
    QLineEdit* Edit(QGridLayout* grid, int row, int column, const QString& caption, Field& field);
    QComboBox* Combo(QGridLayout* grid, int row, int column, const QString& caption, Field& field,
                     const QStringList& items);
    void PickDept();

    TAssetWhere m_assetWhere;
    TAccessoriesWhere m_accessoriesWhere;
    DataSource* m_assetSource;
    DataSource* m_accessorySource;
    QTabWidget* m_pages;
    QToolButton* m_deptButton = nullptr;
};
