#include "ColorNames.h"

#include <QHash>

namespace {

const QHash<QString, quint32>& Names() {
    static const QHash<QString, quint32> names{
        {QStringLiteral("clblack"), 0x000000},     {QStringLiteral("clmaroon"), 0x000080},
        {QStringLiteral("clgreen"), 0x008000},     {QStringLiteral("clolive"), 0x008080},
        {QStringLiteral("clnavy"), 0x800000},      {QStringLiteral("clpurple"), 0x800080},
        {QStringLiteral("clteal"), 0x808000},      {QStringLiteral("clgray"), 0x808080},
        {QStringLiteral("clsilver"), 0xC0C0C0},    {QStringLiteral("clred"), 0x0000FF},
        {QStringLiteral("cllime"), 0x00FF00},      {QStringLiteral("clyellow"), 0x00FFFF},
        {QStringLiteral("clblue"), 0xFF0000},      {QStringLiteral("clfuchsia"), 0xFF00FF},
        {QStringLiteral("claqua"), 0xFFFF00},      {QStringLiteral("clltgray"), 0xC0C0C0},
        {QStringLiteral("cldkgray"), 0x808080},    {QStringLiteral("clwhite"), 0xFFFFFF},
        {QStringLiteral("clmoneygreen"), 0xC0DCC0}, {QStringLiteral("clskyblue"), 0xF0CAA6},
        {QStringLiteral("clcream"), 0xF0FBFF},     {QStringLiteral("clmedgray"), 0xA4A0A0},
    };
    return names;
}

bool ParseNumber(const QString& text, quint32* value) {
    bool ok = false;
    qint64 number = 0;
    if (text.startsWith(u'$')) number = text.mid(1).toLongLong(&ok, 16);
    else if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) number = text.mid(2).toLongLong(&ok, 16);
    else number = text.toLongLong(&ok, 10);
    // Negative numbers name system colours of another platform; they mean nothing here.
    if (!ok || number < 0 || number > 0xFFFFFF) return false;
    *value = quint32(number);
    return true;
}

} // namespace

QColor ColorFromName(const QString& text) {
    const QString name = text.trimmed().toLower();
    quint32 bgr = 0;
    const auto named = Names().constFind(name);
    if (named != Names().cend()) bgr = *named;
    else if (!ParseNumber(name, &bgr)) return {};
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
