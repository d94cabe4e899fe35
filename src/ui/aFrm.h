#pragma once

#include <QDialog>

// The base of every window: the system's font, F1 for help, placement at the pointer and,
// for borderless windows, resizing from the edges.
class TaFrm : public QDialog {
    Q_OBJECT
public:
    explicit TaFrm(QWidget* parent = nullptr);

    // Opens the help page of the topic; an empty topic is the window's name without "Frm".
    virtual void ShowHelp(const QString& topic = QString());
    // Centres the window on the mouse pointer, kept on the screen.
    void PlaceAtCursor();
    QString HelpTopic() const;

    // Which edges a point of a borderless window of the given size grabs (none inside).
    static Qt::Edges EdgesAt(const QPoint& point, const QSize& size);
    static QRect PlacedAt(const QPoint& cursor, const QSize& window, const QRect& screen);
    static QFont SystemFont();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
