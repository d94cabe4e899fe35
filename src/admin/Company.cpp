#include "Company.h"

#include "data/RecordSet.h"

int GbkLength(const QString& text) {
    int bytes = 0;
    for (const QChar c : text) bytes += c.unicode() < 0x80 ? 1 : (c.isLowSurrogate() ? 0 : 2);
    return bytes;
}

void TCompany::Load() {
    ScratchSet.Open(QStringLiteral("select * from Company where Id=:Id"), {DBParam(QStringLiteral("Id"), 0)});
    const DataSet& row = ScratchSet.DataSet();
    if (row.RecordCount() != 1) return;
    const auto text = [&](const char* name) { return row.FieldByName(QString::fromLatin1(name)).AsString(); };
    Id = row.FieldByName(QStringLiteral("Id")).AsInteger();
    CompanyName = text("CompanyName");
    Manager = text("Manager");
    Tel = text("Tel");
    Fax = text("Fax");
    Address = text("Address");
    Zip = text("Zip");
    Profile = text("Profile");
    UseCount = row.FieldByName(QStringLiteral("UseCount")).AsInteger();
    Updated = row.FieldByName(QStringLiteral("Updated")).AsBoolean();
}

bool TCompany::IsFilled() const {
    return GbkLength(CompanyName) > 7;
}

bool TCompany::Exists() const {
    ScratchSet.Open(QStringLiteral("select 1 from Company where Id=:Id"), {DBParam(QStringLiteral("Id"), Id)});
    return ScratchSet.DataSet().RecordCount() == 1;
}

void TCompany::Save() {
    const TDBParameters values{
        DBParam(QStringLiteral("Id"), Id), DBParam(QStringLiteral("CompanyName"), CompanyName),
        DBParam(QStringLiteral("Manager"), Manager), DBParam(QStringLiteral("Tel"), Tel),
        DBParam(QStringLiteral("Fax"), Fax), DBParam(QStringLiteral("Address"), Address),
        DBParam(QStringLiteral("Zip"), Zip), DBParam(QStringLiteral("Profile"), Profile),
        DBParam(QStringLiteral("Updated"), Updated)};
    if (Exists())
        DB.ExecSQL(QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,Tel=:Tel,"
                                  "Fax=:Fax,Address=:Address,Zip=:Zip,Profile=:Profile,Updated=:Updated "
                                  "where Id=:Id"),
                   values);
    else
        DB.ExecSQL(QStringLiteral("insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,"
                                  "Updated)values(:Id,:CompanyName,:Manager,:Tel,:Fax,:Address,:Zip,"
                                  ":Profile,:Updated)"),
                   values);
}

TCompany& Company = *new TCompany;
