#pragma once

#include "AccessoriesSet.h"
#include "AccessoriesWhere.h"
#include "AssetPageFra.h"

class QAction;
class QPushButton;
class TjtDBGrid;

// "附件": the accessories of the machine shown in the detail panel.
class TAssetAccessoriesFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetAccessoriesFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TAccessoriesSet& Accessories() { return m_accessories; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* MenuButton() const { return m_menu; }
    QPushButton* ListButton() const { return m_list; }
    QAction* EditAction() const { return m_editAction; }
    QAction* DeleteAction() const { return m_deleteAction; }

    void AddClick();
    void EditClick();
    void DeleteClick();
    // Opens the accessory list of every machine.
    void ListClick();

private:
    TAccessoriesSet m_accessories;
    TAccessoriesWhere m_where;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_menu;
    QPushButton* m_list;
    QAction* m_editAction;
    QAction* m_deleteAction;
};
