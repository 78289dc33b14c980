// The line gutter and the bookmarks on the real workspace.
#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/line_gutter.h"
#include "editor/workarea.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

class TestGutter : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QString longDoc, shortDoc;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }

    // Chooses "Záložka n" from the popup on line.
    static void Toggle(int n, int line)
    {
        Form2->GutterPressed(Qt::LeftButton, line, {});
        Form2->ClickedLine = line;
        Form2->PopupBookmarks[n]->trigger();
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        QByteArray text;
        for (int i = 1; i <= 300; ++i)
            text += "<P>line " + QByteArray::number(i) + "</P>\r\n";
        longDoc = fx->writeDoc(QStringLiteral("long.htm"), text);
        shortDoc = fx->writeDoc(QStringLiteral("short.htm"), "one\r\ntwo\r\n");
        Form2->resize(900, 600);
        OpenDocument(longDoc);
        QCoreApplication::processEvents();
    }
    void cleanup() { fx.reset(); }

    void numbersFollowScrolling()
    {
        QCOMPARE(Form2->Gutter->VisibleLines().first(), 1);
        ed()->verticalScrollBar()->setValue(100);
        QCoreApplication::processEvents();
        const QList<int> lines = Form2->Gutter->VisibleLines();
        QCOMPARE(lines.first(), ed()->FirstVisibleLine() + 1);
        QVERIFY(lines.first() > 50);
        for (int i = 1; i < lines.size(); ++i)
            QCOMPARE(lines[i], lines[i - 1] + 1);
    }

    void clickingANumberGoesToItsLine()
    {
        const int y = 2; // the first row
        QTest::mouseClick(Form2->Gutter, Qt::LeftButton, {}, QPoint(8, y + 4));
        QCOMPARE(ed()->CaretPos(), QPoint(0, 0));
        Form2->GutterPressed(Qt::LeftButton, 7, {});
        QCOMPARE(ed()->CaretPos(), QPoint(0, 6));
        const QString before = ed()->Text();
        Form2->GutterPressed(Qt::LeftButton, -5, {});
        QCOMPARE(ed()->CaretPos(), QPoint(0, 6));
        QCOMPARE(ed()->Text(), before);
    }

    void oneBookmarkPerLine()
    {
        Toggle(5, 10);
        Toggle(3, 10);
        QCOMPARE(Docs.Active().Bookmarks[3], 10);
        QCOMPARE(Docs.Active().Bookmarks[5], -1);
        Toggle(3, 10);
        QCOMPARE(Docs.Active().Bookmarks[3], -1);
        Toggle(3, 12);
        Toggle(3, 20); // set on another line: it moves
        QCOMPARE(Docs.Active().Bookmarks[3], 20);
        Toggle(4, -5); // below the text: nothing
        QCOMPARE(Docs.Active().Bookmarks[4], -1);
    }

    void popupChecksTheSetBookmarks()
    {
        Toggle(2, 4);
        Form2->GutterPressed(Qt::LeftButton, 8, {});
        for (int n = 0; n < 10; ++n)
            QCOMPARE(Form2->PopupBookmarks[n]->isChecked(), n == 2);
        QCOMPARE(Form2->PopupBookmarks[9]->objectName(), QStringLiteral("Bookmark91"));
    }

    void buttonsJumpToBookmarks()
    {
        Toggle(7, 250);
        Form2->findChild<QToolButton *>(QStringLiteral("SpeedButton27"))->click(); // the "7" button
        QCOMPARE(ed()->CaretPos(), QPoint(0, 249));
        QVERIFY(Form2->Gutter->VisibleLines().contains(250));
        // A bookmark past the end of the text moves nothing.
        Docs.Active().Bookmarks[1] = 999;
        Form2->GoToBookmark(1);
        QCOMPARE(ed()->CaretPos(), QPoint(0, 249));
        // Unset: nothing.
        Form2->GoToBookmark(0);
        QCOMPARE(ed()->CaretPos(), QPoint(0, 249));
    }

    void mainMenuItemsJumpToBookmarks()
    {
        Toggle(9, 120);
        Form1->findChild<QAction *>(QStringLiteral("Bookmark91"))->trigger();
        QCOMPARE(ed()->CaretPos(), QPoint(0, 119));
    }

    void bookmarksTravelWithTheirDocument()
    {
        Toggle(1, 30);
        OpenDocument(shortDoc);
        QCOMPARE(Docs.Active().Bookmarks[1], -1);
        Toggle(1, 2);
        Form3->StringGrid1->setCurrentCell(0, 0);
        QCOMPARE(Docs.Active().Bookmarks[1], 30);
        Form2->GoToBookmark(1);
        QCOMPARE(ed()->CaretPos(), QPoint(0, 29));
        Form3->StringGrid1->setCurrentCell(1, 0);
        QCOMPARE(Docs.Active().Bookmarks[1], 2);
    }

    void bookmarksStayOnTheirLineNumbers()
    {
        Toggle(0, 5);
        ed()->SetSelStart(0);
        QTest::keyClick(ed(), Qt::Key_Return);
        QCOMPARE(Docs.Active().Bookmarks[0], 5);
    }
};

QTEST_MAIN(TestGutter)
#include "tst_gutter.moc"
