#include "BatchEditSet.h"

#include "platform/Format.h"

#include <vector>

namespace {
// A function, not a global: application-wide sets are built during static initialisation.
QString DeleIdName() {
    return QStringLiteral("DeleId");
}
} // namespace

TBatchEditSet::TBatchEditSet(const QString& table, const QString& keyField, TDatabase* db)
    : TQuerySet(db), m_table(table), m_keyField(keyField) {
    Query().OnNewRecord = [](::DataSet& data) { data.FieldByName(DeleIdName()).SetAsInteger(1); };
}

void TBatchEditSet::AddDeleIdField() {
    AddField(FieldKind::Integer, DeleIdName(), -1, false, DeleIdName());
}

int TBatchEditSet::OpenBatch(const QString& sql, const TDBParameters& params) {
    Query().SetFilter(QStringLiteral("DeleId > 0"));
    Query().SetFiltered(true);
    return Open(sql, params);
}

void TBatchEditSet::DeleteRow() {
    ::DataSet& data = Query();
    if (data.IsEmpty()) return;
    PostEdits();
    if (data.IsEmpty()) return;
    data.Edit();
    data.FieldByName(DeleIdName()).SetAsInteger(0);
    data.Post();
}

void TBatchEditSet::DeleteRecord(int key) {
    Database().ExecSQL(Format("delete from %s where %s=:Id", {m_table, m_keyField}),
                       {DBParam(QStringLiteral("Id"), key)});
}

void TBatchEditSet::Save() {
    ::DataSet& data = Query();
    PostEdits();
    data.SetFiltered(false);
    Field& key = data.FieldByName(m_keyField);
    Field& deleId = data.FieldByName(DeleIdName());
    std::vector<::DataSet::Bookmark> deleted;
    std::vector<std::pair<::DataSet::Bookmark, int>> inserted;
    data.DisableControls();
    try {
        TransactionGuard transaction(Database());
        for (data.First(); !data.Eof(); data.Next()) {
            if (deleId.AsInteger() == 0) {
                if (key.AsInteger() != 0) DeleteRecord(key.AsInteger());
                deleted.push_back(data.GetBookmark());
            } else if (key.AsInteger() == 0) {
                const int newKey = Database().InsertNewKey(
                    m_table, m_keyField, [this](int k) { return InsertRecord(k); });
                inserted.emplace_back(data.GetBookmark(), newKey);
            } else {
                UpdateRecord();
            }
        }
        transaction.Commit();
    } catch (...) {
        data.SetFiltered(true);
        data.EnableControls();
        throw;
    }
    for (const auto& [row, newKey] : inserted) {
        data.GotoBookmark(row);
        data.Edit();
        key.SetAsInteger(newKey);
        data.Post();
    }
    for (const ::DataSet::Bookmark row : deleted) {
        data.GotoBookmark(row);
        data.Delete();
    }
    data.SetFiltered(true);
    data.EnableControls();
}
