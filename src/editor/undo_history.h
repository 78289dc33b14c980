// The snapshot history behind "Zpět": whole-text states of the main editor,
// taken at pauses, stepped back one at a time.
#pragma once

#include <QList>
#include <QString>
#include <optional>

struct Trichdata {
    QString Text;
    int Caret = 0;
};

// Only the newest snapshot is held whole; each older one is kept as the
// difference to the one after it, so a long document with small edits costs
// one copy plus the edited pieces, not one copy per step.
class Trichhistory
{
public:
    void Reset();

    // Records text as the newest state unless it equals the current one.
    // historyLength is the number of steps back kept (at most that + 1
    // snapshots); a length lowered below the history keeps the newest ones.
    // Returns whether a snapshot was taken.
    bool TakeSnapshot(const QString &text, int caret, int historyLength);

    // Steps back one snapshot and returns the state to restore.
    std::optional<Trichdata> UndoStep();

    bool CanUndo() const { return m_undoPos > 0; }
    // Index of the snapshot that stands for the current state; -1 when empty.
    int UndoPos() const { return m_undoPos; }
    const Trichdata &Current() const { return m_current; }
    // Characters held in all snapshots together, for memory checks.
    qsizetype StoredCharacters() const;

private:
    struct Delta {
        int start = 0;       // where the newer text differs
        int newerLength = 0; // length of the differing piece in the newer text
        QString older;       // the piece as the older text had it
        int caret = 0;       // the older snapshot's caret
    };

    Trichdata m_current;   // Entries[UndoPos]
    QList<Delta> m_older;  // m_older[i] turns snapshot i + 1 into snapshot i
    int m_undoPos = -1;
};

// The smallest piece of `from` that, replaced by the returned piece of `to`,
// turns one into the other: (start, length in from, replacement).
struct TTextChange {
    int start = 0;
    int length = 0;
    QString replacement;
};
TTextChange DiffTexts(const QString &from, const QString &to);
