// The main window's markup commands as data, and the texts of the commands
// that compute what they insert (characters, dates, colours, style sheets).
#include "markup/insertion_commands.h"
#include "style_flags.h"

#include <QSet>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The expected command table, written out by hand: a slip in the program's
// table shows up as a difference here.
struct Expected {
    const char *name;
    const char16_t *menu; // " > "-joined menu path, or empty for a button
    const char16_t *tab;
    const char16_t *caption;
    const char16_t *hint;
    const char16_t *open;
    const char16_t *close;
    int mode;
    const char *action;
};

constexpr Expected kExpected[] = {
    {"Seznamznak1", u"Zobrazit", u"", u"Seznam Znaků", u"", u"", u"", 0, "charbar"},
    {"P2", u"Zobrazit", u"", u"Prepnout na HTML", u"", u"", u"", 0, "sourcetab"},
    {"Q1", u"Zobrazit", u"", u"PRepnout na nahled", u"", u"", u"", 0, "previewtab"},
    {"PipojitStylZeSouboru1", u"Formát > Kaskádové Styly", u"", u"Připojit Styl ze Souboru...",
     u"", u"", u"", 0, "stylesheet"},

    {"H11", u"HTML > Tagy > Nadpisy", u"", u"<H1>", u"", u"<H1>", u"</H1>", 1, "tag"},
    {"H21", u"HTML > Tagy > Nadpisy", u"", u"<H2>", u"", u"<H2>", u"</H2>", 1, "tag"},
    {"H31", u"HTML > Tagy > Nadpisy", u"", u"<H3>", u"", u"<H3>", u"</H3>", 1, "tag"},
    {"H41", u"HTML > Tagy > Nadpisy", u"", u"<H4>", u"", u"<H4>", u"</H4>", 1, "tag"},
    {"H51", u"HTML > Tagy > Nadpisy", u"", u"<H5>", u"", u"<H5>", u"</H5>", 1, "tag"},
    {"H61", u"HTML > Tagy > Nadpisy", u"", u"<H6>", u"", u"<H6>", u"</H6>", 1, "tag"},
    {"TABLE", u"HTML > Tagy > Tabulky", u"", u"<TABLE>", u"", u"<TABLE>", u"</TABLE>", 1, "tag"},
    {"TR", u"HTML > Tagy > Tabulky", u"", u"<TR>", u"", u"<TR>", u"</TR>", 1, "tag"},
    {"TD", u"HTML > Tagy > Tabulky", u"", u"<TD>", u"", u"<TD>", u"</TD>", 1, "tag"},
    {"OL1", u"HTML > Tagy > Seznamy", u"", u"<OL>", u"", u"<OL>", u"</OL>", 1, "tag"},
    {"UL1", u"HTML > Tagy > Seznamy", u"", u"<UL>", u"", u"<UL>", u"</UL>", 1, "tag"},
    {"LI1", u"HTML > Tagy > Seznamy", u"", u"<LI>", u"", u"<LI>", u"</LI>", 1, "tag"},
    {"B1", u"HTML > Tagy > Styl", u"", u"<B>", u"", u"<B>", u"</B>", 1, "tag"},
    {"I1", u"HTML > Tagy > Styl", u"", u"<I>", u"", u"<I>", u"</I>", 1, "tag"},
    {"U1", u"HTML > Tagy > Styl", u"", u"<U>", u"", u"<U>", u"</U>", 1, "tag"},
    {"STRIKE1", u"HTML > Tagy > Styl", u"", u"<STRIKE>", u"", u"<STRIKE>", u"</STRIKE>", 1, "tag"},
    {"HR3", u"HTML > Tagy > Styl", u"", u"<HR>", u"", u"<HR>", u"", 0, "tag"},
    {"BIG1", u"HTML > Tagy > Styl", u"", u"<BIG>", u"", u"<BIG>", u"</BIG>", 1, "tag"},
    {"SMALL1", u"HTML > Tagy > Styl", u"", u"<SMALL>", u"", u"<SMALL>", u"</SMALL>", 1, "tag"},
    {"SUP1", u"HTML > Tagy > Styl", u"", u"<SUP>", u"", u"<SUP>", u"</SUP>", 1, "tag"},
    {"SUB1", u"HTML > Tagy > Styl", u"", u"<SUB>", u"", u"<SUB>", u"</SUB>", 1, "tag"},
    {"BR1", u"HTML > Tagy > Formát", u"", u"<BR>", u"", u"<BR>", u"", 0, "tag"},
    {"BLOCKQUOTE1", u"HTML > Tagy > Formát", u"", u"<BLOCKQUOTE>", u"", u"<BLOCKQUOTE>",
     u"</BLOCKQUOTE>", 1, "tag"},
    {"CENTER1", u"HTML > Tagy > Formát", u"", u"<CENTER>", u"", u"<CENTER>", u"</CENTER>", 1,
     "tag"},
    {"P1", u"HTML > Tagy > Formát", u"", u"<P>", u"", u"<P>", u"</P>", 1, "tag"},
    {"CITE1", u"HTML > Tagy > Formát", u"", u"<CITE>", u"", u"<CITE>", u"</CITE>", 1, "tag"},
    {"DIV1", u"HTML > Tagy > Formát", u"", u"<DIV>", u"", u"<DIV>", u"</DIV>", 1, "tag"},
    {"PRE1", u"HTML > Tagy > Formát", u"", u"<PRE>", u"", u"<PRE>", u"</PRE>", 1, "tag"},
    {"A", u"HTML > Tagy", u"", u"<A>", u"", u"<A>", u"</A>", 1, "tag"},
    {"IMG", u"HTML > Tagy", u"", u"<IMG>", u"", u"<IMG>", u"", 0, "tag"},
    {"Font", u"HTML > Tagy", u"", u"<FONT>", u"", u"<FONT>", u"</FONT>", 1, "tag"},
    {"BGSOUND1", u"HTML > Tagy", u"", u"<BGSOUND>", u"", u"<BGSOUND>", u"", 0, "tag"},

    {"NezalomitelnMezera1", u"HTML > Speciální Znaky", u"", u"Nezalomitelná Mezera", u"",
     u"&nbsp;", u"", 0, "tag"},
    {"Copyright1", u"HTML > Speciální Znaky", u"", u"Copyright", u"", u"&copy;", u"", 0, "tag"},
    // The trade mark sign by its code point (U+2122), not by its 8-bit byte 153.
    {"rademark1", u"HTML > Speciální Znaky", u"", u"Trademark", u"", u"&#8482;", u"", 0, "tag"},
    {"Registered1", u"HTML > Speciální Znaky", u"", u"Registered", u"", u"&reg;", u"", 0, "tag"},
    {"Vlastn1", u"HTML > Vložit Barvu", u"", u"Vlastní...", u"", u"", u"", 0, "colour"},
    {"ZPalety1", u"HTML > Vložit Barvu", u"", u"Z Palety...", u"", u"", u"", 0, "palette"},
    {"DnenDatum1", u"HTML > Vložit", u"", u"Dnešní Datum", u"", u"", u"", 0, "date"},
    {"OdkaznastrnkyVellomy1", u"HTML > Vložit", u"", u"Odkaz na stránky Vellomy", u"",
     u"<A HREF=\"https://www.vellomy.cz/\"><IMG BORDER=\"0\" "
     u"SRC=\"https://www.vellomy.cz/images/vellomy.gif\"></A>",
     u"", 0, "tag"},
    {"Bookmark01", u"HTML > Záložky", u"", u"Záložka 0", u"", u"", u"", 0, "bookmark"},
    {"Bookmark11", u"HTML > Záložky", u"", u"Záložka 1", u"", u"", u"", 0, "bookmark"},
    {"Bookmark21", u"HTML > Záložky", u"", u"Záložka 2", u"", u"", u"", 0, "bookmark"},
    {"Bookmark31", u"HTML > Záložky", u"", u"Záložka 3", u"", u"", u"", 0, "bookmark"},
    {"Bookmark41", u"HTML > Záložky", u"", u"Záložka 4", u"", u"", u"", 0, "bookmark"},
    {"Bookmark51", u"HTML > Záložky", u"", u"Záložka 5", u"", u"", u"", 0, "bookmark"},
    {"Bookmark61", u"HTML > Záložky", u"", u"Záložka 6", u"", u"", u"", 0, "bookmark"},
    {"Bookmark71", u"HTML > Záložky", u"", u"Záložka 7", u"", u"", u"", 0, "bookmark"},
    {"Bookmark81", u"HTML > Záložky", u"", u"Záložka 8", u"", u"", u"", 0, "bookmark"},
    {"Bookmark91", u"HTML > Záložky", u"", u"Záložka 9", u"", u"", u"", 0, "bookmark"},

    {"Fastp", u"", u"Rychlá Volba", u"", u"Odstavec", u"<P>", u"</P>", 1, "tag"},
    {"Fastbr", u"", u"Rychlá Volba", u"", u"Konec řádku(BR)", u"<BR>", u"", 0, "tag"},
    {"fastnb", u"", u"Rychlá Volba", u"NB", u"Nedělitelná mezera", u"&nbsp;", u"", 0, "tag"},
    {"fastfont", u"", u"Rychlá Volba", u"", u"Font", u"<FONT>", u"</FONT>", 1, "tag"},
    {"fastspan", u"", u"Rychlá Volba", u"", u"Použití Stylů(SPAN)", u"<SPAN>", u"</SPAN>", 1,
     "tag"},
    {"fastb", u"", u"Rychlá Volba", u"", u"Tučné", u"<B>", u"</B>", 1, "tag"},
    {"fasti", u"", u"Rychlá Volba", u"", u"Kurzíva", u"<I>", u"</I>", 1, "tag"},
    {"fasta", u"", u"Rychlá Volba", u"", u"Odkaz(A)", u"<A>", u"</A>", 1, "tag"},
    {"fastimg", u"", u"Rychlá Volba", u"", u"Obrázek(IMG)", u"<IMG>", u"", 0, "tag"},
    {"Fastcomment", u"", u"Rychlá Volba", u"(!)", u"Komentář", u"<!--", u"-->", 1, "tag"},
    {"SpeedButton1", u"", u"Rychlá Volba", u"", u"Odkaz na Mail", u"<a href=\"mailto:\">", u"</a>",
     1, "tag"},
    {"SpeedButton5", u"", u"Rychlá Volba", u"", u"Zarovnat na střed", u"", u"", 1, "centre"},
    {"fastfont2", u"", u"Font", u"", u"Font", u"<FONT>", u"</FONT>", 1, "tag"},
    {"fastspan2", u"", u"Font", u"", u"Použití stylů(SPAN)", u"<SPAN>", u"</SPAN>", 1, "tag"},
    {"fastplus", u"", u"Font", u"F+", u"O úroveň větší font", u"<FONT SIZE=\"+1\">", u"</FONT>", 1,
     "tag"},
    {"fastminus", u"", u"Font", u"F-", u"O úroveň menší font", u"<FONT SIZE=\"-1\">", u"</FONT>",
     1, "tag"},
    {"fasth1", u"", u"Font", u"H1", u"Nadpis úrovně 1", u"<H1>", u"</H1>", 1, "tag"},
    {"fasth2", u"", u"Font", u"H2", u"Nadpis úrovně 2", u"<H2>", u"</H2>", 1, "tag"},
    {"fasth3", u"", u"Font", u"H3", u"Nadpis úrovně 3", u"<H3>", u"</H3>", 1, "tag"},
    {"fastb2", u"", u"Font", u"", u"Tučné", u"<B>", u"</B>", 1, "tag"},
    {"fasti2", u"", u"Font", u"", u"Kurzíva", u"<I>", u"</I>", 1, "tag"},
    {"fastsub", u"", u"Font", u"", u"Spodní index(SUB)", u"<SUB>", u"</SUB>", 1, "tag"},
    {"fastsup", u"", u"Font", u"", u"Horní index(SUP)", u"<SUP>", u"</SUP>", 1, "tag"},
    {"fasttable", u"", u"Tabulky", u"", u"Tabulka(TABLE)", u"", u"", 0, "tablesize"},
    {"fasttd", u"", u"Tabulky", u"", u"Konec buňky tabulky(TD)", u"<TD>", u"</TD>", 1, "tag"},
    {"fasttr", u"", u"Tabulky", u"", u"Konec řádku tabulky(TR)", u"<TR>", u"</TR>", 1, "tag"},
    {"fastth", u"", u"Tabulky", u"", u"Hlavička tabulky(TH)", u"<TH>", u"</TH>", 1, "tag"},
    {"Fasttablesize", u"", u"Tabulky", u"", u"Vložit buňky tabulky", u"", u"", 0, "tablesize"},
    {"fastul", u"", u"Seznamy", u"", u"Nečíslovaný seznam(UL)", u"<UL>", u"</UL>", 1, "tag"},
    {"fastol", u"", u"Seznamy", u"", u"Číslovaný seznam(OL)", u"<OL>", u"</OL>", 1, "tag"},
    {"fastli", u"", u"Seznamy", u"", u"Položka seznamu(LI)", u"<LI>", u"</LI>", 1, "tag"},
    {"fstiframe", u"", u"Rámce", u"IF", u"Samostatný rám(IFRAME)", u"<IFRAME>", u"</IFRAME>", 1,
     "tag"},
    {"fastframeset", u"", u"Rámce", u"SET", u"Soustava rámů(FRAMESET)", u"<FRAMESET>",
     u"</FRAMESET>", 1, "tag"},
    {"fastframe", u"", u"Rámce", u"FRA", u"Rám(FRAME)", u"<FRAME>", u"", 0, "tag"},
    {"fastnoframe", u"", u"Rámce", u"NO", u"Bez rámů(NOFRAMES)", u"<NOFRAMES>", u"</NOFRAMES>", 1,
     "tag"},
    {"fastform", u"", u"Formuláře", u"", u"Form", u"<FORM>", u"</FORM>", 1, "tag"},
    {"fastsubmit", u"", u"Formuláře", u"", u"Submit", u"<INPUT TYPE=\"submit\">", u"", 0, "tag"},
    {"fastreset", u"", u"Formuláře", u"", u"Reset", u"<INPUT TYPE=\"Reset\">", u"", 0, "tag"},
    {"fastedit", u"", u"Formuláře", u"", u"Text", u"<INPUT TYPE=\"text\">", u"", 0, "tag"},
    {"fasthide", u"", u"Formuláře", u"", u"Hidden", u"<INPUT TYPE=\"hidden\">", u"", 0, "tag"},
    {"fasttextarea", u"", u"Formuláře", u"", u"Textarea", u"<TEXTAREA>", u"</TEXTAREA>", 1, "tag"},
    {"fastradiob", u"", u"Formuláře", u"", u"Radiobutton", u"<INPUT TYPE=\"radio\">", u"", 0,
     "tag"},
    {"fastcheckb", u"", u"Formuláře", u"", u"Checkbox", u"<INPUT TYPE=\"checkbox\">", u"", 0,
     "tag"},
    {"SpeedButton4", u"", u"Javascript", u"", u"APPLET", u"<APPLET>", u"</APPLET>", 1, "tag"},
    // PARAM is an empty element: no end tag, inserted at the caret.
    {"SpeedButton6", u"", u"Javascript", u"", u"PARAM", u"<PARAM>", u"", 0, "tag"},
    {"SpeedButton7", u"", u"Javascript", u"", u"SCRIPT", u"<SCRIPT LANGUAGE=\"Javascript\">",
     u"</SCRIPT>", 1, "tag"},
    {"SpeedButton8", u"", u"Javascript", u"", u"NOSCRIPT", u"<NOSCRIPT>", u"</NOSCRIPT>", 1, "tag"},
    {"SpeedButton9", u"", u"Javascript", u"", u"document.write()", u"document.write()", u"", 0,
     "tag"},
    {"SpeedButton10", u"", u"Javascript", u"/**/", u"Komentář(/* */)", u"/*", u"*/", 1, "tag"},
    {"SpeedButton11", u"", u"Javascript", u"and", u"Logické AND", u"&&", u"", 0, "tag"},
    {"SpeedButton14", u"", u"Javascript", u"or", u"Logické OR", u"||", u"", 0, "tag"},
    {"SpeedButton19", u"", u"Javascript", u"not", u"Logické NOT", u"!", u"", 0, "tag"},
    {"SpeedButton22", u"", u"PHP", u"", u"PHP skript (<? ?>)", u"<?", u"?>", 1, "tag"},
    {"SpeedButton23", u"", u"PHP", u"", u"Výpis (echo)", u"echo ;", u"", 0, "tag"},
    {"SpeedButton24", u"", u"PHP", u"and", u"Logické AND", u"&&", u"", 0, "tag"},
    {"SpeedButton25", u"", u"PHP", u"or", u"Logické OR", u"||", u"", 0, "tag"},
    {"SpeedButton26", u"", u"PHP", u"not", u"Logické NOT", u"!", u"", 0, "tag"},
    {"SpeedButton27", u"", u"PHP", u"/**/", u"Komentář(/* */)", u"/*", u"*/", 1, "tag"},
};

