#include "mainTab.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>

TmainTab::TmainTab(QMdiArea* area, QWidget* parent)
    : QTabBar(parent), m_area(area), m_popup(new QMenu(this)) {
    setFixedHeight(BarHeight);
    setExpanding(false);
    m_popup->addAction(QStringLiteral("关闭"), this, &TmainTab::CloseCurrent);
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (QMdiSubWindow* frame = FrameOf(WindowAt(index))) m_area->setActiveSubWindow(frame);
    });
    connect(m_area, &QMdiArea::subWindowActivated, this, &TmainTab::Follow);
}

QMdiSubWindow* TmainTab::FrameOf(QWidget* window) {
    return window ? qobject_cast<QMdiSubWindow*>(window->parentWidget()) : nullptr;
}

void TmainTab::AddWindow(QWidget* window) {
    if (!window || IndexOfWindow(window) >= 0) return;
    const QSignalBlocker blocker(this);
    const int index = addTab(window->windowTitle());
    setTabData(index, QVariant::fromValue<QObject*>(window));
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, &TmainTab::RemoveWindow);
    const QMdiSubWindow* frame = FrameOf(window);
    if (frame && m_area->activeSubWindow() == frame) setCurrentIndex(index);
}

QWidget* TmainTab::WindowAt(int index) const {
    return index >= 0 && index < count() ? qobject_cast<QWidget*>(tabData(index).value<QObject*>())
                                         : nullptr;
}

int TmainTab::IndexOfWindow(const QWidget* window) const {
    for (int i = 0; i < count(); ++i)
        if (tabData(i).value<QObject*>() == window) return i;
    return -1;
}

void TmainTab::RemoveWindow(QObject* window) {
    for (int i = count() - 1; i >= 0; --i) {
        if (tabData(i).value<QObject*>() != window) continue;
        const QSignalBlocker blocker(this);
        removeTab(i);
    }
}

void TmainTab::Follow(QMdiSubWindow* active) {
    const int index = active ? IndexOfWindow(active->widget()) : -1;
    if (index < 0) return;
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void TmainTab::CloseCurrent() {
    if (QWidget* window = WindowAt(currentIndex())) window->close();
}

QSize TmainTab::tabSizeHint(int index) const {
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(TabHeight);
    return size;
}

void TmainTab::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        if (tabRect(currentIndex()).contains(event->position().toPoint()))
            m_popup->popup(event->globalPosition().toPoint());
        return;
    }
    QTabBar::mousePressEvent(event);
}

bool TmainTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange) {
        auto* window = qobject_cast<QWidget*>(watched);
        if (const int index = IndexOfWindow(window); index >= 0)
            setTabText(index, window->windowTitle());
    }
    return QTabBar::eventFilter(watched, event);
}
