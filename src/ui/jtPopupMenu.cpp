#include "jtPopupMenu.h"

namespace {

QAction* At(const QMenu* menu, int position) {
    const QList<QAction*> items = menu->actions();
    return position >= 0 && position < items.size() ? items[position] : nullptr;
}

} // namespace

TjtPopupMenu::TjtPopupMenu(QWidget* parent) : QMenu(parent) {}

QMenu* TjtPopupMenu::SubMenu(QAction* item) {
    if (!item) return this;
    if (!item->menu()) item->setMenu(new QMenu(this));
    return item->menu();
}

QAction* TjtPopupMenu::AddActionItem(QAction* action, int position, QAction* parentItem) {
    QMenu* menu = SubMenu(parentItem);
    menu->insertAction(At(menu, position), action);
    return action;
}

QAction* TjtPopupMenu::AddMenuItem(const QString& caption, bool atTop,
                                   std::function<void()> onClick) {
    auto* item = new QAction(caption, this);
    if (caption == u"-") item->setSeparator(true);
    if (onClick) connect(item, &QAction::triggered, this, std::move(onClick));
    insertAction(atTop ? At(this, 0) : nullptr, item);
    return item;
}

QAction* TjtPopupMenu::InsertSeparator(int position) {
    auto* item = new QAction(this);
    item->setSeparator(true);
    insertAction(At(this, position), item);
    return item;
}

void TjtPopupMenu::ClearMenu(QMenu* menu) {
    const QList<QAction*> items = menu->actions();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        QAction* item = *it;
        menu->removeAction(item);
        if (QMenu* sub = item->menu(); sub && sub->parent() == this) {
            ClearMenu(sub);
            item->setMenu(static_cast<QMenu*>(nullptr));
            delete sub;
        }
        if (item->parent() == this) delete item;
    }
}

void TjtPopupMenu::ClearItems() {
    ClearMenu(this);
}
