#include "Options.h"

#include <memory>

TOptions::TOptions() {
    KeyFld = AddField(FieldKind::Integer, QStringLiteral("Key"), -1, true, QStringLiteral("Key"));
    ListFld = AddField(FieldKind::Memo, QStringLiteral("List"), -1, true, QStringLiteral("List"));
    Reload();
}

void TOptions::Reload() {
    Open(QStringLiteral("select * from options order by [Key]"));
}

// A missing row leaves the set where it was, as the label then reads whatever row that is.
bool TOptions::MoveTo(int option) {
    if (option < 0 || option >= DataSet().RecordCount()) return false;
    DataSet().SetRecNo(option + 1);
    return true;
}

QString TOptions::GetText(int option) {
    MoveTo(option);
    return DataSet().IsEmpty() ? QString() : ListFld->AsString();
}

void TOptions::SetText(int option, const QString& text) {
    if (!MoveTo(option)) return;
    DataSet().Edit();
    ListFld->SetAsString(text);
    DataSet().Post();
}

void TOptions::Save() {
    ::DataSet& data = DataSet();
    data.CheckBrowseMode();
    for (int row = 0; row < data.RecordCount(); ++row)
        DB.ExecSQL(QStringLiteral("update options set List=:List where [Key]=:Id"),
                   {DBParam(QStringLiteral("List"), data.ValueAt(row, ListFld->Index())),
                    DBParam(QStringLiteral("Id"), row)});
}

TOptions& Options() {
    static std::unique_ptr<TOptions> options;
    if (!options) options = std::make_unique<TOptions>();
    return *options;
}
