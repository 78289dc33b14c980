// The main window's markup commands as data (menu items of "HTML", "Formát"
// and "Zobrazit", the quick-insert buttons) and the texts of the commands
// that compute what they insert.
#pragma once

#include "colours/tcolor.h"
#include "markup/insert_tag.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class THTMLEdit;

// What a command's click handler does.
enum class TCommandAction {
    InsertTag,          // InsertTag(open, close, mode)
    CentreAlign,        // InsertTag(style.alignCentreOpen, style.alignCentreClose, 1)
    TodayDate,          // InsertTag(TodayDateText(QDate::currentDate()), "", 0)
    CustomColour,       // colour dialog; on OK InsertTag(ColourText(colour), "", 0)
    PaletteColour,      // PaletteTarget := "Rich", the palette window modally
    AttachStyleSheet,   // tab 0 and a document: see AttachStyleSheet below
    GoToBookmark,       // the gutter's GoToBookmark(bookmark)
    ToggleCharacterBar, // show or hide the special-character bar; check mark follows
    ShowSourceTab,      // workspace tab 0, PageControl1Change, focus HTMLEditor1
    ShowPreviewTab,     // workspace tab 1, PageControl1Change
    TableSizePicker,    // the table-size picker for the source editor
};

struct TInsertionCommand {
    QString name;        // the component's name; its handler is name + "Click"
    QString caption;     // menu caption, or the button's caption (may be empty)
    QString hint;        // the button's hint (empty for menu items)
    QStringList menu;    // menu path of an item, e.g. {"HTML", "Tagy", "Nadpisy"}
    QString tab;         // quick-insert tab of a button, e.g. "Rychlá Volba"
    QString open;        // texts for TCommandAction::InsertTag
    QString close;
    int mode = InsertAtCaret;
    TCommandAction action = TCommandAction::InsertTag;
    int bookmark = -1;   // 0 ... 9 for GoToBookmark
    bool visible = true; // the two tab-switching items are hidden
    bool checked = false; // the item's check mark at start

    bool isMenuItem() const { return !menu.isEmpty(); }
};

// Every command, menu items first in menu order, then the buttons tab by tab.
const QList<TInsertionCommand> &InsertionCommands();

// The command of that component name (exact spelling), or null.
const TInsertionCommand *FindInsertionCommand(QStringView name);

// The quick-insert tabs in order.
const QStringList &QuickInsertTabs();

// ---- Texts of the computed commands ----

// A character of the text as an HTML numeric reference of its Unicode code
// point ("č" -> "&#269;"), valid in a page of any encoding. Empty for an
// empty text; only the first character (or surrogate pair) counts.
QString CharacterReference(char32_t codePoint);
QString CharacterReference(const QString &character);

// The special-character bar: cell 0 ... 222 shows the program's 8-bit code
// page byte 33 + cell. Empty outside that range.
QString CharacterBarCharacter(int cell);
QString CharacterBarReference(int cell);

// A date in the given (QLocale) format, and today's date in the system's
// short date format. Empty for an invalid date.
QString DateText(const QDate &date, const QString &format, const QLocale &locale = QLocale::system());
QString TodayDateText(const QDate &date, const QLocale &locale = QLocale::system());

// A colour as HTML text: one of the sixteen names ("Red") or "#RRGGBB".
QString ColourText(TColor colour);

// The link to the program's web pages with its button picture.
QString MakerPageUrl();
QString MakerLogoUrl();
QString MakerLinkText();

// ---- Attaching a style sheet ----

// Folder under ProgramDir offered first, and the dialog's filter.
QString StyleSheetFolder();
QString StyleSheetFilter();
// Shown when the document has no head section to take the link.
QString MissingHeadMessage();

// file relative to the folder of documentPath (the active document's working
// copy, which lies beside the document): "../" per folder to climb, then the
// folders down and the file name, written with "/". Either separator is read.
// The full path (with "/") when the drives differ or a path is not absolute.
QString RelativeLinkPath(const QString &documentPath, const QString &file);

// The document holds a head start tag ("<HEAD>", any case, attributes allowed).
bool HasHeadSection(const QString &documentText);

// The LINK tag in the user's markup style; href is written as given (only
// '&' and '"' are escaped), never lower-cased.
QString StyleSheetLinkTag(const QString &href, const TMarkupStyle &style);

struct TStyleSheetLink {
    bool ok = false;
    QString message; // when !ok
    int offset = 0;  // CR LF offset just after the head start tag
    QString text;    // CR LF + the LINK tag
};
// Where and what to insert so that the new link is the head's first line.
TStyleSheetLink PlanStyleSheetLink(const QString &documentText, const QString &href,
                                   const TMarkupStyle &style);

// Carries the plan out on editor (vellomy_ui), keeping the user's selection on
// the same characters. On a missing head returns false with *message set.
bool AttachStyleSheet(THTMLEdit *editor, const QString &href, const TMarkupStyle &style,
                      QString *message);
