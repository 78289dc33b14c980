// The HTML Translator tab on the real windows, with the visual editor in the
// real browser engine.
#include "app/application.h"
#include "app/f_main.h"
#include "colours/palette_hand_off.h"
#include "documents/document_commands.h"
#include "documents/document_table.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "markup/tablesize.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "translator/dhtml_safe.h"
#include "translator/html_translator.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <functional>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int PageWait = 60000;
constexpr int StateWait = 10000;

int Count(const QString &text, const QString &what)
{
    return int(text.count(what));
}

} // namespace

class TestHtmlTranslator : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    THTMLTranslator *tt = nullptr;
    TDHTMLSafe *visual = nullptr;

    // A document open and the translator tab entered as the user does.
    void enterTab(const QByteArray &doc = "<P>doc</P>\r\n")
    {
        OpenDocument(fx->writeDoc(u"a.htm"_s, doc));
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        tt = Form2->Translator;
        visual = tt->DHTMLEdit1;
    }

    // The code pushed to the visual editor and its page ready.
    bool load(const QString &code)
    {
        tt->HTMLEditor2->SetText(code);
        QSignalSpy changed(visual, &TDHTMLSafe::OnDisplayChanged);
        tt->SpeedButton33->click();
        return QTest::qWaitFor([&] { return visual->Ready(); }, PageWait);
    }

    bool select(const QString &text)
    {
        visual->SelectText(text);
        return QTest::qWaitFor([&] { return visual->QueryStatus(DECMD::BOLD) >= DECMDF::ENABLED; }, StateWait);
    }

    bool selectCell(int index)
    {
        visual->SelectCell(index);
        return QTest::qWaitFor([&] { return visual->QueryStatus(DECMD::INSERTROW) == DECMDF::ENABLED; }, StateWait);
    }

    // Runs a command and waits for the state it leads to.
    bool run(int command, const QVariant &in, const std::function<bool()> &done)
    {
        visual->ExecCommand(command, in);
        return QTest::qWaitFor(done, StateWait);
    }

    QString pulled()
    {
        tt->SpeedButton34->click();
        return tt->HTMLEditor2->Text();
    }

    // The pulled code without its line layout, for checks of its structure.
    QString flatPulled() { return pulled().remove(u"\r\n"_s); }

    void markupStyle(bool strong, bool em, bool upper)
    {
        (strong ? Form13->usestrong : Form13->RadioButton3)->setChecked(true);
        (em ? Form13->useem : Form13->RadioButton2)->setChecked(true);
        Form13->Useuppercase->setChecked(upper);
    }

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup()
    {
        tt = nullptr;
        visual = nullptr;
        fx.reset();
    }

    void tabControlsCarryTheirCaptionsAndHints()
    {
        enterTab();
        QCOMPARE(tt->GroupBox1->title(), u"Nastavení Body(Nemá vliv na výstupní kód)"_s);
        QCOMPARE(tt->GroupBox2->title(), u"Editor Formátovaného Textu"_s);
        QCOMPARE(tt->GroupBox3->title(), u"Editor Kódu (Vloží barvu)"_s);
        QCOMPARE(tt->Button1->text(), u"Vložit do kódu (Na pozici kurzoru)"_s);
        QCOMPARE(tt->Label6->text(), u"Editor Kódu (Pouze část BODY)"_s);
        const QList<std::pair<QToolButton *, QString>> hints{
            {tt->SpeedButton30, u"Tučné písmo"_s}, {tt->SpeedButton31, u"Kurzíva"_s},
            {tt->SpeedButton32, u"Podtržení"_s}, {tt->SpeedButton37, u"Zarovnat vlevo"_s},
            {tt->SpeedButton38, u"Zarovnat na střed"_s}, {tt->SpeedButton39, u"Zarovnat vpravo"_s},
            {tt->SpeedButton28, u"Vložit obrázek..."_s}, {tt->SpeedButton46, u"Vložit Tabulku"_s},
            {tt->SpeedButton47, u"Vložit řadu"_s}, {tt->SpeedButton48, u"Vložit sloupec"_s},
            {tt->SpeedButton49, u"Vložit buňku"_s}, {tt->SpeedButton50, u"Smazat řadu"_s},
            {tt->SpeedButton51, u"Smazat sloupec"_s}, {tt->SpeedButton52, u"Smazat buňku"_s},
            {tt->SpeedButton53, u"Rozdělit buňku"_s}, {tt->SpeedButton54, u"Sloučit buňky"_s},
            {tt->SpeedButton40, u"Vložit barvu z palety"_s}, {tt->SpeedButton41, u"Vložit vlastní barvu"_s},
            {tt->SpeedButton44, u"Vložit barvu z palety"_s}, {tt->SpeedButton45, u"Vložit vlastní barvu"_s},
        };
        for (const auto &[button, hint] : hints)
            QCOMPARE(button->toolTip(), hint);
        QCOMPARE(tt->CodeColourButtons.size(), 17);
        QCOMPARE(tt->ComboBox6->count(), 7);
        QCOMPARE(tt->ComboBox1->count(), 16);
        // Entering the tab: the first paragraph and the BODY settings' start.
        QCOMPARE(tt->HTMLEditor2->Text(), u"<P>&nbsp;</P>"_s);
        QCOMPARE(tt->ComboBox1->currentText(), u"White"_s);
        QCOMPARE(tt->ComboBox3->currentText(), u"Blue"_s);
        QCOMPARE(tt->ComboBox2->currentText(), u"Black"_s);
        QCOMPARE(tt->Edit1->text(), u"Není"_s);
        QVERIFY(QTest::qWaitFor([&] { return visual->Ready(); }, PageWait));
        QVERIFY(visual->DocumentHTML().contains(u"<BODY bgcolor=White link=Blue>"_s));
    }

    void boldThroughTheButtonThenPulled_data()
    {
        QTest::addColumn<bool>("strong");
        QTest::addColumn<bool>("em");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("code");
        QTest::newRow("STRONG") << true << true << true << 30 << u"<P>Dobrý <STRONG>den</STRONG></P>"_s;
        QTest::newRow("B") << false << true << true << 30 << u"<P>Dobrý <B>den</B></P>"_s;
        QTest::newRow("b in lower case") << false << true << false << 30 << u"<p>Dobrý <b>den</b></p>"_s;
        QTest::newRow("EM") << true << true << true << 31 << u"<P>Dobrý <EM>den</EM></P>"_s;
        QTest::newRow("I") << true << false << true << 31 << u"<P>Dobrý <I>den</I></P>"_s;
        QTest::newRow("U") << false << false << true << 32 << u"<P>Dobrý <U>den</U></P>"_s;
    }

    void boldThroughTheButtonThenPulled()
    {
        QFETCH(bool, strong);
        QFETCH(bool, em);
        QFETCH(bool, upper);
        QFETCH(int, button);
        QFETCH(QString, code);
        enterTab();
        markupStyle(strong, em, upper);
        QVERIFY(load(u"<P>Dobrý den</P>"_s));
        QVERIFY(select(u"den"_s));
        QToolButton *b = button == 30 ? tt->SpeedButton30 : button == 31 ? tt->SpeedButton31 : tt->SpeedButton32;
        const int command = button == 30 ? DECMD::BOLD : button == 31 ? DECMD::ITALIC : DECMD::UNDERLINE;
        QCOMPARE(visual->QueryStatus(command), int(DECMDF::ENABLED));
        QVERIFY(!b->isChecked());
        b->click();
        QVERIFY(QTest::qWaitFor([&] { return visual->QueryStatus(command) == DECMDF::LATCHED; }, StateWait));
        QVERIFY(b->isChecked());
        QCOMPARE(pulled(), code);

        // A second click while the format is on changes nothing.
        QVERIFY(load(code));
        QVERIFY(select(u"den"_s));
        QVERIFY(QTest::qWaitFor([&] { return visual->QueryStatus(command) == DECMDF::LATCHED; }, StateWait));
        b->click();
        QTest::qWait(300);
        QCOMPARE(visual->QueryStatus(command), int(DECMDF::LATCHED));
        QCOMPARE(pulled(), code);
    }

    // What the engine really writes for each format, through the pull.
    void engineOutputPulled_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<int>("command");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<QString>("pulled");
        QTest::newRow("font name") << u"<P>ab cd</P>"_s << u"cd"_s << int(DECMD::SETFONTNAME)
                                   << QVariant(u"Arial"_s) << u"<P>ab <FONT FACE=\"Arial\">cd</FONT></P>"_s;
        QTest::newRow("font size") << u"<P>ab cd</P>"_s << u"cd"_s << int(DECMD::SETFONTSIZE) << QVariant(5)
                                   << u"<P>ab <FONT SIZE=\"5\">cd</FONT></P>"_s;
        QTest::newRow("colour by name") << u"<P>ab cd</P>"_s << u"cd"_s << int(DECMD::SETFORECOLOR)
                                        << QVariant(u"Red"_s) << u"<P>ab <FONT COLOR=\"#ff0000\">cd</FONT></P>"_s;
        QTest::newRow("colour as hex") << u"<P>ab cd</P>"_s << u"cd"_s << int(DECMD::SETFORECOLOR)
                                       << QVariant(u"#00FF00"_s) << u"<P>ab <FONT COLOR=\"#00ff00\">cd</FONT></P>"_s;
        QTest::newRow("centre") << u"<P>ab cd</P>"_s << u"cd"_s << int(DECMD::JUSTIFYCENTER) << QVariant()
                                << u"<P ALIGN=\"center\">ab cd</P>"_s;
        QTest::newRow("right") << u"<P>ab cd</P>"_s << u"cd"_s << int(DECMD::JUSTIFYRIGHT) << QVariant()
                               << u"<P ALIGN=\"right\">ab cd</P>"_s;
        QTest::newRow("list kept") << u"<UL><LI>ab</LI><LI>cd</LI></UL>"_s << u"cd"_s << int(DECMD::BOLD)
                                   << QVariant() << u"<UL>\r\n<LI>ab</LI>\r\n<LI><B>cd</B></LI>\r\n</UL>"_s;
        QTest::newRow("table cell") << u"<TABLE border=1><TR><TD>ab</TD><TD>cd</TD></TR></TABLE>"_s << u"cd"_s
                                    << int(DECMD::ITALIC) << QVariant()
                                    << u"<TABLE BORDER=\"1\">\r\n<TBODY>\r\n<TR>\r\n<TD>ab</TD>\r\n<TD><I>cd</I></TD>\r\n</TR>\r\n"
                                          "</TBODY>\r\n</TABLE>"_s;
        QTest::newRow("picture kept") << u"<P>ab <IMG src=\"pic.gif\" alt=\"a b\"> cd</P>"_s << u"ab"_s
                                      << int(DECMD::UNDERLINE) << QVariant()
                                      << u"<P><U>ab</U> <IMG SRC=\"pic.gif\" ALT=\"a b\"> cd</P>"_s;
    }

    void engineOutputPulled()
    {
        QFETCH(QString, code);
        QFETCH(QString, selection);
        QFETCH(int, command);
        QFETCH(QVariant, argument);
        QFETCH(QString, pulled);
        enterTab();
        markupStyle(false, false, true);
        QVERIFY(load(code));
        QVERIFY(select(selection));
        const QString before = visual->DocumentHTML();
        QVERIFY(run(command, argument, [&] { return visual->DocumentHTML() != before; }));
        QCOMPARE(this->pulled(), pulled);
    }

    // Code pushed and pulled again comes back as it was, line breaks
    // included: the page's own white space between blocks is not added.
    void roundTripKeepsTheCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("paragraphs") << u"<P>a</P>\r\n<P ALIGN=\"center\">b <B>c</B></P>"_s;
        QTest::newRow("table") << u"<TABLE BORDER=\"1\">\r\n<TBODY>\r\n<TR>\r\n<TD>a</TD>\r\n<TD>&nbsp;</TD>\r\n"
                                  "</TR>\r\n</TBODY>\r\n</TABLE>"_s;
        QTest::newRow("list and heading") << u"<H1>T</H1>\r\n<UL>\r\n<LI>a</LI>\r\n<LI>b</LI>\r\n</UL>"_s;
        QTest::newRow("line break in a paragraph") << u"<P>a<BR>b\r\nc</P>"_s;
        QTest::newRow("link and picture") << u"<P><A HREF=\"a.php?x=1&amp;y=2\">a</A> <IMG SRC=\"p.gif\"></P>"_s;
    }

    void roundTripKeepsTheCode()
    {
        QFETCH(QString, code);
        enterTab();
        markupStyle(false, false, true);
        QVERIFY(load(code));
        QCOMPARE(pulled(), code);
        QVERIFY(load(code + u"\r\n"_s));
        QCOMPARE(pulled(), code);
    }

    void pictureCommandAsksForTheFile()
    {
        enterTab();
        markupStyle(false, false, true);
        QVERIFY(load(u"<P>ab</P>"_s));
        QVERIFY(select(u"ab"_s));
        const QString picture = fx->writeDoc(u"p.gif"_s, "GIF89a");
        fx->dialogs->openAnswers << QStringList{picture};
        const QString before = visual->DocumentHTML();
        tt->SpeedButton28->click();
        QVERIFY(QTest::qWaitFor([&] { return visual->DocumentHTML() != before; }, StateWait));
        QVERIFY2(pulled().contains(u"<IMG SRC=\"file://"_s + picture + u'"'), qPrintable(tt->HTMLEditor2->Text()));
    }

    void displayFollowsTheSelection()
    {
        enterTab();
        QVERIFY(load(u"<P>ab <FONT size=5 color=#ff0000 face=Arial>cd</FONT></P><P align=center>ef</P>"_s));
        QVERIFY(select(u"cd"_s));
        QVERIFY(QTest::qWaitFor([&] { return tt->ComboBox6->currentText() == u"5"_s; }, StateWait));
        QCOMPARE(tt->ComboBox2->currentText(), u"Red"_s);
        QCOMPARE(tt->ComboBox5->currentText(), u"Arial"_s);
        QVERIFY(!tt->SpeedButton30->isChecked());
        QVERIFY(!tt->SpeedButton38->isChecked());
        // The display update shows the colour; it does not apply it.
        QCOMPARE(Count(visual->DocumentHTML(), u"<FONT"_s), 1);
        QVERIFY(select(u"ef"_s));
        QVERIFY(QTest::qWaitFor([&] { return tt->SpeedButton38->isChecked(); }, StateWait));
        QVERIFY(!tt->SpeedButton37->isChecked());
        QVERIFY(!tt->SpeedButton47->isEnabled());
    }

    void tableInsertedThroughThePicker()
    {
        enterTab();
        markupStyle(false, false, true);
        QVERIFY(load(u"<P>ab</P>"_s));
        QVERIFY(select(u"ab"_s));
        tt->SpeedButton46->click();
        QVERIFY(Form6->isVisible());
        QCOMPARE(TableTarget, u"DHTML"_s);
        Form6->PickAt(45, 50); // 3 columns, 2 rows
        QCOMPARE(Form6->Panel1->text(), u"3x2"_s);
        const QString before = visual->DocumentHTML();
        Form6->FormClick();
        QVERIFY(!Form6->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return visual->DocumentHTML() != before; }, StateWait));
        const QString code = flatPulled();
        QVERIFY2(code.contains(u"<TABLE BORDER=\"1\" CELLPADDING=\"1\" CELLSPACING=\"1\"><TBODY>"
                               "<TR><TD></TD><TD></TD><TD></TD></TR><TR><TD></TD><TD></TD><TD></TD></TR>"
                               "</TBODY></TABLE>"_s),
                 qPrintable(code));
        // The picker does nothing while the editor reports the command
        // unavailable: here, before the new page has reported at all.
        tt->HTMLEditor2->SetText(u"<P>ef</P>"_s);
        tt->SpeedButton33->click();
        QVERIFY(visual->QueryStatus(DECMD::INSERTTABLE) != DECMDF::ENABLED);
        tt->SpeedButton46->click();
        Form6->PickAt(45, 50);
        Form6->FormClick();
        QVERIFY(QTest::qWaitFor([&] { return visual->Ready(); }, PageWait));
        QTest::qWait(300);
        QVERIFY(!visual->DocumentHTML().contains(u"TABLE"_s));
    }

    void rowColumnAndCellCommands()
    {
        enterTab();
        markupStyle(false, false, true);
        QVERIFY(load(u"<TABLE><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR></TABLE>"_s));
        QVERIFY(selectCell(0));
        QVERIFY(QTest::qWaitFor([&] { return tt->SpeedButton47->isEnabled(); }, StateWait));
        for (QToolButton *b : {tt->SpeedButton48, tt->SpeedButton49, tt->SpeedButton50, tt->SpeedButton51,
                               tt->SpeedButton52, tt->SpeedButton53, tt->SpeedButton54})
            QVERIFY(b->isEnabled());
        const auto clickAndWait = [&](QToolButton *b) {
            const QString before = visual->DocumentHTML();
            b->click();
            return QTest::qWaitFor([&] { return visual->DocumentHTML() != before; }, StateWait);
        };
        QVERIFY(clickAndWait(tt->SpeedButton47)); // row above
        QCOMPARE(Count(visual->DocumentHTML(), u"<TR>"_s), 3);
        QVERIFY(flatPulled().startsWith(u"<TABLE><TBODY><TR><TD></TD><TD></TD></TR><TR><TD>a</TD>"_s));
        QVERIFY(load(u"<TABLE><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR></TABLE>"_s));
        QVERIFY(selectCell(1));
        QVERIFY(clickAndWait(tt->SpeedButton48)); // column left of "b"
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD>a</TD><TD></TD><TD>b</TD></TR>"
                           "<TR><TD>c</TD><TD></TD><TD>d</TD></TR></TBODY></TABLE>"_s);
        QVERIFY(load(u"<TABLE><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR></TABLE>"_s));
        QVERIFY(selectCell(0));
        QVERIFY(clickAndWait(tt->SpeedButton54)); // merge a with b
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD COLSPAN=\"2\">ab</TD></TR>"
                           "<TR><TD>c</TD><TD>d</TD></TR></TBODY></TABLE>"_s);
        QVERIFY(load(tt->HTMLEditor2->Text()));
        QVERIFY(selectCell(0));
        QVERIFY(clickAndWait(tt->SpeedButton53)); // split it again
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD>ab</TD><TD></TD></TR>"
                           "<TR><TD>c</TD><TD>d</TD></TR></TBODY></TABLE>"_s);
        QVERIFY(load(u"<TABLE><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR></TABLE>"_s));
        QVERIFY(selectCell(3));
        QVERIFY(clickAndWait(tt->SpeedButton50)); // delete row of "d"
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD>a</TD><TD>b</TD></TR></TBODY></TABLE>"_s);
        QVERIFY(load(u"<TABLE><TR><TD>a</TD><TD>b</TD></TR><TR><TD>c</TD><TD>d</TD></TR></TABLE>"_s));
        QVERIFY(selectCell(0));
        QVERIFY(clickAndWait(tt->SpeedButton51)); // delete column of "a"
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD>b</TD></TR><TR><TD>d</TD></TR></TBODY></TABLE>"_s);
        QVERIFY(load(u"<TABLE><TR><TD>a</TD><TD>b</TD></TR></TABLE>"_s));
        QVERIFY(selectCell(1));
        QVERIFY(clickAndWait(tt->SpeedButton49)); // cell before "b"
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD>a</TD><TD></TD><TD>b</TD></TR></TBODY></TABLE>"_s);
        QVERIFY(load(tt->HTMLEditor2->Text()));
        QVERIFY(selectCell(0));
        QVERIFY(clickAndWait(tt->SpeedButton52)); // delete cell "a"
        QCOMPARE(flatPulled(), u"<TABLE><TBODY><TR><TD></TD><TD>b</TD></TR></TBODY></TABLE>"_s);
    }

    void undoTakesBackTheLastCommand()
    {
        enterTab();
        markupStyle(true, true, true);
        QVERIFY(load(u"<P>ab cd</P>"_s));
        QCOMPARE(visual->QueryStatus(DECMD::UNDO), int(DECMDF::DISABLED));
        QVERIFY(select(u"cd"_s));
        QVERIFY(run(DECMD::BOLD, {}, [&] { return visual->QueryStatus(DECMD::BOLD) == DECMDF::LATCHED; }));
        QCOMPARE(visual->QueryStatus(DECMD::UNDO), int(DECMDF::ENABLED));
        // "Zpět" on this tab with the visual editor focused.
        Form2->activateWindow();
        visual->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return visual->HasFocus(); }, StateWait));
        Form2->Zpt1Click();
        QVERIFY(QTest::qWaitFor([&] { return !visual->DocumentHTML().contains(u"STRONG"_s); }, StateWait));
        QCOMPARE(pulled(), u"<P>ab cd</P>"_s);
    }

    // The main window's clipboard commands reach the focused visual editor.
    void clipboardCommandsReachTheVisualEditor()
    {
        enterTab();
        QVERIFY(load(u"<P>ab cd</P>"_s));
        Form2->activateWindow();
        visual->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return visual->HasFocus(); }, StateWait));
        Form1->VyberVe1->trigger();
        QVERIFY(QTest::qWaitFor([&] { return visual->QueryStatus(DECMD::DELETE) == DECMDF::ENABLED; }, StateWait));
        const QString before = visual->DocumentHTML();
        Form1->Sma1->trigger();
        QVERIFY(QTest::qWaitFor([&] { return visual->DocumentHTML() != before; }, StateWait));
        QVERIFY(!visual->DocumentHTML().contains(u"ab cd"_s));
        // The code editor is left alone.
        QCOMPARE(tt->HTMLEditor2->Text(), u"<P>ab cd</P>"_s);
    }

    void bodySettingsNeverReachTheCode()
    {
        enterTab();
        markupStyle(true, true, true);
        QVERIFY(load(u"<P>ab</P>"_s));
        tt->ComboBox1->setCurrentText(u"Red"_s);
        QVERIFY(QTest::qWaitFor([&] { return visual->DocumentHTML().contains(u"bgcolor=Red"_s); }, StateWait));
        ApplyTranslatorColour(u"Odkaz"_s, u"#00FF00"_s);
        QCOMPARE(tt->ComboBox3->currentText(), u"#00FF00"_s);
        QVERIFY(QTest::qWaitFor([&] { return visual->DocumentHTML().contains(u"link=#00FF00"_s); }, StateWait));
        const QString picture = fx->writeDoc(u"back.png"_s, "png");
        tt->Edit1->setText(picture);
        QVERIFY(QTest::qWaitFor([&] { return visual->Ready() && visual->DocumentHTML().contains(u"background="_s); },
                                PageWait));
        QCOMPARE(pulled(), u"<P>ab</P>"_s);
        // A picture that does not exist changes nothing.
        const QString html = visual->DocumentHTML();
        tt->Edit1->setText(fx->docDir() + u"/missing.png"_s);
        QCOMPARE(visual->DocumentHTML(), html);
        // The pushed document takes the colours of the lists.
        QVERIFY(load(u"<P>cd</P>"_s));
        QVERIFY(visual->DocumentHTML().contains(u"<BODY bgcolor=Red link=#00FF00>"_s));
        tt->Button1->click();
        QVERIFY(!Form2->HTMLEditor1->Text().contains(u"Red"_s, Qt::CaseInsensitive));
    }

    void colourHandOffFillsTheLists()
    {
        enterTab();
        QVERIFY(load(u"<P>ab cd</P>"_s));
        QVERIFY(select(u"cd"_s));
        ApplyTranslatorColour(u"Pismo"_s, u"Red"_s);
        QCOMPARE(tt->ComboBox2->currentText(), u"Red"_s);
        QVERIFY(QTest::qWaitFor([&] { return visual->DocumentHTML().contains(u"<FONT color=#ff0000>cd</FONT>"_s); },
                                StateWait));
        ApplyTranslatorColour(u"Pozadi"_s, u"Navy"_s);
        QCOMPARE(tt->ComboBox1->currentText(), u"Navy"_s);
        // The custom colour buttons: cancelled, the list keeps its text.
        tt->SpeedButton41->click();
        QCOMPARE(fx->dialogs->asked.last(), u"color"_s);
        QCOMPARE(tt->ComboBox1->currentText(), u"Navy"_s);
    }

    void insertIntoTheDocumentAtTheCaret()
    {
        enterTab("abc XYZ def\r\n");
        Form2->PageControl1->setCurrentIndex(0);
        THTMLEdit *main = Form2->HTMLEditor1;
        main->SetSelStart(4);
        main->SetSelLength(3);
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        // The selection came over into the code editor.
        QCOMPARE(tt->HTMLEditor2->Text(), u"XYZ"_s);
        tt->HTMLEditor2->SetText(u"<P>a</P>\r\n<P>b</P>"_s);
        tt->Button1->click();
        QCOMPARE(main->Text(), u"abc <P>a</P>\r\n<P>b</P> def"_s);
        QCOMPARE(tt->HTMLEditor2->Text(), QString());
        QCOMPARE(Form2->PageControl1->currentIndex(), 0);
        QVERIFY(Docs.Active().Modified);
    }

    void codeEditorCaretShowsInTheStatusBar()
    {
        enterTab();
        tt->HTMLEditor2->SetText(u"<P>a</P>\r\n<P>bc</P>"_s);
        tt->HTMLEditor2->SetSelStart(12);
        QVERIFY(QTest::qWaitFor([&] { return Form2->PanelText(0) == u"2: 3"_s; }, StateWait));
    }
};

QTEST_MAIN(TestHtmlTranslator)
#include "tst_html_translator.moc"
