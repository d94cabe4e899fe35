#pragma once

#include "CareitemSet.h"
#include "CareitemWhere.h"
#include "equipment/AssetPageFra.h"

class QPushButton;
class TjtDBGrid;

// "保养点": the maintenance items of the machine shown in the detail panel.
class TAssetCaresFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetCaresFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TCareitemSet& Items() { return m_items; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* CareButton() const { return m_care; }
    QPushButton* MoreButton() const { return m_more; }
    QAction* EditLastCareAction() const { return m_editLastCare; }

private:
    void DeleteClick();

    TCareitemSet m_items;
    TCareitemWhere m_where;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_care;
    QPushButton* m_more;
    QAction* m_editLastCare;
};
