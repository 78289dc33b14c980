// The main window through its menus and buttons: the menu tree, the bands,
// the insertion commands on an open document, clipboard routing, printing,
// and the commands that wait for their features.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "editor/find_replace.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

// One line of the menu tree: depth, caption, component name (null: the
// design names none), shown or hidden. "—" is a separator; a caption
// starting with "~" only has to contain the rest; "*" is any caption,
// shown or not (the history fills those items).
struct MenuRow {
    int depth;
    const char16_t *caption;
    const char *name = nullptr;
    bool visible = true;
};

QString Format(int depth, const QString &caption, const char *name, bool visible)
{
    QString s = QString(depth * 2, u' ') + caption;
    if (name)
        s += u" ["_s + QString::fromLatin1(name) + u']';
    if (!visible)
        s += u" (hidden)"_s;
    return s;
}

// The tree below menu as the expected rows would write it.
void Walk(const QMenu *menu, int depth, QList<MenuRow>::const_iterator &expected,
          QList<MenuRow>::const_iterator end, QStringList *actual, QStringList *wanted)
{
    for (QAction *a : menu->actions()) {
        const MenuRow want = expected != end ? *expected++ : MenuRow{-1, u"(nothing)"};
        const QString wantCaption = QString::fromUtf16(want.caption);
        QString caption = a->isSeparator() ? u"—"_s : a->text().remove(u'&');
        bool visible = a->isVisible();
        if (wantCaption.startsWith(u'~') && caption.contains(wantCaption.mid(1)))
            caption = wantCaption;
        if (wantCaption == u"*"_s) {
            caption = wantCaption;
            visible = want.visible;
        }
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        const QByteArray latin = name.toLatin1();
        actual->append(Format(depth, caption, want.name ? latin.constData() : nullptr, visible));
        wanted->append(Format(want.depth, wantCaption, want.name, want.visible));
        QVERIFY2(a->shortcut().isEmpty(), qPrintable(caption)); // shortcuts come from the settings
        if (a->menu())
            Walk(a->menu(), depth + 1, expected, end, actual, wanted);
    }
}

// An insertion command and what it writes (typed from the command tables).
struct Insertion {
    const char *name;
    const char16_t *tab; // null: a menu item
    const char16_t *hint;
    const char16_t *open;
    const char16_t *close;
    int mode;
};

