// The sections and line formats of the error report.
#include "errorreport/io_error.h"
#include "errorreport/report_text.h"

#include <QtTest>

class TestReportText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headLines_data()
    {
        QTest::addColumn<QString>("thread");
        QTest::addColumn<QString>("second");
        QTest::newRow("own thread") << QString() << QStringLiteral("Exception address: 0000abcd");
        QTest::newRow("other thread") << QStringLiteral("worker") << QStringLiteral("Thread: worker");
    }
    void headLines()
    {
        QFETCH(QString, thread);
        QFETCH(QString, second);
        TErrorInfo e;
        e.className = QStringLiteral("EInOutError");
        e.message = QStringLiteral("Disk full: /a");
        e.threadName = thread;
        e.address = 0xabcd;
        const QStringList lines = ReportHeadLines(e);
        QCOMPARE(lines, QStringList({QStringLiteral("Exception class: EInOutError"), second,
                                     QStringLiteral("Exception message: Disk full: /a"), QString(100, u'-')}));
    }

    void sections()
    {
        const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
        QCOMPARE(StackSection(when, {QStringLiteral("f1"), QStringLiteral("f2")}),
                 QStringList({QStringLiteral("Stack list, generated 05.03.2024 07:08:09"), QStringLiteral("f1"),
                              QStringLiteral("f2"), QString(100, u'-')}));
        TSystemInfo s{QStringLiteral("debian"), QStringLiteral("linux"), 6, 1, 0x1b,
                      QStringLiteral("Debian 12"), QStringLiteral("x86_64"), QStringLiteral("CPU X"), 2400,
                      QStringLiteral("GenuineIntel"), QStringLiteral(", 4 CPU"), 1920, 1080, 24};
        QCOMPARE(SystemSection(s),
                 QStringList({QStringLiteral("System   : debian linux, Version: 6.1, Build: 1b, \"Debian 12\""),
                              QStringLiteral("Processor: x86_64, CPU X, 2400 MHz GenuineIntel, 4 CPU"),
                              QStringLiteral("Display  : 1920x1080 pixels, 24 bpp"), QString(100, u'-')}));
        QCOMPARE(ModuleSection({{0x7f0000001000, QStringLiteral("/lib/libz.so.1.2.13"), QStringLiteral("1.2.13")},
                                {0x400000, QStringLiteral("/usr/bin/vellomy"), QString()}}),
                 QStringList({QStringLiteral("List of loaded modules:"),
                              QStringLiteral("[00400000] /usr/bin/vellomy (no version info)"),
                              QStringLiteral("[7f0000001000] /lib/libz.so.1.2.13 1.2.13"), QString(100, u'-')}));
        QCOMPARE(ControlsSection({{QStringLiteral("QPushButton"), QStringLiteral("OkBtn")},
                                  {QStringLiteral("TExceptionDialog"), QStringLiteral("ExceptionDialog")}}),
                 QStringList({QStringLiteral("Active Controls hiearchy:"), QStringLiteral("QPushButton \"OkBtn\""),
                              QStringLiteral("TExceptionDialog \"ExceptionDialog\""), QString(100, u'-')}));
    }

    void demangle_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mangled") << QByteArray("/lib/libQt6Core.so.6(_ZN7QObject5eventEP6QEvent+0x1a) [0x7f01]")
                                 << QStringLiteral("/lib/libQt6Core.so.6(QObject::event(QEvent*)+0x1a) [0x7f01]");
        QTest::newRow("C name") << QByteArray("/lib/libc.so.6(__libc_start_main+0x85) [0x7f02]")
                                << QStringLiteral("/lib/libc.so.6(__libc_start_main+0x85) [0x7f02]");
        QTest::newRow("no symbol") << QByteArray("./vellomy(+0x1234) [0x5555]")
                                   << QStringLiteral("./vellomy(+0x1234) [0x5555]");
        QTest::newRow("no parentheses") << QByteArray("[0x5555]") << QStringLiteral("[0x5555]");
    }
    void demangle()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, expected);
        QCOMPARE(DemangleFrameLine(line), expected);
    }

    void procMaps()
    {
        const QByteArray maps =
            "7f10-7f20 r-xp 00001000 08:01 12 /lib/libz.so.1.2.13\n"
            "5550-5560 r--p 00000000 08:01 11 /usr/bin/vel lomy\n"
            "7f00-7f10 r--p 00000000 08:01 12 /lib/libz.so.1.2.13\n"
            "7ff0-7ff8 rw-p 00000000 00:00 0  [stack]\n"
            "7fe0-7fe8 rw-p 00000000 00:00 0\n";
        const QList<TModuleInfo> m = ParseProcMaps(maps);
        QCOMPARE(m.size(), 2);
        QCOMPARE(m.at(0).address, quint64(0x5550));
        QCOMPARE(m.at(0).path, QStringLiteral("/usr/bin/vel lomy"));
        QCOMPARE(m.at(0).version, QString());
        QCOMPARE(m.at(1).address, quint64(0x7f00));
        QCOMPARE(m.at(1).version, QStringLiteral("1.2.13"));
    }

    void liveProcess()
    {
        const QStringList stack = CaptureStack();
        QVERIFY(!stack.isEmpty());
        QVERIFY(stack.join(u'\n').contains(QStringLiteral("libQt6Test")));
        const QList<TModuleInfo> modules = LoadedModules();
        bool core = false;
        for (const TModuleInfo &m : modules)
            core = core || m.path.contains(QStringLiteral("libQt6Core"));
        QVERIFY(core);
        const QStringList lines = ModuleSection(modules);
        QVERIFY(lines.at(1).startsWith(u'['));
    }

    void ioErrorCarriesItsStack()
    {
        try {
            throw EInOutError(QStringLiteral("/x/a.htm"), QStringLiteral("Permission denied"));
        } catch (const std::exception &e) {
            const TErrorInfo info = ErrorInfoFrom(e);
            QCOMPARE(info.className, QStringLiteral("EInOutError"));
            QCOMPARE(info.message, QStringLiteral("Permission denied: /x/a.htm"));
            QVERIFY(!info.stack.isEmpty());
            QVERIFY(info.address != 0);
        }
        try {
            throw std::runtime_error("boom");
        } catch (const std::exception &e) {
            const TErrorInfo info = ErrorInfoFrom(e);
            QCOMPARE(info.className, QStringLiteral("std::runtime_error"));
            QCOMPARE(info.message, QStringLiteral("boom"));
        }
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_report_text.moc"
