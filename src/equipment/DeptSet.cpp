#include "DeptSet.h"

#include "data/RecordSet.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"

#include <QHash>

TDeptSet::TDeptSet() {
    CodeFld = AddFieldDef(FieldKind::String, QStringLiteral("Code"), 50, true, QStringLiteral("编码"));
    NameFld = AddFieldDef(FieldKind::String, QStringLiteral("Name"), 30, true, QStringLiteral("类别名称"));
    NoteFld = AddFieldDef(FieldKind::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    FatherIndexFld = AddFieldDef(FieldKind::Integer, QStringLiteral("FatherIdx"), 0, true,
                                 QStringLiteral("父节点位置"));
    PathFld = AddFieldDef(FieldKind::String, QStringLiteral("Path"), 250, true, QStringLiteral("类别全称"));
    CreateDataSet();
}

void TDeptSet::LoadAll() {
    CreateDataSet();
    ScratchSet.Open(QStringLiteral(
        "select Code, Name, Note, (select count(code) from department where "
        "code<=left(a.code,len(a.code)-2)) as FatherIdx from department a order by a.code"));
    ::DataSet& source = ScratchSet.DataSet();
    QHash<QString, QString> names;
    for (source.First(); !source.Eof(); source.Next())
        names.insert(source.Fields(0).AsString(), source.Fields(1).AsString());
    ::DataSet& data = DataSet();
    data.DisableControls();
    for (source.First(); !source.Eof(); source.Next()) {
        const QString code = source.Fields(0).AsString();
        QString path = QStringLiteral("\\");
        for (int k = 1; k <= code.size() / 2; ++k) {
            const auto name = names.constFind(code.left(2 * k));
            if (name != names.cend()) path += u'\\' + *name;
        }
        data.Append();
        CodeFld->SetAsString(code);
        NameFld->SetValue(source.Fields(1).Value());
        NoteFld->SetValue(source.Fields(2).Value());
        FatherIndexFld->SetAsInteger(source.Fields(3).AsInteger());
        PathFld->SetAsString(path);
        data.Post();
    }
    data.First();
    data.EnableControls();
}

void TDeptSet::GetPath(const QString& code, QString& path) {
    if (DataSet().Locate(QStringLiteral("Code"), code)) path = PathFld->AsString();
}

QString TDeptSet::GetPath(const QString& code) {
    QString path;
    GetPath(code, path);
    return path;
}

QString TDeptSet::AddDepartment(const QString& parentCode, const QString& name) {
    ScratchSet.Open(QStringLiteral("select Code from department where Code like :Father order by Code desc"),
                    {DBParam(QStringLiteral("Father"), QString(parentCode + QStringLiteral("__")))});
    QString suffix = QStringLiteral("00");
    if (!ScratchSet.DataSet().IsEmpty()) {
        const QString last = ScratchSet.DataSet().Fields(0).AsString().right(2);
        bool ok = last.size() == 2 && last[0].isDigit() && last[1].isDigit();
        const int number = ok ? last.toInt(&ok) : 0;
        if (!ok) throw EDatabaseError(QStringLiteral("'%1' 不是有效的整数").arg(last));
        // A third digit would make the code read as a grandchild of another department.
        if (number >= 99) {
            ShowInfo(QStringLiteral("每一级最多只能有100个部门(编码00至99),不能再添加."));
            throw EAbort();
        }
        suffix = QString::number(number + 1).rightJustified(2, u'0');
    }
    const QString code = parentCode + suffix;
    DB.ExecSQL(QStringLiteral("insert into department(Code,Name,[Note])values(:Code,:Name,:Note)"),
               {DBParam(QStringLiteral("Code"), code), DBParam(QStringLiteral("Name"), name)});
    LoadAll();
    return code;
}

void TDeptSet::Rename(const QString& code, const QString& name) {
    DB.ExecSQL(QStringLiteral("update department set Name=:Name,[Note]=:Note where Code=:Code"),
               {DBParam(QStringLiteral("Name"), name), DBParam(QStringLiteral("Code"), code)});
    LoadAll();
}

void TDeptSet::DeleteSubtree(const QString& code) {
    // An empty code would match every department.
    if (code.isEmpty()) throw Exception(QStringLiteral("没有指定要删除的部门."));
    ScratchSet.Open(QStringLiteral("select count(*) from equipments where UseDeptId like :Code"),
                    {DBParam(QStringLiteral("Code"), QString(code + u'%'))});
    const int used = ScratchSet.DataSet().Fields(0).AsInteger();
    if (used > 0)
        throw Exception(Format("该部门及其下级部门还有 %d 台设备在使用,请先把这些设备调到其他部门.",
                               {used}));
    DB.ExecSQL(QStringLiteral("delete from department where Code like :Code"),
               {DBParam(QStringLiteral("Code"), QString(code + u'%'))});
    LoadAll();
}

TDeptSet& DeptSet = *new TDeptSet;
