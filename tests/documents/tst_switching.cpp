// Switching documents while the working copy left is still being written:
// whatever comes right after the switch sees the text handed over, and a
// write that fails keeps the text and is reported.
#include "app/application.h"
#include "documents/document_commands.h"
#include "documents/durable_file.h"
#include "documents/working_copy.h"
#include "documents/working_copy_writer.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QFile>
#include <QTableWidget>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <atomic>
#include <semaphore>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

void Type(const QString &text)
{
    QTest::keyClicks(Form2->HTMLEditor1, text);
    QCoreApplication::processEvents();
}

// The file as it is on disk at this moment, without waiting for the writer.
QByteArray BytesNow(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void SwitchToRow(int row)
{
    Form3->StringGrid1->setCurrentCell(row, 0);
}

} // namespace

class TestSwitching : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QString a, b;

    // a edited, then b chosen: a's working copy is on its way to the disk.
    // The fault (if any) is installed just before the switch.
    void EditAAndSwitchToB(void (TestSwitching::*fault)() = nullptr)
    {
        OpenDocument(a);
        OpenDocument(b);
        SwitchToRow(0);
        Type(u"EDIT "_s);
        if (fault)
            (this->*fault)();
        SwitchToRow(1);
        QCOMPARE(Docs.ActiveDoc, 2);
    }

    // A slow disk for a's working copy, so what follows the switch
    // overlaps its write.
    void SlowWorkingCopyOfA()
    {
        const QString wc = WorkingCopyName(a);
        DurableFile::FaultHook = [wc](DurableFile::TStage stage, const QString &path) {
            if (stage == DurableFile::TStage::Sync && path == wc)
                std::this_thread::sleep_for(std::chrono::milliseconds(150));
            return 0;
        };
    }

    void FailWorkingCopyOfA()
    {
        const QString wc = WorkingCopyName(a);
        DurableFile::FaultHook = [wc](DurableFile::TStage stage, const QString &path) {
            return stage == DurableFile::TStage::Create && path == wc ? EROFS : 0;
        };
    }

    static void NoFaults()
    {
        WorkingCopyWriter::WaitAll();
        DurableFile::FaultHook = nullptr;
    }

    QString UnwrittenReport() const
    {
        return u"info: Pracovní kopii souboru "_s + a
               + u" se nepodařilo zapsat. Neuložený text zůstává v paměti programu a vrátí se do editoru, až "
                 u"dokument znovu zvolíte.\n"_s
               + QString::fromLocal8Bit(std::strerror(EROFS));
    }

    QString InEditorReport() const
    {
        return u"info: Pracovní kopii souboru "_s + a + u" se nepodařilo zapsat. Text zůstává v editoru.\n"_s
               + QString::fromLocal8Bit(std::strerror(EROFS));
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        a = fx->writeDoc(u"a.htm"_s, "<P>alfa</P>\r\n");
        b = fx->writeDoc(u"b.htm"_s, "<P>beta</P>\r\n");
    }
    void cleanup()
    {
        NoFaults();
        fx.reset();
    }

    // The switch itself does not wait for the write; the text reaches the
    // working copy soon after, as the crash recovery needs.
    void theTextLeftReachesItsWorkingCopy()
    {
        EditAAndSwitchToB();
        QCOMPARE(Form2->HTMLEditor1->Text(), u"<P>beta</P>"_s);
        WorkingCopyWriter::Wait(WorkingCopyName(a));
        QCOMPARE(BytesNow(WorkingCopyName(a)), QByteArray("EDIT <P>alfa</P>\r\n"));
        QCOMPARE(BytesNow(a), QByteArray("<P>alfa</P>\r\n"));
    }

    // Each command right after the switch, while the write is under way.
    void commandsRightAfterTheSwitch_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("switch back") << u"back"_s;
        QTest::newRow("save all") << u"save all"_s;
        QTest::newRow("close the other, a is shown") << u"close"_s;
        QTest::newRow("close all, not saving") << u"close all"_s;
        QTest::newRow("exit, saving") << u"exit yes"_s;
        QTest::newRow("exit, not saving") << u"exit no"_s;
    }
    void commandsRightAfterTheSwitch()
    {
        QFETCH(QString, command);
        EditAAndSwitchToB(&TestSwitching::SlowWorkingCopyOfA);
        const QString wc = WorkingCopyName(a);
        if (command == u"back"_s) {
            SwitchToRow(0);
            QCOMPARE(Form2->HTMLEditor1->Text(), u"EDIT <P>alfa</P>"_s);
            QCOMPARE(Form2->PanelText(1), u"Změněn"_s);
        } else if (command == u"save all"_s) {
            SaveAllCommand();
            QCOMPARE(BytesNow(a), QByteArray("EDIT <P>alfa</P>\r\n"));
            QVERIFY(!Docs.DocStates[1].Modified);
        } else if (command == u"close"_s) {
            CloseDocument(); // b, unchanged: no question
            QCOMPARE(Docs.OpenDocCount, 1);
            QCOMPARE(Form2->HTMLEditor1->Text(), u"EDIT <P>alfa</P>"_s);
        } else if (command == u"close all"_s) {
            fx->dialogs->answers = {TAnswer::No};
            CloseAllDocuments();
            NoFaults();
            QVERIFY(!QFile::exists(wc)); // the write did not bring it back
            QCOMPARE(BytesNow(a), QByteArray("<P>alfa</P>\r\n"));
        } else {
            const bool save = command == u"exit yes"_s;
            fx->dialogs->answers = {save ? TAnswer::Yes : TAnswer::No};
            QVERIFY(ExitCleanup(false));
            NoFaults();
            QVERIFY(!QFile::exists(wc));
            QCOMPARE(BytesNow(a), save ? QByteArray("EDIT <P>alfa</P>\r\n") : QByteArray("<P>alfa</P>\r\n"));
        }
        QCOMPARE(fx->dialogs->asked.filter(u"info:"_s), QStringList());
    }

    // A working copy that cannot be written (a read-only folder): the switch
    // is made, the failure is reported in Czech once, and the text comes back
    // into the editor when the document is chosen again.
    void aFailedWriteIsReportedAndTheTextKept()
    {
        EditAAndSwitchToB(&TestSwitching::FailWorkingCopyOfA);
        WorkingCopyWriter::WaitAll();
        QCoreApplication::processEvents();
        QCOMPARE(fx->dialogs->asked, QStringList{UnwrittenReport()});
        SwitchToRow(0);
        QCOMPARE(Docs.ActiveDoc, 1);
        QCOMPARE(Form2->HTMLEditor1->Text(), u"EDIT <P>alfa</P>"_s);
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(Form2->WorkingCopyStale); // written again at the next pause

        NoFaults();
        SaveCommand();
        QCOMPARE(BytesNow(a), QByteArray("EDIT <P>alfa</P>\r\n"));
        QCOMPARE(fx->dialogs->asked.size(), 1);
    }

    // Switching back before the failure has been told still tells it, as
    // a text the editor holds.
    void aFailureToldWhenTheTextComesBack()
    {
        EditAAndSwitchToB(&TestSwitching::FailWorkingCopyOfA);
        SwitchToRow(0);
        QCOMPARE(Form2->HTMLEditor1->Text(), u"EDIT <P>alfa</P>"_s);
        WorkingCopyWriter::WaitAll();
        QCoreApplication::processEvents();
        QCOMPARE(fx->dialogs->asked, QStringList{InEditorReport()});
        QVERIFY(Form2->WorkingCopyStale);
    }

    // Back to a document whose text is still being written: the switch takes
    // the text handed over instead of waiting for the disk; the file follows
    // (or, failing, the editor keeps the text and the next pause tries again).
    void backBeforeTheWriteIsDone_data()
    {
        QTest::addColumn<bool>("fails");
        QTest::newRow("written") << false;
        QTest::newRow("failing") << true;
    }
    void backBeforeTheWriteIsDone()
    {
        QFETCH(bool, fails);
        std::binary_semaphore release{0};
        std::atomic<bool> writerHeld{false};
        const QString wc = WorkingCopyName(a);
        OpenDocument(a);
        OpenDocument(b);
        SwitchToRow(0);
        Type(u"EDIT "_s);
        DurableFile::FaultHook = [&, wc](DurableFile::TStage stage, const QString &path) {
            if (stage != DurableFile::TStage::Sync || path != wc)
                return 0;
            writerHeld = true;
            // Released by the test; a switch that waited for the write would
            // find the writer let go only after this.
            (void)release.try_acquire_for(std::chrono::seconds(10));
            writerHeld = false;
            return fails ? EROFS : 0;
        };
        SwitchToRow(1);
        while (!writerHeld)
            std::this_thread::yield();
        SwitchToRow(0);
        QVERIFY(writerHeld); // the switch back did not wait
        QCOMPARE(Form2->HTMLEditor1->Text(), u"EDIT <P>alfa</P>"_s);
        QCOMPARE(Form2->PanelText(1), u"Změněn"_s);
        release.release();
        WorkingCopyWriter::WaitAll();
        QCoreApplication::processEvents();
        if (!fails) {
            QCOMPARE(BytesNow(wc), QByteArray("EDIT <P>alfa</P>\r\n"));
            QCOMPARE(fx->dialogs->asked, QStringList());
            return;
        }
        QCOMPARE(fx->dialogs->asked, QStringList{InEditorReport()});
        QVERIFY(Form2->WorkingCopyStale);
        NoFaults();
        Form2->WriteWorkingCopyAtPause();
        QCOMPARE(BytesNow(wc), QByteArray("EDIT <P>alfa</P>\r\n"));
        QVERIFY(!WorkingCopyWriter::TakeUnwritten(wc));
    }

    // Saving what a failed write holds: written when the fault is gone, and
    // reported once as a failed save while it lasts.
    void savingAHeldText_data()
    {
        QTest::addColumn<bool>("faultGone");
        QTest::newRow("fault gone") << true;
        QTest::newRow("fault lasting") << false;
    }
    void savingAHeldText()
    {
        QFETCH(bool, faultGone);
        EditAAndSwitchToB(&TestSwitching::FailWorkingCopyOfA);
        WorkingCopyWriter::WaitAll();
        if (faultGone)
            NoFaults();
        SaveAllCommand();
        QCoreApplication::processEvents();
        if (faultGone) {
            QCOMPARE(fx->dialogs->asked, QStringList());
            QCOMPARE(BytesNow(a), QByteArray("EDIT <P>alfa</P>\r\n"));
            return;
        }
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY2(fx->dialogs->asked[0].startsWith(u"info: Soubor "_s + a + u" se nepodařilo uložit."_s),
                 qPrintable(fx->dialogs->asked[0]));
        QCOMPARE(BytesNow(a), QByteArray("<P>alfa</P>\r\n"));
        QVERIFY(Docs.DocStates[1].Modified);
        // Exit cannot save it either: the program stays, with the text.
        fx->dialogs->answers = {TAnswer::Yes};
        QVERIFY(!ExitCleanup(false));
        SwitchToRow(0);
        QCOMPARE(Form2->HTMLEditor1->Text(), u"EDIT <P>alfa</P>"_s);
    }
};

QTEST_MAIN(TestSwitching)
#include "tst_switching.moc"
