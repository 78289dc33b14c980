// Writing a whole file so that a failure or a power cut leaves either the old
// or the new text, never a mix: the data is synced before the rename and the
// folder after it. Permissions, owner and group stay; a symbolic link keeps
// pointing at the rewritten target; a file with several hard links is
// rewritten in place, after a synced backup copy, so every name sees the text.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace DurableFile {

enum class TStage { Create, Write, Sync, Rename, Backup, InPlace };

// Test seam: returns the errno to fail a stage with, 0 to let it run.
inline std::function<int(TStage stage, const QString &path)> FaultHook;

// Unsynced is for copies whose source is safe on disk already (a working
// copy made at open): still atomic, without waiting for the disk.
enum class TDurability { Synced, Unsynced };

// Replaces (or creates) path with bytes; throws EInOutError with the system's
// message. On failure the old file is unchanged.
void Write(const QString &path, const QByteArray &bytes, TDurability durability = TDurability::Synced);

// The whole file, or EInOutError.
QByteArray Read(const QString &path);

} // namespace DurableFile
