// Tag and text case conversion: the rules, and the commands on the real editors.
#include "app/application.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "markup/case_conversion.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"

#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestCaseConversion : public QObject
{
    Q_OBJECT

private slots:
    void tagRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("converted");
        QTest::newRow("event attribute and content stay")
            << QStringLiteral("<p align=center onClick=\"go()\">Ahoj</p>") << true
            << QStringLiteral("<P ALIGN=CENTER onClick=\"go()\">Ahoj</P>");
        QTest::newRow("script block untouched")
            << QStringLiteral("<script language=\"JavaScript\">if (a<b) x=1;</script><b>x</b>") << true
            << QStringLiteral("<script language=\"JavaScript\">if (a<b) x=1;</script><B>x</B>");
        QTest::newRow("comment unchanged") << QStringLiteral("<!-- <b>x</b> -->") << true
                                           << QStringLiteral("<!-- <b>x</b> -->");
        QTest::newRow("on inside option") << QStringLiteral("<select><option value=1>") << true
                                          << QStringLiteral("<SELECT><OPTIon VALUE=1>");
        QTest::newRow("starts in content") << QStringLiteral("text> more <b>") << true
                                           << QStringLiteral("TEXT> more <B>");
        QTest::newRow("czech letters stay") << QStringLiteral("<tď>čau</tď>") << true
                                            << QStringLiteral("<Tď>čau</Tď>");
        QTest::newRow("single quotes do not protect") << QStringLiteral("<a href='x.htm'>") << true
                                                      << QStringLiteral("<A HREF='X.HTM'>");
        QTest::newRow("style block untouched")
            << QStringLiteral("<STYLE>P {Color: Red}</STYLE><P CLASS=X>") << false
            << QStringLiteral("<STYLE>P {Color: Red}</STYLE><p class=x>");
        QTest::newRow("lower case with quoted value")
            << QStringLiteral("<IMG SRC=\"A.GIF\" ALT=Pic>Text</IMG>") << false
            << QStringLiteral("<img src=\"A.GIF\" alt=pic>Text</img>");
        // The state runs on past a ">": an event name until a space or "=",
        // a double quote until its partner inside a tag.
        QTest::newRow("event name runs past the tag end")
            << QStringLiteral("<a on>b<i>x</i> <u>") << true << QStringLiteral("<A on>b<i>x</i> <U>");
        QTest::newRow("open quote runs past the tag end")
            << QStringLiteral("<a title=\"x>y<b>z\" c><i>") << true
            << QStringLiteral("<A TITLE=\"x>y<b>z\" c><i>");
        QTest::newRow("script end tag in any case, letters folded like Qt")
            << QStringLiteral("<\u017Fcript>x</SCRIPT>y<b>") << true
            << QStringLiteral("<\u017Fcript>x</SCRIPT>y<B>");
        QTest::newRow("a real page")
            << QStringLiteral("<html><head><title>T</title>\r\n<script>var x=\"<b>\";</script>\r\n"
                              "<style>b{color:red}</style></head>\r\n<body bgcolor=white onload=\"init()\">\r\n"
                              "<!-- note <i> -->\r\n<a href=\"Page.htm\" target=_top>Odkaz</a></body></html>")
            << true
            << QStringLiteral("<HTML><HEAD><TITLE>T</TITLE>\r\n<script>var x=\"<b>\";</script>\r\n"
                              "<style>b{color:red}</style></HEAD>\r\n<BODY BGCOLOR=WHITE onload=\"init()\">\r\n"
                              "<!-- note <i> -->\r\n<A HREF=\"Page.htm\" TARGET=_TOP>Odkaz</A></BODY></HTML>");
    }
    void tagRules()
    {
        QFETCH(QString, text);
        QFETCH(bool, upper);
        QFETCH(QString, converted);
        QCOMPARE(CaseConversion::ConvertTags(text, upper), converted);
    }

    void lettersOnlyAsciiChange()
    {
        QCOMPARE(CaseConversion::ChangeLetters(QStringLiteral("žluťoučký kůň"), true),
                 QStringLiteral("žLUťOUčKý Kůň"));
        QCOMPARE(CaseConversion::ChangeLetters(QStringLiteral("ABC def"), false), QStringLiteral("abc def"));
    }

    void commandsOnTheEditorsWithOneUndoStep()
    {
        TWindowFixture fx;
        Form2->Timer2->stop();
        OpenDocument(fx.writeDoc(QStringLiteral("a.htm"), "<p>one</p>\r\n<b>two</b>\r\n"));
        for (int i = 0; i < 9; ++i)
            Form2->Timer2Timer(); // the first snapshot: the loaded text
        ConvertTagCase(true);
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<P>one</P>\r\n<B>two</B>"));
        Form2->Zpt1Click();
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<p>one</p>\r\n<b>two</b>"));

        // Only the selection when there is one.
        Form2->HTMLEditor1->SetSelStart(12);
        Form2->HTMLEditor1->SetSelLength(10);
        ConvertTagCase(true);
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("<p>one</p>\r\n<B>two</B>"));

        // Text case needs a selection.
        Form2->HTMLEditor1->SetSelStart(0);
        ChangeTextCase(true);
        QCOMPARE(fx.dialogs->asked, QStringList{QStringLiteral("info: K této operaci je potřeba označit text")});
        Form2->HTMLEditor1->SetSelStart(3);
        Form2->HTMLEditor1->SetSelLength(3);
        ChangeTextCase(true);
        QCOMPARE(Form2->HTMLEditor1->Line(0), QStringLiteral("<p>ONE</p>"));
        Form2->Zpt1Click();
        QCOMPARE(Form2->HTMLEditor1->Line(0), QStringLiteral("<p>one</p>"));

        // On the translator tab tags change there; text case does nothing there.
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        Form2->HTMLEditor2->SetText(QStringLiteral("<b>x</b>"));
        Form2->HTMLEditor2->SetSelStart(0);
        ConvertTagCase(true);
        QCOMPARE(Form2->HTMLEditor2->Text(), QStringLiteral("<B>x</B>"));
        Form2->HTMLEditor1->SetSelLength(0);
        Form2->PageControl1->setCurrentIndex(1);
        const QString before = Form2->HTMLEditor1->Text();
        ConvertTagCase(false);
        QCOMPARE(Form2->HTMLEditor1->Text(), before);
    }
};

QTEST_MAIN(TestCaseConversion)
#include "tst_case_conversion.moc"
