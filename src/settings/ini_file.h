// An INI file with the Windows private-profile rules, kept as its lines so
// that comments and lines the program does not understand survive a save.
#pragma once

#include <QString>
#include <QStringList>

class TIniFile
{
public:
    TIniFile() = default;

    // Replaces the contents with the file at path. A missing file gives an
    // empty one and true; a file that exists but cannot be read gives an
    // empty one and false, with the system's message in *errorMessage.
    bool Load(const QString &path, QString *errorMessage = nullptr);

    // Writes every line followed by CR LF through a temporary file that
    // replaces path only once it is complete. Throws EInOutError.
    void Save(const QString &path) const;

    // Sections and keys are found regardless of letter case; the first
    // occurrence counts. Values come trimmed, one pair of enclosing double
    // quotes removed.
    bool ValueExists(const QString &section, const QString &key) const;
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal with an optional sign, or hex written "$1F" / "0x1F"; anything
    // else (also a missing key) gives defaultValue.
    int ReadInteger(const QString &section, const QString &key, int defaultValue) const;
    // An integer other than 0 is true, 0 is false, anything else the default.
    bool ReadBool(const QString &section, const QString &key, bool defaultValue) const;

    // Replaces the value of an existing key in place, else appends the key at
    // the end of its section; a new section is appended at the end of the file.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteBool(const QString &section, const QString &key, bool value);

    // The file's lines as they will be written.
    const QStringList &Lines() const { return m_lines; }

    // The integer rule of ReadInteger, for values that come from elsewhere.
    static bool ParseInteger(const QString &text, int *value);

private:
    // Index of the section's header line, or -1.
    qsizetype FindSection(const QString &section) const;
    // Index of the key's line within the section starting at header, or -1.
    qsizetype FindKey(qsizetype header, const QString &key) const;
    // Index just past the section's last line that is not blank.
    qsizetype SectionEnd(qsizetype header) const;

    QStringList m_lines;
    // The file began with a UTF-8 byte-order mark: it is written back so.
    bool m_utf8 = false;
};
