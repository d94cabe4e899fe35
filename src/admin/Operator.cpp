#include "Operator.h"

#include "data/jtLib.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"

const QList<TRightItem>& RightsCatalogue() {
    static const QList<TRightItem> catalogue = {
        {118, "设备.增加"}, {119, "设备.修改"}, {140, "设备.修改日志.查阅"}, {120, "设备.删除"},
        {121, "设备.导入"}, {138, "设备.图片.查看"}, {113, "设备.图片.增加"},
        {114, "设备.图片.修改"}, {112, "设备.图片.删除"}, {139, "设备.附件.查看"},
        {115, "设备.附件.增加"}, {116, "设备.附件.修改"}, {117, "设备.附件.删除"},
        {137, "设备.文档.查阅"}, {105, "设备.文档.管理"}, {136, "设备.记事.查阅"},
        {127, "设备.记事.编辑"}, {131, "设备变更.查阅"}, {102, "设备变更.申请"},
        {130, "设备变更.批准"}, {142, "设备保养.查阅"}, {143, "设备保养点.设置"},
        {144, "设备保养记录.编辑"}, {132, "设备维修.查阅"}, {141, "设备维修.审批"},
        {103, "设备维修.管理"}, {135, "设备事故.查阅"}, {128, "设备事故.管理"},
        {122, "备件.增加权限"}, {151, "备件.导入"}, {123, "备件.修改权限"},
        {124, "备件.删除权限"}, {152, "备件申购.查阅"}, {125, "备件申购.制单"},
        {145, "备件安装.添加"}, {146, "备件安装.修改"}, {147, "备件安装.删除"},
        {148, "备件维修.添加"}, {149, "备件维修.修改"}, {150, "备件维修.删除"},
        {110, "设备权限控制"}, {107, "选项设置"}, {108, "部门设置"}, {109, "统计查阅权限"},
        {0, "清除数据"}, {9, "备份设置"}, {1, "选项设置"}, {7, "文档菜单设置权限"},
        {10000, "公司信息设置"}, {100001, "操作员及权限管理"}, {10002, "打印"},
        {10003, "打印设计"}, {10004, "数据导出"}, {10008, "列选择"}, {10006, "列样式保存"},
        {10005, "备份设置"}, {10007, "工具菜单设置"},
    };
    return catalogue;
}

QString RightsText(const QList<int>& granted) {
    QString text;
    for (const TRightItem& item : RightsCatalogue())
        if (granted.contains(item.Number)) text += u',' + QString::number(item.Number) + u',';
    return text;
}

bool RightsContain(const QString& rights, int number) {
    return rights.contains(u',' + QString::number(number) + u',');
}

void TOperator::Load(const QString& loginId) {
    ScratchSet.Open(QStringLiteral("select LoginId,Password,Name,Contact,[Note],Rights from operator "
                                   "where LoginId=:LoginId"),
                    {DBParam(QStringLiteral("LoginId"), loginId)});
    const DataSet& row = ScratchSet.DataSet();
    const bool found = row.RecordCount() == 1;
    const auto text = [&](int i) { return found ? row.Fields(i).AsString() : QString(); };
    LoginId = text(0);
    Password = text(1);
    Name = text(2);
    Contact = text(3);
    Note = text(4);
    Rights = text(5);
}

bool TOperator::CheckPassword(const QString& password) const {
    return !LoginId.isEmpty() && password == Password;
}

bool TOperator::HasRight(int right) const {
    return IsSa() || RightsContain(Rights, right);
}

bool TOperator::CheckRight(int right, bool abort) {
    if (HasRight(right)) return true;
    ShowInfo(Format("对不起,您没有该功能的操作权限,请与管理员联系(%d).", {right}));
    if (abort) throw EAbort();
    return false;
}

void TOperator::RequireSa() const {
    if (IsSa()) return;
    ShowInfo(QStringLiteral("只有系统用户(sa)才能执行此操作."));
    throw EAbort();
}

void TOperator::SetPassword(const QString& password) {
    DB.ExecSQL(QStringLiteral("update operator set [Password]=:Password where LoginId=:LoginId"),
               {DBParam(QStringLiteral("Password"), password), DBParam(QStringLiteral("LoginId"), LoginId)});
    Password = password;
}

TOperator& CurrentOperator = *new TOperator;

TOperatorSet::TOperatorSet() {
    LoginIdFld = AddField(FieldKind::String, QStringLiteral("LoginId"), 50, true, QStringLiteral("登陆名"));
    PasswordFld = AddField(FieldKind::String, QStringLiteral("Password"), 50, true, QStringLiteral("密码"));
    NameFld = AddField(FieldKind::String, QStringLiteral("Name"), 50, true, QStringLiteral("姓名"));
    ContactFld = AddField(FieldKind::String, QStringLiteral("Contact"), 50, true, QStringLiteral("联系方式"));
    NoteFld = AddField(FieldKind::String, QStringLiteral("Note"), 50, true, QStringLiteral("备注"));
    RightsFld = AddField(FieldKind::Memo, QStringLiteral("Rights"), -1, true, QStringLiteral("权限"));
    Open(QStringLiteral("select * from operator where LoginId<>'sa'"));
}

TDBParameters TOperatorSet::Values(const QString& loginId, const QString& password,
                                   const QString& rights, const QString& note,
                                   const QString& contact, const QString& name) const {
    return {DBParam(QStringLiteral("LoginId"), loginId), DBParam(QStringLiteral("Password"), password),
            DBParam(QStringLiteral("Name"), name), DBParam(QStringLiteral("Contact"), contact),
            DBParam(QStringLiteral("Note"), note), DBParam(QStringLiteral("Rights"), rights)};
}

void TOperatorSet::PutRow(const TDBParameters& values) {
    for (const TDBParameter& p : values) DataSet().FieldByName(p.Name).SetValue(p.Value);
    DataSet().Post();
}

void TOperatorSet::Insert(const QString& loginId, const QString& password, const QString& rights,
                          const QString& note, const QString& contact, const QString& name) {
    const TDBParameters values = Values(loginId, password, rights, note, contact, name);
    DB.ExecSQL(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights)"
                              "values(:LoginId,:Password,:Name,:Contact,:Note,:Rights)"),
               values);
    DataSet().Append();
    PutRow(values);
}

void TOperatorSet::Update(const QString& loginId, const QString& password, const QString& rights,
                          const QString& note, const QString& contact, const QString& name) {
    const TDBParameters values = Values(loginId, password, rights, note, contact, name);
    DB.ExecSQL(QStringLiteral("update operator set [Password]=:Password,Name=:Name,Contact=:Contact,"
                              "[Note]=:Note,Rights=:Rights where LoginId=:LoginId"),
               values);
    if (!DataSet().Locate(QStringLiteral("LoginId"), loginId)) return;
    DataSet().Edit();
    PutRow(values);
}

void TOperatorSet::Delete(const QString& loginId) {
    DB.ExecSQL(QStringLiteral("delete from operator where LoginId=:LoginId"),
               {DBParam(QStringLiteral("LoginId"), loginId)});
    if (DataSet().Locate(QStringLiteral("LoginId"), loginId)) DataSet().Delete();
}

QString TOperatorSet::LoginList() {
    return JoinValues(*LoginIdFld, QStringLiteral("\r\n"));
}
