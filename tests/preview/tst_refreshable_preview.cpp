// The refreshable preview window on the real windows.
#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "preview/refreshable_preview.h"
#include "preview/web_browser.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

class TestRefreshablePreview : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void togglingPlacesItUnderTheWorkspace()
    {
        const QString doc = fx->writeDoc(QStringLiteral("a.htm"), "<P>a</P>\r\n");
        OpenDocument(doc);
        const int fullHeight = Form2->height();
        Form1->ObnovovanNvrh1->trigger();
        QVERIFY(Form8->isVisible());
        QVERIFY(Form1->ObnovovanNvrh1->isChecked());
        QCOMPARE(Form2->height(), 380);
        QCOMPARE(Form8->frameGeometry().left(), Form2->frameGeometry().left());
        QCOMPARE(Form8->frameGeometry().width(), Form2->frameGeometry().width());
        QCOMPARE(Form8->frameGeometry().top(), Form2->frameGeometry().bottom() + 1);
        QCOMPARE(Form8->WebBrowser1->LocalPath(), WorkingCopyName(doc));
        Form1->ObnovovanNvrh1->trigger();
        QVERIFY(!Form8->isVisible());
        QVERIFY(!Form1->ObnovovanNvrh1->isChecked());
        QCOMPARE(Form2->height(), fullHeight);

        // The close box does the same.
        Form1->ObnovovanNvrh1->trigger();
        Form8->close();
        QVERIFY(!Form1->ObnovovanNvrh1->isChecked());
        QCOMPARE(Form2->height(), fullHeight);
    }

    void anEditIsSeenRendered()
    {
        const QString doc = fx->writeDoc(QStringLiteral("a.htm"), "<P>first</P>\r\n");
        OpenDocument(doc);
        Form1->ObnovovanNvrh1->trigger();
        QWebEngineView *view = Form8->WebBrowser1->View();
        QVERIFY(view);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 60000);
        loaded.clear();
        QTest::keyClicks(Form2->HTMLEditor1, QStringLiteral("Novy text "));
        QTRY_VERIFY_WITH_TIMEOUT(ReadBytes(WorkingCopyName(doc)).startsWith("Novy text"), 5000);
        // The reload may already have finished while the file was awaited.
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 60000);
        QString shown;
        bool done = false;
        view->page()->toPlainText([&](const QString &t) {
            shown = t;
            done = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
        QVERIFY2(shown.contains(QStringLiteral("Novy text")), qPrintable(shown));
        // The document itself is untouched until it is saved.
        QCOMPARE(ReadBytes(doc), QByteArray("<P>first</P>\r\n"));
    }

    void followsTheActiveDocument()
    {
        const QString a = fx->writeDoc(QStringLiteral("a.htm"), "a\r\n");
        const QString b = fx->writeDoc(QStringLiteral("b.htm"), "b\r\n");
        OpenDocument(a);
        Form1->ObnovovanNvrh1->trigger();
        OpenDocument(b);
        QCOMPARE(Form8->WebBrowser1->LocalPath(), WorkingCopyName(b));
    }

    void withoutADocumentNothingIsShown()
    {
        Form1->ObnovovanNvrh1->trigger();
        QVERIFY(Form8->isVisible());
        QVERIFY(Form8->WebBrowser1->LocalPath().isEmpty());
    }

    void typingRightAfterAClickInThePreviewGoesBackToTheEditor_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("editorFocused");
        QTest::newRow("just edited") << 10 << true;
        QTest::newRow("long after the edit") << 0 << false;
    }
    void typingRightAfterAClickInThePreviewGoesBackToTheEditor()
    {
        QFETCH(int, ticks);
        QFETCH(bool, editorFocused);
        OpenDocument(fx->writeDoc(QStringLiteral("a.htm"), "a\r\n"));
        Form1->ObnovovanNvrh1->trigger();
        Form8->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(Form8));
        const QPoint pointer = QCursor::pos();
        FocusReturnTicks = ticks;
        Form2->Timer1Timer();
        if (editorFocused)
            QTRY_VERIFY(Form2->HTMLEditor1->hasFocus());
        else
            QCOMPARE(QApplication::activeWindow(), static_cast<QWidget *>(Form8));
        QCOMPARE(QCursor::pos(), pointer);
    }

    void czechLettersShowAsTheEditorReadsThem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8 without a charset") << QByteArray("<P>P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD</P>\r\n");
        QTest::newRow("Windows-1250 without a charset") << QByteArray("<P>P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD</P>\r\n");
    }
    void czechLettersShowAsTheEditorReadsThem()
    {
        QFETCH(QByteArray, bytes);
        OpenDocument(fx->writeDoc(QStringLiteral("cz.htm"), bytes));
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<P>P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD</P>"));
        Form1->ObnovovanNvrh1->trigger();
        QWebEngineView *view = Form8->WebBrowser1->View();
        QVERIFY(view);
        const QString expected = QStringLiteral("P\u0159\u00EDli\u0161 \u017Elu\u0165ou\u010Dk\u00FD");
        QString shown;
        QElapsedTimer waited;
        waited.start();
        // The page may still be loading: ask again until it shows or time is up.
        while (!shown.contains(expected) && waited.elapsed() < 60000) {
            bool done = false;
            view->page()->toPlainText([&](const QString &t) {
                shown = t;
                done = true;
            });
            QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
            if (!shown.contains(expected))
                QTest::qWait(200);
        }
        QVERIFY2(shown.contains(expected), qPrintable(shown));
    }
};

QTEST_MAIN(TestRefreshablePreview)
#include "tst_refreshable_preview.moc"
