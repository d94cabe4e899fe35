#pragma once

#include "AssetPageFra.h"
#include "DocumentSet.h"

class QAction;
class QPushButton;
class TjtDBGrid;

// "文档": the files kept with the machine shown in the detail panel.
class TAssetDocumentsFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetDocumentsFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TDocumentSet& Documents() { return m_documents; }
    TjtDBGrid* Grid() const { return m_grid; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* MenuButton() const { return m_menu; }
    QAction* DeleteAction() const { return m_deleteAction; }
    QAction* EditAction() const { return m_editAction; }
    QAction* OpenAction() const { return m_openAction; }

    void AddClick();
    void EditClick();
    void DeleteClick();
    // Writes the current document to a file of its name and opens it on the desktop.
    void OpenClick();

private:
    TDocumentSet m_documents;
    TjtDBGrid* m_grid;
    QPushButton* m_add;
    QPushButton* m_open;
    QPushButton* m_menu;
    QAction* m_deleteAction;
    QAction* m_editAction;
    QAction* m_openAction;
};
