#pragma once

#include <QByteArray>
#include <QString>

// An INI file read and written the way the profile functions of the original platform work:
// every read looks at the file as it is now and every write goes straight to the file, so two
// objects over the same file never undo each other's writes. Lines the program does not touch
// (other sections, other keys, comments, blank lines, line endings) stay exactly as they were.
// Section and key names compare case-insensitively. Values are raw bytes: scrambled values
// need not be valid UTF-8. A value with blanks at either end, or one that is itself enclosed in
// double quotes, is written between double quotes so that reading gives back the same bytes.
class IniFile {
public:
    explicit IniFile(QString fileName);

    const QString& FileName() const { return m_fileName; }

    QByteArray ReadBytes(const QString& section, const QString& key, bool* found = nullptr) const;
    // False when the file could not be written or the value holds a line break.
    bool WriteBytes(const QString& section, const QString& key, const QByteArray& value);

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    bool WriteString(const QString& section, const QString& key, const QString& value);
    // A missing key or a value that is not a whole number reads as the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    bool WriteInteger(const QString& section, const QString& key, int value);
    // Written as 1 or 0; reads 1/0, any other number (non-zero is true) and true/false.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    bool WriteBool(const QString& section, const QString& key, bool value);

private:
    QString m_fileName;
};
