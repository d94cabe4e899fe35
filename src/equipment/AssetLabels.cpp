#include "AssetLabels.h"

#include "admin/AppLabels.h"

#include <QHash>

namespace {

const QHash<QString, QString>& FixedLabels() {
    static const QHash<QString, QString> labels{
        {QStringLiteral("code"), QStringLiteral("设备编号")},
        {QStringLiteral("eqiname"), QStringLiteral("设备名称")},
        {QStringLiteral("partno"), QStringLiteral("型号规格")},
        {QStringLiteral("maincode"), QStringLiteral("主机编号")},
        {QStringLiteral("manufactory"), QStringLiteral("制造厂家")},
        {QStringLiteral("chkacpt"), QStringLiteral("验收情况")},
        {QStringLiteral("status"), QStringLiteral("设备状况")},
        {QStringLiteral("usedeptid"), QStringLiteral("部门编码")},
        {QStringLiteral("fixplace"), QStringLiteral("安装地点")},
        {QStringLiteral("factorycode"), QStringLiteral("出厂编号")},
        {QStringLiteral("fundsource"), QStringLiteral("资金来源")},
        {QStringLiteral("functionary"), QStringLiteral("操作员")},
        {QStringLiteral("remark"), QStringLiteral("备注")},
        {QStringLiteral("financetype"), QStringLiteral("财务类别")},
        {QStringLiteral("addman"), QStringLiteral("添加人")},
        {QStringLiteral("addtime"), QStringLiteral("添加时间")},
        {QStringLiteral("paras"), QStringLiteral("主要参数")},
    };
    return labels;
}

// "Str3" → 3 when the name is the prefix followed by a number within the list.
QString Numbered(const QString& name, const QString& prefix, const QStringList& labels) {
    if (!name.startsWith(prefix)) return {};
    bool ok = false;
    const int number = name.mid(prefix.size()).toInt(&ok);
    return ok && number >= 1 && number <= labels.size() ? labels[number - 1] : QString();
}

} // namespace

QString AssetLabel(const QString& fieldName) {
    const QString name = fieldName.toLower();
    const auto fixed = FixedLabels().constFind(name);
    if (fixed != FixedLabels().cend()) return *fixed;
    if (name.size() == 6 && name.startsWith(QStringLiteral("class"))) {
        const int index = name.at(5).unicode() - 'a';
        if (index >= 0 && index < AppLabels.ClassLabels.size()) return AppLabels.ClassLabels[index];
    }
    QString label = Numbered(name, QStringLiteral("str"), AppLabels.EquipmentStr);
    if (label.isEmpty()) label = Numbered(name, QStringLiteral("float"), AppLabels.EquipmentFloat);
    if (label.isEmpty()) label = Numbered(name, QStringLiteral("date"), AppLabels.EquipmentDate);
    return label;
}
