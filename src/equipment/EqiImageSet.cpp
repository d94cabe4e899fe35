#include "EqiImageSet.h"

#include "data/Database.h"
#include "platform/Exceptions.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

const QString kUnknownFormat = QStringLiteral("未知的图片格式!");

} // namespace

QByteArray PictureFormat(const QString& ext) {
    const QString e = ext.toLower();
    if (e == u".jpg" || e == u".jpeg") return "jpg";
    if (e == u".bmp") return "bmp";
    if (e == u".ico") return "ico";
    // Metafiles are pictures of the system, though no decoder here reads them.
    if (e == u".emf" || e == u".wmf") return e.mid(1).toLatin1();
    throw Exception(kUnknownFormat);
}

QImage DecodePicture(const QByteArray& bytes, const QString& ext) {
    const QByteArray format = PictureFormat(ext);
    return QImage::fromData(bytes, format.constData());
}

QByteArray PictureBytes(const QImage& picture, const QString& ext) {
    if (picture.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, PictureFormat(ext));
    if (!writer.write(picture)) throw Exception(kUnknownFormat);
    return bytes;
}

TEqiImageSet::TEqiImageSet() {
    IdFld = AddField(FieldKind::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"));
    EqiIdFld =
        AddField(FieldKind::Integer, QStringLiteral("EqiId"), -1, true, QStringLiteral("EqiId"));
    ExtFld = AddField(FieldKind::String, QStringLiteral("Ext"), 20, true, QStringLiteral("Ext"));
    SubjectFld =
        AddField(FieldKind::String, QStringLiteral("Subject"), 30, true, QStringLiteral("Subject"));
    PhotoFld =
        AddField(FieldKind::Blob, QStringLiteral("Photo"), -1, true, QStringLiteral("Photo"));
}

void TEqiImageSet::OpenByAsset(int eqiId) {
    Open(QStringLiteral("select * from eqimages where EqiId=:EqiId"),
         {DBParam(QStringLiteral("EqiId"), eqiId)});
}

int TEqiImageSet::AddPhoto(int eqiId, const QString& ext, const QByteArray& picture,
                           const QString& name) {
    // A photo row without its picture would be left behind by a failed picture write.
    TransactionGuard transaction(Database());
    const int id =
        Database().InsertNewKey(QStringLiteral("eqimages"), QStringLiteral("Id"), [&](int key) {
            return Database().ExecSQL(
                QStringLiteral(
                    "insert into eqimages(Id, EqiId, Subject)values(:Id, :EqiId, :Subject)"),
                {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("EqiId"), eqiId),
                 DBParam(QStringLiteral("Subject"), name)});
        });
    ::DataSet& data = Query();
    if (!data.Active()) data.CreateDataSet();
    data.Append();
    IdFld->SetAsInteger(id);
    EqiIdFld->SetAsInteger(eqiId);
    SubjectFld->SetAsString(name);
    data.Post();
    try {
        ReplacePhoto(id, ext, picture);
        transaction.Commit();
    } catch (...) {
        if (data.Locate(QStringLiteral("Id"), id)) data.Delete();
        throw;
    }
    return id;
}

bool TEqiImageSet::ReplacePhoto(int id, const QString& ext, const QByteArray& picture) {
    ::DataSet& data = Query();
    if (!data.Active() || !data.Locate(QStringLiteral("Id"), id)) return false;
    if (picture.isEmpty())
        Database().ExecSQL(QStringLiteral("update eqimages set Photo=null where Id=:Id"),
                           {DBParam(QStringLiteral("Id"), id)});
    else
        Database().ExecSQL(
            QStringLiteral("update eqimages set Ext=:Ext, Photo=:Imagex where Id=:Id"),
            {DBParam(QStringLiteral("Ext"), ext), DBParam(QStringLiteral("Id"), id)},
            {xDBParam(QStringLiteral("Imagex"), picture)});
    data.Edit();
    if (picture.isEmpty()) {
        PhotoFld->Clear();
    } else {
        ExtFld->SetAsString(ext);
        PhotoFld->SetAsBytes(picture);
    }
    data.Post();
    return true;
}

bool TEqiImageSet::Rename(int id, const QString& name) {
    ::DataSet& data = Query();
    if (!data.Active() || !data.Locate(QStringLiteral("Id"), id)) return false;
    Database().ExecSQL(
        QStringLiteral("update eqimages set Subject=:Subject where Id=:Id"),
        {DBParam(QStringLiteral("Subject"), name), DBParam(QStringLiteral("Id"), id)});
    data.Edit();
    SubjectFld->SetAsString(name);
    data.Post();
    return true;
}

bool TEqiImageSet::DeletePhoto(int id) {
    ::DataSet& data = Query();
    if (!data.Active() || !data.Locate(QStringLiteral("Id"), id)) return false;
    Database().ExecSQL(QStringLiteral("delete from eqimages where Id=:Id"),
                       {DBParam(QStringLiteral("Id"), id)});
    data.Delete();
    return true;
}

QImage TEqiImageSet::Photo() const {
    return DecodePicture(PhotoFld->AsBytes(), ExtFld->AsString());
}
