#include "settings/ini_file.h"

#include "conversion/codec.h"
#include "documents/durable_file.h"
#include "errorreport/io_error.h"

#include <QFile>

#include <limits>

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// "[name]" (blanks allowed around the brackets and the name).
bool ParseSectionLine(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

// "key = value"; comments (";"), headers and lines without "=" are no keys.
bool ParseKeyLine(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'['))
        return false;
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0)
        return false;
    *key = t.left(eq).trimmed();
    if (key->isEmpty())
        return false;
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

bool IsQuoted(const QString &v)
{
    return v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"');
}

// The value as the file holds it, such that reading gives back exactly
// value: blanks at either end or enclosing quotes would otherwise be lost,
// and a line break would split the line.
QString StoredValue(QString value)
{
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (value != value.trimmed() || IsQuoted(value))
        return u'"' + value + u'"';
    return value;
}

bool FitsWin1250(const QString &text)
{
    unsigned char byte = 0;
    for (QChar ch : text) {
        if (!Codec::UnicodeToWin1250(ch.unicode(), &byte))
            return false;
    }
    return true;
}

} // namespace

bool TIniFile::Load(const QString &path, QString *errorMessage)
{
    m_lines.clear();
    m_utf8 = false;
    QFile f(path);
    if (!f.exists())
        return true;
    if (!f.open(QIODevice::ReadOnly)) {
        if (errorMessage)
            *errorMessage = f.errorString();
        return false;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        if (errorMessage)
            *errorMessage = f.errorString();
        return false;
    }
    if (bytes.startsWith(kUtf8Bom)) {
        m_utf8 = true;
        m_lines = Codec::SplitLines(QString::fromUtf8(bytes.mid(kUtf8Bom.size())));
    } else {
        m_lines = Codec::SplitLines(Codec::DecodeWin1250(bytes));
    }
    return true;
}

void TIniFile::Save(const QString &path) const
{
    const QString text = Codec::JoinLinesCrLf(m_lines);
    // A folder name outside the code page would otherwise be written as a
    // character reference and never found again; such a file goes as UTF-8.
    const QByteArray bytes = (m_utf8 || !FitsWin1250(text)) ? kUtf8Bom + text.toUtf8()
                                                             : Codec::EncodeWin1250(text);
    DurableFile::Write(path, bytes);
}

qsizetype TIniFile::FindSection(const QString &section) const
{
    QString name;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (ParseSectionLine(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype TIniFile::FindKey(qsizetype header, const QString &key) const
{
    QString name;
    QString k;
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        if (ParseSectionLine(m_lines[i], &name))
            break;
        if (ParseKeyLine(m_lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype header) const
{
    QString name;
    qsizetype end = header + 1;
    for (qsizetype i = header + 1; i < m_lines.size(); ++i) {
        if (ParseSectionLine(m_lines[i], &name))
            break;
        if (!m_lines[i].trimmed().isEmpty())
            end = i + 1;
    }
    return end;
}

bool TIniFile::ValueExists(const QString &section, const QString &key) const
{
    const qsizetype header = FindSection(section);
    return header >= 0 && FindKey(header, key) >= 0;
}

QString TIniFile::ReadString(const QString &section, const QString &key,
                             const QString &defaultValue) const
{
    const qsizetype header = FindSection(section);
    if (header < 0)
        return defaultValue;
    const qsizetype line = FindKey(header, key);
    if (line < 0)
        return defaultValue;
    QString k;
    QString value;
    ParseKeyLine(m_lines[line], &k, &value);
    if (IsQuoted(value))
        value = value.mid(1, value.size() - 2);
    return value;
}

bool TIniFile::ParseInteger(const QString &text, int *value)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(u'-') || t.startsWith(u'+')) {
        negative = t.startsWith(u'-');
        t = t.mid(1);
    }
    int base = 10;
    if (t.startsWith(u'$')) {
        base = 16;
        t = t.mid(1);
    } else if (t.startsWith(u"0x", Qt::CaseInsensitive)) {
        base = 16;
        t = t.mid(2);
    }
    // toLongLong would accept blanks and a second sign inside.
    if (t.isEmpty() || t.size() > 16)
        return false;
    for (QChar ch : t) {
        const bool digit = ch >= u'0' && ch <= u'9';
        const bool hex = (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
        if (!digit && !(base == 16 && hex))
            return false;
    }
    bool ok = false;
    qlonglong v = t.toLongLong(&ok, base);
    if (!ok)
        return false;
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    *value = int(v);
    return true;
}

int TIniFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    int v = 0;
    return ParseInteger(ReadString(section, key, QString()), &v) ? v : defaultValue;
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QString stored = StoredValue(value);
    qsizetype header = FindSection(section);
    if (header < 0) {
        // A blank line between sections, as a file written by hand would have.
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(u'[' + section + u']');
        m_lines.append(key + u'=' + stored);
        return;
    }
    const qsizetype line = FindKey(header, key);
    if (line >= 0) {
        // The key keeps the spelling the file gave it.
        QString k;
        ParseKeyLine(m_lines[line], &k, nullptr);
        m_lines[line] = k + u'=' + stored;
        return;
    }
    m_lines.insert(SectionEnd(header), key + u'=' + stored);
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
