#include "documents/working_copy.h"

#include "errorreport/io_error.h"

#include <QFile>
#include <QSaveFile>

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

void CopyFileContents(const QString &src, const QString &dst)
{
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly))
        throw EInOutError(src, in.errorString());
    QSaveFile out(dst);
    if (!out.open(QIODevice::WriteOnly))
        throw EInOutError(dst, out.errorString());
    char buffer[2048];
    for (;;) {
        const qint64 got = in.read(buffer, sizeof buffer);
        if (got < 0) {
            out.cancelWriting();
            throw EInOutError(src, in.errorString());
        }
        if (got == 0)
            break;
        if (out.write(buffer, got) != got) {
            const QString msg = out.errorString();
            out.cancelWriting();
            throw EInOutError(dst, msg);
        }
    }
    if (!out.commit())
        throw EInOutError(dst, out.errorString());
}

void DeleteWorkingCopy(const QString &path)
{
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