const Insertion kInsertions[] = {
    {"H11", nullptr, u"", u"<H1>", u"</H1>", 1},
    {"H21", nullptr, u"", u"<H2>", u"</H2>", 1},
    {"H31", nullptr, u"", u"<H3>", u"</H3>", 1},
    {"H41", nullptr, u"", u"<H4>", u"</H4>", 1},
    {"H51", nullptr, u"", u"<H5>", u"</H5>", 1},
    {"H61", nullptr, u"", u"<H6>", u"</H6>", 1},
    {"TABLE", nullptr, u"", u"<TABLE>", u"</TABLE>", 1},
    {"TR", nullptr, u"", u"<TR>", u"</TR>", 1},
    {"TD", nullptr, u"", u"<TD>", u"</TD>", 1},
    {"OL1", nullptr, u"", u"<OL>", u"</OL>", 1},
    {"UL1", nullptr, u"", u"<UL>", u"</UL>", 1},
    {"LI1", nullptr, u"", u"<LI>", u"</LI>", 1},
    {"B1", nullptr, u"", u"<B>", u"</B>", 1},
    {"I1", nullptr, u"", u"<I>", u"</I>", 1},
    {"U1", nullptr, u"", u"<U>", u"</U>", 1},
    {"STRIKE1", nullptr, u"", u"<STRIKE>", u"</STRIKE>", 1},
    {"HR3", nullptr, u"", u"<HR>", u"", 0},
    {"BIG1", nullptr, u"", u"<BIG>", u"</BIG>", 1},
    {"SMALL1", nullptr, u"", u"<SMALL>", u"</SMALL>", 1},
    {"SUP1", nullptr, u"", u"<SUP>", u"</SUP>", 1},
    {"SUB1", nullptr, u"", u"<SUB>", u"</SUB>", 1},
    {"BR1", nullptr, u"", u"<BR>", u"", 0},
    {"BLOCKQUOTE1", nullptr, u"", u"<BLOCKQUOTE>", u"</BLOCKQUOTE>", 1},
    {"CENTER1", nullptr, u"", u"<CENTER>", u"</CENTER>", 1},
    {"P1", nullptr, u"", u"<P>", u"</P>", 1},
    {"CITE1", nullptr, u"", u"<CITE>", u"</CITE>", 1},
    {"DIV1", nullptr, u"", u"<DIV>", u"</DIV>", 1},
    {"PRE1", nullptr, u"", u"<PRE>", u"</PRE>", 1},
    {"A", nullptr, u"", u"<A>", u"</A>", 1},
    {"IMG", nullptr, u"", u"<IMG>", u"", 0},
    {"Font", nullptr, u"", u"<FONT>", u"</FONT>", 1},
    {"BGSOUND1", nullptr, u"", u"<BGSOUND>", u"", 0},
    {"NezalomitelnMezera1", nullptr, u"", u"&nbsp;", u"", 0},
    {"Copyright1", nullptr, u"", u"&copy;", u"", 0},
    // The program writes the sign's code point: "&#153;" names a control
    // character that only some browsers show as the sign.
    {"rademark1", nullptr, u"", u"&#8482;", u"", 0},
    {"Registered1", nullptr, u"", u"&reg;", u"", 0},

    {"Fastp", u"Rychlá Volba", u"Odstavec", u"<P>", u"</P>", 1},
    {"Fastbr", u"Rychlá Volba", u"Konec řádku(BR)", u"<BR>", u"", 0},
    {"fastnb", u"Rychlá Volba", u"Nedělitelná mezera", u"&nbsp;", u"", 0},
    {"fastfont", u"Rychlá Volba", u"Font", u"<FONT>", u"</FONT>", 1},
    {"fastspan", u"Rychlá Volba", u"Použití Stylů(SPAN)", u"<SPAN>", u"</SPAN>", 1},
    {"fastb", u"Rychlá Volba", u"Tučné", u"<B>", u"</B>", 1},
    {"fasti", u"Rychlá Volba", u"Kurzíva", u"<I>", u"</I>", 1},
    {"fasta", u"Rychlá Volba", u"Odkaz(A)", u"<A>", u"</A>", 1},
    {"fastimg", u"Rychlá Volba", u"Obrázek(IMG)", u"<IMG>", u"", 0},
    {"Fastcomment", u"Rychlá Volba", u"Komentář", u"<!--", u"-->", 1},
    {"SpeedButton1", u"Rychlá Volba", u"Odkaz na Mail", u"<a href=\"mailto:\">", u"</a>", 1},
    // The centre texts are the settings, which the test sets (see below).
    {"SpeedButton5", u"Rychlá Volba", u"Zarovnat na střed", u"<DIV ALIGN=\"CENTER\">", u"</DIV>", 1},
    {"fastfont2", u"Font", u"Font", u"<FONT>", u"</FONT>", 1},
    {"fastspan2", u"Font", u"Použití stylů(SPAN)", u"<SPAN>", u"</SPAN>", 1},
    {"fastplus", u"Font", u"O úroveň větší font", u"<FONT SIZE=\"+1\">", u"</FONT>", 1},
    {"fastminus", u"Font", u"O úroveň menší font", u"<FONT SIZE=\"-1\">", u"</FONT>", 1},
    {"fasth1", u"Font", u"Nadpis úrovně 1", u"<H1>", u"</H1>", 1},
    {"fasth2", u"Font", u"Nadpis úrovně 2", u"<H2>", u"</H2>", 1},
    {"fasth3", u"Font", u"Nadpis úrovně 3", u"<H3>", u"</H3>", 1},
    {"fastb2", u"Font", u"Tučné", u"<B>", u"</B>", 1},
    {"fasti2", u"Font", u"Kurzíva", u"<I>", u"</I>", 1},
    {"fastsub", u"Font", u"Spodní index(SUB)", u"<SUB>", u"</SUB>", 1},
    {"fastsup", u"Font", u"Horní index(SUP)", u"<SUP>", u"</SUP>", 1},
    {"fasttd", u"Tabulky", u"Konec buňky tabulky(TD)", u"<TD>", u"</TD>", 1},
    {"fasttr", u"Tabulky", u"Konec řádku tabulky(TR)", u"<TR>", u"</TR>", 1},
    {"fastth", u"Tabulky", u"Hlavička tabulky(TH)", u"<TH>", u"</TH>", 1},
    {"fastul", u"Seznamy", u"Nečíslovaný seznam(UL)", u"<UL>", u"</UL>", 1},
    {"fastol", u"Seznamy", u"Číslovaný seznam(OL)", u"<OL>", u"</OL>", 1},
    {"fastli", u"Seznamy", u"Položka seznamu(LI)", u"<LI>", u"</LI>", 1},
    {"fstiframe", u"Rámce", u"Samostatný rám(IFRAME)", u"<IFRAME>", u"</IFRAME>", 1},
    {"fastframeset", u"Rámce", u"Soustava rámů(FRAMESET)", u"<FRAMESET>", u"</FRAMESET>", 1},
    {"fastframe", u"Rámce", u"Rám(FRAME)", u"<FRAME>", u"", 0},
    {"fastnoframe", u"Rámce", u"Bez rámů(NOFRAMES)", u"<NOFRAMES>", u"</NOFRAMES>", 1},
    {"fastform", u"Formuláře", u"Form", u"<FORM>", u"</FORM>", 1},
    {"fastsubmit", u"Formuláře", u"Submit", u"<INPUT TYPE=\"submit\">", u"", 0},
    {"fastreset", u"Formuláře", u"Reset", u"<INPUT TYPE=\"Reset\">", u"", 0},
    {"fastedit", u"Formuláře", u"Text", u"<INPUT TYPE=\"text\">", u"", 0},
    {"fasthide", u"Formuláře", u"Hidden", u"<INPUT TYPE=\"hidden\">", u"", 0},
    {"fasttextarea", u"Formuláře", u"Textarea", u"<TEXTAREA>", u"</TEXTAREA>", 1},
    {"fastradiob", u"Formuláře", u"Radiobutton", u"<INPUT TYPE=\"radio\">", u"", 0},
    {"fastcheckb", u"Formuláře", u"Checkbox", u"<INPUT TYPE=\"checkbox\">", u"", 0},
    {"SpeedButton4", u"Javascript", u"APPLET", u"<APPLET>", u"</APPLET>", 1},
    // PARAM is an empty element: the program writes no end tag after it.
    {"SpeedButton6", u"Javascript", u"PARAM", u"<PARAM>", u"", 0},
    {"SpeedButton7", u"Javascript", u"SCRIPT", u"<SCRIPT LANGUAGE=\"Javascript\">", u"</SCRIPT>", 1},
    {"SpeedButton8", u"Javascript", u"NOSCRIPT", u"<NOSCRIPT>", u"</NOSCRIPT>", 1},
    {"SpeedButton9", u"Javascript", u"document.write()", u"document.write()", u"", 0},
    {"SpeedButton10", u"Javascript", u"Komentář(/* */)", u"/*", u"*/", 1},
    {"SpeedButton11", u"Javascript", u"Logické AND", u"&&", u"", 0},
    {"SpeedButton14", u"Javascript", u"Logické OR", u"||", u"", 0},
    {"SpeedButton19", u"Javascript", u"Logické NOT", u"!", u"", 0},
    {"SpeedButton22", u"PHP", u"PHP skript (<? ?>)", u"<?", u"?>", 1},
    {"SpeedButton23", u"PHP", u"Výpis (echo)", u"echo ;", u"", 0},
    {"SpeedButton24", u"PHP", u"Logické AND", u"&&", u"", 0},
    {"SpeedButton25", u"PHP", u"Logické OR", u"||", u"", 0},
    {"SpeedButton26", u"PHP", u"Logické NOT", u"!", u"", 0},
    {"SpeedButton27", u"PHP", u"Komentář(/* */)", u"/*", u"*/", 1},
};

