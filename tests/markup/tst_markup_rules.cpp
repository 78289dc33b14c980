// The markup-style rules the insertion engine applies to a command's texts.
#include "markup/insert_tag.h"
#include "markup/insertion_commands.h"
#include "style_flags.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestMarkupRules : public QObject
{
    Q_OBJECT

private slots:
    void rewrite_data()
    {
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("expectedOpen");
        QTest::addColumn<QString>("expectedClose");

        QTest::newRow("upper case leaves the texts") << u"<HR>"_s << QString() << 0 << u"U"_s
                                                     << u"<HR>"_s << QString();
        QTest::newRow("slash ends a single tag") << u"<BR>"_s << QString() << 0 << u"U/"_s
                                                 << u"<BR />"_s << QString();
        QTest::newRow("slash and lower case") << u"<HR>"_s << QString() << 0 << u"/"_s
                                              << u"<hr />"_s << QString();
        QTest::newRow("slash keeps attributes")
            << u"<INPUT TYPE=\"submit\">"_s << QString() << 0 << u"U/"_s
            << u"<INPUT TYPE=\"submit\" />"_s << QString();
        QTest::newRow("slash ignores a '>' inside a value")
            << u"<IMG ALT=\"a>b\">"_s << QString() << 0 << u"U/"_s << u"<IMG ALT=\"a>b\" />"_s
            << QString();
        QTest::newRow("slash does not double an existing one")
            << u"<BR />"_s << QString() << 0 << u"U/"_s << u"<BR />"_s << QString();
        QTest::newRow("slash after trailing blanks") << u"<BR >"_s << QString() << 0 << u"U/"_s
                                                     << u"<BR />"_s << QString();
        QTest::newRow("slash leaves a tag closed by the close text")
            << u"<A>"_s << u"</A>"_s << 0 << u"U/"_s << u"<A>"_s << u"</A>"_s;
        QTest::newRow("slash only for the empty tag of a link")
            << u"<A HREF=\"x\"><IMG SRC=\"y\"></A>"_s << QString() << 0 << u"U/"_s
            << u"<A HREF=\"x\"><IMG SRC=\"y\" /></A>"_s << QString();
        QTest::newRow("slash leaves a text that is no tag")
            << u"a < b"_s << QString() << 0 << u"U/"_s << u"a < b"_s << QString();
        QTest::newRow("slash leaves an unfinished tag")
            << u"<IMG SRC=\"y\""_s << QString() << 0 << u"U/"_s << u"<IMG SRC=\"y\""_s << QString();
        QTest::newRow("slash leaves a comment") << u"<!-- x -->"_s << QString() << 0 << u"U/"_s
                                                << u"<!-- x -->"_s << QString();
        QTest::newRow("slash leaves a PHP opening") << u"<?"_s << QString() << 0 << u"U/"_s
                                                    << u"<?"_s << QString();
        QTest::newRow("slash ignores texts without a tag") << u"&nbsp;"_s << QString() << 0
                                                           << u"U/"_s << u"&nbsp;"_s << QString();
        QTest::newRow("slash not in mode 1") << u"<P>"_s << u"</P>"_s << 1 << u"U/"_s << u"<P>"_s
                                             << u"</P>"_s;
        QTest::newRow("slash not on a wrapped comment")
            << u"<!--"_s << u"-->"_s << 1 << u"U/"_s << u"<!--"_s << u"-->"_s;
        QTest::newRow("an unknown mode inserts") << u"<BR>"_s << QString() << 7 << u"U/"_s
                                                 << u"<BR />"_s << QString();

        QTest::newRow("strong") << u"<B>"_s << u"</B>"_s << 1 << u"US"_s << u"<STRONG>"_s
                                << u"</STRONG>"_s;
        QTest::newRow("strong lower case") << u"<B>"_s << u"</B>"_s << 1 << u"S"_s
                                           << u"<strong>"_s << u"</strong>"_s;
        QTest::newRow("strong ignores the case of <b>") << u"<b>"_s << u"</b>"_s << 1 << u"US"_s
                                                        << u"<STRONG>"_s << u"</STRONG>"_s;
        QTest::newRow("no strong keeps B") << u"<B>"_s << u"</B>"_s << 1 << u"UE"_s << u"<B>"_s
                                           << u"</B>"_s;
        QTest::newRow("strong leaves I") << u"<I>"_s << u"</I>"_s << 1 << u"US"_s << u"<I>"_s
                                         << u"</I>"_s;
        QTest::newRow("strong only for a bare B") << u"<B CLASS=\"x\">"_s << u"</B>"_s << 1
                                                  << u"US"_s << u"<B CLASS=\"x\">"_s << u"</B>"_s;
        QTest::newRow("em") << u"<I>"_s << u"</I>"_s << 1 << u"UE"_s << u"<EM>"_s << u"</EM>"_s;
        QTest::newRow("em lower case") << u"<i>"_s << u"</i>"_s << 1 << u"E"_s << u"<em>"_s
                                       << u"</em>"_s;
        QTest::newRow("em leaves B") << u"<B>"_s << u"</B>"_s << 1 << u"UE"_s << u"<B>"_s
                                     << u"</B>"_s;
        QTest::newRow("no em keeps I") << u"<I>"_s << u"</I>"_s << 1 << u"US"_s << u"<I>"_s
                                       << u"</I>"_s;

        QTest::newRow("lower case lowers values") << u"<FONT SIZE=\"+1\">"_s << u"</FONT>"_s << 1
                                                  << QString() << u"<font size=\"+1\">"_s
                                                  << u"</font>"_s;
        QTest::newRow("lower case of a colour name") << u"Black"_s << QString() << 0 << u"/"_s
                                                     << u"black"_s << QString();
        QTest::newRow("lower case changes A to Z only")
            << u"<P TITLE=\"ČAS\">"_s << u"</P>"_s << 1 << QString() << u"<p title=\"Čas\">"_s
            << u"</p>"_s;
        QTest::newRow("lower case keeps named references")
            << u"&Eacute;&NBSP;X"_s << QString() << 0 << QString() << u"&Eacute;&NBSP;x"_s
            << QString();
        QTest::newRow("upper case never raises") << u"<a href=\"mailto:\">"_s << u"</a>"_s << 1
                                                 << u"U"_s << u"<a href=\"mailto:\">"_s
                                                 << u"</a>"_s;
        QTest::newRow("line breaks become CR LF") << u"<UL>\n"_s << u"\r</UL>"_s << 1 << u"U"_s
                                                  << u"<UL>\r\n"_s << u"\r\n</UL>"_s;
    }
    void rewrite()
    {
        QFETCH(QString, open);
        QFETCH(QString, close);
        QFETCH(int, mode);
        QFETCH(QString, flags);
        QFETCH(QString, expectedOpen);
        QFETCH(QString, expectedClose);
        const TTagTexts t = RewriteTagTexts(open, close, mode, StyleFromFlags(flags));
        QCOMPARE(t.open, expectedOpen);
        QCOMPARE(t.close, expectedClose);
    }

    // The commands' own texts through the rules, as the user sees them.
    void commandTexts_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("expectedOpen");
        QTest::addColumn<QString>("expectedClose");

        QTest::newRow("HR3 slash") << u"HR3"_s << u"U/"_s << u"<HR />"_s << QString();
        QTest::newRow("BR1 slash lower") << u"BR1"_s << u"/"_s << u"<br />"_s << QString();
        QTest::newRow("fastframe slash") << u"fastframe"_s << u"U/"_s << u"<FRAME />"_s
                                         << QString();
        QTest::newRow("SpeedButton6 PARAM slash") << u"SpeedButton6"_s << u"U/"_s
                                                  << u"<PARAM />"_s << QString();
        QTest::newRow("Fastcomment slash") << u"Fastcomment"_s << u"U/"_s << u"<!--"_s << u"-->"_s;
        QTest::newRow("SpeedButton14 slash") << u"SpeedButton14"_s << u"U/"_s << u"||"_s
                                             << QString();
        QTest::newRow("NezalomitelnMezera1 slash") << u"NezalomitelnMezera1"_s << u"/"_s
                                                   << u"&nbsp;"_s << QString();
        QTest::newRow("SpeedButton1 upper") << u"SpeedButton1"_s << u"U"_s
                                            << u"<a href=\"mailto:\">"_s << u"</a>"_s;
        QTest::newRow("fastreset lower") << u"fastreset"_s << QString()
                                         << u"<input type=\"reset\">"_s << QString();
        QTest::newRow("fastreset lower slash") << u"fastreset"_s << u"/"_s
                                               << u"<input type=\"reset\" />"_s << QString();
        QTest::newRow("fastplus lower") << u"fastplus"_s << QString() << u"<font size=\"+1\">"_s
                                        << u"</font>"_s;
        QTest::newRow("SpeedButton7 lower") << u"SpeedButton7"_s << QString()
                                            << u"<script language=\"javascript\">"_s
                                            << u"</script>"_s;
        QTest::newRow("fastb strong lower") << u"fastb"_s << u"S"_s << u"<strong>"_s
                                            << u"</strong>"_s;
        QTest::newRow("B1 strong") << u"B1"_s << u"US"_s << u"<STRONG>"_s << u"</STRONG>"_s;
        QTest::newRow("fasti2 em") << u"fasti2"_s << u"UE"_s << u"<EM>"_s << u"</EM>"_s;
        QTest::newRow("I1 em lower slash") << u"I1"_s << u"E/"_s << u"<em>"_s << u"</em>"_s;
        QTest::newRow("maker's link slash")
            << u"OdkaznastrnkyVellomy1"_s << u"U/"_s
            << u"<A HREF=\"https://www.vellomy.cz/\"><IMG BORDER=\"0\" "
               "SRC=\"https://www.vellomy.cz/images/vellomy.gif\" /></A>"_s
            << QString();
        QTest::newRow("maker's link lower")
            << u"OdkaznastrnkyVellomy1"_s << QString()
            << u"<a href=\"https://www.vellomy.cz/\"><img border=\"0\" "
               "src=\"https://www.vellomy.cz/images/vellomy.gif\"></a>"_s
            << QString();
    }
    void commandTexts()
    {
        QFETCH(QString, command);
        QFETCH(QString, flags);
        QFETCH(QString, expectedOpen);
        QFETCH(QString, expectedClose);
        const TInsertionCommand *c = FindInsertionCommand(command);
        QVERIFY(c);
        const TTagTexts t = RewriteTagTexts(c->open, c->close, c->mode, StyleFromFlags(flags));
        QCOMPARE(t.open, expectedOpen);
        QCOMPARE(t.close, expectedClose);
    }

    void centreAlignmentComesFromTheSettings()
    {
        TMarkupStyle style = StyleFromFlags(u"U"_s);
        QCOMPARE(style.alignCentreOpen, u"<P ALIGN=\"CENTER\">"_s);
        QCOMPARE(style.alignCentreClose, u"</P>"_s);
        style.upperCase = false;
        style.alignCentreOpen = u"<DIV STYLE=\"text-align: center\">"_s;
        style.alignCentreClose = u"</DIV>"_s;
        const TInsertionCommand *c = FindInsertionCommand(u"SpeedButton5");
        QVERIFY(c);
        QCOMPARE(c->action, TCommandAction::CentreAlign);
        const TTagTexts t =
            RewriteTagTexts(style.alignCentreOpen, style.alignCentreClose, c->mode, style);
        QCOMPARE(t.open, u"<div style=\"text-align: center\">"_s);
        QCOMPARE(t.close, u"</div>"_s);
    }
};

QTEST_APPLESS_MAIN(TestMarkupRules)
#include "tst_markup_rules.moc"
