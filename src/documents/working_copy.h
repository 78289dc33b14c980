// Working copies: the file "~$name~" beside every open document.
#pragma once

#include <QString>

// dir + "~$" + file name + "~"; the copy lies in the document's own folder so
// relative links resolve the same from both files.
QString WorkingCopyName(const QString &path);

// The inverse of WorkingCopyName, also for names that hold "~$" or "~".
QString DocumentPath(const QString &workingCopy);

// The file-name part of a path (after the last separator, either kind).
QString ExtractFileName(const QString &path);
// The folder part with its trailing separator, or empty.
QString ExtractFilePath(const QString &path);

// Byte copy of src onto dst. dst is replaced only when the whole copy has
// been written (temporary file and rename), so a failure never leaves a
// half-written document. Throws EInOutError.
// synced: wait until the copy is on the disk (not needed for a copy of a
// file that is there already).
void CopyFileContents(const QString &src, const QString &dst, bool synced = true);

// Throws EInOutError when the file exists and cannot be removed. A write of
// it handed to the writer is waited for, and a text held from a failed one
// given up.
void DeleteWorkingCopy(const QString &path);

// True when both files exist and hold the same bytes.
bool SameFileContents(const QString &a, const QString &b);
