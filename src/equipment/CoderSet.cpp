#include "CoderSet.h"

#include "data/RecordSet.h"
#include "platform/Exceptions.h"

TCoderSet::TCoderSet() : TBatchEditSet(QStringLiteral("codes"), QStringLiteral("Id")) {
    AddDeleIdField();
    IdFld = AddField(FieldKind::Integer, QStringLiteral("Id"), -1, false, QString());
    KindFld = AddField(FieldKind::String, QStringLiteral("Kind"), 50, true, QStringLiteral("段名"));
    LabelFld = AddField(FieldKind::String, QStringLiteral("Label"), 50, true, QStringLiteral("项目"));
    CodeFld = AddField(FieldKind::String, QStringLiteral("Code"), 50, true, QStringLiteral("代码"));
    MaxIdFld = AddField(FieldKind::Integer, QStringLiteral("MaxId"), -1, true, QStringLiteral("编数"));
    DigitFld = AddField(FieldKind::Integer, QStringLiteral("Digit"), -1, true, QStringLiteral("位数"));
}

void TCoderSet::Load() {
    OpenBatch(QStringLiteral("select d.*, d.Id AS DeleId from codes d order by Kind,Label"));
}

bool TCoderSet::SaveAll() {
    Save();
    return true;
}

int TCoderSet::InsertRecord(int key) {
    return DB.ExecSQL(QStringLiteral("insert into codes( Id, Kind, Label, Code, MaxId, Digit )values(:Id,"
                                     ":Kind,:Label,:Code,:MaxId,:Digit )"),
                      {DBParam(QStringLiteral("Id"), key), DBParam(QStringLiteral("Kind"), KindFld->Value()),
                       DBParam(QStringLiteral("Label"), LabelFld->Value()),
                       DBParam(QStringLiteral("Code"), CodeFld->Value()),
                       DBParam(QStringLiteral("MaxId"), MaxIdFld->Value()),
                       DBParam(QStringLiteral("Digit"), DigitFld->Value())});
}

int TCoderSet::UpdateRecord() {
    return DB.ExecSQL(QStringLiteral("update codes set Kind=:Kind, Label=:Label, Code=:Code, MaxId=:MaxId, "
                                     "Digit=:Digit where Id=:Id"),
                      {DBParam(QStringLiteral("Kind"), KindFld->Value()),
                       DBParam(QStringLiteral("Label"), LabelFld->Value()),
                       DBParam(QStringLiteral("Code"), CodeFld->Value()),
                       DBParam(QStringLiteral("MaxId"), MaxIdFld->Value()),
                       DBParam(QStringLiteral("Digit"), DigitFld->Value()),
                       DBParam(QStringLiteral("Id"), IdFld->AsInteger())});
}

// The count is read from the table and written back only if nobody changed it meanwhile, so
// two workstations never hand out the same number.
QString TCoderSet::NextNumber() {
    const int digit = DigitFld->AsInteger();
    if (digit <= 0) return {};
    const TDBParameter id = DBParam(QStringLiteral("Id"), IdFld->AsInteger());
    for (;;) {
        ScratchSet.Open(QStringLiteral("select MaxId from codes where Id=:Id"), {id});
        const bool stored = !ScratchSet.DataSet().IsEmpty();
        const int current = stored ? ScratchSet.DataSet().Fields(0).AsInteger() : MaxIdFld->AsInteger();
        const QString number = QString::number(qint64(current) + 1);
        if (number.size() > digit) throw Exception(QStringLiteral("编号越位") + number);
        const int rows = DB.ExecSQL(
            QStringLiteral("update codes set MaxId=:MaxId where Id=:Id and (MaxId=:Old or MaxId is null)"),
            {DBParam(QStringLiteral("MaxId"), current + 1), id, DBParam(QStringLiteral("Old"), current)});
        if (rows == 1 || !stored) {
            Query().Edit();
            MaxIdFld->SetAsInteger(current + 1);
            Query().Post();
            return number.rightJustified(digit, u'0');
        }
    }
}
