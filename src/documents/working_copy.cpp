#include "documents/working_copy.h"

#include "documents/durable_file.h"
#include "documents/working_copy_writer.h"
#include "errorreport/io_error.h"

#include <QFile>

namespace {

qsizetype LastSeparator(const QString &path)
{
    return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
}

} // namespace

QString ExtractFileName(const QString &path)
{
    return path.mid(LastSeparator(path) + 1);
}

QString ExtractFilePath(const QString &path)
{
    return path.left(LastSeparator(path) + 1);
}

QString WorkingCopyName(const QString &path)
{
    return ExtractFilePath(path) + QStringLiteral("~$") + ExtractFileName(path) + QStringLiteral("~");
}

QString DocumentPath(const QString &workingCopy)
{
    const QString name = ExtractFileName(workingCopy);
    if (name.size() < 3)
        return workingCopy;
    return ExtractFilePath(workingCopy) + name.mid(2, name.size() - 3);
}

void CopyFileContents(const QString &src, const QString &dst, bool synced)
{
    // Documents are at most 64 MB: read whole, then replace the target in
    // one step.
    DurableFile::Write(dst, DurableFile::Read(src),
                       synced ? DurableFile::TDurability::Synced : DurableFile::TDurability::Unsynced);
}

void DeleteWorkingCopy(const QString &path)
{
    // A write still under way would bring the file back after the removal.
    WorkingCopyWriter::Discard(path);
    QFile f(path);
    if (!f.exists())
        return;
    if (!f.remove())
        throw EInOutError(path, f.errorString());
}

bool SameFileContents(const QString &a, const QString &b)
{
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    if (fa.size() != fb.size())
        return false;
    while (!fa.atEnd()) {
        if (fa.read(65536) != fb.read(65536))
            return false;
    }
    return true;
}
