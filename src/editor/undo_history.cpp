#include "editor/undo_history.h"

#include <algorithm>

TTextChange DiffTexts(const QString &from, const QString &to)
{
    const qsizetype limit = std::min(from.size(), to.size());
    qsizetype prefix = 0;
    while (prefix < limit && from[prefix] == to[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < limit - prefix && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix])
        ++suffix;
    TTextChange change;
    change.start = int(prefix);
    change.length = int(from.size() - prefix - suffix);
    change.replacement = to.mid(prefix, to.size() - prefix - suffix);
    return change;
}

void Trichhistory::Reset()
{
    m_current = {};
    m_older.clear();
    m_undoPos = -1;
}

bool Trichhistory::TakeSnapshot(const QString &text, int caret, int historyLength)
{
    if (m_undoPos >= 0 && m_current.Text == text)
        return false;
    const int n = std::max(0, historyLength);
    // A shortened history keeps its newest snapshots.
    while (m_undoPos > n) {
        m_older.removeFirst();
        --m_undoPos;
    }
    if (m_undoPos == n) {
        if (!m_older.isEmpty())
            m_older.removeFirst();
        m_undoPos = n - 1;
        if (m_undoPos < 0) {
            m_current = {};
        }
    }
    if (m_undoPos >= 0) {
        const TTextChange back = DiffTexts(text, m_current.Text);
        m_older.append({back.start, back.length, back.replacement, m_current.Caret});
    }
    m_current = {text, caret};
    ++m_undoPos;
    return true;
}

std::optional<Trichdata> Trichhistory::UndoStep()
{
    if (m_undoPos <= 0)
        return std::nullopt;
    const Delta d = m_older.takeLast();
    m_current.Text.replace(d.start, d.newerLength, d.older);
    m_current.Caret = d.caret;
    --m_undoPos;
    return m_current;
}

qsizetype Trichhistory::StoredCharacters() const
{
    qsizetype n = m_current.Text.size();
    for (const Delta &d : m_older)
        n += d.older.size();
    return n;
}
