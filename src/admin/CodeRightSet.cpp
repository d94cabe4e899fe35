#include "CodeRightSet.h"

#include "Operator.h"
#include "data/jtLib.h"
#include "platform/Exceptions.h"

#include <QSet>

TOperatorRestrictions& Restrictions = *new TOperatorRestrictions;

TCodeRightSet::TCodeRightSet() {
    const auto add = [this](FieldKind kind, const char* name, int size, const char* label) {
        return AddField(kind, QString::fromLatin1(name), size, true, QString::fromUtf8(label));
    };
    LoginIdFld = add(FieldKind::String, "LoginId", 50, "登陆名");
    IsFreeFld = add(FieldKind::Boolean, "IsFree", -1, "受限");
    PrefixFld = add(FieldKind::String, "Prefix", 50, "前缀");
    PostfixFld = add(FieldKind::String, "Postfix", 50, "后缀");
    BeginIntFld = add(FieldKind::Integer, "BeginInt", -1, "超始");
    EndIntFld = add(FieldKind::Integer, "EndInt", -1, "结止");
    DigitFld = add(FieldKind::Integer, "Digit", -1, "长度");
    DeptSqlFld = add(FieldKind::String, "DeptSql", 150, "部门权限");
    ValueVisibleFld = add(FieldKind::Boolean, "ValueVisible", -1, "");
    PartnoVisibleFld = add(FieldKind::Boolean, "PartnoVisible", -1, "");
    FactoryVisibleFld = add(FieldKind::Boolean, "FactoryVisible", -1, "");
    DayEditFld = add(FieldKind::Boolean, "DayEdit", -1, "");
    ChangeHintFld = add(FieldKind::Boolean, "ChangeHint", -1, "");
    NotesFld = add(FieldKind::String, "Notes", 200, "说明");
}

void TCodeRightSet::Load() {
    Open(QStringLiteral("select * from coderight"));
    TOperatorSet operators;
    const QStringList logins = operators.LoginList().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ::DataSet& data = DataSet();
    QSet<QString> present;
    data.DisableControls();
    for (data.First(); !data.Eof();) {
        if (!logins.contains(LoginIdFld->AsString())) {
            data.Delete();
            continue;
        }
        present.insert(LoginIdFld->AsString());
        data.Next();
    }
    for (const QString& login : logins) {
        if (present.contains(login)) continue;
        data.Append();
        LoginIdFld->SetAsString(login);
        ValueVisibleFld->SetAsBoolean(false);
        PartnoVisibleFld->SetAsBoolean(true);
        FactoryVisibleFld->SetAsBoolean(true);
        data.Post();
    }
    data.First();
    data.EnableControls();
}

bool TCodeRightSet::Save() {
    ::DataSet& data = DataSet();
    data.CheckBrowseMode();
    try {
        TransactionGuard transaction(DB);
        DB.ExecSQL(QStringLiteral("delete from coderight"));
        for (int row = 0; row < data.RecordCount(); ++row) {
            const auto value = [&](const Field* f) { return data.ValueAt(row, f->Index()); };
            DB.ExecSQL(QStringLiteral(
                           "insert into coderight( LoginId, IsFree, Prefix, DeptSql, ValueVisible, "
                           "PartnoVisible, FactoryVisible, DayEdit, ChangeHint ) values (:LoginId,"
                           ":IsFree,:Prefix,:DeptSql,:ValueVisible,:PartnoVisible,:FactoryVisible,"
                           ":DayEdit,:ChangeHint)"),
                       {DBParam("LoginId", value(LoginIdFld)), DBParam("IsFree", value(IsFreeFld)),
                        DBParam("Prefix", value(PrefixFld)), DBParam("DeptSql", value(DeptSqlFld)),
                        DBParam("ValueVisible", value(ValueVisibleFld)),
                        DBParam("PartnoVisible", value(PartnoVisibleFld)),
                        DBParam("FactoryVisible", value(FactoryVisibleFld)),
                        DBParam("DayEdit", value(DayEditFld)), DBParam("ChangeHint", value(ChangeHintFld))});
        }
        transaction.Commit();
    } catch (const Exception& e) {
        ShowInfo(QStringLiteral("保存时出错,系统返回如下提示:\r\n\r\n") + e.Message());
        return false;
    }
    return true;
}

void TCodeRightSet::ApplyAtLogin(const TOperator& op, TOperatorRestrictions& restrictions) {
    if (op.IsSa()) {
        const bool changeHint = restrictions.ChangeHint;
        restrictions = TOperatorRestrictions();
        restrictions.ChangeHint = changeHint;
        return;
    }
    ScratchSet.Open(QStringLiteral("select IsFree, Prefix, DeptSql, ValueVisible, PartnoVisible, "
                                   "FactoryVisible, DayEdit, ChangeHint from coderight where LoginId=:LoginId"),
                    {DBParam(QStringLiteral("LoginId"), op.LoginId)});
    const ::DataSet& row = ScratchSet.DataSet();
    restrictions = TOperatorRestrictions();
    if (row.RecordCount() != 1) {
        restrictions.ValueVisible = false;
        return;
    }
    const auto flag = [&](const char* name) {
        return row.FieldByName(QString::fromLatin1(name)).AsBoolean();
    };
    restrictions.CodePrefix = flag("IsFree") ? QString() : row.FieldByName(QStringLiteral("Prefix")).AsString();
    const QString deptSql = row.FieldByName(QStringLiteral("DeptSql")).AsString();
    restrictions.DeptCondition = deptSql.trimmed().isEmpty() ? deptSql : QStringLiteral(" and ") + deptSql;
    restrictions.ValueVisible = flag("ValueVisible");
    restrictions.PartnoVisible = flag("PartnoVisible");
    restrictions.FactoryVisible = flag("FactoryVisible");
    restrictions.DayEdit = flag("DayEdit");
    restrictions.ChangeHint = flag("ChangeHint");
}
