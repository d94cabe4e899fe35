#include "DocumentSet.h"

namespace {

const QString kInsert = QStringLiteral(
    "insert into eqifile(Id, EqiId, GetDate, Subject, FileName, FileData, Handman, Remarks)"
    "values(:Id, :EqiId, :GetDate, :Subject, :FileName, :FileData, :Handman, :Remarks)");

const QString kUpdate = QStringLiteral(
    "update eqifile set EqiId=:EqiId, GetDate=:GetDate, Subject=:Subject, FileName=:FileName, "
    "FileData=:FileData, Handman=:Handman, Remarks=:Remarks where Id=:Id");

const char* const kWritten[] = {"EqiId", "GetDate", "Subject", "FileName", "Handman", "Remarks"};

} // namespace

QString FileNamePart(const QString& path) {
    return path.mid(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
}

TDocumentSet::TDocumentSet() {
    IdFld = AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"));
    EqiIdFld =
        AddField(FieldKind::Integer, QStringLiteral("EqiId"), -1, false, QStringLiteral("EqiId"));
    GetDateFld = AddField(FieldKind::DateTime, QStringLiteral("GetDate"), -1, true,
                          QStringLiteral("获得日期"));
    SubjectFld =
        AddField(FieldKind::String, QStringLiteral("Subject"), 50, true, QStringLiteral("类型"));
    FileNameFld = AddField(FieldKind::String, QStringLiteral("FileName"), 250, true,
                           QStringLiteral("文档路径"));
    FileDataFld = AddField(FieldKind::Blob, QStringLiteral("FileData"), -1, false,
                           QStringLiteral("文档数据"));
    HandmanFld =
        AddField(FieldKind::String, QStringLiteral("Handman"), 20, true, QStringLiteral("经办人"));
    RemarksFld =
        AddField(FieldKind::Memo, QStringLiteral("Remarks"), -1, true, QStringLiteral("备注"));
    FileNameCalcFld = AddField(FieldKind::String, QStringLiteral("FileNameCalc"), 100, true,
                               QStringLiteral("文件名"));
    FileNameCalcFld->SetLookup(*FileNameFld, [](const QVariant& path) {
        return path.isValid() ? QVariant(FileNamePart(path.toString())) : QVariant();
    });
}

void TDocumentSet::OpenByAsset(int eqiId) {
    Open(QStringLiteral("select * from eqifile where EqiId=:EqiId"),
         {DBParam(QStringLiteral("EqiId"), eqiId)});
}

TDBParameters TDocumentSet::RowParams() const {
    TDBParameters params;
    for (const char* name : kWritten) {
        const QString field = QString::fromLatin1(name);
        params.append(DBParam(field, Query().FieldByName(field).Value()));
    }
    return params;
}

bool TDocumentSet::Save() {
    CommitEdits();
    const TxDBParameters blobs{xDBParam(QStringLiteral("FileData"), FileDataFld->AsBytes())};
    int rows = 0;
    int id = IdFld->AsInteger();
    if (id != 0) {
        rows = Database().ExecSQL(kUpdate, RowParams() << DBParam(QStringLiteral("Id"), id), blobs);
    } else {
        id = Database().InsertNewKey(
            QStringLiteral("eqifile"), QStringLiteral("Id"),
            [&](int key) {
                return Database().ExecSQL(kInsert,
                                          RowParams() << DBParam(QStringLiteral("Id"), key), blobs);
            },
            &rows);
    }
    if (rows != 1) return false;
    IdFld->SetAsInteger(id);
    Query().Post();
    return true;
}

bool TDocumentSet::DeleteCurrent() {
    ::DataSet& data = Query();
    if (!data.Active() || data.IsEmpty()) return false;
    Database().ExecSQL(QStringLiteral("delete from eqifile where Id=:Id"),
                       {DBParam(QStringLiteral("Id"), IdFld->Value())});
    data.Delete();
    return true;
}
