#pragma once

#include "AccidentSet.h"
#include "AccidentWhere.h"
#include "equipment/AssetPageFra.h"

class QPushButton;
class TjtDBGrid;

// "事故": the accidents of the machine shown in the detail panel.
class TAssetAccidentsFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetAccidentsFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TAccidentSet& Accidents() { return m_accidents; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* MoreButton() const { return m_more; }

private:
    void AddClick();
    void EditClick();

    TAccidentSet m_accidents;
    TAccidentWhere m_where;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_more;
};
