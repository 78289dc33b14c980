// A real fault in a child process leaves its last words in the _Err.log and
// still ends the process by the same signal.
#include "errorreport/crash_handler.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdint>
#include <sys/wait.h>
#include <unistd.h>

namespace {
[[gnu::noinline]] void Fault(int how)
{
    if (how == SIGSEGV) {
        // An unmapped address near zero rather than null itself: the
        // undefined-behaviour checker stops a null write before it faults.
        volatile int *nowhere = reinterpret_cast<volatile int *>(std::uintptr_t{16});
        *nowhere = 1;
    }
    abort();
}
} // namespace

class TestCrashHandler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fatalSignal_data()
    {
        QTest::addColumn<int>("sig");
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("write to an unmapped address") << int(SIGSEGV) << QByteArray("SIGSEGV");
        QTest::newRow("abort") << int(SIGABRT) << QByteArray("SIGABRT");
    }
    void fatalSignal()
    {
        QFETCH(int, sig);
        QFETCH(QByteArray, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vellomy_Err.log"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("earlier report\r\n");
        }
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            InstallCrashHandlers(path);
            Fault(sig);
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(WTERMSIG(status), sig);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray log = f.readAll();
        QVERIFY(log.startsWith("earlier report\r\n\r\n" + QByteArray(100, '=') + "\r\n= Fatal signal " + name));
        QVERIFY(log.contains("Exception class: " + name + "\r\nStack list:\r\n"));
        QVERIFY(log.contains("libc.so"));
        QVERIFY(log.endsWith(QByteArray(100, '-') + "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCrashHandler)
#include "tst_crash_handler.moc"
