#include "markup/insertion_commands.h"

#include "colours/html_colour.h"

#include "conversion/codec.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace {

using Action = TCommandAction;

TInsertionCommand MenuItem(const QString &name, const QStringList &menu, const QString &caption,
                           const QString &open, const QString &close, int mode)
{
    TInsertionCommand c;
    c.name = name;
    c.menu = menu;
    c.caption = caption;
    c.open = open;
    c.close = close;
    c.mode = mode;
    return c;
}

TInsertionCommand MenuAction(const QString &name, const QStringList &menu, const QString &caption,
                             Action action)
{
    TInsertionCommand c;
    c.name = name;
    c.menu = menu;
    c.caption = caption;
    c.action = action;
    return c;
}

// An item of "HTML" > "Tagy": its caption is its open text.
TInsertionCommand TagItem(const QString &name, const QString &submenu, const QString &open,
                          const QString &close, int mode)
{
    QStringList menu{u"HTML"_s, u"Tagy"_s};
    if (!submenu.isEmpty())
        menu << submenu;
    return MenuItem(name, menu, open, open, close, mode);
}

TInsertionCommand Button(const QString &tab, const QString &name, const QString &hint,
                         const QString &caption, const QString &open, const QString &close,
                         int mode)
{
    TInsertionCommand c;
    c.name = name;
    c.tab = tab;
    c.hint = hint;
    c.caption = caption;
    c.open = open;
    c.close = close;
    c.mode = mode;
    return c;
}

TInsertionCommand ButtonAction(const QString &tab, const QString &name, const QString &hint,
                               Action action)
{
    TInsertionCommand c;
    c.name = name;
    c.tab = tab;
    c.hint = hint;
    c.action = action;
    return c;
}

