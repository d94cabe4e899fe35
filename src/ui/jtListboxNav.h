#pragma once

#include "BasicFrm.h"

#include <QListWidget>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class TImageList;

// A kind of list window: its class, to find an open one, and how to make a new one.
struct TWindowClass {
    const QMetaObject* Meta = nullptr;
    std::function<TBasicFrm*()> Create;

    template <class T> static TWindowClass Of() {
        return {&T::staticMetaObject, [] { return new T; }};
    }
    // Whether the window is of exactly this class: windows often derive from one another,
    // and a derived window is another kind of window.
    bool IsClassOf(const QObject* window) const;
};

// A navigation entry that opens a kind of window.
struct TjtListboxNavItem {
    TWindowClass WindowClass;
    int ImageIndex = -1;
};

// The navigation list: 32-pixel entries, each an image and a caption, that open a kind of
// window, run an action or bring an open window forward. List windows keep it in step
// with themselves through TNavigation.
class TjtListboxNav : public QListWidget, public TNavigation {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 32;
    static constexpr int CaptionGap = 6;
    static constexpr int CaptionTop = 12;

    explicit TjtListboxNav(QWidget* parent = nullptr);

    void SetImages(const TImageList* images);
    const TImageList* Images() const { return m_images; }

    // Caption and image from the action; at the position (-1: at the end).
    int AddNavItem(QAction* action, const TWindowClass& windowClass, int position = -1);
    int AddActionItem(QAction* action);
    void Clear();

    int AddWindow(TBasicFrm* window) override;
    int IndexOfWindow(const TBasicFrm* window) const override;
    void SetCaption(int index, const QString& caption) override;
    void RemoveAt(int index) override;
    void SelectFor(const TBasicFrm* window) override;

    // What entry index holds; null when it holds something else. A navigation item's action
    // is the one that gave it caption and image.
    const TjtListboxNavItem* NavItemAt(int index) const;
    QAction* ActionAt(int index) const;
    TBasicFrm* WindowAt(int index) const;
    int ImageIndexAt(int index) const;
    QStringList Captions() const;

    // Does what a click on the entry does; nothing for no entry.
    void Choose(int index);

Q_SIGNALS:
    void NavItemChosen(const TjtListboxNavItem& item);
    void WindowChosen(TBasicFrm* window);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Entry {
        TjtListboxNavItem NavItem;
        QPointer<QAction> Action;
        QPointer<TBasicFrm> Window;
        bool IsNavItem = false;
    };
    int Insert(int position, const QString& caption, Entry entry);

    const TImageList* m_images = nullptr;
    std::vector<Entry> m_entries;
};
