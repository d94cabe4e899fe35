#include "aFrm.h"

#include "HelpWindow.h"

#include <QCursor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

TaFrm::TaFrm(QWidget* parent) : QDialog(parent) {
    setFont(SystemFont());
}

QFont TaFrm::SystemFont() {
    // 宋体 where it is installed; otherwise the desktop's CJK face at the same size.
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"宋体", "SimSun", "Noto Sans CJK SC", "Noto Serif CJK SC"}) {
        const QString family = QString::fromUtf8(name);
        if (families.contains(family)) return QFont(family, 9);
    }
    QFont font;
    font.setPointSize(9);
    return font;
}

QString TaFrm::HelpTopic() const {
    QString name = objectName();
    if (name.isEmpty()) {
        name = QString::fromLatin1(metaObject()->className());
        if (name.startsWith(u'T')) name.remove(0, 1);
    }
    return name.left(name.size() - 3);
}

void TaFrm::ShowHelp(const QString& topic) {
    THelpWindow::Show(topic.isEmpty() ? HelpTopic() : topic);
}

QRect TaFrm::PlacedAt(const QPoint& cursor, const QSize& window, const QRect& screen) {
    int left = cursor.x() - window.width() / 2;
    int top = cursor.y() - window.height() / 2;
    left = std::max(0, std::min(left, screen.width() - window.width() - 20));
    top = std::max(0, std::min(top, screen.height() - window.height() - 50));
    return QRect(QPoint(left, top), window);
}

void TaFrm::PlaceAtCursor() {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QSize size = frameGeometry().size().isValid() ? frameGeometry().size() : sizeHint();
    move(PlacedAt(QCursor::pos(), size, screen ? screen->geometry() : QRect(0, 0, 1024, 768)).topLeft());
}

Qt::Edges TaFrm::EdgesAt(const QPoint& p, const QSize& size) {
    const int x = p.x(), y = p.y(), w = size.width(), h = size.height();
    if (x <= 9 && y <= 9) return Qt::TopEdge | Qt::LeftEdge;
    if (x > w - 10 && y < 10) return Qt::TopEdge | Qt::RightEdge;
    if (x > w - 10 && y > h - 10) return Qt::BottomEdge | Qt::RightEdge;
    if (x < 10 && y > h - 10) return Qt::BottomEdge | Qt::LeftEdge;
    if (x <= 4) return Qt::LeftEdge;
    if (y <= 4) return Qt::TopEdge;
    if (x > w - 5) return Qt::RightEdge;
    if (y > h - 5) return Qt::BottomEdge;
    return {};
}

void TaFrm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TaFrm::mousePressEvent(QMouseEvent* event) {
    const Qt::Edges edges = EdgesAt(event->position().toPoint(), size());
    if ((windowFlags() & Qt::FramelessWindowHint) && edges && windowHandle() &&
        windowHandle()->startSystemResize(edges))
        return;
    QDialog::mousePressEvent(event);
}
