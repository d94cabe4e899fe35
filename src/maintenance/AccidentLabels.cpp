#include "AccidentLabels.h"

#include <QHash>

QString AccidentLabel(const QString& fieldName) {
    static const QHash<QString, QString> labels{
        {QStringLiteral("accdate"), QStringLiteral("事故日期")},
        {QStringLiteral("accdept"), QStringLiteral("事故部门")},
        {QStringLiteral("accclass"), QStringLiteral("事故级别")},
        {QStringLiteral("accprop"), QStringLiteral("事故性质")},
        {QStringLiteral("accmoney"), QStringLiteral("经济损失")},
        {QStringLiteral("accbrief"), QStringLiteral("事故描述")},
        {QStringLiteral("invests"), QStringLiteral("调查分析")},
        {QStringLiteral("summery"), QStringLiteral("防范总结")},
    };
    return labels.value(fieldName.toLower());
}
