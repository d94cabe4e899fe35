#include "ImageDlgFrm.h"

#include "platform/Exceptions.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace {

PictureFileChooser& Chooser() {
    static PictureFileChooser chooser;
    return chooser;
}

// The format a picture keeps when written, known from its extension.
QByteArray FormatOf(const QString& ext) {
    const QString suffix = ext.startsWith(u'.') ? ext.mid(1).toLower() : ext.toLower();
    if (suffix == u"jpg" || suffix == u"jpeg") return "jpg";
    if (suffix == u"png" || suffix == u"bmp" || suffix == u"ico") return suffix.toLatin1();
    return {};
}

} // namespace

PictureFileChooser SetPictureFileChooser(PictureFileChooser chooser) {
    return std::exchange(Chooser(), std::move(chooser));
}

QString ChoosePictureFile(QWidget* parent, PictureFileMode mode, const QString& filter) {
    if (Chooser()) return Chooser()(parent, mode, filter);
    return mode == PictureFileMode::Open
               ? QFileDialog::getOpenFileName(parent, QString(), QString(), filter)
               : QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
}

const QString TImageDlgFrm::PictureFilter =
    QStringLiteral("JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)");

TImageDlgFrm::TImageDlgFrm(QWidget* parent)
    : TaFrm(parent), m_box(new QScrollArea(this)), m_image(new QLabel),
      m_load(new QAction(QStringLiteral("载入    "), this)),
      m_save(new QAction(QStringLiteral("输出"), this)),
      m_clear(new QAction(QStringLiteral("清除"), this)),
      m_cancel(new QAction(QStringLiteral("取消"), this)),
      m_ok(new QAction(QStringLiteral("确定"), this)) {
    setWindowTitle(QStringLiteral("图像"));
    resize(400, 300);
    auto* tools = new QToolBar(this);
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({m_load, m_save, m_clear});
    tools->addSeparator();
    tools->addActions({m_cancel, m_ok});

    m_box->setBackgroundRole(QPalette::Base);
    m_box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_box->setWidget(m_image);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tools);
    layout->addWidget(m_box, 1);

    connect(m_load, &QAction::triggered, this, &TImageDlgFrm::LoadClick);
    connect(m_save, &QAction::triggered, this, &TImageDlgFrm::SaveClick);
    connect(m_clear, &QAction::triggered, this, &TImageDlgFrm::ClearClick);
    connect(m_cancel, &QAction::triggered, this, &QDialog::reject);
    connect(m_ok, &QAction::triggered, this, &QDialog::accept);
}

void TImageDlgFrm::SetPicture(const QImage& picture) {
    m_picture = picture;
    m_image->setPixmap(QPixmap::fromImage(picture));
    m_image->adjustSize();
    if (picture.isNull()) return;
    if (width() < picture.width()) resize(picture.width() + 30, height());
    if (height() - 50 < picture.height()) resize(width(), picture.height() + 100);
}

void TImageDlgFrm::LoadFromFile(const QString& fileName) {
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull()) throw Exception(reader.errorString());
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    m_ext = suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix;
    SetPicture(picture);
}

void TImageDlgFrm::SaveToFile(const QString& fileName) const {
    if (m_picture.isNull()) return;
    QByteArray format = FormatOf(m_ext);
    if (format.isEmpty()) format = FormatOf(QFileInfo(fileName).suffix());
    if (format.isEmpty()) format = "png";
    QImageWriter writer(fileName, format);
    if (!writer.write(m_picture)) throw Exception(writer.errorString());
}

void TImageDlgFrm::LoadClick() {
    const QString name = ChoosePictureFile(this, PictureFileMode::Open, PictureFilter);
    if (!name.isEmpty()) LoadFromFile(name);
}

void TImageDlgFrm::SaveClick() {
    const QString name = ChoosePictureFile(this, PictureFileMode::Save, PictureFilter);
    if (!name.isEmpty()) SaveToFile(name);
}

void TImageDlgFrm::ClearClick() {
    SetPicture(QImage());
}
