#include "IniFile.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray TrimBlanks(const QByteArray& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}

bool Quoted(const QByteArray& text) {
    return text.size() >= 2 && text.startsWith('"') && text.endsWith('"');
}

// The file's lines, each with its own line ending, so unchanged lines are written back as read.
QList<QByteArray> LoadLines(const QString& fileName) {
    QList<QByteArray> lines;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return lines;
    const QByteArray all = file.readAll();
    qsizetype start = 0;
    while (start < all.size()) {
        const qsizetype newline = all.indexOf('\n', start);
        const qsizetype end = newline < 0 ? all.size() : newline + 1;
        lines.append(all.mid(start, end - start));
        start = end;
    }
    return lines;
}

QByteArray Content(const QByteArray& line) {
    QByteArray content = line;
    if (content.endsWith('\n')) content.chop(1);
    if (content.endsWith('\r')) content.chop(1);
    return content;
}

bool SameName(const QByteArray& name, const QString& wanted) {
    return QString::fromUtf8(name).compare(wanted, Qt::CaseInsensitive) == 0;
}

// The section a header line opens, or a null array when the line is no header.
QByteArray SectionOf(const QByteArray& line) {
    const QByteArray content = TrimBlanks(Content(line));
    const qsizetype close = content.indexOf(']');
    if (!content.startsWith('[') || close < 0) return QByteArray();
    return TrimBlanks(content.mid(1, close - 1));
}

// Position of the '=' of a key line, -1 for comments, headers, blank and other lines.
qsizetype EqualsOf(const QByteArray& line) {
    const QByteArray content = Content(line);
    const QByteArray trimmed = TrimBlanks(content);
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#') ||
        trimmed.startsWith('['))
        return -1;
    return content.indexOf('=');
}

struct Location {
    qsizetype sectionLine = -1;  // header of the first section of that name
    qsizetype lastEntry = -1;    // last non-blank line of that section
    qsizetype keyLine = -1;
};

Location Find(const QList<QByteArray>& lines, const QString& section, const QString& key) {
    Location at;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray header = SectionOf(lines[i]);
        if (!header.isNull()) {
            if (inSection) break;  // only the first section of that name counts
            inSection = SameName(header, section);
            if (inSection) at.sectionLine = at.lastEntry = i;
            continue;
        }
        if (!inSection) continue;
        if (!TrimBlanks(Content(lines[i])).isEmpty()) at.lastEntry = i;
        const qsizetype equals = EqualsOf(lines[i]);
        if (equals >= 0 && SameName(TrimBlanks(lines[i].left(equals)), key)) {
            at.keyLine = i;
            break;
        }
    }
    return at;
}

QByteArray LineEnding(const QList<QByteArray>& lines) {
    for (const QByteArray& line : lines)
        if (line.endsWith('\n')) return line.endsWith("\r\n") ? "\r\n" : "\n";
    return "\n";
}

QByteArray EncodeValue(const QByteArray& value) {
    const bool blankEnd = !value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back()));
    return blankEnd || Quoted(value) ? '"' + value + '"' : value;
}

bool SaveLines(const QString& fileName, const QList<QByteArray>& lines) {
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (const QByteArray& line : lines)
        if (file.write(line) != line.size()) {
            file.cancelWriting();
            return false;
        }
    return file.commit();
}

} // namespace

IniFile::IniFile(QString fileName) : m_fileName(std::move(fileName)) {}

QByteArray IniFile::ReadBytes(const QString& section, const QString& key, bool* found) const {
    const QList<QByteArray> lines = LoadLines(m_fileName);
    const Location at = Find(lines, section, key);
    if (found) *found = at.keyLine >= 0;
    if (at.keyLine < 0) return QByteArray();
    const QByteArray& line = lines[at.keyLine];
    QByteArray value = TrimBlanks(Content(line).mid(EqualsOf(line) + 1));
    if (Quoted(value)) value = value.mid(1, value.size() - 2);
    return value;
}

bool IniFile::WriteBytes(const QString& section, const QString& key, const QByteArray& value) {
    if (value.contains('\n') || value.contains('\r')) return false;
    QList<QByteArray> lines = LoadLines(m_fileName);
    const QByteArray eol = LineEnding(lines);
    const Location at = Find(lines, section, key);
    if (at.keyLine >= 0) {
        const QByteArray& line = lines[at.keyLine];
        const QByteArray ending = line.mid(Content(line).size());
        lines[at.keyLine] = line.left(EqualsOf(line) + 1) + EncodeValue(value) + ending;
    } else {
        const QByteArray entry = key.toUtf8() + '=' + EncodeValue(value) + eol;
        if (at.sectionLine >= 0) {
            QByteArray& previous = lines[at.lastEntry];
            if (!previous.endsWith('\n')) previous += eol;
            lines.insert(at.lastEntry + 1, entry);
        } else {
            if (!lines.isEmpty() && !lines.last().endsWith('\n')) lines.last() += eol;
            lines.append('[' + section.toUtf8() + ']' + eol);
            lines.append(entry);
        }
    }
    return SaveLines(m_fileName, lines);
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    bool found = false;
    const QByteArray value = ReadBytes(section, key, &found);
    return found ? QString::fromUtf8(value) : defaultValue;
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    return WriteBytes(section, key, value.toUtf8());
}

int IniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int value = ReadBytes(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

bool IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    return WriteBytes(section, key, QByteArray::number(value));
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    const QByteArray value = ReadBytes(section, key).toLower();
    if (value == "true") return true;
    if (value == "false") return false;
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number != 0 : defaultValue;
}

bool IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    return WriteBytes(section, key, value ? "1" : "0");
}