QString ActionName(TCommandAction a)
{
    switch (a) {
    case TCommandAction::InsertTag: return u"tag"_s;
    case TCommandAction::CentreAlign: return u"centre"_s;
    case TCommandAction::TodayDate: return u"date"_s;
    case TCommandAction::CustomColour: return u"colour"_s;
    case TCommandAction::PaletteColour: return u"palette"_s;
    case TCommandAction::AttachStyleSheet: return u"stylesheet"_s;
    case TCommandAction::GoToBookmark: return u"bookmark"_s;
    case TCommandAction::ToggleCharacterBar: return u"charbar"_s;
    case TCommandAction::ShowSourceTab: return u"sourcetab"_s;
    case TCommandAction::ShowPreviewTab: return u"previewtab"_s;
    case TCommandAction::TableSizePicker: return u"tablesize"_s;
    }
    return u"?"_s;
}

TColor Rgb(int r, int g, int b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}

} // namespace

class TestInsertionCommands : public QObject
{
    Q_OBJECT

private slots:
    void command_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("action");
        for (const Expected &e : kExpected) {
            QTest::newRow(e.name) << QString::fromUtf16(e.menu) << QString::fromUtf16(e.tab)
                                  << QString::fromUtf16(e.caption) << QString::fromUtf16(e.hint)
                                  << QString::fromUtf16(e.open) << QString::fromUtf16(e.close)
                                  << e.mode << QString::fromLatin1(e.action);
        }
    }
    void command()
    {
        QFETCH(QString, menu);
        QFETCH(QString, tab);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, open);
        QFETCH(QString, close);
        QFETCH(int, mode);
        QFETCH(QString, action);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const TInsertionCommand *c = FindInsertionCommand(name);
        QVERIFY2(c, qPrintable(name));
        QCOMPARE(c->name, name);
        QCOMPARE(c->menu.join(u" > "_s), menu);
        QCOMPARE(c->tab, tab);
        QCOMPARE(c->caption, caption);
        QCOMPARE(c->hint, hint);
        QCOMPARE(c->open, open);
        QCOMPARE(c->close, close);
        QCOMPARE(c->mode, mode);
        QCOMPARE(ActionName(c->action), action);
        QCOMPARE(c->isMenuItem(), !menu.isEmpty());
        QVERIFY(tab.isEmpty() || QuickInsertTabs().contains(tab));
    }

    void noCommandBeyondTheExpectedTable()
    {
        QSet<QString> expected;
        for (const Expected &e : kExpected)
            expected.insert(QString::fromLatin1(e.name));
        QSet<QString> seen;
        for (const TInsertionCommand &c : InsertionCommands()) {
            QVERIFY2(expected.contains(c.name), qPrintable(c.name));
            QVERIFY2(!seen.contains(c.name), qPrintable(u"twice: "_s + c.name));
            seen.insert(c.name);
        }
    }

    void lookupIsExact()
    {
        QVERIFY(FindInsertionCommand(u"Font"));
        QVERIFY(!FindInsertionCommand(u"font"));
        QVERIFY(!FindInsertionCommand(u"H11Click"));
        QVERIFY(!FindInsertionCommand(u""));
    }

    void flagsOfTheViewItems()
    {
        QVERIFY(FindInsertionCommand(u"Seznamznak1")->checked);
        QVERIFY(FindInsertionCommand(u"Seznamznak1")->visible);
        QVERIFY(!FindInsertionCommand(u"P2")->visible);
        QVERIFY(!FindInsertionCommand(u"Q1")->visible);
        for (int i = 0; i <= 9; ++i)
            QCOMPARE(FindInsertionCommand(u"Bookmark"_s + QString::number(i) + u'1')->bookmark, i);
    }

    void buttonsStayInTabOrder()
    {
        // The windows lay the buttons out in table order, tab after tab.
        int lastTab = 0;
        for (const TInsertionCommand &c : InsertionCommands()) {
            if (c.isMenuItem())
                continue;
            const int tab = QuickInsertTabs().indexOf(c.tab);
            QVERIFY2(tab >= lastTab, qPrintable(c.name));
            lastTab = tab;
        }
        QCOMPARE(QuickInsertTabs(),
                 (QStringList{u"Rychlá Volba"_s, u"Font"_s, u"Tabulky"_s, u"Seznamy"_s, u"Rámce"_s,
                              u"Formuláře"_s, u"Javascript"_s, u"PHP"_s}));
    }

    void characterReference_data()
    {
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("expected");
        QTest::newRow("c with caron") << u"č"_s << u"&#269;"_s;
        QTest::newRow("capital S with caron") << u"Š"_s << u"&#352;"_s;
        QTest::newRow("euro sign") << u"€"_s << u"&#8364;"_s;
        QTest::newRow("less-than") << u"<"_s << u"&#60;"_s;
        QTest::newRow("outside the basic plane") << u"😀"_s << u"&#128512;"_s;
        QTest::newRow("first character only") << u"ab"_s << u"&#97;"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void characterReference()
    {
        QFETCH(QString, character);
        QFETCH(QString, expected);
        QCOMPARE(CharacterReference(character), expected);
    }

    void characterBar_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("character");
        QTest::addColumn<QString>("reference");
        QTest::newRow("first cell") << 0 << u"!"_s << u"&#33;"_s;
        QTest::newRow("less-than") << 60 - 33 << u"<"_s << u"&#60;"_s;
        QTest::newRow("euro at byte 128") << 0x80 - 33 << u"€"_s << u"&#8364;"_s;
        QTest::newRow("trade mark at byte 153") << 0x99 - 33 << u"™"_s << u"&#8482;"_s;
        QTest::newRow("s with caron at byte 154") << 0x9A - 33 << u"š"_s << u"&#353;"_s;
        QTest::newRow("c with caron at byte 232") << 0xE8 - 33 << u"č"_s << u"&#269;"_s;
        QTest::newRow("unassigned byte 129") << 0x81 - 33 << u"\u0081"_s << u"&#129;"_s;
        QTest::newRow("last cell, byte 255") << 222 << u"˙"_s << u"&#729;"_s;
        QTest::newRow("before the bar") << -1 << QString() << QString();
        QTest::newRow("after the bar") << 223 << QString() << QString();
    }
    void characterBar()
    {
        QFETCH(int, cell);
        QFETCH(QString, character);
        QFETCH(QString, reference);
        QCOMPARE(CharacterBarCharacter(cell), character);
        QCOMPARE(CharacterBarReference(cell), reference);
    }

    void dateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("d.M.yyyy") << QDate(2004, 3, 5) << u"d.M.yyyy"_s << u"5.3.2004"_s;
        QTest::newRow("dd.MM.yyyy") << QDate(2004, 3, 5) << u"dd.MM.yyyy"_s << u"05.03.2004"_s;
        QTest::newRow("two-digit day and month") << QDate(2004, 12, 31) << u"d.M.yyyy"_s
                                                 << u"31.12.2004"_s;
        QTest::newRow("invalid date") << QDate() << u"d.M.yyyy"_s << QString();
    }
    void dateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(DateText(date, format, QLocale(QLocale::Czech)), expected);
    }

    void todayUsesTheShortFormat()
    {
        const QLocale cs(QLocale::Czech);
        const QDate d(2004, 3, 5);
        const QString text = TodayDateText(d, cs);
        QVERIFY(!text.isEmpty());
        QCOMPARE(cs.toDate(text, QLocale::ShortFormat).day(), 5);
        QVERIFY(text != TodayDateText(d.addDays(1), cs));
    }

    void colourText_data()
    {
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<QString>("expected");
        QTest::newRow("red") << quint32(Rgb(255, 0, 0)) << u"Red"_s;
        QTest::newRow("navy") << quint32(Rgb(0, 0, 128)) << u"Navy"_s;
        QTest::newRow("white") << quint32(Rgb(255, 255, 255)) << u"White"_s;
        QTest::newRow("red first in the text") << quint32(Rgb(18, 52, 86)) << u"#123456"_s;
        QTest::newRow("leading zeros kept") << quint32(Rgb(1, 2, 10)) << u"#01020A"_s;
        QTest::newRow("not one of the sixteen") << quint32(Rgb(192, 220, 192)) << u"#C0DCC0"_s;
        QTest::newRow("top byte ignored") << quint32(0x01000000 | Rgb(255, 0, 0)) << u"Red"_s;
        QTest::newRow("top byte ignored in hex") << quint32(0x05000000 | Rgb(18, 52, 86))
                                                 << u"#123456"_s;
    }
    void colourText()
    {
        QFETCH(quint32, colour);
        QFETCH(QString, expected);
        QCOMPARE(ColourText(colour), expected);
    }

    void relativeLinkPath_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("expected");
        QTest::newRow("same folder") << u"/home/jan/web/~$index.htm~"_s
                                     << u"/home/jan/web/styl.css"_s << u"styl.css"_s;
        QTest::newRow("folder below") << u"/home/jan/web/~$index.htm~"_s
                                      << u"/home/jan/web/css/styl.css"_s << u"css/styl.css"_s;
        QTest::newRow("folder above") << u"/home/jan/web/sub/~$a.htm~"_s
                                      << u"/home/jan/web/styl.css"_s << u"../styl.css"_s;
        QTest::newRow("up two, down one") << u"/home/jan/web/a/b/~$x.htm~"_s
                                          << u"/home/jan/web/css/s.css"_s << u"../../css/s.css"_s;
        QTest::newRow("name prefix is no common folder")
            << u"/home/jan/web/~$x.htm~"_s << u"/home/jan/webstyl/s.css"_s
            << u"../webstyl/s.css"_s;
        QTest::newRow("program's style folder")
            << u"/home/jan/web/~$x.htm~"_s << u"/opt/vellomy/Styly/modry.css"_s
            << u"../../../opt/vellomy/Styly/modry.css"_s;
        QTest::newRow("folder names compared exactly")
            << u"/home/jan/Web/~$a.htm~"_s << u"/home/jan/web/a.css"_s << u"../web/a.css"_s;
        QTest::newRow("document at the root") << u"/~$a.htm~"_s << u"/x/a.css"_s << u"x/a.css"_s;
        QTest::newRow("dots in the chosen path") << u"/home/jan/web/~$a.htm~"_s
                                                 << u"/home/jan/web/./css/../a.css"_s << u"a.css"_s;
        QTest::newRow("backslashes read") << u"C:\\Web\\~$a.htm~"_s << u"C:\\Web\\Styly\\a.css"_s
                                          << u"Styly/a.css"_s;
        QTest::newRow("mixed separators") << u"C:/Web/sub\\~$a.htm~"_s << u"C:\\Web\\a.css"_s
                                          << u"../a.css"_s;
        QTest::newRow("drive letter case") << u"c:/web/~$a.htm~"_s << u"C:/web/a.css"_s
                                           << u"a.css"_s;
        QTest::newRow("document at a drive's root") << u"C:\\~$a.htm~"_s << u"C:\\Styly\\a.css"_s
                                                    << u"Styly/a.css"_s;
        QTest::newRow("other drive: full path") << u"C:\\Web\\~$a.htm~"_s << u"D:\\Styly\\a.css"_s
                                                << u"D:/Styly/a.css"_s;
        QTest::newRow("drive against root path: full path")
            << u"C:/Web/~$a.htm~"_s << u"/home/a.css"_s << u"/home/a.css"_s;
        QTest::newRow("no document folder") << QString() << u"/home/a.css"_s << u"/home/a.css"_s;
    }
    void relativeLinkPath()
    {
        QFETCH(QString, document);
        QFETCH(QString, file);
        QFETCH(QString, expected);
        QCOMPARE(RelativeLinkPath(document, file), expected);
    }

    void styleSheetLink_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("expected"); // empty: the head is missing

        const QString tail = u"\r\n<TITLE>x</TITLE>\r\n</HEAD>"_s;
        QTest::newRow("upper case")
            << u"<HTML>\r\n<HEAD>"_s + tail << u"styl.css"_s << u"U"_s
            << u"<HTML>\r\n<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" "
               "HREF=\"styl.css\">"_s + tail;
        QTest::newRow("lower case keeps the path's case")
            << u"<head>\r\n</head>"_s << u"Styly/Modry.css"_s << QString()
            << u"<head>\r\n<link type=\"text/css\" rel=\"stylesheet\" "
               "href=\"Styly/Modry.css\">\r\n</head>"_s;
        QTest::newRow("slash ending")
            << u"<HEAD></HEAD>"_s << u"a.css"_s << u"U/"_s
            << u"<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a.css\" /></HEAD>"_s;
        QTest::newRow("head with attributes")
            << u"<HEAD PROFILE=\"http://a/b\">\r\n</HEAD>"_s << u"a.css"_s << u"U"_s
            << u"<HEAD PROFILE=\"http://a/b\">\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" "
               "HREF=\"a.css\">\r\n</HEAD>"_s;
        QTest::newRow("a second sheet goes first")
            << u"<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a.css\">"_s
            << u"b.css"_s << u"U"_s
            << u"<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"b.css\">\r\n"
               "<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a.css\">"_s;
        QTest::newRow("quote and ampersand escaped")
            << u"<HEAD>"_s << u"a&b\".css"_s << u"U"_s
            << u"<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a&amp;b&quot;.css\">"_s;
        QTest::newRow("HEADER is no head") << u"<HEADER>x</HEADER>"_s << u"a.css"_s << u"U"_s
                                           << QString();
        QTest::newRow("no head") << u"<HTML><BODY></BODY></HTML>"_s << u"a.css"_s << u"U"_s
                                 << QString();
        QTest::newRow("empty document") << QString() << u"a.css"_s << u"U"_s << QString();
    }
    void styleSheetLink()
    {
        QFETCH(QString, document);
        QFETCH(QString, href);
        QFETCH(QString, flags);
        QFETCH(QString, expected);
        const TStyleSheetLink link = PlanStyleSheetLink(document, href, StyleFromFlags(flags));
        QCOMPARE(HasHeadSection(document), !expected.isEmpty());
        if (expected.isEmpty()) {
            QVERIFY(!link.ok);
            QCOMPARE(link.message, u"Dokument neobsahuje část <HEAD> nezbytnou pro přídání stylu"_s);
            return;
        }
        QVERIFY(link.ok);
        QCOMPARE(QString(document).insert(link.offset, link.text), expected);
    }

    void styleSheetDialogTexts()
    {
        QCOMPARE(StyleSheetFolder(), u"Styly"_s);
        QCOMPARE(StyleSheetFilter(), u"Soubor stylů(*.css)|*.css|Všechny soubory(*.*)|*.*"_s);
    }
};

QTEST_APPLESS_MAIN(TestInsertionCommands)
#include "tst_insertion_commands.moc"
