#include "AppLabels.h"

#include "KeyValue.h"
#include "Options.h"

namespace {

QStringList Numbered(const char* prefix, int from, int to) {
    QStringList texts;
    for (int i = from; i <= to; ++i) texts.append(QString::fromUtf8(prefix) + QString::number(i));
    return texts;
}

QStringList Read(TOptions& options, std::initializer_list<int> numbers) {
    QStringList texts;
    for (const int n : numbers) texts.append(options.GetText(n));
    return texts;
}

} // namespace

TAppLabels::TAppLabels()
    : ClassLabels{QStringLiteral("类别一"), QStringLiteral("类别二"), QStringLiteral("类别三"),
                  QStringLiteral("类别四"), QStringLiteral("类别五"), QStringLiteral("类别六")},
      EquipmentStr(Numbered("字符型", 1, 7)), EquipmentFloat(Numbered("数字型", 1, 9)),
      EquipmentDate(Numbered("日期型", 1, 3)), AccessoryStr(Numbered("字符型", 1, 3)),
      AccessoryFloat(Numbered("数字型", 1, 3)), PartStr(Numbered("字符型", 5, 8)),
      PartFloat(Numbered("数字型", 1, 5)) {}

void TAppLabels::Load(TOptions& options, TKeyValue2& values) {
    OperatorLog = values.GetBool(75);
    for (int i = 0; i < 6; ++i) ClassLabels[i] = values.GetStr(12 + i);
    EquipmentStr = Read(options, {25, 26, 27, 28, 29, 30, 65});
    EquipmentFloat = Read(options, {31, 32, 33, 34, 35, 36, 37, 38, 39});
    EquipmentDate = Read(options, {40, 41, 42});
    AccessoryStr = Read(options, {43, 44, 45});
    AccessoryFloat = Read(options, {47, 48, 49});
    PartStr = Read(options, {55, 56, 57, 58});
    PartFloat = Read(options, {59, 60, 61, 62, 63});
}

TAppLabels& AppLabels = *new TAppLabels;
