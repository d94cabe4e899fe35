#pragma once

#include "CarecordSet.h"
#include "CareitemWhere.h"
#include "equipment/AssetPageFra.h"

class QPushButton;
class TjtDBGrid;

// "保养记录": the care records of the machine shown in the detail panel.
class TAssetCarecordsFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetCarecordsFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TCarecordSet& Records() { return m_records; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* RefreshButton() const { return m_refresh; }
    QPushButton* MenuButton() const { return m_menu; }

    void RefreshClick();

private:
    void AddClick();
    void OpenClick();

    TCarecordSet m_records;
    TCarecordWhere m_where;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_open;
    QPushButton* m_refresh;
    QPushButton* m_menu;
};