QList<TInsertionCommand> BuildCommands()
{
    QList<TInsertionCommand> l;
    const int ins = InsertAtCaret;
    const int wrap = WrapSelection;

    // "Zobrazit"
    {
        const QStringList m{u"Zobrazit"_s};
        TInsertionCommand bar = MenuAction(u"Seznamznak1"_s, m, u"Seznam Znaků"_s,
                                           Action::ToggleCharacterBar);
        bar.checked = true;
        l << bar;
        TInsertionCommand p2 = MenuAction(u"P2"_s, m, u"Prepnout na HTML"_s, Action::ShowSourceTab);
        p2.visible = false;
        l << p2;
        TInsertionCommand q1 = MenuAction(u"Q1"_s, m, u"PRepnout na nahled"_s, Action::ShowPreviewTab);
        q1.visible = false;
        l << q1;
    }

    // "Formát" > "Kaskádové Styly"
    l << MenuAction(u"PipojitStylZeSouboru1"_s, {u"Formát"_s, u"Kaskádové Styly"_s},
                    u"Připojit Styl ze Souboru..."_s, Action::AttachStyleSheet);

    // "HTML" > "Tagy"
    for (int level = 1; level <= 6; ++level) {
        const QString n = QString::number(level);
        l << TagItem(u"H"_s + n + u'1', u"Nadpisy"_s, u"<H"_s + n + u'>', u"</H"_s + n + u'>',
                     wrap);
    }
    l << TagItem(u"TABLE"_s, u"Tabulky"_s, u"<TABLE>"_s, u"</TABLE>"_s, wrap)
      << TagItem(u"TR"_s, u"Tabulky"_s, u"<TR>"_s, u"</TR>"_s, wrap)
      << TagItem(u"TD"_s, u"Tabulky"_s, u"<TD>"_s, u"</TD>"_s, wrap)
      << TagItem(u"OL1"_s, u"Seznamy"_s, u"<OL>"_s, u"</OL>"_s, wrap)
      << TagItem(u"UL1"_s, u"Seznamy"_s, u"<UL>"_s, u"</UL>"_s, wrap)
      << TagItem(u"LI1"_s, u"Seznamy"_s, u"<LI>"_s, u"</LI>"_s, wrap)
      << TagItem(u"B1"_s, u"Styl"_s, u"<B>"_s, u"</B>"_s, wrap)
      << TagItem(u"I1"_s, u"Styl"_s, u"<I>"_s, u"</I>"_s, wrap)
      << TagItem(u"U1"_s, u"Styl"_s, u"<U>"_s, u"</U>"_s, wrap)
      << TagItem(u"STRIKE1"_s, u"Styl"_s, u"<STRIKE>"_s, u"</STRIKE>"_s, wrap)
      << TagItem(u"HR3"_s, u"Styl"_s, u"<HR>"_s, QString(), ins)
      << TagItem(u"BIG1"_s, u"Styl"_s, u"<BIG>"_s, u"</BIG>"_s, wrap)
      << TagItem(u"SMALL1"_s, u"Styl"_s, u"<SMALL>"_s, u"</SMALL>"_s, wrap)
      << TagItem(u"SUP1"_s, u"Styl"_s, u"<SUP>"_s, u"</SUP>"_s, wrap)
      << TagItem(u"SUB1"_s, u"Styl"_s, u"<SUB>"_s, u"</SUB>"_s, wrap)
      << TagItem(u"BR1"_s, u"Formát"_s, u"<BR>"_s, QString(), ins)
      << TagItem(u"BLOCKQUOTE1"_s, u"Formát"_s, u"<BLOCKQUOTE>"_s, u"</BLOCKQUOTE>"_s, wrap)
      << TagItem(u"CENTER1"_s, u"Formát"_s, u"<CENTER>"_s, u"</CENTER>"_s, wrap)
      << TagItem(u"P1"_s, u"Formát"_s, u"<P>"_s, u"</P>"_s, wrap)
      << TagItem(u"CITE1"_s, u"Formát"_s, u"<CITE>"_s, u"</CITE>"_s, wrap)
      << TagItem(u"DIV1"_s, u"Formát"_s, u"<DIV>"_s, u"</DIV>"_s, wrap)
      << TagItem(u"PRE1"_s, u"Formát"_s, u"<PRE>"_s, u"</PRE>"_s, wrap)
      << TagItem(u"A"_s, QString(), u"<A>"_s, u"</A>"_s, wrap)
      << TagItem(u"IMG"_s, QString(), u"<IMG>"_s, QString(), ins)
      << TagItem(u"Font"_s, QString(), u"<FONT>"_s, u"</FONT>"_s, wrap)
      << TagItem(u"BGSOUND1"_s, QString(), u"<BGSOUND>"_s, QString(), ins);

    // "HTML" > "Speciální Znaky"
    {
        const QStringList m{u"HTML"_s, u"Speciální Znaky"_s};
        l << MenuItem(u"NezalomitelnMezera1"_s, m, u"Nezalomitelná Mezera"_s, u"&nbsp;"_s, {}, ins)
          << MenuItem(u"Copyright1"_s, m, u"Copyright"_s, u"&copy;"_s, {}, ins)
          // The code point of the trade mark sign: "&#153;" names a control
          // character that only some browsers read as the sign.
          << MenuItem(u"rademark1"_s, m, u"Trademark"_s, u"&#8482;"_s, {}, ins)
          << MenuItem(u"Registered1"_s, m, u"Registered"_s, u"&reg;"_s, {}, ins);
    }

    // "HTML" > "Vložit Barvu", "Vložit"
    {
        const QStringList colour{u"HTML"_s, u"Vložit Barvu"_s};
        l << MenuAction(u"Vlastn1"_s, colour, u"Vlastní..."_s, Action::CustomColour)
          << MenuAction(u"ZPalety1"_s, colour, u"Z Palety..."_s, Action::PaletteColour);
        const QStringList insert{u"HTML"_s, u"Vložit"_s};
        l << MenuAction(u"DnenDatum1"_s, insert, u"Dnešní Datum"_s, Action::TodayDate)
          << MenuItem(u"OdkaznastrnkyVellomy1"_s, insert, u"Odkaz na stránky Vellomy"_s,
                      MakerLinkText(), {}, ins);
    }

    // "HTML" > "Záložky"
    for (int i = 0; i <= 9; ++i) {
        TInsertionCommand b = MenuAction(u"Bookmark"_s + QString::number(i) + u'1',
                                         {u"HTML"_s, u"Záložky"_s},
                                         u"Záložka "_s + QString::number(i), Action::GoToBookmark);
        b.bookmark = i;
        l << b;
    }

    // Quick-insert buttons.
    const QString fast = u"Rychlá Volba"_s;
    l << Button(fast, u"Fastp"_s, u"Odstavec"_s, {}, u"<P>"_s, u"</P>"_s, wrap)
      << Button(fast, u"Fastbr"_s, u"Konec řádku(BR)"_s, {}, u"<BR>"_s, {}, ins)
      << Button(fast, u"fastnb"_s, u"Nedělitelná mezera"_s, u"NB"_s, u"&nbsp;"_s, {}, ins)
      << Button(fast, u"fastfont"_s, u"Font"_s, {}, u"<FONT>"_s, u"</FONT>"_s, wrap)
      << Button(fast, u"fastspan"_s, u"Použití Stylů(SPAN)"_s, {}, u"<SPAN>"_s, u"</SPAN>"_s, wrap)
      << Button(fast, u"fastb"_s, u"Tučné"_s, {}, u"<B>"_s, u"</B>"_s, wrap)
      << Button(fast, u"fasti"_s, u"Kurzíva"_s, {}, u"<I>"_s, u"</I>"_s, wrap)
      << Button(fast, u"fasta"_s, u"Odkaz(A)"_s, {}, u"<A>"_s, u"</A>"_s, wrap)
      << Button(fast, u"fastimg"_s, u"Obrázek(IMG)"_s, {}, u"<IMG>"_s, {}, ins)
      << Button(fast, u"Fastcomment"_s, u"Komentář"_s, u"(!)"_s, u"<!--"_s, u"-->"_s, wrap)
      << Button(fast, u"SpeedButton1"_s, u"Odkaz na Mail"_s, {}, u"<a href=\"mailto:\">"_s,
                u"</a>"_s, wrap);
    {
        TInsertionCommand centre = ButtonAction(fast, u"SpeedButton5"_s, u"Zarovnat na střed"_s,
                                                Action::CentreAlign);
        centre.mode = wrap;
        l << centre;
    }

    const QString font = u"Font"_s;
    l << Button(font, u"fastfont2"_s, u"Font"_s, {}, u"<FONT>"_s, u"</FONT>"_s, wrap)
      << Button(font, u"fastspan2"_s, u"Použití stylů(SPAN)"_s, {}, u"<SPAN>"_s, u"</SPAN>"_s, wrap)
      << Button(font, u"fastplus"_s, u"O úroveň větší font"_s, u"F+"_s, u"<FONT SIZE=\"+1\">"_s,
                u"</FONT>"_s, wrap)
      << Button(font, u"fastminus"_s, u"O úroveň menší font"_s, u"F-"_s, u"<FONT SIZE=\"-1\">"_s,
                u"</FONT>"_s, wrap);
    for (int level = 1; level <= 3; ++level) {
        const QString n = QString::number(level);
        l << Button(font, u"fasth"_s + n, u"Nadpis úrovně "_s + n, u"H"_s + n, u"<H"_s + n + u'>',
                    u"</H"_s + n + u'>', wrap);
    }
    l << Button(font, u"fastb2"_s, u"Tučné"_s, {}, u"<B>"_s, u"</B>"_s, wrap)
      << Button(font, u"fasti2"_s, u"Kurzíva"_s, {}, u"<I>"_s, u"</I>"_s, wrap)
      << Button(font, u"fastsub"_s, u"Spodní index(SUB)"_s, {}, u"<SUB>"_s, u"</SUB>"_s, wrap)
      << Button(font, u"fastsup"_s, u"Horní index(SUP)"_s, {}, u"<SUP>"_s, u"</SUP>"_s, wrap);

    const QString tables = u"Tabulky"_s;
    l << ButtonAction(tables, u"fasttable"_s, u"Tabulka(TABLE)"_s, Action::TableSizePicker)
      << Button(tables, u"fasttd"_s, u"Konec buňky tabulky(TD)"_s, {}, u"<TD>"_s, u"</TD>"_s, wrap)
      << Button(tables, u"fasttr"_s, u"Konec řádku tabulky(TR)"_s, {}, u"<TR>"_s, u"</TR>"_s, wrap)
      << Button(tables, u"fastth"_s, u"Hlavička tabulky(TH)"_s, {}, u"<TH>"_s, u"</TH>"_s, wrap)
      << ButtonAction(tables, u"Fasttablesize"_s, u"Vložit buňky tabulky"_s,
                      Action::TableSizePicker);

    const QString lists = u"Seznamy"_s;
    l << Button(lists, u"fastul"_s, u"Nečíslovaný seznam(UL)"_s, {}, u"<UL>"_s, u"</UL>"_s, wrap)
      << Button(lists, u"fastol"_s, u"Číslovaný seznam(OL)"_s, {}, u"<OL>"_s, u"</OL>"_s, wrap)
      << Button(lists, u"fastli"_s, u"Položka seznamu(LI)"_s, {}, u"<LI>"_s, u"</LI>"_s, wrap);

    const QString frames = u"Rámce"_s;
    l << Button(frames, u"fstiframe"_s, u"Samostatný rám(IFRAME)"_s, u"IF"_s, u"<IFRAME>"_s,
                u"</IFRAME>"_s, wrap)
      << Button(frames, u"fastframeset"_s, u"Soustava rámů(FRAMESET)"_s, u"SET"_s,
                u"<FRAMESET>"_s, u"</FRAMESET>"_s, wrap)
      << Button(frames, u"fastframe"_s, u"Rám(FRAME)"_s, u"FRA"_s, u"<FRAME>"_s, {}, ins)
      << Button(frames, u"fastnoframe"_s, u"Bez rámů(NOFRAMES)"_s, u"NO"_s, u"<NOFRAMES>"_s,
                u"</NOFRAMES>"_s, wrap);

    const QString forms = u"Formuláře"_s;
    l << Button(forms, u"fastform"_s, u"Form"_s, {}, u"<FORM>"_s, u"</FORM>"_s, wrap)
      << Button(forms, u"fastsubmit"_s, u"Submit"_s, {}, u"<INPUT TYPE=\"submit\">"_s, {}, ins)
      << Button(forms, u"fastreset"_s, u"Reset"_s, {}, u"<INPUT TYPE=\"Reset\">"_s, {}, ins)
      << Button(forms, u"fastedit"_s, u"Text"_s, {}, u"<INPUT TYPE=\"text\">"_s, {}, ins)
      << Button(forms, u"fasthide"_s, u"Hidden"_s, {}, u"<INPUT TYPE=\"hidden\">"_s, {}, ins)
      << Button(forms, u"fasttextarea"_s, u"Textarea"_s, {}, u"<TEXTAREA>"_s, u"</TEXTAREA>"_s,
                wrap)
      << Button(forms, u"fastradiob"_s, u"Radiobutton"_s, {}, u"<INPUT TYPE=\"radio\">"_s, {}, ins)
      << Button(forms, u"fastcheckb"_s, u"Checkbox"_s, {}, u"<INPUT TYPE=\"checkbox\">"_s, {},
                ins);

    const QString js = u"Javascript"_s;
    l << Button(js, u"SpeedButton4"_s, u"APPLET"_s, {}, u"<APPLET>"_s, u"</APPLET>"_s, wrap)
      // PARAM is an empty element: an end tag after it is never valid.
      << Button(js, u"SpeedButton6"_s, u"PARAM"_s, {}, u"<PARAM>"_s, {}, ins)
      << Button(js, u"SpeedButton7"_s, u"SCRIPT"_s, {}, u"<SCRIPT LANGUAGE=\"Javascript\">"_s,
                u"</SCRIPT>"_s, wrap)
      << Button(js, u"SpeedButton8"_s, u"NOSCRIPT"_s, {}, u"<NOSCRIPT>"_s, u"</NOSCRIPT>"_s, wrap)
      << Button(js, u"SpeedButton9"_s, u"document.write()"_s, {}, u"document.write()"_s, {}, ins)
      << Button(js, u"SpeedButton10"_s, u"Komentář(/* */)"_s, u"/**/"_s, u"/*"_s, u"*/"_s, wrap)
      << Button(js, u"SpeedButton11"_s, u"Logické AND"_s, u"and"_s, u"&&"_s, {}, ins)
      << Button(js, u"SpeedButton14"_s, u"Logické OR"_s, u"or"_s, u"||"_s, {}, ins)
      << Button(js, u"SpeedButton19"_s, u"Logické NOT"_s, u"not"_s, u"!"_s, {}, ins);

    const QString php = u"PHP"_s;
    l << Button(php, u"SpeedButton22"_s, u"PHP skript (<? ?>)"_s, {}, u"<?"_s, u"?>"_s, wrap)
      << Button(php, u"SpeedButton23"_s, u"Výpis (echo)"_s, {}, u"echo ;"_s, {}, ins)
      << Button(php, u"SpeedButton24"_s, u"Logické AND"_s, u"and"_s, u"&&"_s, {}, ins)
      << Button(php, u"SpeedButton25"_s, u"Logické OR"_s, u"or"_s, u"||"_s, {}, ins)
      << Button(php, u"SpeedButton26"_s, u"Logické NOT"_s, u"not"_s, u"!"_s, {}, ins)
      << Button(php, u"SpeedButton27"_s, u"Komentář(/* */)"_s, u"/**/"_s, u"/*"_s, u"*/"_s, wrap);
    return l;
}

