// The installed program's data: when it counts as installed, and how the
// user's copy follows the shipped data without losing the user's changes.
#include "app/user_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

void Write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TstUserData : public QObject
{
    Q_OBJECT
private slots:
    void installedDataDir_data();
    void installedDataDir();
    void firstStartCopiesEverything();
    void userFileBeforeFirstStartKept();
    void laterVersion_data();
    void laterVersion();
    void newFileOfLaterVersionCopied();
    void unusableUserFolderReported();
};

void TstUserData::installedDataDir_data()
{
    QTest::addColumn<bool>("dataBesideExe");
    QTest::addColumn<bool>("dataInShare");
    QTest::addColumn<bool>("installed");
    QTest::newRow("build folder") << true << false << false;
    QTest::newRow("installed") << false << true << true;
    QTest::newRow("build folder inside a prefix") << true << true << false;
    QTest::newRow("no data anywhere") << false << false << false;
}

void TstUserData::installedDataDir()
{
    QFETCH(bool, dataBesideExe);
    QFETCH(bool, dataInShare);
    QFETCH(bool, installed);
    QTemporaryDir prefix;
    const QString bin = prefix.path() + u"/bin"_s;
    QVERIFY(QDir().mkpath(bin));
    if (dataBesideExe)
        QVERIFY(QDir().mkpath(bin + u"/Data"_s));
    if (dataInShare)
        QVERIFY(QDir().mkpath(prefix.path() + u"/share/vellomy/Data"_s));
    const QString found = InstalledDataDir(bin, u"../share/vellomy"_s);
    QCOMPARE(found, installed ? QDir::cleanPath(prefix.path() + u"/share/vellomy"_s) : QString());
}

void TstUserData::firstStartCopiesEverything()
{
    QTemporaryDir root;
    const QString shipped = root.path() + u"/share"_s;
    const QString user = root.path() + u"/user/vellomy"_s;
    Write(shipped + u"/Data/Palety/zakladni.vpq"_s, "palette");
    Write(shipped + u"/Userconfig/browsers.dat"_s, "browsers");
    Write(shipped + u"/Help/Vellomyhelp/index.htm"_s, "help");
    // Installed files are often read-only; the user's copies must not be.
    QFile::setPermissions(shipped + u"/Userconfig/browsers.dat"_s, QFileDevice::ReadOwner | QFileDevice::ReadOther);

    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + u"/Data/Palety/zakladni.vpq"_s), QByteArray("palette"));
    QCOMPARE(Read(user + u"/Userconfig/browsers.dat"_s), QByteArray("browsers"));
    QCOMPARE(Read(user + u"/Help/Vellomyhelp/index.htm"_s), QByteArray("help"));
    QVERIFY(QFileInfo(user + u"/Userconfig/browsers.dat"_s).permissions() & QFileDevice::WriteOwner);
    QVERIFY(QFileInfo::exists(user + u'/' + QLatin1StringView(UserDataManifest)));
    QVERIFY(!QFileInfo::exists(user + u"/Userconfig/browsers.dat.vellomy-new"_s));
}

void TstUserData::userFileBeforeFirstStartKept()
{
    QTemporaryDir root;
    const QString shipped = root.path() + u"/share"_s;
    const QString user = root.path() + u"/user"_s;
    Write(shipped + u"/Userconfig/zastupci.dat"_s, "shipped");
    Write(user + u"/Userconfig/zastupci.dat"_s, "the user's own");
    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + u"/Userconfig/zastupci.dat"_s), QByteArray("the user's own"));
}

// One shipped file, synced once, then the user's action, then a later
// version ships the file changed or unchanged, then the next start.
void TstUserData::laterVersion_data()
{
    QTest::addColumn<QString>("userAction");
    QTest::addColumn<bool>("shippedChanged");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("untouched, upgraded") << u"none"_s << true << QByteArray("v2");
    QTest::newRow("untouched, same version") << u"none"_s << false << QByteArray("v1");
    QTest::newRow("edited, upgraded") << u"edit"_s << true << QByteArray("mine");
    QTest::newRow("edited, same version") << u"edit"_s << false << QByteArray("mine");
    QTest::newRow("deleted, upgraded") << u"delete"_s << true << QByteArray("<missing>");
    QTest::newRow("deleted, same version") << u"delete"_s << false << QByteArray("<missing>");
}

void TstUserData::laterVersion()
{
    QFETCH(QString, userAction);
    QFETCH(bool, shippedChanged);
    QFETCH(QByteArray, expected);
    QTemporaryDir root;
    const QString shipped = root.path() + u"/share"_s;
    const QString user = root.path() + u"/user"_s;
    const QString file = u"/Sablony/prazdna.vtq"_s;
    Write(shipped + file, "v1");
    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + file), QByteArray("v1"));

    if (userAction == u"edit"_s)
        Write(user + file, "mine");
    else if (userAction == u"delete"_s)
        QVERIFY(QFile::remove(user + file));
    if (shippedChanged)
        Write(shipped + file, "v2");

    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + file), expected);
    // And it stays so at the start after.
    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + file), expected);
}

void TstUserData::newFileOfLaterVersionCopied()
{
    QTemporaryDir root;
    const QString shipped = root.path() + u"/share"_s;
    const QString user = root.path() + u"/user"_s;
    Write(shipped + u"/Data/a.txt"_s, "a");
    QCOMPARE(SyncUserData(shipped, user), QStringList());
    Write(shipped + u"/Data/Nove/b.txt"_s, "b");
    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + u"/Data/Nove/b.txt"_s), QByteArray("b"));
}

void TstUserData::unusableUserFolderReported()
{
    QTemporaryDir root;
    const QString shipped = root.path() + u"/share"_s;
    Write(shipped + u"/Data/a.txt"_s, "a");
    // A plain file where the folder should be: no folder can be made there,
    // not even by root.
    Write(root.path() + u"/blocked"_s, "file");
    const QStringList failures = SyncUserData(shipped, root.path() + u"/blocked/vellomy"_s);
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures.first().startsWith(u"Složku "_s), qPrintable(failures.first()));

    // A file that cannot be put in place is named, the rest still copied,
    // and the failed one is tried again at the next start.
    const QString user = root.path() + u"/user"_s;
    Write(shipped + u"/Help/x.htm"_s, "x");
    Write(user + u"/Help"_s, "a file where the folder belongs");
    const QStringList partial = SyncUserData(shipped, user);
    QCOMPARE(partial.size(), 1);
    QVERIFY2(partial.first().contains(u"x.htm"_s), qPrintable(partial.first()));
    QCOMPARE(Read(user + u"/Data/a.txt"_s), QByteArray("a"));
    QVERIFY(QFile::remove(user + u"/Help"_s));
    QCOMPARE(SyncUserData(shipped, user), QStringList());
    QCOMPARE(Read(user + u"/Help/x.htm"_s), QByteArray("x"));
}

QTEST_GUILESS_MAIN(TstUserData)
#include "tst_user_data.moc"
