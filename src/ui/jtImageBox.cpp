#include "jtImageBox.h"

#include "jtCtrls.h"
#include "jtPopupMenu.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <array>
#include <functional>
#include <utility>

namespace {

// The frame and the caption take presses without acting on them, as the box may act only on
// presses outside every photo.
class InertFrame : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
};

class InertLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
};

void RaisePress(TjtPhoto* photo, QMouseEvent* event) {
    event->accept();
    Q_EMIT photo->OnMouseDown(event->button(), event->globalPosition().toPoint());
}

void RaiseDoubleClick(TjtPhoto* photo, QMouseEvent* event) {
    RaisePress(photo, event);
    if (event->button() == Qt::LeftButton) Q_EMIT photo->OnDblClick();
}

// The silver rectangle, filled with the selection colour while its photo is selected.
class SelectionShape : public QWidget {
public:
    SelectionShape(TjtPhoto* photo, QWidget* parent) : QWidget(parent), m_photo(photo) {}

    bool Filled() const { return m_filled; }
    void SetFilled(bool filled) {
        m_filled = filled;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (m_filled)
            painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
        painter.setPen(clSilver);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* event) override { RaisePress(m_photo, event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { RaiseDoubleClick(m_photo, event); }

private:
    TjtPhoto* m_photo;
    bool m_filled = false;
};

class PhotoImage : public QLabel {
public:
    PhotoImage(TjtPhoto* photo, QWidget* parent) : QLabel(parent), m_photo(photo) {
        setScaledContents(true);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { RaisePress(m_photo, event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { RaiseDoubleClick(m_photo, event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            Q_EMIT m_photo->OnClick();
    }

private:
    TjtPhoto* m_photo;
};

class ImageCanvas : public QWidget {
public:
    using Pressed = std::function<void(Qt::MouseButton, const QPoint&)>;
    ImageCanvas(Pressed pressed, QWidget* parent)
        : QWidget(parent), m_pressed(std::move(pressed)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        event->accept();
        m_pressed(event->button(), event->globalPosition().toPoint());
    }

private:
    Pressed m_pressed;
};

} // namespace

TjtPhoto::TjtPhoto(TjtImageBox* box)
    : QObject(box), m_parent(box->Canvas()), m_frame(new InertFrame(m_parent)),
      m_selection(new SelectionShape(this, m_parent)), m_image(new PhotoImage(this, m_parent)),
      m_caption(new InertLabel(m_parent)) {
    m_frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_caption->setAutoFillBackground(true);
    QPalette cream = m_caption->palette();
    cream.setColor(QPalette::Window, clCream);
    m_caption->setPalette(cream);
    Place();
    SetVisible(true);
}

TjtPhoto::~TjtPhoto() {
    delete m_caption;
    delete m_image;
    delete m_selection;
    delete m_frame;
}

QSize TjtPhoto::FitPicture(const QSize& picture, const QSize& frame) {
    const int pw = picture.width(), ph = picture.height();
    const int innerW = frame.width() - 16, innerH = frame.height() - 16;
    if (pw <= 0 || ph <= 0 || innerW <= 0 || innerH <= 0) return {};
    if (qRound(double(pw) / innerW) > qRound(double(ph) / innerH))
        return {innerW, qRound(double(ph) * innerW / pw)};
    return {qRound(double(pw) * innerH / ph), innerH};
}

void TjtPhoto::SetPicture(const QImage& picture) {
    m_picture = picture;
    m_image->setPixmap(QPixmap::fromImage(picture));
    Place();
}

void TjtPhoto::Place() {
    const int x = m_left, y = m_top, w = m_width, h = m_height;
    m_frame->setGeometry(x, y, w, h);
    m_selection->setGeometry(x + 1, y + 1, w - 2, h - 2);
    // The caption overlaps the rectangle's bottom edge by one pixel.
    m_caption->setGeometry(x + 1, y + 1 + (h - 2) - 1, (w - 2) + 1, 17);
    const QSize shown = FitPicture(m_picture.size(), QSize(w, h));
    m_image->setGeometry(x + std::max(2, (w - shown.width()) / 2),
                         y + std::max(2, (h - shown.height()) / 2), shown.width(), shown.height());
}

void TjtPhoto::SetLeft(int left) {
    m_left = left;
    Place();
}

void TjtPhoto::SetTop(int top) {
    m_top = top;
    Place();
}

void TjtPhoto::SetWidth(int width) {
    m_width = width;
    Place();
}

void TjtPhoto::SetHeight(int height) {
    m_height = height;
    Place();
}

QString TjtPhoto::Caption() const {
    return m_caption->text();
}

void TjtPhoto::SetCaption(const QString& caption) {
    m_caption->setText(caption);
}

bool TjtPhoto::Selected() const {
    return static_cast<SelectionShape*>(m_selection)->Filled();
}

void TjtPhoto::SetSelected(bool selected) {
    static_cast<SelectionShape*>(m_selection)->SetFilled(selected);
}

std::array<QWidget*, 4> TjtPhoto::Parts() const {
    return {m_frame, m_selection, m_image, m_caption};
}

void TjtPhoto::SetVisible(bool visible) {
    m_visible = visible;
    for (QWidget* part : Parts())
        part->setVisible(visible);
}

void TjtPhoto::SetParent(QWidget* parent) {
    m_parent = parent;
    for (QWidget* part : Parts()) {
        part->setParent(parent);
        part->setVisible(m_visible);
    }
}

TjtImageBox::TjtImageBox(QWidget* parent)
    : QScrollArea(parent),
      m_canvas(new ImageCanvas(
          [this](Qt::MouseButton b, const QPoint& p) { CanvasMouseDown(b, p); }, this)),
      m_itemMenu(new TjtPopupMenu(this)), m_backgroundMenu(new TjtPopupMenu(this)) {
    setWidget(m_canvas);
    setWidgetResizable(true);
    horizontalScrollBar()->setTracking(true);
}

TjtImageBox::~TjtImageBox() {
    // The photos remove their parts, which live on the canvas.
    qDeleteAll(std::exchange(m_photos, {}));
}

TjtPhoto* TjtImageBox::AddImage(const QImage& picture, const QString& caption, int id,
                                const QString& ext) {
    auto* photo = new TjtPhoto(this);
    photo->SetPicture(picture);
    photo->SetCaption(caption);
    photo->SetExt(ext);
    photo->SetTag(id);
    connect(photo, &TjtPhoto::OnMouseDown, this,
            [this, photo](Qt::MouseButton b, const QPoint& p) { PhotoMouseDown(photo, b, p); });
    connect(photo, &TjtPhoto::OnDblClick, this, [this, photo] { Q_EMIT OnPhotoDblClick(photo); });
    connect(photo, &QObject::destroyed, this, [this, photo] { m_photos.removeOne(photo); });
    photo->SetVisible(false);
    m_photos.append(photo);
    return photo;
}

void TjtImageBox::Arrange() {
    int left = 10;
    for (TjtPhoto* photo : std::as_const(m_photos)) {
        photo->SetLeft(left);
        photo->SetTop(10);
        left = photo->Left() + photo->Width() + 20;
    }
    for (TjtPhoto* photo : std::as_const(m_photos))
        photo->SetVisible(true);
    UpdateExtent();
}

void TjtImageBox::UpdateExtent() {
    QRect extent;
    for (const TjtPhoto* photo : std::as_const(m_photos))
        if (photo->Visible() && photo->Parent() == m_canvas)
            extent |= photo->Frame()->geometry() | photo->CaptionLabel()->geometry();
    m_canvas->setMinimumSize(std::max(0, extent.right() + 1), std::max(0, extent.bottom() + 1));
}

void TjtImageBox::ClearImages() {
    qDeleteAll(std::exchange(m_photos, {}));
    UpdateExtent();
    Q_EMIT OnSelectChange();
}

TjtPhoto* TjtImageBox::SelectedPhoto() const {
    for (TjtPhoto* photo : m_photos)
        if (photo->Selected()) return photo;
    return nullptr;
}

void TjtImageBox::SetAllSelected(bool selected) {
    for (TjtPhoto* photo : std::as_const(m_photos))
        photo->SetSelected(selected);
}

void TjtImageBox::PhotoMouseDown(TjtPhoto* photo, Qt::MouseButton button, const QPoint& globalPos) {
    if (!photo->Selected()) {
        SetAllSelected(false);
        photo->SetSelected(true);
        Q_EMIT OnSelectChange();
    }
    if (button == Qt::RightButton) m_itemMenu->popup(globalPos + QPoint(10, 15));
}

void TjtImageBox::CanvasMouseDown(Qt::MouseButton button, const QPoint& globalPos) {
    if (button == Qt::LeftButton) SetAllSelected(false);
    Q_EMIT OnSelectChange();
    if (button == Qt::RightButton) m_backgroundMenu->popup(globalPos);
}