// "C" of "C:/x", or null: the drive a Windows-style path names.
QChar DriveLetter(const QString &path)
{
    if (path.size() >= 2 && path[1] == u':' && path[0].isLetter())
        return path[0].toUpper();
    return {};
}

bool IsAbsolutePath(const QString &path)
{
    if (path.startsWith(u'/'))
        return true;
    return !DriveLetter(path).isNull() && (path.size() == 2 || path[2] == u'/');
}

// Index just after the '>' of the first head start tag, or -1.
int HeadTagEnd(const QString &text)
{
    const QString needle = u"<head"_s;
    for (int i = text.indexOf(needle, 0, Qt::CaseInsensitive); i >= 0;
         i = text.indexOf(needle, i + 1, Qt::CaseInsensitive)) {
        const int after = i + needle.size();
        if (after >= text.size())
            return -1;
        const QChar c = text[after];
        if (c != u'>' && !c.isSpace())
            continue; // "<HEADER>" and the like
        QChar quote;
        for (int k = after; k < text.size(); ++k) {
            const QChar d = text[k];
            if (!quote.isNull()) {
                if (d == quote)
                    quote = QChar();
            } else if (d == u'"' || d == u'\'') {
                quote = d;
            } else if (d == u'>') {
                return k + 1;
            }
        }
        return -1;
    }
    return -1;
}

} // namespace

