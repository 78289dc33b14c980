// The code assistant's vocabulary: the word lines of Data/Codefiller/tags.vcq
// ("word;/;kind"), and the small helpers the popup needs beside them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One word line. Kind is everything after the first ";/;", Qualifier the part
// of Kind after its first "." (the object or type of a script member).
struct Tcodeassistantword {
    QString Word;
    QString Kind;
    QString Qualifier;
};

class TCodeVocabulary
{
public:
    // What decides where a word is offered (from the lower-cased kind).
    enum class TKindWord { None, HtmlTag, HtmlParam, UserDefined, TScript, JavaScript, TypeJavaScript };

    // A word with its lower-cased forms, worked out once at loading so that
    // the popup's pass over thousands of entries per keystroke stays cheap.
    struct TEntry {
        Tcodeassistantword Record;
        QString LowerWord;
        QString LowerQualifier;
        TKindWord KindWord = TKindWord::None;
    };

    // Rebuilds the list from the file. A missing file gives an empty
    // vocabulary; a file that exists and cannot be read throws EInOutError
    // and leaves the list as it was.
    void LoadVocabulary(const QString &path);
    // The list from lines as the file holds them (lines without ";/;" skipped).
    void SetLines(const QStringList &lines);

    const QList<TEntry> &Entries() const { return m_entries; }
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.isEmpty(); }
    // The first entry whose Word equals word exactly, or nullptr.
    const TEntry *FindWord(const QString &word) const;

    // One file line as a record; false for a line without ";/;".
    static bool ParseLine(const QString &line, Tcodeassistantword *record);
    static TKindWord KindWordOf(const QString &kind);

    // Writes lines (blank ones included) into path, sorted by the bytes of
    // their Windows-1250 text, equal lines in their order, each ended by
    // CR LF. The file is replaced only once complete. Throws EInOutError.
    static void SaveVocabulary(const QString &path, const QStringList &lines);

    // True when a line of the check-attribute list at checkIndexPath equals
    // name without regard to case. A missing list knows no check attribute;
    // one that cannot be read throws EInOutError.
    static bool IsCheckParameter(const QString &checkIndexPath, const QString &name);

    static int CountChar(const QString &text, QChar ch);

private:
    QList<TEntry> m_entries;
};

// The program's vocabulary, loaded at start and after the settings dialog.
inline TCodeVocabulary CodeVocabulary;
