#include "AssetPhotosFra.h"

#include "AttachmentFiles.h"
#include "admin/Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "ui/ImageDlgFrm.h"
#include "ui/jtImageBox.h"
#include "ui/jtPopupMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kAddRight = 113;
constexpr int kDeleteRight = 112;
constexpr int kReplaceRight = 114;
constexpr int kNameSize = 30;

} // namespace

const QString TAssetPhotosFra::PictureFilter = QStringLiteral(
    "图片文件 (*.jpg *.jpeg *.bmp *.ico *.JPG *.JPEG *.BMP *.ICO);;"
    "JPEG Image File (*.jpg *.JPG);;JPEG Image File (*.jpeg *.JPEG);;Bitmaps (*.bmp *.BMP);;"
    "Icons (*.ico *.ICO)");

TAssetPhotosFra::TAssetPhotosFra(QWidget* parent)
    : TAssetPageFra(parent), m_box(new TjtImageBox(this)),
      m_addButton(new QPushButton(QStringLiteral("添加"), this)),
      m_open(new QAction(QStringLiteral("打开"), this)),
      m_add(new QAction(QStringLiteral("添加"), this)),
      m_rename(new QAction(QStringLiteral("重命名"), this)),
      m_delete(new QAction(QStringLiteral("删除"), this)) {
    setObjectName(QStringLiteral("AssetPhotosFra"));
    TjtPopupMenu* items = m_box->ItemMenu();
    items->addAction(m_open);
    items->addSeparator();
    items->addAction(m_add);
    items->addAction(m_rename);
    items->addSeparator();
    items->addAction(m_delete);
    m_box->BackgroundMenu()->addAction(m_add);

    m_addButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(m_box, 1);

    connect(m_addButton, &QPushButton::clicked, this, &TAssetPhotosFra::AddClick);
    connect(m_add, &QAction::triggered, this, &TAssetPhotosFra::AddClick);
    connect(m_open, &QAction::triggered, this, &TAssetPhotosFra::OpenClick);
    connect(m_rename, &QAction::triggered, this, &TAssetPhotosFra::RenameClick);
    connect(m_delete, &QAction::triggered, this, &TAssetPhotosFra::DeleteClick);
    connect(m_box, &TjtImageBox::OnPhotoDblClick, this, &TAssetPhotosFra::OpenPhoto);
}

void TAssetPhotosFra::SetAssetId(int id) {
    if (id == AssetId()) return;
    try {
        m_images.OpenByAsset(id);
    } catch (const EDatabaseError&) {
        // The open has shown the refused statement; the page stays empty.
    }
    Rebuild();
    TAssetPageFra::SetAssetId(id);
}

// A photo whose picture cannot be built still gets its frame and name, empty, so that it can
// be replaced or deleted rather than lie unseen in the database.
void TAssetPhotosFra::Rebuild() {
    m_box->ClearImages();
    DataSet& data = m_images.Query();
    if (!data.Active()) return;
    for (data.First(); !data.Eof(); data.Next()) {
        QImage picture;
        try {
            picture = m_images.Photo();
        } catch (const Exception&) {
            picture = QImage();
        }
        m_box->AddImage(picture, m_images.SubjectFld->AsString(), m_images.IdFld->AsInteger(),
                        m_images.ExtFld->AsString());
    }
    m_box->Arrange();
}

bool TAssetPhotosFra::AskName(QString& name) {
    QInputDialog box(this);
    box.setObjectName(QStringLiteral("InputBox1"));
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(QStringLiteral("提示"));
    box.setLabelText(QStringLiteral("请输入图片名称"));
    box.setTextValue(name);
    if (auto* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(kNameSize);
    if (box.exec() != QDialog::Accepted) return false;
    name = box.textValue();
    return true;
}

void TAssetPhotosFra::AddClick() {
    if (!CurrentOperator.CheckRight(kAddRight, false) || AssetId() <= 0) return;
    const QString fileName = ChoosePictureFile(this, PictureFileMode::Open, PictureFilter);
    if (fileName.isEmpty()) return;
    QString name;
    if (!AskName(name)) return;
    try {
        const QString suffix = QFileInfo(fileName).suffix().toLower();
        const QString ext = suffix.isEmpty() ? QString() : QStringLiteral(".") + suffix;
        const QByteArray bytes = ReadAttachment(fileName);
        const QImage picture = DecodePicture(bytes, ext);
        if (picture.isNull())
            throw Exception(
                QStringLiteral("无法读取图片文件 %1.").arg(QFileInfo(fileName).fileName()));
        const int id = m_images.AddPhoto(AssetId(), ext, bytes, name);
        m_box->AddImage(picture, name, id, ext);
        m_box->Arrange();
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}

void TAssetPhotosFra::RenameClick() {
    TjtPhoto* photo = m_box->SelectedPhoto();
    if (!photo) return;
    QString name = photo->Caption();
    if (!AskName(name)) return;
    try {
        if (m_images.Rename(photo->Tag(), name)) photo->SetCaption(name);
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
}

void TAssetPhotosFra::DeleteClick() {
    TjtPhoto* photo = m_box->SelectedPhoto();
    if (!photo || !CurrentOperator.CheckRight(kDeleteRight, false)) return;
    if (!ConfirmDelete(QStringLiteral("该图片"))) return;
    try {
        m_images.DeletePhoto(photo->Tag());
    } catch (const Exception& e) {
        ShowInfo(e.Message());
    }
    Rebuild();
}

void TAssetPhotosFra::OpenClick() {
    OpenPhoto(m_box->SelectedPhoto());
}

void TAssetPhotosFra::OpenPhoto(TjtPhoto* photo) {
    if (!photo || !m_images.Query().Locate(QStringLiteral("Id"), photo->Tag())) return;
    const QImage shown = photo->Picture();
    const QString storedExt = m_images.ExtFld->AsString();
    TImageDlgFrm dialog(this);
    dialog.SetPicture(shown);
    dialog.SetExt(storedExt);
    while (dialog.exec() == QDialog::Accepted) {
        if (!CurrentOperator.CheckRight(kReplaceRight, false)) continue;
        try {
            // An untouched picture keeps its stored bytes rather than being encoded again.
            const bool untouched = dialog.Picture() == shown && dialog.Ext() == storedExt;
            const QByteArray bytes = untouched ? m_images.PhotoFld->AsBytes()
                                               : PictureBytes(dialog.Picture(), dialog.Ext());
            m_images.ReplacePhoto(photo->Tag(), dialog.Ext(), bytes);
            photo->SetPicture(dialog.Picture());
            if (!bytes.isEmpty()) photo->SetExt(dialog.Ext());
            break;
        } catch (const Exception& e) {
            ShowInfo(e.Message());
        }
    }
}
