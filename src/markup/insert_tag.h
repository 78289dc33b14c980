// The tag insertion engine: the user's markup style applied to the texts a
// command writes, and the one writer of those texts into a source editor.
//
// The rules and the plan of an insertion are plain functions over strings
// (in vellomy_core); the functions taking a THTMLEdit live in
// insert_tag_editor.cpp (in vellomy_ui) and only carry the plan out.
#pragma once

#include <QString>

#include <functional>

class THTMLEdit;

// The settings the engine reads at every call (the settings dialog's
// Useuppercase, usestrong, useem, usedivonendoftag, aligncenter1/2).
struct TMarkupStyle {
    bool upperCase = true;  // off: tags, attributes and texts are lower-cased
    bool useStrong = false; // "<B>" pairs are written as "<STRONG>" pairs
    bool useEm = false;     // "<I>" pairs are written as "<EM>" pairs
    bool slashEnd = false;  // single tags inserted at the caret end in " />"
    QString alignCentreOpen = QStringLiteral("<P ALIGN=\"CENTER\">");
    QString alignCentreClose = QStringLiteral("</P>");
};

// 0 puts the texts at the caret; 1 wraps the selection (or puts both texts
// at the caret when nothing is selected). Any other value counts as 0.
enum TInsertMode : int { InsertAtCaret = 0, WrapSelection = 1 };

struct TTagTexts {
    QString open;
    QString close;
};

// What one insertion does to the editor, in its offsets (a line break
// counts as two characters).
struct TInsertion {
    QString open;       // the texts after the style rules, breaks as CR LF
    QString close;
    int start = 0;      // where the text is written
    int replaced = 0;   // characters it replaces there (the wrapped selection)
    QString text;       // what is written
    int caret = 0;      // the caret afterwards; nothing stays selected
};

// Every CR, LF and CR LF as CR LF, so lengths match the editor's offsets.
QString NormalizeLineBreaks(const QString &text);

// Lowers the letters A to Z only; named character references such as
// "&Eacute;" keep their case, because the name decides the character.
QString LowerMarkupCase(const QString &text);

// Ends every start tag of open that is not closed later (in open or close)
// in " />": "<BR>" -> "<BR />", "<A HREF=x><IMG SRC=y></A>" -> "... <IMG
// SRC=y /></A>". End tags, comments, processing instructions, tags already
// ending in "/>" and text that is no tag ("a < b") stay as they are.
QString CloseEmptyTags(const QString &open, const QString &close);

// The style rules, in order: the " />" ending (mode 0 only), STRONG, EM,
// lower case.
TTagTexts RewriteTagTexts(const QString &open, const QString &close, int mode,
                          const TMarkupStyle &style);

// The insertion into an editor whose selection is [selStart, selStart +
// selLength) holding selText. Wrapping replaces the selection by open +
// selection + close and leaves the caret after open; otherwise open + close
// go in at the caret (the selection's end), the selection stays as text and
// the caret ends after open.
TInsertion PlanInsertion(const QString &open, const QString &close, int mode,
                         const TMarkupStyle &style, int selStart, int selLength,
                         const QString &selText);

// text (CR LF offsets) with the insertion carried out.
QString ApplyInsertion(const QString &text, const TInsertion &insertion);

// ---- Editor level (vellomy_ui) ----

// The workspace's tabs.
enum TWorkspaceTab : int { EditorTab = 0, PreviewTab = 1, TranslatorTab = 2, HelpTab = 3 };

// Where a command's text goes, as the program knows it at the moment of the
// call: the tab the workspace shows (only the source tab and the translator
// tab hold an editor that receives text), both editors, whether a document
// is open, the program-wide flag that marks the change as the program's own,
// and the translator's caret handling, which the translator editor does not
// raise by itself after a program edit.
struct TInsertTarget {
    int shownTab = EditorTab;
    THTMLEdit *sourceEditor = nullptr;     // HTMLEditor1, tab 0
    THTMLEdit *translatorEditor = nullptr; // HTMLEditor2, tab 2
    int openDocCount = 0;
    bool *sourceSyncGuard = nullptr;       // set while the editor changes
    std::function<void()> translatorCaretMoved; // HTMLEditor2SelectionChange
};

// The editor that receives text, or null: no document open, or a tab
// without an editor shown.
THTMLEdit *InsertTargetEditor(const TInsertTarget &target);

// Writes into the target's editor; does nothing, silently, when there is
// none. Returns whether it wrote. On the translator tab the caret handling
// runs after the write, once the guard is cleared again.
bool InsertTag(const TInsertTarget &target, const QString &open, const QString &close, int mode,
               const TMarkupStyle &style);

// Writes into editor (focus given, caret placed as PlanInsertion says);
// sourceSyncGuard, when given, is set for the change and restored after.
bool InsertTag(THTMLEdit *editor, const QString &open, const QString &close, int mode,
               const TMarkupStyle &style, bool *sourceSyncGuard = nullptr);
