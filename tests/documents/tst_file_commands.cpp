// The file commands driven through the real windows, prompts answered by script.
#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "documents/durable_file.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <cerrno>

namespace {

QString GridText(int row)
{
    const QTableWidgetItem *item = Form3->StringGrid1->item(row, 0);
    return item ? item->text() : QString();
}

void Type(const QString &text)
{
    QTest::keyClicks(Form2->HTMLEditor1, text);
    QCoreApplication::processEvents();
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QString a, b, c;

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        a = fx->writeDoc(QStringLiteral("a.htm"), "<P>alfa</P>\r\n");
        b = fx->writeDoc(QStringLiteral("b.htm"), "<P>beta</P>\r\n<P>dva</P>\r\n");
        c = fx->writeDoc(QStringLiteral("c.htm"), "<P>gama</P>\r\n");
    }
    void cleanup() { fx.reset(); }

    void startsInactive()
    {
        QCOMPARE(Form3->StringGrid1->rowCount(), 1);
        QCOMPARE(GridText(0), QStringLiteral("Žádný Otevřený Soubor"));
        QVERIFY(!Form2->PageControl1->isEnabled());
        QCOMPARE(Form2->HTMLEditor1->Text(), InactiveWorkspaceText());
        QVERIFY(!Form2->HTMLEditor1->Modified());
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní Plocha"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy"));
    }

    void openingCreatesWorkingCopiesAndRows()
    {
        OpenDocument(a);
        QCOMPARE(Form3->StringGrid1->rowCount(), 1);
        QCOMPARE(GridText(0), QStringLiteral("a.htm"));
        QVERIFY(Form2->PageControl1->isEnabled());
        OpenDocument(b);
        OpenDocument(c);
        QCOMPARE(Docs.OpenDocCount, 3);
        QCOMPARE(Docs.ActiveDoc, 3);
        QCOMPARE(Form3->StringGrid1->rowCount(), 3);
        QCOMPARE(Form3->StringGrid1->currentRow(), 2);
        for (const QString &p : {a, b, c})
            QCOMPARE(ReadBytes(WorkingCopyName(p)), ReadBytes(p));
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní plocha - c.htm"));
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<P>gama</P>"));
        QCOMPARE(Form2->PanelText(1), QString());
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void openingAnOpenPathSwitchesToIt()
    {
        OpenDocument(a);
        OpenDocument(b);
        OpenDocument(a);
        QCOMPARE(Docs.OpenDocCount, 2);
        QCOMPARE(Docs.ActiveDoc, 1);
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<P>alfa</P>"));
    }

    void missingFileIsReported()
    {
        OpenDocument(fx->docDir() + QStringLiteral("/none.htm"));
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("info: Tento již soubor neexistuje")});
        QCOMPARE(Docs.OpenDocCount, 0);
        QVERIFY(!Form2->PageControl1->isEnabled());
    }

    void switchingKeepsCaretAndModifiedPerDocument()
    {
        OpenDocument(a);
        OpenDocument(b);
        Form2->HTMLEditor1->SetSelStart(5);
        Type(QStringLiteral("X"));
        QCOMPARE(Form2->PanelText(1), QStringLiteral("Změněn"));
        Form3->StringGrid1->setCurrentCell(0, 0);
        QCOMPARE(Docs.ActiveDoc, 1);
        QCOMPARE(Form2->PanelText(1), QString());
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní plocha - a.htm"));
        // The text of the document left is in its working copy, not its file.
        QCOMPARE(ReadBytes(WorkingCopyName(b)), QByteArray("<P>beXta</P>\r\n<P>dva</P>\r\n"));
        QCOMPARE(ReadBytes(b), QByteArray("<P>beta</P>\r\n<P>dva</P>\r\n"));
        Form3->StringGrid1->setCurrentCell(1, 0);
        QCOMPARE(Form2->HTMLEditor1->SelStart(), 6);
        QCOMPARE(Form2->PanelText(1), QStringLiteral("Změněn"));
        QCOMPARE(Form2->PanelText(2), QStringLiteral("Délka: 24"));
        QVERIFY(Docs.DocStates[2].Modified);
        QVERIFY(!Docs.DocStates[1].Modified);
    }

    void autosaveOnSwitchWritesTheDocumentLeft()
    {
        Form13->Useautosaveall->setChecked(true);
        OpenDocument(a);
        OpenDocument(b);
        Type(QStringLiteral("Z"));
        Form3->StringGrid1->setCurrentCell(0, 0);
        QVERIFY(ReadBytes(b).startsWith("Z<P>beta"));
        QVERIFY(!Docs.DocStates[2].Modified);
    }

    void saveCopiesBackAndClearsTheMark()
    {
        OpenDocument(b);
        Form2->HTMLEditor1->SetSelStart(Form2->HTMLEditor1->TextLength());
        Type(QStringLiteral("!"));
        SaveCommand();
        QCOMPARE(ReadBytes(b), QByteArray("<P>beta</P>\r\n<P>dva</P>!\r\n"));
        QVERIFY(!Docs.Active().Modified);
        QCOMPARE(Form2->PanelText(1), QString());
    }

    void failedSaveLeavesTheDocumentAndReports()
    {
        OpenDocument(a);
        Type(QStringLiteral("new "));
        // The document's place is taken by a folder: it cannot be replaced.
        QVERIFY(QFile::remove(a));
        QVERIFY(QDir().mkpath(a));
        SaveCommand();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].startsWith(QStringLiteral("info: Soubor ") + a + QStringLiteral(" se nepodařilo uložit.")));
        QVERIFY(QFileInfo(a).isDir());
        QVERIFY(Docs.Active().Modified);
        QCOMPARE(Form2->PanelText(1), QStringLiteral("Změněn"));
        QCOMPARE(ReadBytes(WorkingCopyName(a)), QByteArray("new <P>alfa</P>\r\n"));
    }

    void faultsWhileSavingKeepTheDocumentAndTheText_data()
    {
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("onTheDocument"); // or on the working copy
        QTest::newRow("full disk, document") << int(DurableFile::TStage::Write) << ENOSPC << true;
        QTest::newRow("read-only folder, document") << int(DurableFile::TStage::Create) << EROFS << true;
        QTest::newRow("rename refused, document") << int(DurableFile::TStage::Rename) << EACCES << true;
        QTest::newRow("full disk, working copy") << int(DurableFile::TStage::Write) << ENOSPC << false;
    }
    void faultsWhileSavingKeepTheDocumentAndTheText()
    {
        QFETCH(int, stage);
        QFETCH(int, error);
        QFETCH(bool, onTheDocument);
        OpenDocument(a);
        Type(QStringLiteral("new "));
        const QString target = onTheDocument ? a : WorkingCopyName(a);
        DurableFile::FaultHook = [=](DurableFile::TStage s, const QString &path) {
            return (int(s) == stage && path == target) ? error : 0;
        };
        SaveCommand();
        DurableFile::FaultHook = nullptr;
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY2(fx->dialogs->asked[0].contains(QStringLiteral("se nepodařilo")), qPrintable(fx->dialogs->asked[0]));
        QCOMPARE(ReadBytes(a), QByteArray("<P>alfa</P>\r\n"));
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("new <P>alfa</P>"));
        QVERIFY(Docs.Active().Modified);
        // Once the fault is gone the same command saves.
        fx->dialogs->asked.clear();
        SaveCommand();
        QCOMPARE(fx->dialogs->asked, QStringList());
        QCOMPARE(ReadBytes(a), QByteArray("new <P>alfa</P>\r\n"));
    }

    void aDocumentDeletedWhileOpenIsWrittenAgain()
    {
        OpenDocument(a);
        Type(QStringLiteral("x"));
        QVERIFY(QFile::remove(a));
        SaveCommand();
        QCOMPARE(fx->dialogs->asked, QStringList());
        QCOMPARE(ReadBytes(a), QByteArray("x<P>alfa</P>\r\n"));
    }

    void aVanishedFolderIsReportedAndTheTextStays()
    {
        const QString sub = fx->docDir() + QStringLiteral("/sub");
        QVERIFY(QDir().mkpath(sub));
        const QString doc = fx->writeDoc(QStringLiteral("sub/d.htm"), "<P>d</P>\r\n");
        OpenDocument(doc);
        Type(QStringLiteral("y"));
        QVERIFY(QDir(sub).removeRecursively());
        SaveCommand();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY2(fx->dialogs->asked[0].contains(QStringLiteral("se nepodařilo")), qPrintable(fx->dialogs->asked[0]));
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("y<P>d</P>"));
        QVERIFY(Docs.Active().Modified);
    }

    void theWorkingCopyFollowsTypingAtPauses()
    {
        OpenDocument(a);
        const QString wc = WorkingCopyName(a);
        Type(QStringLiteral("ab"));
        for (int tick = 0; tick < 3; ++tick)
            Form2->Timer2Timer();
        QCOMPARE(ReadBytes(wc), QByteArray("<P>alfa</P>\r\n")); // not per keystroke
        for (int tick = 0; tick < 6; ++tick)
            Form2->Timer2Timer();
        QCOMPARE(ReadBytes(wc), QByteArray("ab<P>alfa</P>\r\n")); // the pause
        QCOMPARE(ReadBytes(a), QByteArray("<P>alfa</P>\r\n"));

        // Typing on without a pause still reaches the file within 450 ms.
        for (int i = 0; i < 9; ++i) {
            Type(QStringLiteral("x"));
            Form2->Timer2Timer();
        }
        // (The window's own timer ticks too, so the write may come earlier.)
        const QByteArray written = ReadBytes(wc);
        QVERIFY2(written.startsWith("abx") && written.endsWith("x<P>alfa</P>\r\n"), written.constData());
    }

    void closingTheMiddleDocument()
    {
        OpenDocument(a);
        OpenDocument(b);
        Form2->HTMLEditor1->SetSelStart(3);
        Type(QStringLiteral("Q"));
        Docs.DocStates[2].Bookmarks[4] = 7;
        OpenDocument(c);
        Type(QStringLiteral("C"));
        Form3->StringGrid1->setCurrentCell(1, 0);
        fx->dialogs->answers = {TAnswer::No};
        CloseDocument();
        QCOMPARE(fx->dialogs->asked,
                 QStringList{QStringLiteral("confirm: Soubor ") + b + QStringLiteral(" se zmenil.Uložit?")});
        QVERIFY(!QFile::exists(WorkingCopyName(b)));
        QCOMPARE(ReadBytes(b), QByteArray("<P>beta</P>\r\n<P>dva</P>\r\n"));
        QCOMPARE(Docs.OpenDocCount, 2);
        QCOMPARE(Docs.ActiveDoc, 1);
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<P>alfa</P>"));
        QCOMPARE(Form3->StringGrid1->rowCount(), 2);
        QCOMPARE(GridText(0), QStringLiteral("a.htm"));
        QCOMPARE(GridText(1), QStringLiteral("c.htm"));
        QVERIFY(Docs.DocStates[2].Modified);
        QCOMPARE(Docs.DocStates[2].Bookmarks[4], -1);
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní Plocha - a.htm"));
        QCOMPARE(Form2->PanelText(1), QString());
        // c keeps its own state when it is entered again.
        Form3->StringGrid1->setCurrentCell(1, 0);
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("C<P>gama</P>"));
        QCOMPARE(Form2->PanelText(1), QStringLiteral("Změněn"));
    }

    void closeCancelKeepsTheDocument()
    {
        OpenDocument(a);
        Type(QStringLiteral("x"));
        fx->dialogs->answers = {TAnswer::Cancel};
        CloseDocument();
        QCOMPARE(Docs.OpenDocCount, 1);
        QVERIFY(QFile::exists(WorkingCopyName(a)));
    }

    void closingTheLastDocument()
    {
        OpenDocument(a);
        fx->dialogs->answers = {};
        CloseDocument();
        QVERIFY(fx->dialogs->asked.isEmpty());
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovni Plocha"));
        QCOMPARE(GridText(0), QStringLiteral("Žádný Otevřený Soubor"));
        QCOMPARE(Form3->StringGrid1->rowCount(), 1);
        QVERIFY(!Form2->PageControl1->isEnabled());
        QCOMPARE(Form2->HTMLEditor1->Text(), InactiveWorkspaceText());
        QVERIFY(!QFile::exists(WorkingCopyName(a)));
    }

    void closeAllWithCancelAtTheSecondPrompt()
    {
        OpenDocument(a);
        Type(QStringLiteral("1"));
        OpenDocument(b);
        OpenDocument(c);
        Type(QStringLiteral("3"));
        fx->dialogs->answers = {TAnswer::Yes, TAnswer::Cancel};
        CloseAllDocuments();
        QCOMPARE(fx->dialogs->asked,
                 (QStringList{QStringLiteral("confirm: Soubor ") + a + QStringLiteral(" se zmenil.Uložit?"),
                              QStringLiteral("confirm: Soubor ") + c + QStringLiteral(" se zmenil.Uložit?")}));
        // The first answer saved; nothing was closed.
        QCOMPARE(ReadBytes(a), QByteArray("1<P>alfa</P>\r\n"));
        QCOMPARE(Docs.OpenDocCount, 3);
        for (const QString &p : {a, b, c})
            QVERIFY(QFile::exists(WorkingCopyName(p)));

        fx->dialogs->asked.clear();
        fx->dialogs->answers = {TAnswer::No};
        CloseAllDocuments();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QCOMPARE(Docs.OpenDocCount, 0);
        for (const QString &p : {a, b, c})
            QVERIFY(!QFile::exists(WorkingCopyName(p)));
        QCOMPARE(ReadBytes(c), QByteArray("<P>gama</P>\r\n"));
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní Plocha"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy"));
        QCOMPARE(GridText(0), QStringLiteral("Žádný Otevřený Soubor"));
        QVERIFY(!Form2->HTMLEditor1->Modified());
    }

    void exitWithTwoModifiedDocuments()
    {
        OpenDocument(a);
        Type(QStringLiteral("A"));
        OpenDocument(b);
        Type(QStringLiteral("B"));
        fx->dialogs->answers = {TAnswer::Yes, TAnswer::Cancel};
        QVERIFY(!ExitCleanup(false));
        QCOMPARE(fx->dialogs->asked,
                 (QStringList{QStringLiteral("confirm: Soubor ") + a + QStringLiteral(" se změnil.Uložit?"),
                              QStringLiteral("confirm: Soubor ") + b + QStringLiteral(" se změnil.Uložit?")}));
        QCOMPARE(ReadBytes(a), QByteArray("A<P>alfa</P>\r\n"));
        QVERIFY(QFile::exists(WorkingCopyName(b)));
        QVERIFY(!QFile::exists(fx->programDir() + QStringLiteral("/config.ini")));

        fx->dialogs->answers = {TAnswer::No};
        QVERIFY(ExitCleanup(false));
        QVERIFY(!QFile::exists(WorkingCopyName(a)));
        QVERIFY(!QFile::exists(WorkingCopyName(b)));
        QVERIFY(ReadBytes(b).startsWith("<P>beta"));
        QVERIFY(QFile::exists(fx->programDir() + QStringLiteral("/config.ini")));
    }

    void closeBoxRefusedOnCancel()
    {
        OpenDocument(a);
        Type(QStringLiteral("A"));
        fx->dialogs->answers = {TAnswer::Cancel};
        QVERIFY(!Form1->close());
        QCOMPARE(fx->dialogs->asked,
                 QStringList{QStringLiteral("confirm: Soubor ") + a + QStringLiteral(" se změnil.Uložit?")});
        QVERIFY(QFile::exists(WorkingCopyName(a)));
    }

    void saveAsAddsTheFilterExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QString>("saved");
        QTest::newRow("html entry") << QStringLiteral("nova") << 1 << QStringLiteral("nova.htm");
        QTest::newRow("script entry") << QStringLiteral("index") << 2 << QStringLiteral("index.php");
        QTest::newRow("all files entry") << QStringLiteral("index") << 3 << QStringLiteral("index.htm");
        QTest::newRow("own extension") << QStringLiteral("x.css") << 2 << QStringLiteral("x.css");
    }
    void saveAsAddsTheFilterExtension()
    {
        QFETCH(QString, typed);
        QFETCH(int, filterIndex);
        QFETCH(QString, saved);
        OpenDocument(a);
        Type(QStringLiteral("S"));
        fx->dialogs->saveAnswers = {{fx->docDir() + u'/' + typed, filterIndex}};
        SaveAsCommand();
        const QString target = fx->docDir() + u'/' + saved;
        QCOMPARE(ReadBytes(target), QByteArray("S<P>alfa</P>\r\n"));
        QVERIFY(QFile::exists(WorkingCopyName(target)));
        QVERIFY(!QFile::exists(WorkingCopyName(a)));
        QCOMPARE(ReadBytes(a), QByteArray("<P>alfa</P>\r\n"));
        QCOMPARE(DocumentPath(Docs.ActiveFile()), target);
        QCOMPARE(GridText(0), saved);
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní plocha - ") + saved);
        QVERIFY(!Docs.Active().Modified);
        QCOMPARE(fx->dialogs->requests.last().title, QStringLiteral("Uložit Jako"));
    }

    void saveAsOverwriteQuestion()
    {
        OpenDocument(a);
        fx->dialogs->saveAnswers = {{b, 1}};
        fx->dialogs->answers = {TAnswer::No};
        SaveAsCommand();
        QCOMPARE(fx->dialogs->asked.last(), QStringLiteral("confirm: Soubor již existuje.Přepsat?"));
        QVERIFY(ReadBytes(b).startsWith("<P>beta"));
        QCOMPARE(DocumentPath(Docs.ActiveFile()), a);

        fx->dialogs->saveAnswers = {{b, 1}};
        fx->dialogs->answers = {TAnswer::Yes};
        SaveAsCommand();
        QCOMPARE(ReadBytes(b), QByteArray("<P>alfa</P>\r\n"));
        QCOMPARE(DocumentPath(Docs.ActiveFile()), b);
    }

    void saveAsOntoItsOwnPathKeepsTheWorkingCopy()
    {
        OpenDocument(a);
        Type(QStringLiteral("O"));
        fx->dialogs->saveAnswers = {{a, 1}};
        fx->dialogs->answers = {TAnswer::Yes};
        SaveAsCommand();
        QCOMPARE(ReadBytes(a), QByteArray("O<P>alfa</P>\r\n"));
        QCOMPARE(ReadBytes(WorkingCopyName(a)), QByteArray("O<P>alfa</P>\r\n"));
        Type(QStringLiteral("P"));
        SaveCommand();
        QCOMPARE(ReadBytes(a), QByteArray("OP<P>alfa</P>\r\n"));
    }

    void saveAsOntoAnotherOpenDocumentIsRefused()
    {
        OpenDocument(a);
        OpenDocument(b);
        fx->dialogs->saveAnswers = {{a, 1}};
        SaveAsCommand();
        QCOMPARE(fx->dialogs->asked.size(), 2);
        QVERIFY(fx->dialogs->asked[1].contains(QStringLiteral("je právě otevřen")));
        QCOMPARE(ReadBytes(a), QByteArray("<P>alfa</P>\r\n"));
        QCOMPARE(Docs.OpenDocCount, 2);
    }

    void saveAllWritesEveryDocument()
    {
        OpenDocument(a);
        Type(QStringLiteral("1"));
        OpenDocument(b);
        Type(QStringLiteral("2"));
        SaveAllCommand();
        QVERIFY(ReadBytes(a).startsWith("1<P>"));
        QVERIFY(ReadBytes(b).startsWith("2<P>"));
        QVERIFY(!Docs.DocStates[1].Modified);
        QVERIFY(!Docs.DocStates[2].Modified);
        QCOMPARE(Form2->PanelText(1), QString());
    }

    void commandsWithoutDocumentsDoNothing()
    {
        SaveCommand();
        SaveAsCommand();
        CloseDocument();
        CloseAllDocuments();
        SaveAllCommand();
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void openDialogOpensEveryChosenFile()
    {
        fx->dialogs->openAnswers = {{a, fx->docDir() + QStringLiteral("/gone.htm"), c}};
        OpenCommand();
        QCOMPARE(fx->dialogs->requests[0].title, QStringLiteral("Otevřít Soubor"));
        QVERIFY(fx->dialogs->requests[0].multiSelect);
        QCOMPARE(fx->dialogs->requests[0].filter, FileFilter);
        QCOMPARE(fx->dialogs->asked.last(), QStringLiteral("info: Tento již soubor neexistuje"));
        QCOMPARE(Docs.OpenDocCount, 2);
    }

    void leftoverWorkingCopyIsOfferedForRestore_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("opened");
        QTest::newRow("restore") << int(TAnswer::Yes) << QStringLiteral("<P>unsaved</P>") << true;
        QTest::newRow("discard") << int(TAnswer::No) << QStringLiteral("<P>alfa</P>") << true;
        QTest::newRow("cancel") << int(TAnswer::Cancel) << QString() << false;
    }
    void leftoverWorkingCopyIsOfferedForRestore()
    {
        QFETCH(int, answer);
        QFETCH(QString, shown);
        QFETCH(bool, opened);
        const QString wc = WorkingCopyName(a);
        fx->writeDoc(QStringLiteral("~$a.htm~"), "<P>unsaved</P>\r\n");
        fx->dialogs->answers = {TAnswer(answer)};
        OpenDocument(a);
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].contains(QStringLiteral("Obnovit neuložený text")));
        QCOMPARE(ReadBytes(a), QByteArray("<P>alfa</P>\r\n"));
        QCOMPARE(Docs.OpenDocCount, opened ? 1 : 0);
        if (!opened) {
            QCOMPARE(ReadBytes(wc), QByteArray("<P>unsaved</P>\r\n"));
            return;
        }
        QCOMPARE(Form2->HTMLEditor1->Text(), shown);
        QCOMPARE(Docs.Active().Modified, answer == int(TAnswer::Yes));
    }

    void identicalLeftoverIsTakenSilently()
    {
        fx->writeDoc(QStringLiteral("~$a.htm~"), "<P>alfa</P>\r\n");
        OpenDocument(a);
        QVERIFY(fx->dialogs->asked.isEmpty());
        QCOMPARE(Docs.OpenDocCount, 1);
    }

    void unusableDocumentsAreRefused()
    {
        const QString bin = fx->writeDoc(QStringLiteral("pic.gif"), QByteArray("GIF89a\0\0\0", 9));
        OpenDocument(bin);
        QVERIFY(fx->dialogs->asked.last().contains(QStringLiteral("není textový soubor")));
        // A folder stands where the working copy would go.
        QVERIFY(QDir().mkpath(WorkingCopyName(c)));
        OpenDocument(c);
        QVERIFY(fx->dialogs->asked.last().contains(QStringLiteral("pracovní kopii")));
        QCOMPARE(Docs.OpenDocCount, 0);
        QCOMPARE(GridText(0), QStringLiteral("Žádný Otevřený Soubor"));
        QVERIFY(!Form2->PageControl1->isEnabled());
    }

    void documentNamedWithWorkingCopyMarks()
    {
        const QString odd = fx->writeDoc(QStringLiteral("x~$y.htm"), "odd\r\n");
        OpenDocument(odd);
        QVERIFY(QFile::exists(fx->docDir() + QStringLiteral("/~$x~$y.htm~")));
        QCOMPARE(GridText(0), QStringLiteral("x~$y.htm"));
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní plocha - x~$y.htm"));
        Type(QStringLiteral("!"));
        SaveCommand();
        QCOMPARE(ReadBytes(odd), QByteArray("!odd\r\n"));
    }

    void encodingsSurviveEditing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("windows-1250") << QByteArray("\x8Elu\x9Dou\xE8k\xFD\xA0k\xF9\xF2\r\n")
                                      << QByteArray("#\x8Elu\x9Dou\xE8k\xFD\xA0k\xF9\xF2\r\n");
        QTest::newRow("utf-8") << QByteArray("\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\r\n")
                               << QByteArray("#\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\r\n");
    }
    void encodingsSurviveEditing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, saved);
        const QString p = fx->writeDoc(QStringLiteral("cz.htm"), bytes);
        OpenDocument(p);
        OpenDocument(a);
        Form3->StringGrid1->setCurrentCell(0, 0);
        Type(QStringLiteral("#"));
        SaveCommand();
        QCOMPARE(ReadBytes(p), saved);
    }
};

QTEST_MAIN(TestFileCommands)
#include "tst_file_commands.moc"
