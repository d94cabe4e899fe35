#pragma once

#include <QTabBar>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The window tab bar: one tab per child window of the main window, following the active one;
// choosing a tab brings its window forward, and the pop-up menu of the current tab closes
// that window. A tab goes when its window is freed.
class TmainTab : public QTabBar {
    Q_OBJECT
public:
    static constexpr int BarHeight = 35;
    static constexpr int TabHeight = 30;

    explicit TmainTab(QMdiArea* area, QWidget* parent = nullptr);

    // A window shown in the area.
    void AddWindow(QWidget* window);
    QWidget* WindowAt(int index) const;
    int IndexOfWindow(const QWidget* window) const;
    QMenu* PopupMenu() const { return m_popup; }
    // "关闭": closes the current tab's window.
    void CloseCurrent();

protected:
    QSize tabSizeHint(int index) const override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RemoveWindow(QObject* window);
    void Follow(QMdiSubWindow* active);
    static QMdiSubWindow* FrameOf(QWidget* window);

    QMdiArea* m_area;
    QMenu* m_popup;
};