const QList<TInsertionCommand> &InsertionCommands()
{
    static const QList<TInsertionCommand> commands = BuildCommands();
    return commands;
}

const TInsertionCommand *FindInsertionCommand(QStringView name)
{
    for (const TInsertionCommand &c : InsertionCommands()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

const QStringList &QuickInsertTabs()
{
    static const QStringList tabs{u"Rychlá Volba"_s, u"Font"_s,       u"Tabulky"_s,
                                  u"Seznamy"_s,      u"Rámce"_s,      u"Formuláře"_s,
                                  u"Javascript"_s,   u"PHP"_s};
    return tabs;
}

QString CharacterReference(char32_t codePoint)
{
    return u"&#"_s + QString::number(quint32(codePoint)) + u';';
}

QString CharacterReference(const QString &character)
{
    if (character.isEmpty())
        return {};
    if (character.size() >= 2 && character[0].isHighSurrogate() && character[1].isLowSurrogate())
        return CharacterReference(QChar::surrogateToUcs4(character[0], character[1]));
    return CharacterReference(char32_t(character[0].unicode()));
}

QString CharacterBarCharacter(int cell)
{
    if (cell < 0 || cell > 222)
        return {};
    return QString(QChar(Codec::Win1250ToUnicode(static_cast<unsigned char>(33 + cell))));
}

QString CharacterBarReference(int cell)
{
    return CharacterReference(CharacterBarCharacter(cell));
}

QString DateText(const QDate &date, const QString &format, const QLocale &locale)
{
    if (!date.isValid())
        return {};
    return locale.toString(date, format);
}

QString TodayDateText(const QDate &date, const QLocale &locale)
{
    return DateText(date, locale.dateFormat(QLocale::ShortFormat), locale);
}

QString ColourText(TColor colour)
{
    return ColorToHtml(colour);
}

QString MakerPageUrl()
{
    return u"https://www.vellomy.cz/"_s;
}

QString MakerLogoUrl()
{
    return u"https://www.vellomy.cz/images/vellomy.gif"_s;
}

QString MakerLinkText()
{
    return u"<A HREF=\""_s + MakerPageUrl() + u"\"><IMG BORDER=\"0\" SRC=\""_s + MakerLogoUrl()
        + u"\"></A>"_s;
}

QString StyleSheetFolder()
{
    return u"Styly"_s;
}

QString StyleSheetFilter()
{
    return u"Soubor stylů(*.css)|*.css|Všechny soubory(*.*)|*.*"_s;
}

QString MissingHeadMessage()
{
    return u"Dokument neobsahuje část <HEAD> nezbytnou pro přídání stylu"_s;
}

QString RelativeLinkPath(const QString &documentPath, const QString &file)
{
    QString doc = documentPath;
    doc.replace(u'\\', u'/');
    QString target = file;
    target.replace(u'\\', u'/');
    target = QDir::cleanPath(target);
    const int slash = doc.lastIndexOf(u'/');
    if (target.isEmpty() || slash < 0)
        return target;
    const QString folder = QDir::cleanPath(doc.left(slash + 1));
    if (!IsAbsolutePath(folder) || !IsAbsolutePath(target)
        || DriveLetter(folder) != DriveLetter(target))
        return target;

    const auto parts = [](const QString &path, int skip) {
        return QStringView(path).mid(skip).split(u'/', Qt::SkipEmptyParts);
    };
    const int skip = DriveLetter(folder).isNull() ? 0 : 2;
    const QList<QStringView> from = parts(folder, skip);
    const QList<QStringView> to = parts(target, skip);
    // The file name itself is never a common folder.
    int common = 0;
    while (common < from.size() && common < to.size() - 1 && from[common] == to[common])
        ++common;
    QString rel;
    for (int i = common; i < from.size(); ++i)
        rel += u"../"_s;
    for (int i = common; i < to.size(); ++i) {
        if (i > common)
            rel += u'/';
        rel += to[i];
    }
    return rel;
}

bool HasHeadSection(const QString &documentText)
{
    return HeadTagEnd(documentText) >= 0;
}

QString StyleSheetLinkTag(const QString &href, const TMarkupStyle &style)
{
    QString value = href;
    value.replace(u'&', u"&amp;"_s);
    value.replace(u'"', u"&quot;"_s);
    const QString end = style.slashEnd ? u" />"_s : u">"_s;
    if (style.upperCase)
        return u"<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\""_s + value + u'"' + end;
    return u"<link type=\"text/css\" rel=\"stylesheet\" href=\""_s + value + u'"' + end;
}

TStyleSheetLink PlanStyleSheetLink(const QString &documentText, const QString &href,
                                   const TMarkupStyle &style)
{
    TStyleSheetLink link;
    const int end = HeadTagEnd(documentText);
    if (end < 0) {
        link.message = MissingHeadMessage();
        return link;
    }
    link.ok = true;
    link.offset = end;
    link.text = u"\r\n"_s + StyleSheetLinkTag(href, style);
    return link;
}
