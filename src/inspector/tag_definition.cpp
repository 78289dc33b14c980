#include "inspector/tag_definition.h"

#include "colours/html_colour.h"
#include "conversion/text_file.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

ETagDefinitionError::ETagDefinitionError(QString path, int line, QString reason)
    : m_path(std::move(path)), m_line(line), m_reason(std::move(reason))
{
    m_what = text().toUtf8();
}

QString ETagDefinitionError::text() const
{
    return u"Chybný řádek %1 v souboru %2: %3"_s.arg(m_line).arg(QDir::toNativeSeparators(m_path), m_reason);
}

const QStringList &KnownDialogKinds()
{
    static const QStringList kinds{u"openjavascript"_s, u"picturedialog"_s, u"opensound"_s,
                                   u"openhtml"_s, u"openmapedit"_s};
    return kinds;
}

QStringList ColourChoices()
{
    return QStringList{u"Vlastní..."_s, u"Z Palety..."_s, u"------------"_s} + HtmlColourNamesSorted();
}

QList<TDefinitionRow> ParseTagDefinition(const QStringList &lines, const QString &path,
                                         const std::function<QStringList()> &fontChoices)
{
    // The keywords in the order their prefixes are compared.
    static const struct {
        const char16_t *word;
        TRowKind kind;
    } keywords[] = {{u"button", TRowKind::Button},
                    {u"checkbox", TRowKind::Checkbox},
                    {u"text", TRowKind::Text},
                    {u"combo", TRowKind::Combo}};
    QList<TDefinitionRow> rows;
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        int keywordLength = 0;
        TRowKind kind = TRowKind::Text;
        // The shortest prefix that equals a keyword decides the kind.
        for (int len = 1; len <= line.size() && keywordLength == 0; ++len) {
            const QStringView prefix = QStringView(line).left(len);
            for (const auto &k : keywords) {
                if (prefix == QStringView(k.word)) {
                    keywordLength = len;
                    kind = k.kind;
                    break;
                }
            }
        }
        if (keywordLength == 0)
            continue; // a note or a blank line
        // One separator character follows the keyword, read or not.
        const QString rest = line.mid(keywordLength + 1);
        TDefinitionRow row;
        row.Kind = kind;
        switch (kind) {
        case TRowKind::Text:
        case TRowKind::Checkbox:
            row.Name = rest;
            break;
        case TRowKind::Button: {
            const qsizetype comma = rest.indexOf(u',');
            if (comma < 0 || comma + 1 >= rest.size())
                throw ETagDefinitionError(path, n + 1, u"řádek \"button\" potřebuje název, čárku a druh dialogu"_s);
            row.Name = rest.left(comma);
            row.DialogKind = rest.mid(comma + 1);
            break;
        }
        case TRowKind::Combo: {
            const qsizetype comma = rest.indexOf(u',');
            if (comma < 0)
                throw ETagDefinitionError(path, n + 1, u"řádek \"combo\" potřebuje název a za čárkami volby"_s);
            row.Name = rest.left(comma);
            const QStringList pieces = rest.mid(comma + 1).split(u',');
            if (pieces.last() == u"[<font>]"_s)
                row.Choices = fontChoices ? fontChoices() : QStringList();
            else if (pieces.last() == u"[<barva>]"_s)
                row.Choices = ColourChoices();
            else
                row.Choices = pieces;
            break;
        }
        }
        rows << row;
    }
    return rows;
}

namespace TagData {

QString InspectorFolder(const QString &programDir)
{
    return programDir + u"Data/Taginspektor/"_s;
}

QString IndexPath(const QString &programDir)
{
    return InspectorFolder(programDir) + u"index.if"_s;
}

QString CheckIndexPath(const QString &programDir)
{
    return InspectorFolder(programDir) + u"checkindex.if"_s;
}

QString BaseFontsPath(const QString &programDir)
{
    return programDir + u"Data/basefonts.dat"_s;
}

QStringList ReadLines(const QString &path)
{
    return TextFile::Read(path).lines;
}

bool FileListsName(const QString &path, const QString &name)
{
    return ReadLines(path).contains(name);
}

QString DefinitionPath(const QString &folder, const QString &name)
{
    const QString wanted = name + u".if"_s;
    if (QFileInfo::exists(folder + wanted))
        return folder + wanted;
    // The shipped files are named in lower case: try that before listing the folder.
    const QString lower = wanted.toLower();
    if (lower != wanted && QFileInfo::exists(folder + lower))
        return folder + lower;
    const QStringList entries = QDir(folder).entryList({u"*.if"_s}, QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder + entry;
    }
    return folder + wanted;
}

} // namespace TagData
