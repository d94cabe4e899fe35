#include "Format.h"

#include <QLocale>

namespace {

QString FormatOne(QChar conv, const QVariant& arg, int precision) {
    switch (conv.toLower().unicode()) {
    case u'd':
    case u'u':
        return QString::number(arg.toLongLong());
    case u'f':
        return QString::number(arg.toDouble(), 'f', precision < 0 ? 2 : precision);
    case u'n': {
        return QLocale::c().toString(arg.toDouble(), 'f', precision < 0 ? 2 : precision);
    }
    case u'g':
        return QString::number(arg.toDouble(), 'g', precision < 0 ? 15 : precision);
    case u'e':
        return QString::number(arg.toDouble(), 'e', precision < 0 ? 15 : precision);
    case u'x':
        return QString::number(arg.toLongLong(), 16).toUpper();
    default: {
        const QString s = arg.toString();
        return precision < 0 ? s : s.left(precision);
    }
    }
}

} // namespace

QString Format(const QString& format, const QVariantList& args) {
    QString out;
    out.reserve(format.size() + 16 * args.size());
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        if (format[j] == u'%') {
            out += u'%';
            i = j;
            continue;
        }
        const bool left = format[j] == u'-';
        if (left) ++j;
        int width = 0;
        while (j < format.size() && format[j].isDigit()) width = width * 10 + format[j++].digitValue();
        int precision = -1;
        if (j < format.size() && format[j] == u'.') {
            precision = 0;
            ++j;
            while (j < format.size() && format[j].isDigit())
                precision = precision * 10 + format[j++].digitValue();
        }
        if (j >= format.size() || !QStringLiteral("dufngexsDUFNGEXS").contains(format[j])) {
            out += c;
            continue;
        }
        QString piece = FormatOne(format[j], args.value(next++), precision);
        if (piece.size() < width) {
            const QString pad(width - piece.size(), u' ');
            piece = left ? piece + pad : pad + piece;
        }
        out += piece;
        i = j;
    }
    return out;
}
