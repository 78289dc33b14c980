#include "app/user_data.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QByteArray HashOf(const QString &path, bool *ok)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *ok = false;
        return {};
    }
    QCryptographicHash h(QCryptographicHash::Sha1);
    *ok = h.addData(&f);
    return h.result().toHex();
}

// relative path -> hash of the version shipped when it was last synced
QHash<QString, QByteArray> ReadManifest(const QString &path)
{
    QHash<QString, QByteArray> m;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return m;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        m.insert(QString::fromUtf8(line.mid(tab + 1)), line.left(tab));
    }
    return m;
}

bool WriteManifest(const QString &path, const QHash<QString, QByteArray> &m)
{
    QStringList names = m.keys();
    names.sort();
    QByteArray out;
    for (const QString &n : names)
        out += m.value(n) + '\t' + n.toUtf8() + '\n';
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(out) == out.size() && f.commit();
}

// Copies src over dst through a temporary file beside dst, so dst is either
// the old or the new file, never half of one.
bool CopyOver(const QString &src, const QString &dst)
{
    const QString tmp = dst + u".vellomy-new"_s;
    QFile::remove(tmp);
    if (!QFile::copy(src, tmp))
        return false;
    // Installed files may be read-only; the user's copy is the user's.
    QFile::setPermissions(tmp, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                   | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(dst).constData()) != 0) {
        QFile::remove(tmp);
        return false;
    }
    return true;
}

} // namespace

QString InstalledDataDir(const QString &exeDir, const QString &shareRelative)
{
    if (QFileInfo(exeDir + u"/Data"_s).isDir())
        return {};
    const QString shared = QDir::cleanPath(exeDir + u'/' + shareRelative);
    if (!QFileInfo(shared + u"/Data"_s).isDir())
        return {};
    return shared;
}

QString UserDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/vellomy"_s;
}

QStringList SyncUserData(const QString &shippedDir, const QString &userDir)
{
    QStringList failures;
    if (!QDir().mkpath(userDir))
        return {u"Složku %1 se nepodařilo vytvořit."_s.arg(QDir::toNativeSeparators(userDir))};
    const QString manifestPath = userDir + u'/' + QLatin1StringView(UserDataManifest);
    QHash<QString, QByteArray> manifest = ReadManifest(manifestPath);
    bool changed = false;
    const QDir shipped(shippedDir);
    QDirIterator it(shippedDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = shipped.relativeFilePath(src);
        const QString dst = userDir + u'/' + rel;
        bool ok = true;
        const QByteArray now = HashOf(src, &ok);
        if (!ok) {
            failures << u"Soubor %1 se nepodařilo přečíst."_s.arg(QDir::toNativeSeparators(src));
            continue;
        }
        const auto known = manifest.constFind(rel);
        const bool exists = QFileInfo::exists(dst);
        bool copy = false;
        if (known == manifest.constEnd()) {
            copy = !exists; // new to this user; a file of the user's own is kept
        } else if (known.value() != now && exists) {
            bool readable = true;
            copy = HashOf(dst, &readable) == known.value() && readable; // unchanged by the user
        }
        if (copy) {
            if (!QDir().mkpath(QFileInfo(dst).path()) || !CopyOver(src, dst)) {
                failures << u"Soubor %1 se nepodařilo zkopírovat do %2."_s.arg(
                    QDir::toNativeSeparators(src), QDir::toNativeSeparators(dst));
                continue; // try again at the next start
            }
        }
        if (known == manifest.constEnd() || known.value() != now) {
            manifest.insert(rel, now);
            changed = true;
        }
    }
    if (changed && !WriteManifest(manifestPath, manifest))
        failures << u"Soubor %1 se nepodařilo zapsat."_s.arg(QDir::toNativeSeparators(manifestPath));
    return failures;
}
