#include "jtListboxNav.h"

#include "PubFrm.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kImageRole = Qt::UserRole + 1;

// Draws an entry as the list's image at its top left and the caption beside it.
class NavDelegate : public QStyledItemDelegate {
public:
    explicit NavDelegate(TjtListboxNav* list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect rect = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->fillRect(rect, selected ? palette.highlight() : palette.base());
        int left = rect.left();
        if (const TImageList* images = m_list->Images()) {
            const QPixmap image = images->Pixmap(index.data(kImageRole).toInt());
            if (!image.isNull()) painter->drawPixmap(rect.topLeft(), image);
            left += images->Size().width();
        }
        left += TjtListboxNav::CaptionGap;
        painter->setFont(option.font);
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        const QFontMetrics metrics(option.font);
        const QRect text(left, rect.top() + TjtListboxNav::CaptionTop, rect.right() - left,
                         metrics.height());
        painter->drawText(
            text, Qt::AlignLeft | Qt::AlignTop,
            metrics.elidedText(index.data().toString(), Qt::ElideRight, text.width()));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TjtListboxNav::ItemHeight};
    }

private:
    TjtListboxNav* m_list;
};

} // namespace

bool TWindowClass::IsClassOf(const QObject* window) const {
    return Meta && window && window->metaObject() == Meta;
}

TjtListboxNav::TjtListboxNav(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new NavDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(row(item)); });
}

void TjtListboxNav::SetImages(const TImageList* images) {
    m_images = images;
    viewport()->update();
}

int TjtListboxNav::Insert(int position, const QString& caption, Entry entry) {
    if (position < 0 || position > count()) position = count();
    int image = entry.IsNavItem ? entry.NavItem.ImageIndex : ImageIndex(entry.Action);
    if (entry.Window) image = TImages::Window;
    auto* item = new QListWidgetItem(caption);
    item->setData(kImageRole, image);
    m_entries.insert(m_entries.begin() + position, std::move(entry));
    insertItem(position, item);
    return position;
}

int TjtListboxNav::AddNavItem(QAction* action, const TWindowClass& windowClass, int position) {
    Entry entry;
    entry.IsNavItem = true;
    entry.NavItem = {windowClass, ImageIndex(action)};
    entry.Action = action;
    return Insert(position, action->text(), std::move(entry));
}

int TjtListboxNav::AddActionItem(QAction* action) {
    Entry entry;
    entry.Action = action;
    return Insert(-1, action->text(), std::move(entry));
}

void TjtListboxNav::Clear() {
    clear();
    m_entries.clear();
}

int TjtListboxNav::AddWindow(TBasicFrm* window) {
    Entry entry;
    entry.Window = window;
    const int index = Insert(-1, window->windowTitle(), std::move(entry));
    setCurrentRow(index);
    return index;
}

int TjtListboxNav::IndexOfWindow(const TBasicFrm* window) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (window && m_entries[i].Window == window) return int(i);
    return -1;
}

void TjtListboxNav::SetCaption(int index, const QString& caption) {
    if (QListWidgetItem* entry = item(index)) entry->setText(caption);
}

void TjtListboxNav::RemoveAt(int index) {
    if (index < 0 || index >= count()) return;
    m_entries.erase(m_entries.begin() + index);
    delete takeItem(index);
}

void TjtListboxNav::SelectFor(const TBasicFrm* window) {
    int index = IndexOfWindow(window);
    for (int i = 0; index < 0 && i < count(); ++i)
        if (m_entries[i].IsNavItem && m_entries[i].NavItem.WindowClass.IsClassOf(window)) index = i;
    if (index >= 0) {
        setCurrentRow(index);
    } else {
        clearSelection();
        setCurrentRow(-1);
    }
}

const TjtListboxNavItem* TjtListboxNav::NavItemAt(int index) const {
    if (index < 0 || index >= count() || !m_entries[index].IsNavItem) return nullptr;
    return &m_entries[index].NavItem;
}

QAction* TjtListboxNav::ActionAt(int index) const {
    return index >= 0 && index < count() ? m_entries[index].Action.data() : nullptr;
}

TBasicFrm* TjtListboxNav::WindowAt(int index) const {
    return index >= 0 && index < count() ? m_entries[index].Window.data() : nullptr;
}

int TjtListboxNav::ImageIndexAt(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->data(kImageRole).toInt() : -1;
}

QStringList TjtListboxNav::Captions() const {
    QStringList captions;
    for (int i = 0; i < count(); ++i)
        captions.append(item(i)->text());
    return captions;
}

void TjtListboxNav::Choose(int index) {
    if (index < 0 || index >= count()) return;
    const Entry& entry = m_entries[index];
    if (entry.IsNavItem) {
        // A copy: what the signal starts may change the list.
        const TjtListboxNavItem navItem = entry.NavItem;
        Q_EMIT NavItemChosen(navItem);
    } else if (entry.Action) {
        entry.Action->trigger();
    } else if (entry.Window) {
        Q_EMIT WindowChosen(entry.Window);
    }
}

void TjtListboxNav::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Choose(currentRow());
        return;
    }
    QListWidget::keyPressEvent(event);
}
