#include "assistant/script_index.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

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
    const QString open = u"<SCRIPT"_s;
    const QString close = u"</SCRIPT>"_s;
    const int last = std::clamp(to, 0, m_document->characterCount() - 1);
    for (QTextBlock b = m_document->findBlock(std::max(from, 0)); b.isValid() && b.position() <= last;
         b = b.next()) {
        const QString text = b.text();
        const int base = b.position();
        std::vector<TMark> line;
        for (qsizetype at = text.indexOf(open); at >= 0; at = text.indexOf(open, at + 1))
            line.push_back({base + int(at), TMarkKind::Open, {}, {}});
        for (qsizetype at = text.indexOf(close); at >= 0; at = text.indexOf(close, at + 1))
            line.push_back({base + int(at), TMarkKind::Close, {}, {}});
        if (text.contains(u'=')) {
            const QString lower = text.toLower();
            for (auto it = created.globalMatch(lower); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                line.push_back({base + int(m.capturedStart()), TMarkKind::New, m.captured(1), m.captured(2)});
            }
        }
        std::sort(line.begin(), line.end(),
                  [](const TMark &a, const TMark &b) { return a.position < b.position; });
        marks.insert(marks.end(), line.begin(), line.end());
    }
    return marks;
}

void TScriptIndex::Changed(int position, int removed, int added)
{
    if (!m_document)
        return;
    // Marks lie within one line: shift those behind the change, then read
    // again the lines the change touched.
    const int delta = added - removed;
    std::vector<TMark> kept;
    kept.reserve(m_marks.size());
    for (TMark m : m_marks) {
        if (m.position >= position + removed)
            m.position += delta;
        else if (m.position >= position)
            continue;
        kept.push_back(std::move(m));
    }
    const int lastChar = std::max(0, m_document->characterCount() - 1);
    const QTextBlock first = m_document->findBlock(std::min(position, lastChar));
    const QTextBlock last = m_document->findBlock(std::min(position + added, lastChar));
    const int from = first.position();
    const int to = last.position() + last.length();
    std::vector<TMark> fresh = Scan(from, last.position());
    m_marks.clear();
    m_marks.reserve(kept.size() + fresh.size());
    auto it = kept.begin();
    for (; it != kept.end() && it->position < from; ++it)
        m_marks.push_back(std::move(*it));
    while (it != kept.end() && it->position < to)
        ++it;
    m_marks.insert(m_marks.end(), fresh.begin(), fresh.end());
    for (; it != kept.end(); ++it)
        m_marks.push_back(std::move(*it));
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
