// Whole-file replacement: the old text or the new one survives every fault,
// and the file keeps its mode, owner, links and names.
#include "documents/durable_file.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using DurableFile::TStage;

namespace {

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void Put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct stat Stat(const QString &path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st;
}

// What is in the folder besides the names the test made.
QStringList Leftovers(const QString &folder, const QStringList &expected)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &e : expected)
        names.removeAll(e);
    return names;
}

} // namespace

class TestDurableFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void cleanup()
    {
        DurableFile::FaultHook = nullptr;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
            QFile::remove(path(name));
    }

    void aNewFileTakesTheUsualMode()
    {
        const mode_t mask = ::umask(022);
        DurableFile::Write(path(u"new.htm"_qs), "abc");
        ::umask(mask);
        QCOMPARE(Bytes(path(u"new.htm"_qs)), QByteArray("abc"));
        QCOMPARE(Stat(path(u"new.htm"_qs)).st_mode & 07777, mode_t(0644));
        QCOMPARE(Leftovers(dir.path(), {u"new.htm"_qs}), QStringList());
    }

    void replacingKeepsModeAndLeavesNothingBehind()
    {
        Put(path(u"a.htm"_qs), "old text");
        ::chmod(QFile::encodeName(path(u"a.htm"_qs)).constData(), 0640);
        DurableFile::Write(path(u"a.htm"_qs), "new");
        QCOMPARE(Bytes(path(u"a.htm"_qs)), QByteArray("new"));
        QCOMPARE(Stat(path(u"a.htm"_qs)).st_mode & 07777, mode_t(0640));
        QCOMPARE(Leftovers(dir.path(), {u"a.htm"_qs}), QStringList());
    }

    void ownerAndGroupStay()
    {
        if (::geteuid() != 0)
            QSKIP("only the superuser can give a file to someone else");
        Put(path(u"theirs.htm"_qs), "x");
        QCOMPARE(::chown(QFile::encodeName(path(u"theirs.htm"_qs)).constData(), 1234, 4321), 0);
        DurableFile::Write(path(u"theirs.htm"_qs), "y");
        QCOMPARE(Stat(path(u"theirs.htm"_qs)).st_uid, uid_t(1234));
        QCOMPARE(Stat(path(u"theirs.htm"_qs)).st_gid, gid_t(4321));
    }

    void aSymbolicLinkStaysALink()
    {
        QDir(dir.path()).mkdir(u"real"_qs);
        Put(path(u"real/page.htm"_qs), "old");
        QVERIFY(QFile::link(path(u"real/page.htm"_qs), path(u"link.htm"_qs)));
        DurableFile::Write(path(u"link.htm"_qs), "through the link");
        QVERIFY(QFileInfo(path(u"link.htm"_qs)).isSymLink());
        QCOMPARE(Bytes(path(u"real/page.htm"_qs)), QByteArray("through the link"));
        QCOMPARE(Leftovers(path(u"real"_qs), {u"page.htm"_qs}), QStringList());
        QFile::remove(path(u"real/page.htm"_qs));
    }

    void aDanglingLinkCreatesItsTarget()
    {
        QVERIFY(QFile::link(path(u"missing.htm"_qs), path(u"dangling.htm"_qs)));
        DurableFile::Write(path(u"dangling.htm"_qs), "made");
        QVERIFY(QFileInfo(path(u"dangling.htm"_qs)).isSymLink());
        QCOMPARE(Bytes(path(u"missing.htm"_qs)), QByteArray("made"));
    }

    void everyHardLinkSeesTheNewText()
    {
        Put(path(u"one.htm"_qs), "old old old");
        QCOMPARE(::link(QFile::encodeName(path(u"one.htm"_qs)).constData(),
                        QFile::encodeName(path(u"two.htm"_qs)).constData()), 0);
        const ino_t inode = Stat(path(u"one.htm"_qs)).st_ino;
        DurableFile::Write(path(u"one.htm"_qs), "new");
        QCOMPARE(Bytes(path(u"two.htm"_qs)), QByteArray("new"));
        QCOMPARE(Stat(path(u"one.htm"_qs)).st_ino, inode);
        QCOMPARE(Stat(path(u"one.htm"_qs)).st_nlink, nlink_t(2));
        QCOMPARE(Leftovers(dir.path(), {u"one.htm"_qs, u"two.htm"_qs}), QStringList());
    }

    void aFaultLeavesTheOldText_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("hardLinked");
        QTest::newRow("no room for the temporary file") << int(TStage::Create) << ENOSPC << false;
        QTest::newRow("disk full while writing") << int(TStage::Write) << ENOSPC << false;
        QTest::newRow("sync fails") << int(TStage::Sync) << EIO << false;
        QTest::newRow("rename refused") << int(TStage::Rename) << EACCES << false;
        QTest::newRow("no room for the backup") << int(TStage::Backup) << ENOSPC << true;
        QTest::newRow("disk full in place") << int(TStage::InPlace) << ENOSPC << true;
    }
    void aFaultLeavesTheOldText()
    {
        QFETCH(int, stage);
        QFETCH(int, error);
        QFETCH(bool, hardLinked);
        Put(path(u"doc.htm"_qs), "the old text");
        QStringList names{u"doc.htm"_qs};
        if (hardLinked) {
            QCOMPARE(::link(QFile::encodeName(path(u"doc.htm"_qs)).constData(),
                            QFile::encodeName(path(u"other.htm"_qs)).constData()), 0);
            names << u"other.htm"_qs;
        }
        DurableFile::FaultHook = [stage, error](TStage s, const QString &) { return int(s) == stage ? error : 0; };
        bool thrown = false;
        try {
            DurableFile::Write(path(u"doc.htm"_qs), "the new, longer text");
        } catch (const EInOutError &e) {
            thrown = true;
            QVERIFY(!e.systemMessage().isEmpty());
            QCOMPARE(e.path(), path(u"doc.htm"_qs));
        }
        QVERIFY(thrown);
        for (const QString &name : names)
            QCOMPARE(Bytes(path(name)), QByteArray("the old text"));
        QCOMPARE(Leftovers(dir.path(), names), QStringList());
    }

    void aFolderIsNoFile()
    {
        QDir(dir.path()).mkdir(u"sub.htm"_qs);
        QVERIFY_THROWS_EXCEPTION(EInOutError, DurableFile::Write(path(u"sub.htm"_qs), "x"));
        QDir(dir.path()).rmdir(u"sub.htm"_qs);
    }

    void aMissingFolderIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(EInOutError, DurableFile::Write(path(u"gone/a.htm"_qs), "x"));
    }
};

QTEST_GUILESS_MAIN(TestDurableFile)
#include "tst_durable_file.moc"
