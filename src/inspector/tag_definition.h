// The tag inspector's data files: the list of inspectable tags, the list of
// check attributes, one definition file per tag and the short font list.
// They are read anew at every use, so edits to them apply without a restart.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

// One "button" row: its list row (from 1) and the dialog word.
struct Tmujbutton {
    qint32 Row = 0;
    QString DialogKind;
};

// One "combo" row: its list row (from 1) and the choices offered.
struct Tumisteni {
    qint32 Row = 0;
    QStringList Choices;
};

enum class TRowKind { Text, Checkbox, Button, Combo };

struct TDefinitionRow {
    TRowKind Kind = TRowKind::Text;
    QString Name;
    QString DialogKind;  // "button" rows
    QStringList Choices; // "combo" rows
};

// A definition line that cannot be read: names the file and the line (from 1).
class ETagDefinitionError : public std::exception
{
public:
    ETagDefinitionError(QString path, int line, QString reason);
    const QString &path() const { return m_path; }
    int line() const { return m_line; }
    // "Chybný řádek 3 v souboru ...: ..."
    QString text() const;
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_path;
    int m_line = 0;
    QString m_reason;
    QByteArray m_what;
};

// The dialog words a "..." button acts on.
const QStringList &KnownDialogKinds();

// The choices of a "[<barva>]" row: "Vlastní...", "Z Palety...",
// "------------" and the sixteen colour names in alphabetical order.
QStringList ColourChoices();

// The rows of a definition file's lines, in order. fontChoices gives the
// choices of a "[<font>]" row (asked only when one occurs). Throws
// ETagDefinitionError for a malformed "button" or "combo" line.
QList<TDefinitionRow> ParseTagDefinition(const QStringList &lines, const QString &path,
                                         const std::function<QStringList()> &fontChoices);

namespace TagData {

// The files under the program folder programDir (with its trailing "/").
QString InspectorFolder(const QString &programDir);  // ".../Data/Taginspektor/"
QString IndexPath(const QString &programDir);
QString CheckIndexPath(const QString &programDir);
QString BaseFontsPath(const QString &programDir);

// A data file's lines. Throws EInOutError when it cannot be read.
QStringList ReadLines(const QString &path);

// True when name equals one whole line of the file (case-sensitive).
bool FileListsName(const QString &path, const QString &name);

// The definition file of tag name in folder, found without regard to case;
// the name as it would be when there is none (reading it then fails).
QString DefinitionPath(const QString &folder, const QString &name);

} // namespace TagData
