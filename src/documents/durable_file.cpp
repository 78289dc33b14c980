#include "documents/durable_file.h"

#include "errorreport/io_error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DurableFile {

namespace {

QString SystemMessage(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void Fail(const QString &path, int error)
{
    throw EInOutError(path, SystemMessage(error));
}

int Injected(TStage stage, const QString &path)
{
    return FaultHook ? FaultHook(stage, path) : 0;
}

// write() until everything is out; 0 or the errno.
int WriteAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        p += n;
        left -= n;
    }
    return 0;
}

void SyncFolder(const QString &folder)
{
    // Makes the rename itself durable; some file systems cannot sync a folder,
    // and the data is already safe then.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

mode_t NewFileMode()
{
    // Working copies are written on a thread of their own: setting the mask
    // to read it would, for that moment, give files made elsewhere the wrong
    // mode. The kernel shows the mask; only an old kernel needs the swap.
    mode_t mask = 0;
    bool known = false;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                mask = mode_t(line.mid(6).trimmed().toUInt(&known, 8));
                break;
            }
        }
    }
    if (!known) {
        mask = ::umask(0);
        ::umask(mask);
    }
    return 0666 & ~mask;
}

// A temporary file beside target with bytes in it, synced; returns its name.
QString WriteTemporary(const QString &target, const QByteArray &bytes, const struct stat *like,
                       TStage writeStage, bool sync = true)
{
    const QFileInfo info(target);
    QByteArray name = QFile::encodeName(info.absolutePath() + QStringLiteral("/.~") + info.fileName()
                                        + QStringLiteral(".XXXXXX"));
    int error = Injected(TStage::Create, target);
    const int fd = error ? -1 : ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        Fail(target, error ? error : errno);
    const QString tempName = QFile::decodeName(name);
    auto abandon = [&](int e) {
        ::close(fd);
        ::unlink(name.constData());
        Fail(target, e);
    };
    if ((error = Injected(writeStage, target)) || (error = WriteAll(fd, bytes)))
        abandon(error);
    if (like) {
        ::fchmod(fd, like->st_mode & 07777);
        // Only the owner's own groups are allowed to a user; what cannot be
        // kept falls back to the user's own, as any new file would.
        if (::fchown(fd, like->st_uid, like->st_gid) != 0 && ::fchown(fd, uid_t(-1), like->st_gid) != 0) {
        }
    } else {
        ::fchmod(fd, NewFileMode());
    }
    if ((error = Injected(TStage::Sync, target)) || (sync && ::fsync(fd) != 0 && (error = errno)))
        abandon(error);
    if (::close(fd) != 0) {
        error = errno;
        ::unlink(name.constData());
        Fail(target, error);
    }
    return tempName;
}

void Replace(const QString &target, const QByteArray &bytes, const struct stat *old, bool sync)
{
    const QString temp = WriteTemporary(target, bytes, old, TStage::Write, sync);
    int error = Injected(TStage::Rename, target);
    if (error || ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(target).constData()) != 0) {
        error = error ? error : errno;
        ::unlink(QFile::encodeName(temp).constData());
        Fail(target, error);
    }
    if (sync)
        SyncFolder(QFileInfo(target).absolutePath());
}

void Rewrite(int fd, const QByteArray &bytes, int *error)
{
    if (::lseek(fd, 0, SEEK_SET) < 0 || (*error = WriteAll(fd, bytes)) != 0
        || ::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) {
        if (!*error)
            *error = errno;
    }
}

// Several names share the file: a rename would part them, so the text is
// written into the file itself, with a synced copy of the old text beside it
// for as long as that takes.
void WriteInPlace(const QString &target, const QByteArray &bytes, const struct stat &old)
{
    const QByteArray oldBytes = Read(target);
    const QString backup = WriteTemporary(target, oldBytes, &old, TStage::Backup);
    SyncFolder(QFileInfo(target).absolutePath());
    const int fd = ::open(QFile::encodeName(target).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        const int e = errno;
        ::unlink(QFile::encodeName(backup).constData());
        Fail(target, e);
    }
    int error = Injected(TStage::InPlace, target);
    if (!error)
        Rewrite(fd, bytes, &error);
    if (error) {
        int restoreError = 0;
        Rewrite(fd, oldBytes, &restoreError);
        ::close(fd);
        if (restoreError)
            throw EInOutError(target, SystemMessage(error) + QStringLiteral(" (původní obsah je v ")
                                          + backup + QStringLiteral(")"));
        ::unlink(QFile::encodeName(backup).constData());
        Fail(target, error);
    }
    ::close(fd);
    ::unlink(QFile::encodeName(backup).constData());
    SyncFolder(QFileInfo(target).absolutePath());
}

} // namespace

QByteArray Read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(path, f.errorString());
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EInOutError(path, f.errorString());
    return bytes;
}

void Write(const QString &path, const QByteArray &bytes, TDurability durability)
{
    const bool sync = durability == TDurability::Synced;
    QString target = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // The link stays a link; its target gets the text (a dangling link
        // creates the file it names).
        const QString canonical = info.canonicalFilePath();
        target = canonical.isEmpty() ? info.symLinkTarget() : canonical;
    }
    struct stat st;
    if (::stat(QFile::encodeName(target).constData(), &st) != 0) {
        if (errno != ENOENT)
            Fail(path, errno);
        Replace(target, bytes, nullptr, sync);
        return;
    }
    if (!S_ISREG(st.st_mode))
        throw EInOutError(path, QStringLiteral("Není to obyčejný soubor"));
    if (::access(QFile::encodeName(target).constData(), W_OK) != 0)
        Fail(path, errno); // a read-only document stays read-only
    if (st.st_nlink > 1)
        WriteInPlace(target, bytes, st);
    else
        Replace(target, bytes, &st, sync);
}

} // namespace DurableFile
