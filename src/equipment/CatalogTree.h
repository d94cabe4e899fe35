#pragma once

#include <QTreeWidget>

class QAction;
class TjtPopupMenu;

// The equipment classes for picking: "全部", then each class in use with its values below its
// label. A value node carries the name of its search field ("AssetClassA" … "AssetClassF"),
// "全部" an empty one, a label none.
class TCatalogTree : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int FieldRole = Qt::UserRole;

    explicit TCatalogTree(QWidget* parent = nullptr);

    // Builds the nodes from the class labels, switches and value lists of the options.
    void Build();
    // Reads the class options from the database again and rebuilds, keeping the selection.
    void Refresh();

    // The texts from the top node down to the node, joined by backslashes.
    static QString PathOf(const QTreeWidgetItem* node);
    static QString FieldNameOf(const QTreeWidgetItem* node);
    // Only nodes without children that carry a field name: the values and "全部".
    static bool CanChoose(const QTreeWidgetItem* node);
    QTreeWidgetItem* FindPath(const QString& path) const;
    // Selects the node of the path; "全部" when no node has it.
    void SelectPath(const QString& path);

    TjtPopupMenu* PopupMenu() const { return PopupMenu1; }
    QAction* RefreshAction() const { return miRefresh1; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TjtPopupMenu* PopupMenu1;
    QAction* miRefresh1;
};
