#pragma once

#include "AssetPageFra.h"
#include "EqiEventSet.h"

class QAction;
class QPushButton;
class TjtDBGrid;

// "记事": the notes kept on the machine shown in the detail panel.
class TAssetEventsFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetEventsFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TEqiEventSet& Events() { return m_events; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* MenuButton() const { return m_menu; }
    QAction* DeleteAction() const { return m_deleteAction; }
    QAction* EditAction() const { return m_editAction; }

    void AddClick();
    void EditClick();
    void DeleteClick();

private:
    TEqiEventSet m_events;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_menu;
    QAction* m_deleteAction;
    QAction* m_editAction;
};
