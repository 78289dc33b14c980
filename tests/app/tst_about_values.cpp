// The figures of the about box: version text, memory and build date.
#include "app/about_values.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {
constexpr quint64 KiB = 1024;
constexpr quint64 GiB = 1024 * 1024 * 1024;
}

class TestAboutValues : public QObject
{
    Q_OBJECT

private slots:
    void versionText_data()
    {
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("shown");
        QTest::newRow("four parts") << u"1.0.0.1"_s << u"1.0.0.1"_s;
        QTest::newRow("missing parts count as 0") << u"2.5"_s << u"2.5.0.0"_s;
        QTest::newRow("one part") << u"3"_s << u"3.0.0.0"_s;
        QTest::newRow("leading zeros as numbers") << u"01.002.0.10"_s << u"1.2.0.10"_s;
        QTest::newRow("largest half-word") << u"65535.65535.65535.65535"_s << u"65535.65535.65535.65535"_s;
        // What no version resource could hold reads as no version.
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("too large") << u"1.65536.0.0"_s << QString();
        QTest::newRow("five parts") << u"1.2.3.4.5"_s << QString();
        QTest::newRow("not a number") << u"1.0-beta"_s << QString();
        QTest::newRow("empty part") << u"1..2"_s << QString();
        QTest::newRow("signed") << u"+1.0"_s << QString();
    }
    void versionText()
    {
        QFETCH(QString, build);
        QFETCH(QString, shown);
        QCOMPARE(VersionText(build), shown);
    }

    void meminfo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("known");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<quint64>("available");
        QTest::newRow("current kernel")
            << QByteArray("MemTotal:        8048576 kB\nMemFree:          123456 kB\n"
                          "MemAvailable:    2012144 kB\nBuffers:           10000 kB\nCached:  500000 kB\n")
            << true << 8048576 * KiB << 2012144 * KiB;
        // Kernels before 3.14 have no MemAvailable: free, buffers and cache.
        QTest::newRow("old kernel")
            << QByteArray("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 20 kB\nCached: 30 kB\n")
            << true << 1000 * KiB << 150 * KiB;
        QTest::newRow("no total") << QByteArray("MemFree: 100 kB\n") << false << quint64(0) << quint64(0);
        QTest::newRow("garbage") << QByteArray("\x01\x02:xyz\n") << false << quint64(0) << quint64(0);
        QTest::newRow("available above total is capped")
            << QByteArray("MemTotal: 100 kB\nMemAvailable: 200 kB\n") << true << 100 * KiB << 100 * KiB;
    }
    void meminfo()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, known);
        QFETCH(quint64, total);
        QFETCH(quint64, available);
        const auto status = ParseMeminfo(text);
        QCOMPARE(status.has_value(), known);
        if (known) {
            QCOMPARE(status->totalPhys, total);
            QCOMPARE(status->availPhys, available);
        }
    }

    void memorySize_data()
    {
        QTest::addColumn<quint64>("total");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        const QLocale c = QLocale::c();
        const QLocale german(QLocale::German, QLocale::Germany);
        const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
        QTest::newRow("1 GB") << GiB << c << u"1,048,576 KB"_s;
        QTest::newRow("1 GB, German separator") << GiB << german << u"1.048.576 KB"_s;
        QTest::newRow("1 GB, Czech separator")
            << GiB << czech << u"1"_s + czech.groupSeparator() + u"048"_s + czech.groupSeparator() + u"576 KB"_s;
        QTest::newRow("no group") << 512 * KiB << c << u"512 KB"_s;
        QTest::newRow("exactly a thousand") << 1000 * KiB << c << u"1,000 KB"_s;
        QTest::newRow("16 GB") << 16 * GiB << c << u"16,777,216 KB"_s;
        // Bytes that are no whole kilobyte round to the nearest one.
        QTest::newRow("half a kilobyte up") << 1000 * KiB + 512 << c << u"1,001 KB"_s;
        QTest::newRow("less than half down") << 1000 * KiB + 511 << c << u"1,000 KB"_s;
        QTest::newRow("unknown") << quint64(0) << c << u"nezjištěno"_s;
    }
    void memorySize()
    {
        QFETCH(quint64, total);
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QCOMPARE(MemorySizeText({total, 0}, locale), shown);
    }

    void memoryUse_data()
    {
        QTest::addColumn<quint64>("total");
        QTest::addColumn<quint64>("available");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three quarters") << GiB << GiB / 4 << u"75 %"_s;
        QTest::newRow("all free") << GiB << GiB << u"0 %"_s;
        QTest::newRow("all used") << GiB << quint64(0) << u"100 %"_s;
        QTest::newRow("rounded down") << quint64(1000) << quint64(666) << u"33 %"_s;
        QTest::newRow("rounded up") << quint64(1000) << quint64(334) << u"67 %"_s;
        // Ties go to the even neighbour.
        QTest::newRow("half to even down") << quint64(200) << quint64(199) << u"0 %"_s;
        QTest::newRow("half to even up") << quint64(200) << quint64(197) << u"2 %"_s;
        QTest::newRow("two and a half") << quint64(200) << quint64(195) << u"2 %"_s;
        QTest::newRow("unknown") << quint64(0) << quint64(0) << u"nezjištěno"_s;
    }
    void memoryUse()
    {
        QFETCH(quint64, total);
        QFETCH(quint64, available);
        QFETCH(QString, shown);
        QCOMPARE(MemoryUseText({total, available}), shown);
    }

    void injectedMemoryReplacesTheSystems()
    {
        SetMemoryStatusSource([] { return TMemoryStatus{GiB, GiB / 2}; });
        QCOMPARE(CurrentMemoryStatus().totalPhys, GiB);
        SetMemoryStatusSource({});
        // The machine's own figures: some memory, not more free than there is.
        const TMemoryStatus own = CurrentMemoryStatus();
        QVERIFY(own.totalPhys > 0);
        QVERIFY(own.availPhys <= own.totalPhys);
    }

    void generalDateTime_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shown");
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QDate day(2004, 3, 5);
        QTest::newRow("afternoon") << QDateTime(day, QTime(14, 7, 9)) << us << u"3/5/04 2:07:09 PM"_s;
        QTest::newRow("midnight shows the date alone") << QDateTime(day, QTime(0, 0)) << us << u"3/5/04"_s;
        QTest::newRow("a millisecond past midnight") << QDateTime(day, QTime(0, 0, 0, 1)) << us
                                                    << u"3/5/04 12:00:00 AM"_s;
    }
    void generalDateTime()
    {
        QFETCH(QDateTime, when);
        QFETCH(QLocale, locale);
        QFETCH(QString, shown);
        QCOMPARE(GeneralDateTimeText(when, locale), shown);
    }

    void generalDateTimeHasNoTimeZone()
    {
        // Whatever a locale's long time format holds, the zone is left out.
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::Czech, QLocale::CzechRepublic),
                                      QLocale(QLocale::German, QLocale::Germany)}) {
            const QDateTime when(QDate(2024, 12, 10), QTime(10, 30, 5), QTimeZone::utc());
            const QString shown = GeneralDateTimeText(when, locale);
            QVERIFY2(!shown.contains(u"UTC"_s) && !shown.contains(u"GMT"_s), qPrintable(shown));
            QVERIFY2(shown.contains(u"30"_s) && shown.contains(u"05"_s), qPrintable(shown));
            QVERIFY2(shown.startsWith(locale.toString(when.date(), QLocale::ShortFormat) + u' '), qPrintable(shown));
        }
    }
};

QTEST_GUILESS_MAIN(TestAboutValues)
#include "tst_about_values.moc"
