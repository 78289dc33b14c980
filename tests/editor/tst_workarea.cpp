// The workspace's key, change and caret handling on the real editor.
#include "app/application.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "preview/web_browser.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

class TestWorkarea : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QString doc;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        doc = fx->writeDoc(QStringLiteral("a.htm"), "<TABLE border=1>\r\n<P>text</P>\r\n");
        OpenDocument(doc);
        Form2->activateWindow();
        ed()->setFocus();
        QCoreApplication::processEvents();
    }
    void cleanup()
    {
        if (ed()->Overwrite())
            QTest::keyClick(ed(), Qt::Key_Insert);
        fx.reset();
    }

    void tabBecomesSpaces_data()
    {
        QTest::addColumn<QString>("tabSize");
        QTest::addColumn<QString>("line");
        QTest::newRow("four") << QStringLiteral("4") << QStringLiteral("     <TABLE border=1>");
        QTest::newRow("five") << QStringLiteral("5") << QStringLiteral("      <TABLE border=1>");
        QTest::newRow("eight keeps the tab") << QStringLiteral("8") << QStringLiteral("\t<TABLE border=1>");
    }
    void tabBecomesSpaces()
    {
        QFETCH(QString, tabSize);
        QFETCH(QString, line);
        Form13->tabulsize->setText(tabSize);
        ed()->SetWantTabs(true);
        ed()->SetSelStart(0);
        QTest::keyClick(ed(), Qt::Key_Tab);
        QCOMPARE(ed()->Line(0), line);
        QTest::keyClick(ed(), Qt::Key_X);
        QCOMPARE(ed()->Line(0), line.left(line.size() - 16) + u'x' + line.right(16));
    }

    void tabThatMovesTheFocusLeavesTheTextAlone()
    {
        ed()->SetWantTabs(false);
        ed()->SetSelStart(2);
        QTest::keyClick(ed(), Qt::Key_Tab);
        ed()->setFocus();
        QTest::keyClick(ed(), Qt::Key_Y);
        QCOMPARE(ed()->Line(0), QStringLiteral("<TyABLE border=1>"));
    }

    void keywordAroundTheCaret_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keyword");
        QTest::newRow("inside the tag name") << QStringLiteral("<TABLE border=1>") << 3 << QStringLiteral("TABLE");
        QTest::newRow("attribute") << QStringLiteral("<TABLE border=1>") << 9 << QStringLiteral("border=1");
        QTest::newRow("end tag") << QStringLiteral("</P>") << 3 << QStringLiteral("P");
        QTest::newRow("between delimiters") << QStringLiteral("<>") << 1 << QString();
        QTest::newRow("line start") << QStringLiteral("BODY x") << 0 << QStringLiteral("BODY");
        QTest::newRow("line end") << QStringLiteral("x font") << 6 << QStringLiteral("font");
    }
    void keywordAroundTheCaret()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(QString, keyword);
        QCOMPARE(KeywordAround(line, column), keyword);
    }

    void f1OpensTheHelpAtTheTag()
    {
        ed()->SetSelStart(3);
        QTest::keyClick(ed(), Qt::Key_F1);
        QCOMPARE(Form2->PageControl1->currentIndex(), 3);
        QCOMPARE(Form2->WebBrowser2->LocationUrl().fragment(), QStringLiteral("TABLE"));
        QCOMPARE(Form2->WebBrowser2->LocalPath(), ProgramDir() + QStringLiteral("Help/index.htm"));
        // On a tab without an editor the keyword is empty.
        Form2->PageControl1->setCurrentIndex(1);
        Form2->PageControl1->setFocus();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Form2, Qt::Key_F1);
        QCOMPARE(Form2->WebBrowser2->LocationUrl().fragment(), QString());
    }

    void statusPanelsFollowTyping()
    {
        ed()->SetSelStart(ed()->LineIndex(1) + 3);
        QTest::keyClicks(ed(), QStringLiteral("ab"));
        QCoreApplication::processEvents();
        QCOMPARE(Form2->PanelText(0), QStringLiteral("2: 6"));
        QCOMPARE(Form2->PanelText(1), QStringLiteral("Změněn"));
        QCOMPARE(Form2->PanelText(2), QStringLiteral("Délka: ") + QString::number(ed()->TextLength()));
        QCOMPARE(Form2->PanelText(7), QStringLiteral("Pro kontextovou nápovědu stiskněte F1 nad hledáným tagem"));
        QTest::keyClick(ed(), Qt::Key_Insert);
        Form2->Timer1Timer();
        QVERIFY(Form2->PanelLowered(3));
        QTest::keyClick(ed(), Qt::Key_Insert);
        Form2->Timer1Timer();
        QVERIFY(!Form2->PanelLowered(3));
    }

    void leftStepsTheBlockCaretBack()
    {
        ed()->SetSelStart(4);
        QTest::keyClick(ed(), Qt::Key_Insert);
        QCOMPARE(ed()->SelLength(), 1);
        QTest::keyClick(ed(), Qt::Key_Left);
        QCOMPARE(ed()->SelStart(), 3);
        QCOMPARE(ed()->SelLength(), 1);
    }

    void switchingTabsWritesTheWorkingCopy()
    {
        QTest::keyClicks(ed(), QStringLiteral("new"));
        Form2->PageControl1->setCurrentIndex(1);
        Form2->PageControl1Change(1);
        QCOMPARE(ReadBytes(WorkingCopyName(doc)), QByteArray("new<TABLE border=1>\r\n<P>text</P>\r\n"));
        QCOMPARE(Form2->WebBrowser1->LocalPath(), WorkingCopyName(doc));
        QCOMPARE(ReadBytes(doc), QByteArray("<TABLE border=1>\r\n<P>text</P>\r\n"));
    }

    void previewTabShowsTheEditedText()
    {
        QTest::keyClicks(ed(), QStringLiteral("Ahoj "));
        Form2->show();
        Form2->PageControl1->setCurrentIndex(1);
        Form2->PageControl1Change(1);
        QWebEngineView *view = Form2->WebBrowser1->View();
        QVERIFY(view);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 60000);
        QString shown;
        bool done = false;
        view->page()->toPlainText([&](const QString &text) {
            shown = text;
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
        QVERIFY2(shown.contains(QStringLiteral("Ahoj")), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("text")));
    }

    void translatorTabTakesTheSelection()
    {
        QCOMPARE(Form2->HTMLEditor2->Text(), QStringLiteral(";;Firsttouchvellie;;"));
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        QCOMPARE(Form2->HTMLEditor2->Text(), QStringLiteral("<P>&nbsp;</P>"));
        Form2->PageControl1->setCurrentIndex(0);
        ed()->SetSelStart(ed()->LineIndex(1));
        ed()->SetSelLength(11);
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        QCOMPARE(Form2->HTMLEditor2->Text(), QStringLiteral("<P>text</P>"));
    }

    void colourButtonsInsertNames_data()
    {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("black") << true << QStringLiteral("SpeedButton2") << QStringLiteral("Black");
        QTest::newRow("yellow") << true << QStringLiteral("SpeedButton4") << QStringLiteral("Yellow");
        QTest::newRow("lower case") << false << QStringLiteral("SpeedButton2") << QStringLiteral("black");
        QTest::newRow("teal lower") << false << QStringLiteral("SpeedButton6") << QStringLiteral("teal");
    }
    void colourButtonsInsertNames()
    {
        QFETCH(bool, upper);
        QFETCH(QString, button);
        QFETCH(QString, inserted);
        Form13->Useuppercase->setChecked(upper);
        ed()->SetSelStart(0);
        Form2->findChild<QToolButton *>(button)->click();
        QCOMPARE(ed()->Line(0), inserted + QStringLiteral("<TABLE border=1>"));
    }

    void specialCharactersInsertTheirReference()
    {
        // Cell c holds the code page's byte c + 33; "č" is byte 0xE8.
        const int cell = 0xE8 - 33;
        QCOMPARE(Form2->StringGrid2->item(0, cell)->text(), QStringLiteral("č"));
        ed()->SetSelStart(0);
        Form2->StringGrid2SelectCell(cell);
        QVERIFY(ed()->Line(0).startsWith(QStringLiteral("&#269;<TABLE")));
        Form2->PageControl1->setCurrentIndex(1);
        const QString before = ed()->Text();
        Form2->StringGrid2SelectCell(cell);
        QCOMPARE(ed()->Text(), before);
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        Form2->HTMLEditor2->SetSelStart(0);
        Form2->StringGrid2SelectCell(0); // "!"
        QVERIFY(Form2->HTMLEditor2->Text().startsWith(QStringLiteral("&#33;")));
    }

    void ctrlSpaceDropsItsSpace()
    {
        ed()->SetSelStart(0);
        QTest::keyClick(ed(), Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClick(ed(), Qt::Key_Space);
        QTest::keyClick(ed(), Qt::Key_Z);
        QVERIFY(ed()->Line(0).startsWith(QStringLiteral("z<TABLE")) || ed()->Line(0).startsWith(QStringLiteral("Z<TABLE")));
    }
};

QTEST_MAIN(TestWorkarea)
#include "tst_workarea.moc"
