#include "TableText.h"

#include "platform/dataset/DataSet.h"

namespace {

void Line(QString& text, const QString& content) {
    text += content;
    text += QStringLiteral("\r\n");
}

QString Cell(const QString& content) {
    return QStringLiteral("<td nowrap>") + content + QStringLiteral("&nbsp;</td>");
}

} // namespace

QString HtmlTableText(const DataSet& data, const QList<int>& fields, const QStringList& titles) {
    QString text;
    for (const char* head : {"<html>", "<head>"}) Line(text, QString::fromLatin1(head));
    Line(text, QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"));
    for (const char* head : {"<title></title>", "</head>", "<body>", "<table>", "<tr>"})
        Line(text, QString::fromLatin1(head));
    for (const QString& title : titles) Line(text, Cell(title));
    Line(text, QStringLiteral("</tr>"));
    for (int row = 0, rows = data.RecordCount(); row < rows; ++row) {
        Line(text, QStringLiteral("<tr>"));
        for (const int field : fields) Line(text, Cell(Field::ToText(data.ValueAt(row, field))));
        Line(text, QStringLiteral("</tr>"));
    }
    for (const char* tail : {"</table>", "</body>", "</html>"}) Line(text, QString::fromLatin1(tail));
    return text;
}

QString SeparatedText(const DataSet& data, const QList<int>& fields, const QStringList& titles,
                      const QString& separator) {
    QString text;
    QString line;
    for (const QString& title : titles) line += title + separator;
    Line(text, line);
    for (int row = 0, rows = data.RecordCount(); row < rows; ++row) {
        line.clear();
        for (const int field : fields) line += Field::ToText(data.ValueAt(row, field)) + separator;
        Line(text, line);
    }
    return text;
}
