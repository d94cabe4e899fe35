#pragma once

#include <QIcon>
#include <QTreeWidget>

class QAction;
class TjtPopupMenu;

// The tree's pictures: 0 the root, 1 a closed folder (2 when selected), 3 a leaf value.
QIcon TreeNodeIcon(int image, int selectedImage = -1);
// Gives the node the picture and remembers its numbers, so that nodes added later can copy them.
void SetNodeImages(QTreeWidgetItem* node, int image, int selectedImage = -1);
int NodeImage(const QTreeWidgetItem* node);

// The departments as a tree under the root "使用部门", with the menu that edits them. Each node
// carries its department code; the root an empty one.
class TDeptTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int CodeRole = Qt::UserRole;

    explicit TDeptTree(QWidget* parent = nullptr);

    // Reloads the department set and builds the nodes from it; the root is selected.
    void Build();
    void Refresh();
    // The full path of the selected department; empty for the root.
    QString GetSelectedPath();
    QString SelectedCode() const;
    static QString CodeOf(const QTreeWidgetItem* node);
    QTreeWidgetItem* Root() const;
    // The node of the department with exactly this code; null when there is none.
    QTreeWidgetItem* FindCode(const QString& code) const;
    // Selects the node of the code; the root when no department has it.
    void SelectCode(const QString& code);

    TjtPopupMenu* PopupMenu() const { return PopupMenu1; }
    QAction* RefreshAction() const { return miRefresh1; }
    QAction* AddChildAction() const { return miAddChild1; }
    QAction* AddSiblingAction() const { return miAddSibling1; }
    QAction* EditAction() const { return miEdit1; }
    QAction* DeleteAction() const { return miDelete1; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void CreateMenu();
    void AddChildClick();
    void AddSiblingClick();
    void EditClick();
    void DeleteClick();
    // Creates the department and shows it as "code-name" at the end of the parent's nodes.
    void AddUnder(QTreeWidgetItem* parentNode, const QString& name);
    bool AskName(const QString& caption, const QString& prompt, QString& name);

    TjtPopupMenu* PopupMenu1;
    QAction* miRefresh1;
    QAction* miAddChild1;
    QAction* miAddSibling1;
    QAction* miEdit1;
    QAction* miDelete1;
};
