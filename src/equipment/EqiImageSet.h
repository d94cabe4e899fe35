#pragma once

#include "data/QuerySet.h"

#include <QByteArray>
#include <QImage>

// The photos of the machines, each kept as the picture file's bytes with its extension.
class TEqiImageSet : public TQuerySet {
public:
    TEqiImageSet();

    void OpenByAsset(int eqiId);
    // Stores the picture's bytes as a new photo of the machine; returns the new photo's Id.
    int AddPhoto(int eqiId, const QString& ext, const QByteArray& picture, const QString& name);
    // Puts other bytes into the photo (none clears it); false when the photo is not in the set.
    bool ReplacePhoto(int id, const QString& ext, const QByteArray& picture);
    bool Rename(int id, const QString& name);
    bool DeletePhoto(int id);

    // The current row's picture; a null image when its bytes are no picture. Raises
    // "未知的图片格式!" for an extension outside the picture formats.
    QImage Photo() const;

    Field* IdFld;
    Field* EqiIdFld;
    Field* ExtFld;
    Field* SubjectFld;
    Field* PhotoFld;
};

// The picture format of an extension such as ".jpg"; raises "未知的图片格式!" for others.
QByteArray PictureFormat(const QString& ext);
// The picture the bytes hold in the format of the extension; a null image when they hold
// none. Raises "未知的图片格式!" as PictureFormat does.
QImage DecodePicture(const QByteArray& bytes, const QString& ext);
// The picture written in the format of the extension; empty for a null picture.
QByteArray PictureBytes(const QImage& picture, const QString& ext);
