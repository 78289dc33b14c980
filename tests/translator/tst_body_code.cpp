// The BODY code the translator takes from the visual editor's document.
#include "translator/body_code.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestBodyCode : public QObject
{
    Q_OBJECT

private slots:
    void extractBody_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("body");
        QTest::newRow("head and BODY tag with attributes go")
            << u"<HTML><HEAD><TITLE></TITLE></HEAD><BODY BGCOLOR=\"White\" LINK=\"Blue\"><P>x</P></BODY></HTML>"_s
            << u"<P>x</P>"_s;
        QTest::newRow("nothing after the end of BODY stays")
            << u"<BODY><P>a</P>\r\n</BODY>\r\n</HTML>\r\n"_s << u"<P>a</P>\r\n"_s;
        QTest::newRow("without a BODY tag the text stays") << u"<P>a</P>"_s << u"<P>a</P>"_s;
        QTest::newRow("a lower-case body tag is not the head's end")
            << u"<html><body><p>a</p></body></html>"_s << u"<html><body><p>a</p></body></html>"_s;
        QTest::newRow("the end tag is found ignoring case once BODY is there")
            << u"<BODY>a</body>b</BODY>c"_s << u"a"_s;
        QTest::newRow("the DOCTYPE line goes")
            << u"<!doctype html public \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<P>a</P>"_s
            << u"\r\n<P>a</P>"_s;
        QTest::newRow("a BODY tag cut short leaves the text whole") << u"<HEAD></HEAD><BODY BGCOLOR"_s
                                                                   << u"<HEAD></HEAD><BODY BGCOLOR"_s;
        QTest::newRow("the generator's head")
            << VisualDocument(u"White"_s, u"Blue"_s, u"<P>&nbsp;</P>"_s) << u"<P>&nbsp;</P>"_s;
    }

    void extractBody()
    {
        QFETCH(QString, html);
        QFETCH(QString, body);
        QCOMPARE(ExtractBody(html), body);
    }

    void normalizeMarkup_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("normal");
        QTest::newRow("unquoted value before >") << u"<P align=center>x</P>"_s << true
                                                 << u"<P ALIGN=\"center\">x</P>"_s;
        QTest::newRow("several values") << u"<TABLE border=1 cellPadding=1 cellSpacing=1>"_s << true
                                        << u"<TABLE BORDER=\"1\" CELLPADDING=\"1\" CELLSPACING=\"1\">"_s;
        QTest::newRow("= inside a quoted value") << u"<A href=\"a.php?x=1\">a</A>"_s << true
                                                 << u"<A HREF=\"a.php?x=1\">a</A>"_s;
        QTest::newRow("single-quoted value") << u"<IMG alt='x=1 y' src=a.gif>"_s << true
                                             << u"<IMG ALT='x=1 y' SRC=\"a.gif\">"_s;
        QTest::newRow("value running to the end") << u"<P align=center"_s << true << u"<P ALIGN=CENTER"_s;
        QTest::newRow("lower case") << u"<P ALIGN=Center>Dobrý <B>Den</B></P>"_s << false
                                    << u"<p align=\"Center\">Dobrý <b>Den</b></p>"_s;
        QTest::newRow("text outside tags unchanged") << u"a=b <b>x=y</b> &nbsp;"_s << true
                                                     << u"a=b <B>x=y</B> &nbsp;"_s;
        QTest::newRow("only A to Z change") << u"<p title=\"ž\" lang=cs>č</p>"_s << true
                                            << u"<P TITLE=\"ž\" LANG=\"cs\">č</P>"_s;
        QTest::newRow("value ends at a line break") << u"<P align=left\r\nclass=x>"_s << true
                                                    << u"<P ALIGN=\"left\"\r\nCLASS=\"x\">"_s;
        QTest::newRow("empty value stays") << u"<TD title=\"\">"_s << true << u"<TD TITLE=\"\">"_s;
    }

    void normalizeMarkup()
    {
        QFETCH(QString, text);
        QFETCH(bool, upper);
        QFETCH(QString, normal);
        QCOMPARE(NormalizeMarkup(text, upper), normal);
    }

    void emphasisStyle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("useStrong");
        QTest::addColumn<bool>("useEm");
        QTest::addColumn<QString>("result");
        const QString both = u"<STRONG>a</STRONG><EM>b</EM>"_s;
        QTest::newRow("STRONG and EM kept") << both << true << true << both;
        QTest::newRow("B and I") << both << false << false << u"<B>a</B><I>b</I>"_s;
        QTest::newRow("only B") << both << false << true << u"<B>a</B><EM>b</EM>"_s;
        QTest::newRow("other spellings stay") << u"<strong>a</strong><em>b</em>"_s << false << false
                                              << u"<strong>a</strong><em>b</em>"_s;
        QTest::newRow("attributes keep the pair matched") << u"<STRONG class=x>a</STRONG><EMBED>"_s << false
                                                          << false << u"<B class=x>a</B><EMBED>"_s;
    }

    void emphasisStyle()
    {
        QFETCH(QString, text);
        QFETCH(bool, useStrong);
        QFETCH(bool, useEm);
        QFETCH(QString, result);
        QCOMPARE(ApplyEmphasisStyle(text, useStrong, useEm), result);
    }

    void pull_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<bool>("useStrong");
        QTest::addColumn<bool>("useEm");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("code");
        const QString head = u"<HTML><HEAD><TITLE></TITLE></HEAD><BODY bgcolor=White link=Blue>"_s;
        const QString tail = u"</BODY></HTML>"_s;
        QTest::newRow("the worked example") << head + u"<P align=center>Dobrý <EM>den</EM></P>"_s + tail
                                            << false << false << true
                                            << u"<P ALIGN=\"center\">Dobrý <I>den</I></P>"_s;
        QTest::newRow("the empty first line goes") << head + u"\r\n<P>a</P>"_s + tail << true << true << true
                                                   << u"<P>a</P>"_s;
        QTest::newRow("B becomes lower with the rest") << head + u"<P><STRONG>a</STRONG></P>"_s + tail
                                                       << false << true << false << u"<p><b>a</b></p>"_s;
        QTest::newRow("nothing in the body") << head + tail << true << true << true << QString();
    }

    void pull()
    {
        QFETCH(QString, html);
        QFETCH(bool, useStrong);
        QFETCH(bool, useEm);
        QFETCH(bool, upper);
        QFETCH(QString, code);
        QCOMPARE(BodyCodeFromDocument(html, useStrong, useEm, upper), code);
    }

    void displayColourName_data()
    {
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("shown");
        QTest::newRow("red") << u"#FF0000"_s << u"Red"_s;
        QTest::newRow("navy") << u"#000080"_s << u"Navy"_s;
        QTest::newRow("lower-case hex is exact text") << u"#ff0000"_s << u"#ff0000"_s;
        QTest::newRow("other colours as they come") << u"#123456"_s << u"#123456"_s;
    }

    void displayColourName()
    {
        QFETCH(QString, colour);
        QFETCH(QString, shown);
        QCOMPARE(DisplayColourName(colour), shown);
    }

    void documentAndBackground()
    {
        const QString doc = VisualDocument(u"Red"_s, u"Lime"_s, u"<P>a</P>\r\n<P>b</P>"_s);
        QVERIFY(doc.contains(u"<BODY BGCOLOR=\"Red\" LINK=\"Lime\"><P>a</P>\r\n<P>b</P></BODY></HTML>"_s));
        QCOMPARE(WithBackgroundPicture(u"<HTML><BODY BGCOLOR=x>a"_s, u"/p/b.gif"_s),
                 u"<HTML><BODY BACKGROUND=\"/p/b.gif\" BGCOLOR=x>a"_s);
        QCOMPARE(WithBackgroundPicture(u"<p>a</p>"_s, u"b.gif"_s), u"<p>a</p>"_s);
    }
};

QTEST_GUILESS_MAIN(TestBodyCode)
#include "tst_body_code.moc"
