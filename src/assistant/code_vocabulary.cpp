#include "assistant/code_vocabulary.h"

#include "conversion/codec.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator = u";/;"_s;

QStringList ReadLines(const QString &path, bool *exists)
{
    QFile f(path);
    *exists = f.exists();
    if (!*exists)
        return {};
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(path, f.errorString());
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EInOutError(path, f.errorString());
    return Codec::SplitLines(Codec::DecodeWin1250(bytes));
}

} // namespace

bool TCodeVocabulary::ParseLine(const QString &line, Tcodeassistantword *record)
{
    const qsizetype at = line.indexOf(kSeparator);
    if (at < 0)
        return false;
    record->Word = line.left(at);
    record->Kind = line.mid(at + kSeparator.size());
    const qsizetype dot = record->Kind.indexOf(u'.');
    record->Qualifier = dot < 0 ? QString() : record->Kind.mid(dot + 1);
    return true;
}

TCodeVocabulary::TKindWord TCodeVocabulary::KindWordOf(const QString &kind)
{
    const QString k = kind.toLower();
    if (k == u"htmltag"_s)
        return TKindWord::HtmlTag;
    if (k == u"htmlparam"_s)
        return TKindWord::HtmlParam;
    if (k == u"userdefined"_s)
        return TKindWord::UserDefined;
    if (k == u"tscript"_s)
        return TKindWord::TScript;
    if (k.startsWith(u"javascript"_s))
        return TKindWord::JavaScript;
    if (k.startsWith(u"typejavascript"_s))
        return TKindWord::TypeJavaScript;
    return TKindWord::None;
}

void TCodeVocabulary::SetLines(const QStringList &lines)
{
    QList<TEntry> entries;
    entries.reserve(lines.size());
    for (const QString &line : lines) {
        TEntry e;
        if (!ParseLine(line, &e.Record))
            continue;
        e.LowerWord = e.Record.Word.toLower();
        e.LowerQualifier = e.Record.Qualifier.toLower();
        e.KindWord = KindWordOf(e.Record.Kind);
        entries.append(std::move(e));
    }
    m_entries = std::move(entries);
}

void TCodeVocabulary::LoadVocabulary(const QString &path)
{
    bool exists = false;
    const QStringList lines = ReadLines(path, &exists);
    SetLines(lines);
}

const TCodeVocabulary::TEntry *TCodeVocabulary::FindWord(const QString &word) const
{
    for (const TEntry &e : m_entries) {
        if (e.Record.Word == word)
            return &e;
    }
    return nullptr;
}

void TCodeVocabulary::SaveVocabulary(const QString &path, const QStringList &lines)
{
    QList<QByteArray> encoded;
    encoded.reserve(lines.size());
    for (const QString &line : lines)
        encoded.append(Codec::EncodeWin1250(line));
    // Byte order of the 8-bit text: capitals before small letters; lines
    // that compare equal keep their order.
    std::stable_sort(encoded.begin(), encoded.end());
    QByteArray bytes;
    for (const QByteArray &line : encoded)
        bytes += line + "\r\n";

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw EInOutError(path, f.errorString());
    if (f.write(bytes) != bytes.size()) {
        const QString message = f.errorString();
        f.cancelWriting();
        throw EInOutError(path, message);
    }
    if (!f.commit())
        throw EInOutError(path, f.errorString());
}

bool TCodeVocabulary::IsCheckParameter(const QString &checkIndexPath, const QString &name)
{
    bool exists = false;
    const QStringList lines = ReadLines(checkIndexPath, &exists);
    return std::any_of(lines.begin(), lines.end(), [&name](const QString &line) {
        return line.compare(name, Qt::CaseInsensitive) == 0;
    });
}

int TCodeVocabulary::CountChar(const QString &text, QChar ch)
{
    return int(text.count(ch));
}
