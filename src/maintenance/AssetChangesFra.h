#pragma once

#include "ChangeWhere.h"
#include "ChangesSet.h"
#include "equipment/AssetPageFra.h"

class QAction;
class QPushButton;
class TjtDBGrid;

// "变更": the change requests of the machine shown in the detail panel.
class TAssetChangesFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetChangesFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TChangesSet& Changes() { return m_changes; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* ApplyButton() const { return m_apply; }
    QPushButton* ApproveButton() const { return m_approve; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* MoreButton() const { return m_more; }

private:
    void ApplyClick();
    void UpdateButtons();

    TChangesSet m_changes;
    TChangeWhere m_where;
    TjtDBGrid* m_grid;
    QPushButton* m_apply;
    QPushButton* m_approve;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_more;
    QAction* m_approveAction = nullptr;
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
};
