// Projects, notes and the recent-files menu through the real windows.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "documents/history.h"
#include "documents/project.h"
#include "documents/project_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace {

void Type(const QString &text)
{
    QTest::keyClicks(Form2->HTMLEditor1, text);
}

QStringList MenuCaptions()
{
    QStringList l;
    for (QAction *a : Form1->ZnovuOpenItems) {
        if (a->isVisible())
            l << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    return l;
}

QStringList OpenNames()
{
    QStringList l;
    for (int i = 1; i <= Docs.OpenDocCount; ++i)
        l << ExtractFileName(DocumentPath(Docs.OpenFiles[i]));
    return l;
}

} // namespace

class TestProjects : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QString a, b, c, site;

    QString makeProject()
    {
        const QString p = fx->docDir() + QStringLiteral("/site.vpq");
        fx->writeDoc(QStringLiteral("site.vpq"), "2\r\nsub/p1.htm\r\np2.htm\r\nNotes line\r\n");
        QDir(fx->docDir()).mkpath(QStringLiteral("sub"));
        fx->writeDoc(QStringLiteral("sub/p1.htm"), "<P>p1</P>\r\n");
        fx->writeDoc(QStringLiteral("p2.htm"), "<P>p2</P>\r\n");
        return p;
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        a = fx->writeDoc(QStringLiteral("a.htm"), "<P>a</P>\r\n");
        b = fx->writeDoc(QStringLiteral("b.htm"), "<P>b</P>\r\n");
        c = fx->writeDoc(QStringLiteral("c.htm"), "<P>c</P>\r\n");
        site = makeProject();
    }
    void cleanup() { fx.reset(); }

    void saveProjectAsksForANewFileOnce()
    {
        SaveProjectCommand();
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("info: Nejsou otevřeny žádné soubory!")});
        OpenDocument(a);
        OpenDocument(c);
        Form3->Memo1->setPlainText(QStringLiteral("TODO"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy")); // notes without a project change nothing
        const QString target = fx->docDir() + QStringLiteral("/novy");
        fx->dialogs->saveAnswers = {{target, 1}};
        SaveProjectCommand();
        QCOMPARE(fx->dialogs->requests.last().title, QStringLiteral("Uložit Projekt"));
        QCOMPARE(ReadBytes(target + QStringLiteral(".vpq")), QByteArray("2\r\na.htm\r\nc.htm\r\nTODO\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - novy.vpq"));
        QVERIFY(CurrentProject.IsOpen);

        // Notes now mark the project; saving again rewrites without the dialog.
        Form3->Memo1->appendPlainText(QStringLiteral("more"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - novy.vpq (Změněn)"));
        const int dialogs = fx->dialogs->requests.size();
        SaveProjectCommand();
        QCOMPARE(fx->dialogs->requests.size(), dialogs);
        QCOMPARE(ReadBytes(target + QStringLiteral(".vpq")), QByteArray("2\r\na.htm\r\nc.htm\r\nTODO\r\nmore\r\n"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - novy.vpq"));
    }

    void captionsFollowTheProject()
    {
        QVERIFY(OpenProject(site));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - site.vpq"));
        OpenDocument(a);
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - site.vpq (Změněn)"));
        SaveAllCommand();
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - site.vpq"));
        QCOMPARE(ReadBytes(site), QByteArray("3\r\nsub/p1.htm\r\np2.htm\r\na.htm\r\nNotes line\r\n"));
        Form3->StringGrid1->setCurrentCell(2, 0);
        CloseDocument();
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - site.vpq(Změněn)"));
        fx->dialogs->answers = {TAnswer::No};
        CloseAllDocuments();
        QCOMPARE(fx->dialogs->asked.last(), QStringLiteral("confirm: Projekt ") + site + QStringLiteral(" se zmenil.Uložit?"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy"));
        QVERIFY(!CurrentProject.IsOpen);
        QVERIFY(Form3->Memo1->toPlainText().isEmpty());
    }

    void openingReplacesTheDocuments()
    {
        OpenDocument(a);
        Type(QStringLiteral("1"));
        OpenDocument(b);
        OpenDocument(c);
        Type(QStringLiteral("3"));
        fx->dialogs->answers = {TAnswer::Yes, TAnswer::No};
        QVERIFY(OpenProject(site));
        QCOMPARE(fx->dialogs->asked,
                 (QStringList{QStringLiteral("confirm: Soubor ") + a + QStringLiteral(" se zmenil.Uložit?"),
                              QStringLiteral("confirm: Soubor ") + c + QStringLiteral(" se zmenil.Uložit?")}));
        QCOMPARE(ReadBytes(a), QByteArray("1<P>a</P>\r\n"));
        QCOMPARE(ReadBytes(c), QByteArray("<P>c</P>\r\n"));
        for (const QString &p : {a, b, c})
            QVERIFY(!QFile::exists(WorkingCopyName(p)));
        QCOMPARE(OpenNames(), (QStringList{QStringLiteral("p1.htm"), QStringLiteral("p2.htm")}));
        QVERIFY(QFile::exists(fx->docDir() + QStringLiteral("/sub/~$p1.htm~")));
        QCOMPARE(Docs.ActiveDoc, 1);
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<P>p1</P>"));
        QCOMPARE(Form3->StringGrid1->rowCount(), 2);
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Pracovní plocha - p1.htm"));
        QCOMPARE(Form3->Memo1->toPlainText(), QStringLiteral("Notes line"));
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Vellomy - site.vpq"));
        QVERIFY(!CurrentProject.Modified);
    }

    void cancelAtEitherPromptChangesNothing_data()
    {
        QTest::addColumn<QList<TAnswer>>("answers");
        QTest::addColumn<int>("prompts");
        QTest::newRow("cancel at the first") << QList<TAnswer>{TAnswer::Cancel} << 1;
        QTest::newRow("cancel at the second") << QList<TAnswer>{TAnswer::No, TAnswer::Cancel} << 2;
    }
    void cancelAtEitherPromptChangesNothing()
    {
        QFETCH(QList<TAnswer>, answers);
        QFETCH(int, prompts);
        OpenDocument(a);
        Type(QStringLiteral("1"));
        OpenDocument(b);
        Type(QStringLiteral("2"));
        fx->dialogs->answers = answers;
        QVERIFY(!OpenProject(site));
        QCOMPARE(fx->dialogs->asked.size(), prompts);
        QCOMPARE(OpenNames(), (QStringList{QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
        QVERIFY(QFile::exists(WorkingCopyName(a)));
        QVERIFY(QFile::exists(WorkingCopyName(b)));
        QVERIFY(!CurrentProject.IsOpen);
    }

    void modifiedProjectIsOfferedBeforeAnother()
    {
        QVERIFY(OpenProject(site));
        Form3->Memo1->appendPlainText(QStringLiteral("new"));
        fx->dialogs->answers = {TAnswer::Yes};
        const QString other = fx->docDir() + QStringLiteral("/other.vpq");
        fx->writeDoc(QStringLiteral("other.vpq"), "1\r\na.htm\r\n");
        QVERIFY(OpenProject(other));
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("confirm: Projekt ") + site + QStringLiteral(" se zmenil.Uložit?")});
        QVERIFY(ReadBytes(site).endsWith("Notes line\r\nnew\r\n"));
        QCOMPARE(OpenNames(), QStringList{QStringLiteral("a.htm")});
        QVERIFY(Form3->Memo1->toPlainText().isEmpty());
    }

    void badProjectLeavesEverythingOpen_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no number") << QByteArray("a.htm\r\n");
        QTest::newRow("no documents") << QByteArray("0\r\n");
        QTest::newRow("missing document") << QByteArray("2\r\na.htm\r\ngone.htm\r\n");
    }
    void badProjectLeavesEverythingOpen()
    {
        QFETCH(QByteArray, bytes);
        OpenDocument(b);
        Type(QStringLiteral("keep"));
        const QString bad = fx->writeDoc(QStringLiteral("bad.vpq"), bytes);
        QVERIFY(!OpenProject(bad));
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].startsWith(QStringLiteral("info: ")));
        QVERIFY(fx->dialogs->asked[0].contains(bad));
        QCOMPARE(OpenNames(), QStringList{QStringLiteral("b.htm")});
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("keep<P>b</P>"));
        QVERIFY(Docs.Active().Modified);
    }

    void notesDateAndCtrlTab()
    {
        Form3->PageControl1->setCurrentWidget(Form3->Poznamky);
        Form3->Memo1->setPlainText(QStringLiteral("Dne: "));
        QTextCursor cur = Form3->Memo1->textCursor();
        cur.movePosition(QTextCursor::End);
        Form3->Memo1->setTextCursor(cur);
        Form3->Button2->click();
        QCOMPARE(Form3->Memo1->toPlainText(),
                 QStringLiteral("Dne: ") + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        QTest::keyClick(Form3->Memo1, Qt::Key_Tab);
        QVERIFY(Form3->Memo1->toPlainText().endsWith(u'\t'));
        const QString before = Form3->Memo1->toPlainText();
        QTest::keyClick(Form3->Memo1, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Form3->Memo1->toPlainText(), before);
        QCOMPARE(Form3->PageControl1->currentWidget(), Form3->Projekt);
    }

    void historyMenuFollowsOpensAndSaves()
    {
        QCOMPARE(MenuCaptions(), QStringList{QStringLiteral("-")});
        OpenDocument(a);
        OpenDocument(b);
        QCOMPARE(MenuCaptions(), (QStringList{QStringLiteral("-"), b, a}));
        const QString renamed = fx->docDir() + QStringLiteral("/renamed.htm");
        fx->dialogs->saveAnswers = {{renamed, 1}};
        SaveAsCommand();
        QCOMPARE(MenuCaptions(), (QStringList{QStringLiteral("-"), renamed, b, a}));
        QVERIFY(OpenProject(site));
        QCOMPARE(MenuCaptions(), (QStringList{site, QStringLiteral("-"), renamed, b, a}));
        // The project's own documents are not listed one by one.
        QVERIFY(!MenuCaptions().contains(fx->docDir() + QStringLiteral("/p2.htm")));

        // Choosing an entry opens it; an upper-case ".VPQ" opens as a document.
        const QString upper = fx->writeDoc(QStringLiteral("X.VPQ"), "1\r\na.htm\r\n");
        OpenDocument(upper);
        QCOMPARE(History.Items[5], upper);
        Form1->ZnovuOpenItems[2]->trigger(); // the newest file: X.VPQ again
        QCOMPARE(ExtractFileName(DocumentPath(Docs.ActiveFile())), QStringLiteral("X.VPQ"));
        fx->dialogs->answers = {TAnswer::No}; // the project changed by the last open
        Form1->ZnovuOpenItems[0]->trigger(); // the project
        QCOMPARE(OpenNames(), (QStringList{QStringLiteral("p1.htm"), QStringLiteral("p2.htm")}));
    }

    void historyIsWrittenAtExitAndReadAtStart()
    {
        for (int i = 1; i <= 8; ++i)
            OpenDocument(fx->writeDoc(QStringLiteral("f%1.htm").arg(i), "x\r\n"));
        QVERIFY(ExitCleanup(false));
        const QStringList lines = QString::fromLatin1(ReadBytes(HistoryPath())).split(QStringLiteral("\r\n"));
        QCOMPARE(lines[0], QStringLiteral("0"));
        QCOMPARE(lines[1], QStringLiteral("7"));
        QCOMPARE(lines[2], fx->docDir() + QStringLiteral("/f8.htm"));
        QCOMPARE(lines[8], fx->docDir() + QStringLiteral("/f2.htm"));

        DestroyWindows();
        CreateWindows();
        QCOMPARE(MenuCaptions().size(), 8);
        QCOMPARE(MenuCaptions()[1], fx->docDir() + QStringLiteral("/f8.htm"));
    }

    void reopenRule_data()
    {
        QTest::addColumn<QString>("lastOpenType");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("fileGone");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("opened");
        const QStringList project{QStringLiteral("p1.htm"), QStringLiteral("p2.htm")};
        QTest::newRow("project") << QStringLiteral("projekt") << true << false << QStringList() << project;
        QTest::newRow("no project last time: the newest file") << QString() << true << false << QStringList() << QStringList{QStringLiteral("c.htm")};
        QTest::newRow("unchecked") << QStringLiteral("projekt") << false << false << QStringList() << QStringList();
        QTest::newRow("newest file gone") << QString() << true << true << QStringList() << QStringList();
        QTest::newRow("arguments win") << QStringLiteral("projekt") << true << false << QStringList{QStringLiteral("gone.htm")} << QStringList();
        QTest::newRow("project argument") << QString() << false << false << QStringList{QStringLiteral("a.htm"), QStringLiteral("site.vpq"), QStringLiteral("b.htm")} << project;
    }
    void reopenRule()
    {
        QFETCH(QString, lastOpenType);
        QFETCH(bool, checked);
        QFETCH(bool, fileGone);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, opened);
        Thistorie h;
        h.AddToHistory(Thistorie::Project, site);
        h.AddToHistory(Thistorie::File, a);
        h.AddToHistory(Thistorie::File, c);
        h.Save(HistoryPath());
        if (fileGone)
            QFile::remove(c);
        QFile ini(fx->programDir() + QStringLiteral("/config.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Openconfig]\r\nOtevritpristartuprojekt=" + QByteArray(checked ? "1" : "0")
                  + "\r\n[Soubory]\r\nPosledniotevrtyp=" + lastOpenType.toLatin1() + "\r\n");
        ini.close();
        DestroyWindows();
        CreateWindows();
        QStringList paths;
        for (const QString &arg : arguments)
            paths << fx->docDir() + u'/' + arg;
        StartSession(paths);
        QCOMPARE(OpenNames(), opened);
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void exitWritesWhetherAProjectWasOpen()
    {
        QVERIFY(OpenProject(site));
        QVERIFY(ExitCleanup(false));
        QVERIFY(ReadBytes(fx->programDir() + QStringLiteral("/config.ini")).contains("Posledniotevrtyp=projekt\r\n"));
    }
};

QTEST_MAIN(TestProjects)
#include "tst_projects.moc"
