#include "assistant/script_index.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <string_view>

using namespace Qt::StringLiterals;

TScriptIndex::TScriptIndex(QTextDocument *document, QObject *parent)
    : QObject(parent), m_document(document)
{
    if (!document)
        return;
    // A document reports its changes only once it has a layout; an editor's
    // has one, a bare document gets the default one here.
    document->documentLayout();
    m_marks = Scan(0, document->characterCount());
    connect(document, &QTextDocument::contentsChange, this, &TScriptIndex::Changed);
}

std::vector<TScriptIndex::TMark> TScriptIndex::Scan(int from, int to) const
{
    std::vector<TMark> marks;
    if (!m_document)
        return marks;
    static const QRegularExpression created(
        u"([a-z_$][a-z0-9_$]*)\\s*=\\s*new\\s+([a-z_$][a-z0-9_$]*)\\s*\\("_s);
    const int last = std::clamp(to, 0, m_document->characterCount() - 1);
    const QTextBlock first = m_document->findBlock(std::max(from, 0));
    if (!first.isValid())
        return marks;
    // The lines from first to the one holding last, as one text whose
    // offsets are document positions from base (U+2029 between lines). The
    // whole page is searched in one piece, not line by line.
    const int base = first.position();
    const QTextBlock lastBlock = m_document->findBlock(last);
    QString text;
    if (base == 0 && lastBlock == m_document->lastBlock()) {
        text = m_document->toRawText(); // a new text: one copy, not a line at a time
    } else {
        for (QTextBlock b = first; b.isValid() && b.position() <= last; b = b.next()) {
            if (b != first)
                text.append(QChar::ParagraphSeparator);
            text.append(b.text());
        }
    }
    // One pass over the text for the three marks: a page loaded at a switch
    // is read once, not once per word (a case-blind search folds every
    // character). Only ASCII letters fold to "new", so setting bit 5 is the
    // whole comparison.
    const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype n = text.size();
    const auto startsAt = [&](qsizetype i, std::u16string_view word) {
        return n - i >= qsizetype(word.size()) && std::equal(word.begin(), word.end(), p + i);
    };
    // Variables made with "new": each line naming "new" and holding "=" is read once.
    qsizetype doneUpTo = -1;
    for (qsizetype at = 0; at < n; ++at) {
        const char16_t c = p[at];
        if (c == u'<') {
            if (startsAt(at, u"<SCRIPT"))
                marks.push_back({base + int(at), TMarkKind::Open, {}, {}});
            else if (startsAt(at, u"</SCRIPT>"))
                marks.push_back({base + int(at), TMarkKind::Close, {}, {}});
            continue;
        }
        if ((c | 0x20) != u'n' || at < doneUpTo || n - at < 3 || (p[at + 1] | 0x20) != u'e'
            || (p[at + 2] | 0x20) != u'w')
            continue;
        const qsizetype lineStart = text.lastIndexOf(QChar::ParagraphSeparator, at) + 1;
        qsizetype lineEnd = text.indexOf(QChar::ParagraphSeparator, at);
        if (lineEnd < 0)
            lineEnd = text.size();
        doneUpTo = lineEnd;
        const QStringView line = QStringView(text).mid(lineStart, lineEnd - lineStart);
        if (!line.contains(u'='))
            continue;
        const QString lower = line.toString().toLower();
        for (auto it = created.globalMatch(lower); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            marks.push_back({base + int(lineStart + m.capturedStart()), TMarkKind::New, m.captured(1),
                             m.captured(2)});
        }
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const TMark &a, const TMark &b) { return a.position < b.position; });
    return marks;
}

void TScriptIndex::Changed(int position, int removed, int added)
{
    if (!m_document)
        return;
    // Marks lie within one line: shift those behind the change, then read
    // again the lines the change touched.
    const int delta = added - removed;
    const int lastChar = std::max(0, m_document->characterCount() - 1);
    const QTextBlock first = m_document->findBlock(std::min(position, lastChar));
    const QTextBlock last = m_document->findBlock(std::min(position + added, lastChar));
    const int from = first.position();
    const int to = last.position() + last.length();
    // In place: marks before the touched lines stay, those behind the change
    // move by its size, and the touched lines are read again. A keystroke
    // costs one addition per later mark, no copy of the list.
    const auto byPosition = [](const TMark &m, int p) { return m.position < p; };
    auto begin = std::lower_bound(m_marks.begin(), m_marks.end(), from, byPosition);
    auto behind = std::lower_bound(begin, m_marks.end(), position + removed, byPosition);
    for (auto it = behind; it != m_marks.end(); ++it)
        it->position += delta;
    // Marks inside the removed span are gone; the shifted ones up to the end
    // of the last touched line are read again with it.
    auto end = std::lower_bound(behind, m_marks.end(), to, byPosition);
    std::vector<TMark> fresh = Scan(from, last.position());
    const auto at = m_marks.erase(begin, end);
    m_marks.insert(at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

bool TScriptIndex::InScriptBlock(int position) const
{
    // The last "<SCRIPT" before the position decides: a later block's end
    // never lies before an earlier one's.
    const TMark *open = nullptr;
    for (const TMark &m : m_marks) {
        if (m.position >= position)
            break;
        if (m.kind == TMarkKind::Open)
            open = &m;
    }
    if (!open)
        return false;
    for (const TMark *m = open + 1; m != m_marks.data() + m_marks.size(); ++m) {
        if (m->kind == TMarkKind::Close)
            return position <= m->position;
    }
    return true;
}

bool TScriptIndex::CreatedWithNew(const QString &name, const QString &type) const
{
    return std::any_of(m_marks.begin(), m_marks.end(), [&](const TMark &m) {
        return m.kind == TMarkKind::New && m.name == name && m.type == type;
    });
}
