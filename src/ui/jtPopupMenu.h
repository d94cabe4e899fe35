#pragma once

#include <QMenu>

#include <functional>

// A pop-up menu that windows fill in code. Items are QActions; an item with sub-items carries
// its own QMenu.
class TjtPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TjtPopupMenu(QWidget* parent = nullptr);

    // The action itself becomes the item, so it shows the action's caption, state and handler;
    // inserted at the position (-1: at the end) among the parent item's sub-items, or among
    // the top-level items when there is no parent item.
    QAction* AddActionItem(QAction* action, int position = -1, QAction* parentItem = nullptr);
    // A new item, first when atTop, else last; the caption "-" gives a separator.
    QAction* AddMenuItem(const QString& caption, bool atTop, std::function<void()> onClick);
    // A separator at the position (-1: at the end).
    QAction* InsertSeparator(int position);
    // Removes every item, last to first; the items the menu made are deleted, bound actions
    // stay with their owners.
    void ClearItems();

private:
    QMenu* SubMenu(QAction* item);
    void ClearMenu(QMenu* menu);
};