// Presses a menu item or a button by its component name.
bool Press(const QString &name)
{
    if (auto *b = Form1->findChild<QToolButton *>(name)) {
        b->click();
        return true;
    }
    if (auto *a = Form1->findChild<QAction *>(name)) {
        a->trigger();
        return true;
    }
    return false;
}

void ShowTab(int index)
{
    Form2->PageControl1->setCurrentIndex(index);
    Form2->PageControl1Change(index);
}

// The scripted dialogs with a colour answer.
class TColourDialogs : public TScriptedDialogs
{
public:
    std::optional<QColor> colour;
    std::optional<QColor> GetColor(const QColor &) override
    {
        asked << u"color"_s;
        return colour;
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<MenuRow>)

// Receives what the program hands to the system's browser.
class TUrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    void openDocument(const QByteArray &text)
    {
        OpenDocument(fx->writeDoc(u"a.htm"_s, text));
        QVERIFY(Docs.HasDocuments());
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        // The design's markup style: texts go in as written.
        Form13->Useuppercase->setChecked(true);
        Form13->usestrong->setChecked(false);
        Form13->useem->setChecked(false);
        Form13->usedivonendoftag->setChecked(false);
    }
    void cleanup() { fx.reset(); }

    void menuTree_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<MenuRow>>("rows");
        QTest::newRow("Soubor") << u"Soubor"_s << QList<MenuRow>{
            {0, u"Nový...", "Nov1"},
            {0, u"Otevřít...", "Otevt1"},
            {0, u"Otevřít Projekt...", "OtevtProjekt1"},
            {0, u"Znovu Otervřít", "ZnovuOpen"},
            {1, u"*", "N11"}, {1, u"*", "N21"}, {1, u"*", "N31"}, {1, u"*", "N6"},
            {1, u"*", "N41"}, {1, u"*", "N51"}, {1, u"*", "N61"}, {1, u"*", "N71"},
            {1, u"*", "N81"}, {1, u"*", "N91"}, {1, u"*", "N101"},
            {0, u"—"},
            {0, u"Uložit", "Ulozit"},
            {0, u"Uložit Jako...", "Ulozitjako"},
            {0, u"Uložit Jako Šablonu...", "UloitJakoablonu1"},
            {0, u"Uložit Projekt...", "Ulozitprojekt"},
            {0, u"Uložit Vše", "Ulozvse"},
            {0, u"—"},
            {0, u"Zavřít", "Zavri"},
            {0, u"Zavři Vše", "Zavrivse"},
            {0, u"—"},
            {0, u"Tisk...", "Tisk"},
            {0, u"—"},
            {0, u"Konec", "Konec1"},
        };
        QTest::newRow("Úpravy") << u"Úpravy"_s << QList<MenuRow>{
            {0, u"Zpět", "Zpt1"},
            {0, u"—"},
            {0, u"Vyjmout", "Kopruj1"},
            {0, u"Kopírovat", "Kopruj2"},
            {0, u"Vložit", "Vlo1"},
            {0, u"Smazat", "Sma1"},
            {0, u"Vybrat Vše", "VyberVe1"},
            {0, u"—"},
            {0, u"Najít...", "Najt1"},
            {0, u"Najít Další", "Nahradit1"},
            {0, u"Nahradit...", "Nahradit2"},
        };
        QTest::newRow("Zobrazit") << u"Zobrazit"_s << QList<MenuRow>{
            {0, u"Pracovní Plocha", "PracovnPlocha1"},
            {0, u"Pracovní Panel", "PraconPanel1"},
            {0, u"Obnovovaný Návrh", "ObnovovanNvrh1"},
            {0, u"Seznam Znaků", "Seznamznak1"},
            {0, u"Prepnout na HTML", "P2", false},
            {0, u"PRepnout na nahled", "Q1", false},
        };
        QTest::newRow("Formát") << u"Formát"_s << QList<MenuRow>{
            {0, u"Kaskádové Styly"},
            {1, u"Připojit Styl ze Souboru...", "PipojitStylZeSouboru1"},
            {0, u"—"},
            {0, u"Zmenšit Text", "ZmensitText1"},
            {0, u"Zvetšit Text", "ZvetsitText1"},
            {0, u"Tagy Na Velké", "UpravitTagynavelkapismena1"},
            {0, u"Tagy Na Malé", "agyNaMal1"},
        };
        QTest::newRow("HTML") << u"HTML"_s << QList<MenuRow>{
            {0, u"Tagy"},
            {1, u"Nadpisy"},
            {2, u"<H1>", "H11"}, {2, u"<H2>", "H21"}, {2, u"<H3>", "H31"},
            {2, u"<H4>", "H41"}, {2, u"<H5>", "H51"}, {2, u"<H6>", "H61"},
            {1, u"Tabulky"},
            {2, u"<TABLE>", "TABLE"}, {2, u"<TR>", "TR"}, {2, u"<TD>", "TD"},
            {1, u"Seznamy"},
            {2, u"<OL>", "OL1"}, {2, u"<UL>", "UL1"}, {2, u"<LI>", "LI1"},
            {1, u"Styl"},
            {2, u"<B>", "B1"}, {2, u"<I>", "I1"}, {2, u"<U>", "U1"},
            {2, u"<STRIKE>", "STRIKE1"}, {2, u"<HR>", "HR3"}, {2, u"<BIG>", "BIG1"},
            {2, u"<SMALL>", "SMALL1"}, {2, u"<SUP>", "SUP1"}, {2, u"<SUB>", "SUB1"},
            {1, u"Formát"},
            {2, u"<BR>", "BR1"}, {2, u"<BLOCKQUOTE>", "BLOCKQUOTE1"}, {2, u"<CENTER>", "CENTER1"},
            {2, u"<P>", "P1"}, {2, u"<CITE>", "CITE1"}, {2, u"<DIV>", "DIV1"}, {2, u"<PRE>", "PRE1"},
            {1, u"<A>", "A"}, {1, u"<IMG>", "IMG"}, {1, u"<FONT>", "Font"},
            {1, u"<BGSOUND>", "BGSOUND1"},
            {0, u"Speciální Znaky"},
            {1, u"Nezalomitelná Mezera", "NezalomitelnMezera1"},
            {1, u"Copyright ©", "Copyright1"},
            {1, u"Trademark ™", "rademark1"},
            {1, u"Registered ®", "Registered1"},
            {0, u"Vytvořit Image Mapu", "VytvoitImageMapu1"},
            {0, u"Editovat Image Mapu", "EditovatImageMapu1"},
            {0, u"Vložit Barvu"},
            {1, u"Vlastní...", "Vlastn1"},
            {1, u"Z Palety...", "ZPalety1"},
            {0, u"Zobrazit Náhled", "ZobrazitNhled1"},
            {0, u"Vložit"},
            {1, u"Dnešní Datum", "DnenDatum1"},
            {1, u"~Vellomy"},
            {0, u"Záložky"},
            {1, u"Záložka 0", "Bookmark01"}, {1, u"Záložka 1", "Bookmark11"},
            {1, u"Záložka 2", "Bookmark21"}, {1, u"Záložka 3", "Bookmark31"},
            {1, u"Záložka 4", "Bookmark41"}, {1, u"Záložka 5", "Bookmark51"},
            {1, u"Záložka 6", "Bookmark61"}, {1, u"Záložka 7", "Bookmark71"},
            {1, u"Záložka 8", "Bookmark81"}, {1, u"Záložka 9", "Bookmark91"},
        };
        QTest::newRow("Nastavení") << u"Nastavení"_s << QList<MenuRow>{
            {0, u"Uživatelská...", "Uivatelsk1"},
            {0, u"Konvertor Souborů...", "KonvertorSoubor2"},
            {0, u"Externí Prohližeče...", "ExternProhliee2"},
        };
        QTest::newRow("Nápověda") << u"Nápověda"_s << QList<MenuRow>{
            {0, u"~Vellomy"},
            {0, u"Syntaxe HTML", "SyntaxeHTML1"},
            {0, u"—"},
            {0, u"Aktualizace", "Aktualizace1"},
            {0, u"O Programu", "OProgramu1"},
        };
    }

    void menuTree()
    {
        QFETCH(QString, title);
        QFETCH(QList<MenuRow>, rows);
        const QMenu *menu = nullptr;
        for (QAction *a : Form1->menuBar()->actions()) {
            if (a->menu() && a->text().remove(u'&') == title)
                menu = a->menu();
        }
        QVERIFY(menu);
        QStringList actual, wanted;
        auto it = std::as_const(rows).begin();
        Walk(menu, 0, it, std::as_const(rows).end(), &actual, &wanted);
        while (it != std::as_const(rows).end()) {
            wanted << Format(it->depth, QString::fromUtf16(it->caption), it->name, it->visible);
            ++it;
        }
        QCOMPARE(actual, wanted);
    }

    void menuBarOrder()
    {
        QStringList titles;
        for (QAction *a : Form1->menuBar()->actions())
            titles << a->text().remove(u'&');
        QCOMPARE(titles, (QStringList{u"Soubor"_s, u"Úpravy"_s, u"Zobrazit"_s, u"Formát"_s,
                                      u"HTML"_s, u"Nastavení"_s, u"Nápověda"_s}));
        QVERIFY(Form1->Seznamznak1->isCheckable());
        QVERIFY(Form1->Seznamznak1->isChecked());
    }

    void bandButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("hint");
        const auto row = [](const char *name, const char *band, const QString &hint) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(band) << hint;
        };
        row("Newfile", "ToolBar1", u"Nový Soubor..."_s);
        row("Openfile", "ToolBar1", u"Otevřít Soubor..."_s);
        row("Savefile", "ToolBar1", u"Uložit"_s);
        row("Saveall", "ToolBar1", u"Uložit Vše"_s);
        row("SpeedButton18", "ToolBar1", u"Zpět"_s);
        row("SpeedButton12", "ToolBar1", u"Najít..."_s);
        row("SpeedButton13", "ToolBar1", u"Nahradit..."_s);
        row("SpeedButton15", "ToolBar1", u"Zobrazit Pracovní plochu"_s);
        row("SpeedButton16", "ToolBar1", u"Zbrazit Pracovní panel"_s);
        row("SpeedButton17", "ToolBar1", u"Zobrazit Obnovovaný náhled"_s);
        row("SpeedButton2", "ToolBar1", u"Vytvořit Image Mapu"_s);
        row("SpeedButton3", "ToolBar1", u"Editovat Image Mapu"_s);
        row("Preview", "ToolBar2", u"Náhled"_s);
        row("SpeedButton21", "ToolBar2", u"Obnovovaný Náhled"_s);
    }

    void bandButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, band);
        QFETCH(QString, hint);
        auto *button = Form1->findChild<QToolButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->parentWidget()->objectName(), band);
        QCOMPARE(button->toolTip(), hint);
        QCOMPARE(button->accessibleName(), hint);
    }

    void bandsAndTabs()
    {
        QCOMPARE(Form1->ToolBar1->windowTitle(), u"Standart"_s);
        QCOMPARE(Form1->ToolBar2->windowTitle(), u"Jiné"_s);
        QCOMPARE(Form1->ToolBar3->windowTitle(), u"Panel Zástupců"_s);
        QCOMPARE(Form1->ShortcutButtons.size(), 7);
        for (QToolButton *b : std::as_const(Form1->ShortcutButtons)) {
            QCOMPARE(b->parentWidget(), Form1->ToolBar3);
            QCOMPARE(b->toolTip(), u"Do těchto tlačítek si můžete umístit zástupce na vaše oblíbené "
                                   u"programy(Stačí stisknou pravé tlačítko myši)"_s);
            QVERIFY(b->isEnabled());
        }
        QStringList tabs;
        for (int i = 0; i < Form1->Pagecontrol2->count(); ++i)
            tabs << Form1->Pagecontrol2->tabText(i);
        QCOMPARE(tabs, (QStringList{u"Rychlá Volba"_s, u"Font"_s, u"Tabulky"_s, u"Seznamy"_s,
                                    u"Rámce"_s, u"Formuláře"_s, u"Javascript"_s, u"PHP"_s}));
    }

    // Two rows of bands on the left, the tabs over both rows on the right,
    // and nothing cut off by the strip's fixed height.
    void controlBarLayout()
    {
        const QRect one = Form1->ToolBar1->geometry();
        const QRect two = Form1->ToolBar2->geometry();
        const QRect three = Form1->ToolBar3->geometry();
        const QRect tabs = Form1->Pagecontrol2->geometry();
        QVERIFY(two.top() >= one.bottom());
        QCOMPARE(three.top(), two.top());
        QVERIFY(three.left() >= two.right());
        QVERIFY(tabs.left() > qMax(one.right(), three.right()));
        QVERIFY(tabs.top() <= one.top());
        QVERIFY(tabs.bottom() >= two.bottom() - 1);
        const int bottom = Form1->ControlBar1->height();
        QVERIFY(two.bottom() < bottom);
        QVERIFY(tabs.bottom() < bottom);
        for (int i = 0; i < Form1->Pagecontrol2->count(); ++i) {
            Form1->Pagecontrol2->setCurrentIndex(i);
            QCoreApplication::processEvents();
            for (auto *b : Form1->Pagecontrol2->widget(i)->findChildren<QToolButton *>()) {
                const QPoint low = b->mapTo(Form1->ControlBar1, QPoint(0, b->height() - 1));
                QVERIFY2(low.y() < bottom, qPrintable(b->objectName()));
                QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
            }
        }
    }

    void insertion_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("expected");
        for (const Insertion &c : kInsertions) {
            const QString open = QString::fromUtf16(c.open);
            const QString close = QString::fromUtf16(c.close);
            // "b" is selected in "abc": wrapping surrounds it, inserting goes
            // after it.
            const QString expected = c.mode == 1 ? u"a"_s + open + u"b"_s + close + u"c"_s
                                                 : u"ab"_s + open + close + u"c"_s;
            QTest::newRow(c.name) << QString::fromLatin1(c.name)
                                  << (c.tab ? QString::fromUtf16(c.tab) : QString())
                                  << QString::fromUtf16(c.hint) << expected;
        }
    }

    void insertion()
    {
        QFETCH(QString, name);
        QFETCH(QString, tab);
        QFETCH(QString, hint);
        QFETCH(QString, expected);
        Form13->aligncenter1->setText(u"<DIV ALIGN=\"CENTER\">"_s);
        Form13->aligncenter2->setText(u"</DIV>"_s);
        openDocument("abc");
        THTMLEdit *editor = Form2->HTMLEditor1;
        editor->SetSelStart(1);
        editor->SetSelLength(1);
        if (!tab.isEmpty()) {
            QToolButton *button = Form1->QuickButton(name);
            QVERIFY(button);
            QCOMPARE(button->objectName(), name);
            QCOMPARE(button->toolTip(), hint);
            QCOMPARE(Form1->Pagecontrol2->tabText(Form1->Pagecontrol2->indexOf(button->parentWidget())),
                     tab);
            QVERIFY(button->isEnabled());
            button->click();
        } else {
            QAction *item = Form1->findChild<QAction *>(name);
            QVERIFY(item);
            QVERIFY(item->isEnabled());
            item->trigger();
        }
        QCOMPARE(editor->Text(), expected);
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void insertionNeedsADocument()
    {
        const QString before = Form2->HTMLEditor1->Text();
        for (const Insertion &c : kInsertions)
            QVERIFY(Press(QString::fromLatin1(c.name)));
        Press(u"DnenDatum1"_s);
        QCOMPARE(Form2->HTMLEditor1->Text(), before);
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void todayDate()
    {
        openDocument("abc");
        Form2->HTMLEditor1->SetSelStart(3);
        Form1->DnenDatum1->trigger();
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(Form2->HTMLEditor1->Text(), u"abc"_s + date);
    }

    void customColour_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QColor>("chosen"); // invalid: the dialog is cancelled
        QTest::addColumn<QString>("expected");
        QTest::newRow("named colour on the source tab") << 0 << QColor(255, 0, 0) << u"abRedc"_s;
        QTest::newRow("other colour as hex") << 0 << QColor(0x12, 0x34, 0xAB) << u"ab#1234ABc"_s;
        QTest::newRow("preview tab takes nothing") << 1 << QColor(255, 0, 0) << u"abc"_s;
        QTest::newRow("cancelled") << 0 << QColor() << u"abc"_s;
    }

    void customColour()
    {
        QFETCH(int, tab);
        QFETCH(QColor, chosen);
        QFETCH(QString, expected);
        auto dialogs = std::make_unique<TColourDialogs>();
        TColourDialogs *d = dialogs.get();
        if (chosen.isValid())
            d->colour = chosen;
        SetDialogs(std::move(dialogs));
        openDocument("abc");
        ShowTab(tab);
        Form2->HTMLEditor1->SetSelStart(1);
        Form2->HTMLEditor1->SetSelLength(1);
        Form1->Vlastn1->trigger();
        QCOMPARE(d->asked, QStringList{u"color"_s});
        QCOMPARE(Form2->HTMLEditor1->Text(), expected);
    }

    void attachStyleSheet_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("chosen"); // below the documents' folder; empty: cancelled
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QString>("expected");
        const QString head = u"<HTML><HEAD>\r\n</HEAD></HTML>"_s;
        QTest::newRow("linked relative to the document")
            << head.toLatin1() << 0 << u"styly/main.css"_s << QStringList{u"open"_s}
            << u"<HTML><HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"styly/main.css\">"
               u"\r\n</HEAD></HTML>"_s;
        QTest::newRow("no head section")
            << QByteArray("<HTML><BODY></BODY></HTML>") << 0 << u"x.css"_s
            << QStringList{u"info: Dokument neobsahuje část <HEAD> nezbytnou pro přídání stylu"_s}
            << u"<HTML><BODY></BODY></HTML>"_s;
        QTest::newRow("cancelled") << head.toLatin1() << 0 << QString() << QStringList{u"open"_s}
                                   << head;
        QTest::newRow("only on the source tab") << head.toLatin1() << 1 << u"x.css"_s
                                                << QStringList() << head;
    }

    void attachStyleSheet()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, tab);
        QFETCH(QString, chosen);
        QFETCH(QStringList, asked);
        QFETCH(QString, expected);
        openDocument(document);
        ShowTab(tab);
        if (!chosen.isEmpty())
            fx->dialogs->openAnswers << QStringList{fx->docDir() + u'/' + chosen};
        Form1->PipojitStylZeSouboru1->trigger();
        QStringList seen = fx->dialogs->asked;
        for (QString &s : seen) {
            if (s.startsWith(u"open: "_s))
                s = u"open"_s;
        }
        QCOMPARE(seen, asked);
        QCOMPARE(Form2->HTMLEditor1->Text(), expected);
        if (asked == QStringList{u"open"_s}) {
            const TFileRequest &r = fx->dialogs->requests.constFirst();
            QCOMPARE(QDir::cleanPath(r.initialDir), QDir::cleanPath(fx->programDir() + u"/Styly"_s));
            QCOMPARE(r.filter, u"Soubor stylů(*.css)|*.css|Všechny soubory(*.*)|*.*"_s);
        }
    }

    void clipboard_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("translatorFocused");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("source");      // HTMLEditor1 afterwards
        QTest::addColumn<QString>("sourceSel");   // its selected text
        QTest::addColumn<QString>("translator");  // HTMLEditor2 afterwards
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("raised");
        // Source "alfa beta" with "beta" selected; translator "gama delta"
        // with "delta" selected; the clipboard holds "XY".
        QTest::newRow("cut on the source tab") << 0 << false << u"Kopruj1"_s << u"alfa "_s
                                               << QString() << u"gama delta"_s << u"beta"_s << true;
        QTest::newRow("copy on the source tab") << 0 << false << u"Kopruj2"_s << u"alfa beta"_s
                                                << u"beta"_s << u"gama delta"_s << u"beta"_s << true;
        QTest::newRow("paste on the source tab") << 0 << false << u"Vlo1"_s << u"alfa XY"_s
                                                 << QString() << u"gama delta"_s << u"XY"_s << true;
        QTest::newRow("delete on the source tab") << 0 << false << u"Sma1"_s << u"alfa "_s
                                                  << QString() << u"gama delta"_s << u"XY"_s << true;
        QTest::newRow("select all on the preview tab acts on the source")
            << 1 << false << u"VyberVe1"_s << u"alfa beta"_s << u"alfa beta"_s << u"gama delta"_s
            << u"XY"_s << true;
        QTest::newRow("cut in the translator editor") << 2 << true << u"Kopruj1"_s << u"alfa beta"_s
                                                      << u"beta"_s << u"gama "_s << u"delta"_s << false;
        QTest::newRow("paste in the translator editor") << 2 << true << u"Vlo1"_s << u"alfa beta"_s
                                                        << u"beta"_s << u"gama XY"_s << u"XY"_s << false;
        QTest::newRow("translator tab, its editor without focus")
            << 2 << false << u"Sma1"_s << u"alfa beta"_s << u"beta"_s << u"gama delta"_s << u"XY"_s
            << false;
    }

    void clipboard()
    {
        QFETCH(int, tab);
        QFETCH(bool, translatorFocused);
        QFETCH(QString, command);
        QFETCH(QString, source);
        QFETCH(QString, sourceSel);
        QFETCH(QString, translator);
        QFETCH(QString, clipboard);
        QFETCH(bool, raised);
        openDocument("alfa beta");
        ShowTab(tab);
        THTMLEdit *e1 = Form2->HTMLEditor1;
        THTMLEdit *e2 = Form2->HTMLEditor2;
        e1->SetSelStart(5);
        e1->SetSelLength(4);
        e2->SetText(u"gama delta"_s);
        e2->SetSelStart(5);
        e2->SetSelLength(5);
        if (translatorFocused)
            e2->setFocus();
        else
            Form2->PageControl1->setFocus();
        QGuiApplication::clipboard()->setText(u"XY"_s);
        Form1->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(Form1));

        QVERIFY(Press(command));
        QCOMPARE(e1->Text(), source);
        QCOMPARE(e1->SelText(), sourceSel);
        QCOMPARE(e2->Text(), translator);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        if (raised)
            QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(Form2));
    }

    void clipboardLeavesTheInactiveEditor()
    {
        const QString before = Form2->HTMLEditor1->Text();
        QGuiApplication::clipboard()->setText(u"XY"_s);
        Form1->VyberVe1->trigger();
        Form1->Vlo1->trigger();
        Form1->Sma1->trigger();
        Form1->Kopruj1->trigger();
        QCOMPARE(Form2->HTMLEditor1->Text(), before);
        QVERIFY(!Form2->HTMLEditor1->Modified());
    }

    void print_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("document");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("no printer") << false << true
                                    << QStringList{u"info: Není přítomna žádná tiskárna!"_s};
        QTest::newRow("printer, no document") << true << false << QStringList();
        QTest::newRow("printer and document") << true << true << QStringList{u"printer"_s};
    }

    void print()
    {
        QFETCH(bool, printer);
        QFETCH(bool, document);
        QFETCH(QStringList, asked);
        if (QPrinterInfo::availablePrinterNames().isEmpty() == printer)
            QSKIP("this row needs the other printer situation");
        if (document)
            openDocument("abc");
        Form1->Tisk->trigger();
        QCOMPARE(fx->dialogs->asked, asked);
    }

    void viewCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("tab");
        QTest::newRow("Syntaxe HTML") << u"SyntaxeHTML1"_s << 0 << 3;
        QTest::newRow("Prepnout na HTML") << u"P2"_s << 3 << 0;
        QTest::newRow("PRepnout na nahled") << u"Q1"_s << 0 << 1;
    }

    void viewCommands()
    {
        QFETCH(QString, command);
        QFETCH(int, from);
        QFETCH(int, tab);
        openDocument("abc");
        ShowTab(from);
        QVERIFY(Press(command));
        QCOMPARE(Form2->PageControl1->currentIndex(), tab);
        if (tab == 0)
            QCOMPARE(Form2->focusWidget(), static_cast<QWidget *>(Form2->HTMLEditor1));
    }

    void characterBarFollowsItsItem()
    {
        QVERIFY(!Form2->StringGrid2->isHidden());
        Form1->Seznamznak1->trigger();
        QVERIFY(Form2->StringGrid2->isHidden());
        QVERIFY(!Form1->Seznamznak1->isChecked());
        Form1->Seznamznak1->trigger();
        QVERIFY(!Form2->StringGrid2->isHidden());
        QVERIFY(Form1->Seznamznak1->isChecked());
    }

    void windowCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("Pracovní Plocha") << u"PracovnPlocha1"_s << u"Form2"_s;
        QTest::newRow("SpeedButton15") << u"SpeedButton15"_s << u"Form2"_s;
        QTest::newRow("Pracovní Panel") << u"PraconPanel1"_s << u"Form3"_s;
        QTest::newRow("SpeedButton16") << u"SpeedButton16"_s << u"Form3"_s;
    }

    void windowCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QWidget *target = window == u"Form2"_s ? static_cast<QWidget *>(Form2)
                                                : static_cast<QWidget *>(Form3);
        target->hide();
        Form1->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(Form1));
        QVERIFY(Press(command));
        QVERIFY(target->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), target);
    }

    void caseCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("expected");
        // "<p class=x>Ab</p>" with "Ab" selected for the text commands.
        QTest::newRow("Tagy Na Velké") << u"UpravitTagynavelkapismena1"_s << u"<P CLASS=X>Ab</P>"_s;
        QTest::newRow("Tagy Na Malé") << u"agyNaMal1"_s << u"<p class=x>Ab</p>"_s;
        QTest::newRow("Zvetšit Text") << u"ZvetsitText1"_s << u"<p class=x>AB</p>"_s;
        QTest::newRow("Zmenšit Text") << u"ZmensitText1"_s << u"<p class=x>ab</p>"_s;
    }

    void caseCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, expected);
        openDocument("<p class=x>Ab</p>");
        THTMLEdit *e = Form2->HTMLEditor1;
        if (command.contains(u"Text"_s)) {
            e->SetSelStart(11);
            e->SetSelLength(2);
        } else {
            e->SetSelStart(0);
        }
        QVERIFY(Press(command));
        QCOMPARE(e->Text(), expected);
    }

    void findCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("replace");
        QTest::newRow("Najít...") << u"Najt1"_s << false;
        QTest::newRow("SpeedButton12") << u"SpeedButton12"_s << false;
        QTest::newRow("Nahradit...") << u"Nahradit2"_s << true;
        QTest::newRow("SpeedButton13") << u"SpeedButton13"_s << true;
    }

    void findCommands()
    {
        QFETCH(QString, command);
        QFETCH(bool, replace);
        openDocument("abc");
        ShowTab(0);
        QVERIFY(Press(command));
        QWidget *dialog = replace ? static_cast<QWidget *>(ReplaceDialog1())
                                  : static_cast<QWidget *>(FindDialog1());
        QVERIFY(dialog->isVisible());
    }

    void findNextSelectsTheNextMatch()
    {
        openDocument("ab ab ab");
        FindDialog1()->FindWhat->setText(u"ab"_s);
        Form2->HTMLEditor1->SetSelStart(1);
        Form1->Nahradit1->trigger();
        QCOMPARE(Form2->HTMLEditor1->SelStart(), 3);
        QCOMPARE(Form2->HTMLEditor1->SelLength(), 2);
    }

    void openButtonOpens()
    {
        Form1->Openfile->click();
        QCOMPARE(fx->dialogs->asked, QStringList{u"open: Otevřít Soubor"_s});
    }

    void updatesOpenTheMakersPage()
    {
        TUrlCatcher catcher;
        QDesktopServices::setUrlHandler(u"https"_s, &catcher, "open");
        QDesktopServices::setUrlHandler(u"http"_s, &catcher, "open");
        Form1->Aktualizace1->trigger();
        QDesktopServices::unsetUrlHandler(u"https"_s);
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QCOMPARE(catcher.urls.size(), 1);
        QVERIFY(catcher.urls.first().isValid());
        QVERIFY(catcher.urls.first().host().contains(u"vellomy"_s));
    }

    void commandState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        // Disabled at start: nothing to undo yet.
        for (const char *name :
             {"Zpt1", "SpeedButton18"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
        // Disabled at start: enabled only while the caret is on a MAP tag.
        for (const char *name : {"EditovatImageMapu1", "SpeedButton3"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
        // Working now.
        for (const char *name :
             {"Otevt1", "Openfile", "OtevtProjekt1", "Ulozit", "Savefile", "Saveall", "Zavri", "Tisk",
              "Konec1", "Kopruj1", "Kopruj2", "Vlo1", "Sma1", "VyberVe1", "PracovnPlocha1",
              "SpeedButton15", "PraconPanel1", "SpeedButton16", "Seznamznak1",
              "PipojitStylZeSouboru1", "Vlastn1", "DnenDatum1", "SyntaxeHTML1", "Aktualizace1",
              "Najt1", "Nahradit1", "Nahradit2", "SpeedButton12", "SpeedButton13", "ZmensitText1",
              "ZvetsitText1", "UpravitTagynavelkapismena1", "agyNaMal1", "Bookmark01", "Bookmark51", "Uivatelsk1",
              "Bookmark91", "ObnovovanNvrh1", "SpeedButton17", "SpeedButton21", "ZobrazitNhled1",
              "Preview", "ExternProhliee2", "Nov1", "Newfile", "UloitJakoablonu1", "ZPalety1",
              "JakpracovatsVellomy1", "SpeedButton20", "OProgramu1", "KonvertorSoubor2",
              "VytvoitImageMapu1", "SpeedButton2", "fasttable", "Fasttablesize"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
    }

    void commandState()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QObject *o = Form1->findChild<QObject *>(name);
        QVERIFY2(o, qPrintable(name));
        QCOMPARE(o->property("enabled").toBool(), enabled);
        if (name == u"SpeedButton20"_s)
            QCOMPARE(Form1->JakpracovatsVellomy1->isEnabled(), enabled);
    }

    void tableButtonsKeepTheirHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("fasttable") << u"fasttable"_s << u"Tabulka(TABLE)"_s;
        QTest::newRow("Fasttablesize") << u"Fasttablesize"_s << u"Vložit buňky tabulky"_s;
    }

    void tableButtonsKeepTheirHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        QToolButton *b = Form1->QuickButton(name);
        QVERIFY(b);
        QCOMPARE(b->toolTip(), hint);
        QCOMPARE(Form1->Pagecontrol2->tabText(Form1->Pagecontrol2->indexOf(b->parentWidget())),
                 u"Tabulky"_s);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
