#pragma once

#include "AssetPageFra.h"
#include "EqiImageSet.h"

class QAction;
class QPushButton;
class TjtImageBox;
class TjtPhoto;

// "图片": the photos of the machine shown in the detail panel, one thumbnail each.
class TAssetPhotosFra : public TAssetPageFra {
    Q_OBJECT
public:
    explicit TAssetPhotosFra(QWidget* parent = nullptr);

    void SetAssetId(int id) override;

    TEqiImageSet& Images() { return m_images; }
    TjtImageBox* ImageBox() const { return m_box; }
    QPushButton* AddButton() const { return m_addButton; }
    QAction* OpenAction() const { return m_open; }
    QAction* AddAction() const { return m_add; }
    QAction* RenameAction() const { return m_rename; }
    QAction* DeleteAction() const { return m_delete; }

    void AddClick();
    void RenameClick();
    void DeleteClick();
    // Shows the photo in the picture window; with the right, its OK replaces the photo.
    void OpenClick();

    static const QString PictureFilter;

private:
    void Rebuild();
    void OpenPhoto(TjtPhoto* photo);
    // Asks for a photo's name; false when cancelled.
    bool AskName(QString& name);

    TEqiImageSet m_images;
    TjtImageBox* m_box;
    QPushButton* m_addButton;
    QAction* m_open;
    QAction* m_add;
    QAction* m_rename;
    QAction* m_delete;
};
