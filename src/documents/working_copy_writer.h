// The one background writer of working copies. A switch hands the text of
// the document left to it instead of encoding and syncing ten megabytes
// while the user waits; everything that reads or replaces a working copy
// first waits for a write of that file still under way, so nothing reads a
// copy half-written or older than the text handed over.
#pragma once

#include "conversion/codec.h"

#include <QString>
#include <QByteArray>
#include <functional>
#include <optional>

namespace WorkingCopyWriter {

// Queues the editor's own text (U+2029 between lines) to be encoded and
// written durably (DurableFile::Write, synced) to path on the writer thread,
// at once. Writes run one at a time in the order given; a queued write of the
// same path that has not begun is replaced by this one, the newest wins.
void Enqueue(const QString &path, const QString &rawText, Codec::TextEncoding encoding);

// The newest text handed over for path that is still queued or being
// written (what the file will hold), without waiting; none when there is none.
std::optional<QString> PendingText(const QString &path);

// Returns once no write of path is queued or running.
void Wait(const QString &path);
// Returns once the queue is empty and nothing is being written.
void WaitAll();

// Writes bytes to path on the calling thread after any queued or running
// write of it (a queued one is dropped: these bytes are newer). A text held
// from a failed write of path is forgotten once this write succeeds. Throws
// EInOutError, with nothing changed.
void WriteNow(const QString &path, const QByteArray &bytes);

// The text of a handed-over write that failed: it is on no disk, so it is
// kept here until it is written, taken back into the editor or discarded.
struct TUnwritten {
    QString rawText;
    Codec::TextEncoding encoding = Codec::TextEncoding::Windows1250;
    QString path;
    QString systemMessage;
    bool reported = false; // the user has been told
};

// After waiting for path: the held text of its failed write, taken away.
std::optional<TUnwritten> TakeUnwritten(const QString &path);
// After waiting for path: a held text is written again, on the calling
// thread. Throws EInOutError when that fails too (the text stays held and
// counts as reported: the caller tells the user).
void Flush(const QString &path);
// After waiting for path: a held text is dropped (the working copy is about
// to be deleted, its text given up).
void Discard(const QString &path);

// Waits for every write and gives up every held text (a test's documents
// are thrown away with their folder).
void DiscardAll();

// The failure handler runs on the thread that first used the writer (the
// user-interface thread), queued after a handed-over write of path failed,
// with the system's message. It is not called when the failure was dealt
// with first (written again, taken back, discarded or reported).
void SetFailureHandler(std::function<void(const QString &path, const QString &systemMessage)> handler);

} // namespace WorkingCopyWriter
