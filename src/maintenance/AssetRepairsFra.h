#pragma once

#include "RepairSet.h"
#include "RepairWhere.h"
#include "equipment/AssetPageFra.h"

class QPushButton;
class TjtDBGrid;

// "维修记录": the repairs of the machine shown in the detail panel.
class TAssetRepairsFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetRepairsFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TRepairSet& Repairs() { return m_repairs; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* RefreshButton() const { return m_refresh; }
    QPushButton* MenuButton() const { return m_menu; }
    QAction* EditAction() const { return m_edit; }
    QAction* DeleteAction() const { return m_delete; }

private:
    void OpenClick();
    void RefreshClick();

    TRepairSet m_repairs;
    TRepairWhere m_where;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_open;
    QPushButton* m_refresh;
    QPushButton* m_menu;
    QAction* m_edit;
    QAction* m_delete;
};
