// The background writer of working copies: order, the newest text winning,
// readers waiting, failures keeping their text and being told once.
#include "documents/durable_file.h"
#include "documents/working_copy.h"
#include "documents/working_copy_writer.h"
#include "errorreport/io_error.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <semaphore>

using namespace Qt::StringLiterals;
namespace W = WorkingCopyWriter;

namespace {

QByteArray Bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QChar kBreak = QChar::ParagraphSeparator;

// Holds the writer inside its first write of one file until released, so a
// test can queue behind a write that is known to be under way.
struct TGate {
    std::binary_semaphore entered{0};
    std::binary_semaphore release{0};
    std::mutex mutex;
    QStringList written; // every file whose write began, in order
    QString held;

    void Install(const QString &holdPath)
    {
        held = holdPath;
        DurableFile::FaultHook = [this](DurableFile::TStage stage, const QString &path) {
            if (stage != DurableFile::TStage::Create)
                return 0;
            bool hold = false;
            {
                std::lock_guard lock(mutex);
                written << path;
                hold = path == held;
                if (hold)
                    held.clear(); // only the first write of it
            }
            if (hold) {
                entered.release();
                release.acquire();
            }
            return 0;
        };
    }
};

} // namespace

class TestCopyWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList reports;

    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
    void init()
    {
        reports.clear();
        W::SetFailureHandler([this](const QString &p, const QString &message) {
            reports << p + u": "_s + message;
        });
    }
    void cleanup()
    {
        W::DiscardAll();
        DurableFile::FaultHook = nullptr;
        QCoreApplication::processEvents(); // failures still queued find nothing to tell
        QCOMPARE(reports, QStringList());
    }

    void writesTheEncodedText_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("windows-1250")
            << (u"<P>ř</P>"_s + kBreak + u"x"_s) << int(Codec::TextEncoding::Windows1250) << QByteArray("<P>\xF8</P>\r\nx\r\n");
        QTest::newRow("utf-8") << (u"ř"_s + kBreak) << int(Codec::TextEncoding::Utf8) << QByteArray("\xC5\x99\r\n\r\n");
    }
    void writesTheEncodedText()
    {
        QFETCH(QString, raw);
        QFETCH(int, encoding);
        const QString wc = path(u"~$a.htm~"_s);
        W::Enqueue(wc, raw, Codec::TextEncoding(encoding));
        W::Wait(wc);
        QTEST(Bytes(wc), "bytes");
    }

    // Texts handed over while a write of the file is under way: the one
    // queued last is written, the one between never.
    void theNewestQueuedTextWins()
    {
        TGate gate;
        const QString wc = path(u"~$b.htm~"_s);
        gate.Install(wc);
        W::Enqueue(wc, u"first"_s, Codec::TextEncoding::Windows1250);
        gate.entered.acquire();
        W::Enqueue(wc, u"second"_s, Codec::TextEncoding::Windows1250);
        W::Enqueue(wc, u"third"_s, Codec::TextEncoding::Windows1250);
        gate.release.release();
        W::Wait(wc);
        QCOMPARE(Bytes(wc), QByteArray("third\r\n"));
        QCOMPARE(gate.written, (QStringList{wc, wc}));
    }

    // One write at a time, in the order handed over, across files.
    void filesAreWrittenOneAfterAnother()
    {
        TGate gate;
        const QString one = path(u"~$1.htm~"_s), two = path(u"~$2.htm~"_s);
        gate.Install(one);
        W::Enqueue(one, u"1"_s, Codec::TextEncoding::Windows1250);
        gate.entered.acquire();
        W::Enqueue(two, u"2"_s, Codec::TextEncoding::Windows1250);
        {
            std::lock_guard lock(gate.mutex);
            QCOMPARE(gate.written, QStringList{one}); // the second waits for the first
        }
        gate.release.release();
        W::WaitAll();
        QCOMPARE(gate.written, (QStringList{one, two}));
        QCOMPARE(Bytes(two), QByteArray("2\r\n"));
    }

    // The text written on the user's thread is newer than any handed over.
    void aWriteNowIsNotOvertaken()
    {
        TGate gate;
        const QString wc = path(u"~$c.htm~"_s);
        gate.Install(wc);
        W::Enqueue(wc, u"running"_s, Codec::TextEncoding::Windows1250);
        gate.entered.acquire();
        W::Enqueue(wc, u"queued"_s, Codec::TextEncoding::Windows1250);
        gate.release.release();
        W::WriteNow(wc, "now\r\n");
        W::WaitAll();
        QCOMPARE(Bytes(wc), QByteArray("now\r\n"));
    }

    // Deleting a working copy waits for its write, so the write cannot
    // bring it back afterwards.
    void deletionWaitsForTheWrite()
    {
        TGate gate;
        const QString wc = path(u"~$d.htm~"_s);
        gate.Install(wc);
        W::Enqueue(wc, u"text"_s, Codec::TextEncoding::Windows1250);
        gate.entered.acquire();
        gate.release.release();
        DeleteWorkingCopy(wc);
        W::WaitAll();
        QVERIFY(!QFile::exists(wc));
    }

    void aFailedWriteKeepsItsTextAndIsToldOnce_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("error");
        QTest::newRow("read-only folder") << int(DurableFile::TStage::Create) << EROFS;
        QTest::newRow("full disk") << int(DurableFile::TStage::Write) << ENOSPC;
        QTest::newRow("sync refused") << int(DurableFile::TStage::Sync) << EIO;
    }
    void aFailedWriteKeepsItsTextAndIsToldOnce()
    {
        QFETCH(int, stage);
        QFETCH(int, error);
        const QString wc = path(u"~$e.htm~"_s);
        QFile::remove(wc);
        DurableFile::FaultHook = [=](DurableFile::TStage s, const QString &p) {
            return int(s) == stage && p == wc ? error : 0;
        };
        W::Enqueue(wc, u"unsaved"_s + kBreak + u"text"_s, Codec::TextEncoding::Windows1250);
        W::Wait(wc);
        DurableFile::FaultHook = nullptr;
        QVERIFY(!QFile::exists(wc));
        QCOMPARE(reports, QStringList()); // told on this thread, from its event loop
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList{wc + u": "_s + QString::fromLocal8Bit(std::strerror(error))});
        reports.clear();
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList());

        const auto held = W::TakeUnwritten(wc);
        QVERIFY(held);
        QCOMPARE(held->rawText, u"unsaved"_s + kBreak + u"text"_s);
        QVERIFY(held->reported);
        QVERIFY(!W::TakeUnwritten(wc)); // taken back: held no more
    }

    // A held text is written by Flush; while the fault lasts Flush throws and
    // the failure counts as told (the caller tells it), and the text stays.
    void flushWritesAHeldText()
    {
        const QString wc = path(u"~$f.htm~"_s);
        int faults = 2;
        DurableFile::FaultHook = [&](DurableFile::TStage s, const QString &p) {
            return s == DurableFile::TStage::Create && p == wc && faults-- > 0 ? EROFS : 0;
        };
        W::Enqueue(wc, u"held"_s, Codec::TextEncoding::Windows1250);
        W::Wait(wc);
        QVERIFY_THROWS_EXCEPTION(EInOutError, W::Flush(wc));
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList()); // the one who flushed reports it
        W::Flush(wc);
        DurableFile::FaultHook = nullptr;
        QCOMPARE(Bytes(wc), QByteArray("held\r\n"));
        QVERIFY(!W::TakeUnwritten(wc));
        W::Flush(wc); // nothing held: nothing happens
    }

    // A newer text written after a failure makes it good before anyone is told.
    void aLaterWriteMakesAFailureGood_data()
    {
        QTest::addColumn<bool>("handedOver"); // or written on the user's thread
        QTest::newRow("handed over") << true;
        QTest::newRow("written now") << false;
    }
    void aLaterWriteMakesAFailureGood()
    {
        QFETCH(bool, handedOver);
        const QString wc = path(u"~$g.htm~"_s);
        int faults = 1;
        DurableFile::FaultHook = [&](DurableFile::TStage s, const QString &p) {
            return s == DurableFile::TStage::Create && p == wc && faults-- > 0 ? EACCES : 0;
        };
        W::Enqueue(wc, u"old"_s, Codec::TextEncoding::Windows1250);
        W::Wait(wc); // failed, not yet told
        if (handedOver)
            W::Enqueue(wc, u"new"_s, Codec::TextEncoding::Windows1250);
        else
            W::WriteNow(wc, "new\r\n");
        W::WaitAll();
        DurableFile::FaultHook = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList());
        QCOMPARE(Bytes(wc), QByteArray("new\r\n"));
        QVERIFY(!W::TakeUnwritten(wc));
    }

    void discardGivesUpAHeldText()
    {
        const QString wc = path(u"~$h.htm~"_s);
        DurableFile::FaultHook = [&](DurableFile::TStage s, const QString &p) {
            return s == DurableFile::TStage::Create && p == wc ? EROFS : 0;
        };
        W::Enqueue(wc, u"gone"_s, Codec::TextEncoding::Windows1250);
        W::Discard(wc);
        DurableFile::FaultHook = nullptr;
        QCoreApplication::processEvents();
        QCOMPARE(reports, QStringList()); // given up before it was told
        QVERIFY(!W::TakeUnwritten(wc));
    }
};

QTEST_GUILESS_MAIN(TestCopyWriter)
#include "tst_copy_writer.moc"
