// The _Err.log and debug.log layouts, byte for byte.
#include "errorreport/error_log.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray Header(const char *stamp)
{
    const QByteArray rule(100, '=');
    QByteArray mid = QByteArray("= ") + QByteArray(stamp).leftJustified(96, ' ') + " =";
    return rule + "\r\n" + mid + "\r\n" + rule + "\r\n";
}
} // namespace

class TestErrorLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void errLogPath_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("exe");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QStringLiteral("/opt/v/") << QStringLiteral("/usr/bin/vellomy")
                               << QStringLiteral("/opt/v/vellomy_Err.log");
        QTest::newRow("extension dropped") << QStringLiteral("/opt/v") << QStringLiteral("/x/Vellomy.exe")
                                           << QStringLiteral("/opt/v/Vellomy_Err.log");
    }
    void errLogPath()
    {
        QFETCH(QString, dir);
        QFETCH(QString, exe);
        QFETCH(QString, expected);
        QCOMPARE(ErrLogPath(dir, exe), expected);
    }

    void block_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("details");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<QByteArray>("expected");
        const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
        Q_UNUSED(when);
        QTest::newRow("first report") << QStringLiteral("Chyba.") << QStringLiteral("a\nb")
                                      << true << Header("05.03.2024 07:08:09") + "Chyba.\r\na\r\nb\r\n";
        QTest::newRow("later report opens with CR LF")
            << QStringLiteral("X") << QStringLiteral("d") << false
            << QByteArray("\r\n") + Header("05.03.2024 07:08:09") + "X\r\nd\r\n";
        QTest::newRow("trailing blanks removed, CR LF kept")
            << QStringLiteral("a  \r\nb\t") << QStringLiteral("c   \n  d  ") << true
            << Header("05.03.2024 07:08:09") + "a\r\nb\r\nc\r\n  d\r\n";
        QTest::newRow("Czech text in Windows-1250")
            << QStringLiteral("Bohužel") << QString() << true
            << Header("05.03.2024 07:08:09") + "Bohu\x9e" "el\r\n";
    }
    void block()
    {
        QFETCH(QString, label);
        QFETCH(QString, details);
        QFETCH(bool, empty);
        QFETCH(QByteArray, expected);
        const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
        QCOMPARE(ErrLogBlock(when, label, details, empty), expected);
    }

    void twoSuccessiveErrors()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vellomy_Err.log"));
        QVERIFY(AppendErrLog(path, QDateTime(QDate(2024, 1, 2), QTime(10, 0, 0)), QStringLiteral("L1"),
                             QStringLiteral("first\nreport")));
        QVERIFY(AppendErrLog(path, QDateTime(QDate(2024, 1, 2), QTime(10, 0, 5)), QStringLiteral("L2"),
                             QStringLiteral("second")));
        const QByteArray expected = Header("02.01.2024 10:00:00") + "L1\r\nfirst\r\nreport\r\n" + "\r\n"
                                    + Header("02.01.2024 10:00:05") + "L2\r\nsecond\r\n";
        QCOMPARE(ReadAll(path), expected);
    }

    void appendingKeepsWhatIsThere()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vellomy_Err.log"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("older bytes \x01\xff");
        }
        QVERIFY(AppendErrLog(path, QDateTime(QDate(2024, 1, 2), QTime(10, 0, 0)), QStringLiteral("L"),
                             QStringLiteral("d")));
        QCOMPARE(ReadAll(path), QByteArray("older bytes \x01\xff\r\n") + Header("02.01.2024 10:00:00")
                                    + "L\r\nd\r\n");
    }

    void debugLogCreatedThenAppended()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("debug.log"));
        QVERIFY(!QFile::exists(path));
        QVERIFY(AppendDebugLog(path, QStringLiteral("one  \ntwo")));
        QCOMPARE(ReadAll(path), QByteArray("one\r\ntwo\r\n"));
        QVERIFY(AppendDebugLog(path, QStringLiteral("three")));
        QCOMPARE(ReadAll(path), QByteArray("one\r\ntwo\r\n\r\nthree\r\n"));
    }

    void unwritableLogFails()
    {
        QVERIFY(!AppendErrLog(QStringLiteral("/nonexistent-dir/x_Err.log"), QDateTime::currentDateTime(),
                              QStringLiteral("L"), QStringLiteral("d")));
    }
};

QTEST_GUILESS_MAIN(TestErrorLog)
#include "tst_error_log.moc"
