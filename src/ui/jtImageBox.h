#pragma once

#include <QImage>
#include <QObject>
#include <QScrollArea>

#include <array>

class QFrame;
class QLabel;
class TjtImageBox;
class TjtPopupMenu;

// One thumbnail of a TjtImageBox: a raised frame, a selection rectangle inside it, the picture
// scaled into the frame keeping its proportions, and the caption below. Its parts are widgets
// placed on the box; the photo itself belongs to the box.
class TjtPhoto : public QObject {
    Q_OBJECT
public:
    explicit TjtPhoto(TjtImageBox* box);
    ~TjtPhoto() override;

    const QImage& Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    // The frame; the other parts follow it.
    int Left() const { return m_left; }
    void SetLeft(int left);
    int Top() const { return m_top; }
    void SetTop(int top);
    int Width() const { return m_width; }
    void SetWidth(int width);
    int Height() const { return m_height; }
    void SetHeight(int height);
    QString Caption() const;
    void SetCaption(const QString& caption);
    // The picture's file extension, kept for the caller.
    const QString& Ext() const { return m_ext; }
    void SetExt(const QString& ext) { m_ext = ext; }
    // The caller's identifier (for photos, the photo's Id).
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    bool Selected() const;
    void SetSelected(bool selected);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    // The widget the parts are placed on.
    QWidget* Parent() const { return m_parent; }
    void SetParent(QWidget* parent);

    QFrame* Frame() const { return m_frame; }
    QWidget* SelectionRect() const { return m_selection; }
    QLabel* Image() const { return m_image; }
    QLabel* CaptionLabel() const { return m_caption; }

    // The size a picture is shown at in a frame: the larger of the two rounded ratios to the
    // frame less 16 pixels decides which side fills it.
    static QSize FitPicture(const QSize& picture, const QSize& frame);

Q_SIGNALS:
    // A click on the picture.
    void OnClick();
    // A double click on the picture or the selection rectangle.
    void OnDblClick();
    // A button pressed on the picture or the selection rectangle, at a point of the screen.
    void OnMouseDown(Qt::MouseButton button, const QPoint& globalPos);

private:
    void Place();
    std::array<QWidget*, 4> Parts() const; // bottom to top

    QWidget* m_parent;
    QFrame* m_frame;
    QWidget* m_selection;
    QLabel* m_image;
    QLabel* m_caption;
    QImage m_picture;
    QString m_ext;
    int m_left = 0;
    int m_top = 0;
    int m_width = 120;
    int m_height = 100;
    int m_tag = 0;
    bool m_visible = true;
};

// A horizontal strip of thumbnails. The owning window fills the item menu (shown for a photo)
// and the background menu (shown for the box itself).
class TjtImageBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TjtImageBox(QWidget* parent = nullptr);
    ~TjtImageBox() override;

    // A hidden photo; Arrange shows it.
    TjtPhoto* AddImage(const QImage& picture, const QString& caption, int id, const QString& ext);
    // Places the photos in one row in the order they were added, and shows them.
    void Arrange();
    void ClearImages();
    TjtPhoto* SelectedPhoto() const;
    void SetAllSelected(bool selected);
    const QList<TjtPhoto*>& Photos() const { return m_photos; }

    TjtPopupMenu* ItemMenu() const { return m_itemMenu; }
    TjtPopupMenu* BackgroundMenu() const { return m_backgroundMenu; }
    // The widget the photos are placed on, scrolled by the box.
    QWidget* Canvas() const { return m_canvas; }

Q_SIGNALS:
    void OnSelectChange();
    void OnPhotoDblClick(TjtPhoto* photo);

private:
    void PhotoMouseDown(TjtPhoto* photo, Qt::MouseButton button, const QPoint& globalPos);
    void CanvasMouseDown(Qt::MouseButton button, const QPoint& globalPos);
    void UpdateExtent();

    QWidget* m_canvas;
    TjtPopupMenu* m_itemMenu;
    TjtPopupMenu* m_backgroundMenu;
    QList<TjtPhoto*> m_photos;
};
