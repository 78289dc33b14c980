// The hand-off between two starts of the program over the local socket,
// both ends in one process: the later start runs on a thread of its own
// because it waits for the running program's answer.
#include "app/single_instance.h"

#include <QLocalServer>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// A later start on its own thread; done tells when it has its answer.
struct TLaterStart {
    std::atomic<bool> done = false;
    THandOff result = THandOff::Failed;
    std::thread thread;
    TLaterStart(const QString &name, const QStringList &paths)
        : thread([this, name, paths] {
              result = HandToRunningInstance(name, paths);
              done = true;
          })
    {
    }
    ~TLaterStart() { thread.join(); }
};

} // namespace

class TstSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void firstStartListens();
    void laterStartsHandTheirFiles_data();
    void laterStartsHandTheirFiles();
    void requestsWaitUntilReady();
    void staleSocketReplaced();
    void namesPerDisplayAndFolder();
};

void TstSingleInstance::firstStartListens()
{
    QTemporaryDir dir;
    const QString name = dir.path() + u"/s"_s;
    QCOMPARE(HandToRunningInstance(name, {}), THandOff::NoInstance);
    TInstanceServer server;
    QCOMPARE(server.Start(name, {}), THandOff::NoInstance);
    QVERIFY(server.IsListening());
}

void TstSingleInstance::laterStartsHandTheirFiles_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::newRow("two files") << QStringList{u"/tmp/a.htm"_s, u"/tmp/b b.htm"_s};
    QTest::newRow("Czech name") << QStringList{u"/tmp/stránka žluťoučká.htm"_s};
    QTest::newRow("no files: only to the front") << QStringList{};
}

void TstSingleInstance::laterStartsHandTheirFiles()
{
    QFETCH(QStringList, paths);
    QTemporaryDir dir;
    const QString name = dir.path() + u"/s"_s;
    TInstanceServer server;
    QCOMPARE(server.Start(name, {}), THandOff::NoInstance);
    QList<QStringList> received;
    server.SetReady([&](const QStringList &p) { received << p; });

    TLaterStart later(name, paths);
    QTRY_VERIFY(later.done);
    QCOMPARE(later.result, THandOff::Delivered);
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.first(), paths);
}

void TstSingleInstance::requestsWaitUntilReady()
{
    // Files handed over while the windows are still being made are opened
    // once the program is ready, in the order they came.
    QTemporaryDir dir;
    const QString name = dir.path() + u"/s"_s;
    TInstanceServer server;
    QCOMPARE(server.Start(name, {}), THandOff::NoInstance);
    {
        TLaterStart first(name, {u"/tmp/1.htm"_s});
        QTRY_VERIFY(first.done);
        QCOMPARE(first.result, THandOff::Delivered);
    }
    {
        TLaterStart second(name, {u"/tmp/2.htm"_s});
        QTRY_VERIFY(second.done);
    }
    QList<QStringList> received;
    server.SetReady([&](const QStringList &p) { received << p; });
    QCOMPARE(received, (QList<QStringList>{{u"/tmp/1.htm"_s}, {u"/tmp/2.htm"_s}}));
}

void TstSingleInstance::staleSocketReplaced()
{
    // A killed program leaves its socket file; nobody answers on it.
    QTemporaryDir dir;
    const QString name = dir.path() + u"/s"_s;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name);
    QVERIFY(size_t(path.size()) < sizeof(addr.sun_path));
    memcpy(addr.sun_path, path.constData(), path.size());
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)), 0);
    ::close(fd);
    QVERIFY(QFileInfo::exists(name));

    TInstanceServer server;
    QCOMPARE(server.Start(name, {}), THandOff::NoInstance);
    QVERIFY(server.IsListening());
    QStringList received;
    server.SetReady([&](const QStringList &p) { received = p; });
    TLaterStart later(name, {u"/tmp/x.htm"_s});
    QTRY_VERIFY(later.done);
    QCOMPARE(later.result, THandOff::Delivered);
    QCOMPARE(received, QStringList{u"/tmp/x.htm"_s});
}

void TstSingleInstance::namesPerDisplayAndFolder()
{
    const QByteArray oldDisplay = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":5");
    const QString a = InstanceServerName(u"/opt/a/"_s);
    QCOMPARE(InstanceServerName(u"/opt/a"_s), a); // the trailing "/" does not count
    QVERIFY(InstanceServerName(u"/opt/b/"_s) != a);
    qputenv("DISPLAY", ":6");
    QVERIFY(InstanceServerName(u"/opt/a/"_s) != a);
    qputenv("DISPLAY", oldDisplay);
}

QTEST_MAIN(TstSingleInstance)
#include "tst_single_instance.moc"
