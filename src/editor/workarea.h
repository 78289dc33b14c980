// The workspace window: the source editor on its tabs, the special-character
// bar, the colour and bookmark bar and the status bar, and the handlers that
// tie typing and caret moves to the rest of the program.
#pragma once

#include "editor/undo_history.h"

#include <QWidget>

class QLabel;
class QMenu;
class QTabWidget;
class QTableWidget;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class THTMLEdit;
class TLineGutter;
class TWebBrowser;
class THTMLTranslator;

// Flags raised by one event and consumed by the next (see the handlers).
inline int FocusReturnTicks = 0;
inline int LastTextLength = 0;
inline bool TabPressed = false;
inline bool TabReplacePending = false;
inline bool SkipCaretHandlingOnce = false;
inline bool TranslatorGuard = false;
inline bool GutterSyncGuard = false;

class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    QTableWidget *StringGrid2 = nullptr; // special characters, codes 33..255
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;        // "Editor HTML"
    QWidget *TabSheet2 = nullptr;        // preview
    QWidget *Vizual = nullptr;           // "HTML Translator"
    QWidget *TabSheet3 = nullptr;        // "Nápověda HTML"
    THTMLEdit *HTMLEditor1 = nullptr;
    THTMLEdit *HTMLEditor2 = nullptr;
    // The rest of the "HTML Translator" tab: built when the tab is first
    // shown, so it costs nothing at start; null before that.
    THTMLTranslator *Translator = nullptr;
    THTMLTranslator *EnsureTranslator();
    TLineGutter *Gutter = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    TWebBrowser *WebBrowser2 = nullptr;
    QToolBar *ToolBar1 = nullptr;        // "Barvy a Záložky"
    QList<QToolButton *> ColourButtons;  // SpeedButton1 (custom), SpeedButton17 (palette), named colours
    QList<QToolButton *> BookmarkButtons; // "0" … "9"
    QStatusBar *StatusBar1 = nullptr;
    QTimer *Timer1 = nullptr;            // the 40 ms workspace tick
    QTimer *Timer2 = nullptr;            // the 50 ms snapshot tick
    Trichhistory UndoHistory;
    int UndoIdleMs = 0;                  // since the last change, in steps of 50

    // The gutter's bookmark popup: "Záložka 0" … "Záložka 9".
    QMenu *PopupMenu1 = nullptr;
    QList<QAction *> PopupBookmarks;
    int ClickedLine = -5;

    // Caret to the start of line n (from 1), scrolled into view.
    void GoToLine(int n);
    void GoToBookmark(int n);
    void ToggleBookmark(int n);
    void PlaceBookmark(int n, int line);
    void GutterPressed(Qt::MouseButton button, int line, const QPoint &globalPos);

    // The snapshot history of HTMLEditor1.
    void ResetHistory();
    void TakeSnapshot();
    void UndoStep();
    void Timer2Timer();
    // The active document's working copy written at a pause in typing.
    void WriteWorkingCopyAtPause();
    bool WorkingCopyStale = false; // typed since the working copy was written
    int WorkingCopyAgeMs = 0;      // how long it has been stale
    // "Zpět": the translator tab's own editor there, the snapshots elsewhere.
    void Zpt1Click();

    // The eight status panels, from 0.
    QLabel *Panel(int index) const;
    void SetPanelText(int index, const QString &text);
    QString PanelText(int index) const;
    bool PanelLowered(int index) const;

    // Writes every line of HTMLEditor1, each followed by CR LF, into wcPath in
    // the active document's encoding. Throws EInOutError; the file is
    // replaced only once it is complete.
    void Ulozsoubor(const QString &wcPath);

    void SetGutterVisible(bool visible);
    bool GutterVisible() const;

    // The word around the caret of the shown editor, for the HTML help.
    QString HelpKeywordAtCaret() const;

    // Handlers.
    void FormResize();
    void PageControl1Change(int index);
    void HTMLEditor1Change();
    void HTMLEditor1SelectionChange();
    void HTMLEditor1KeyDown(QKeyEvent *event, bool *handled);
    void Keydownhandler(QKeyEvent *event, bool *handled);
    // Window-level keys, seen before the focused control; true when consumed.
    bool FormKeyDown(QKeyEvent *event);
    void StringGrid2SelectCell(int column);
    void Timer1Timer();
    void ColourButtonClick(const QString &colourName);
    void CustomColourClick();

    // Panel 2: "Délka: " + text length.
    void ShowLength();
    // Panel 1: "Změněn" while the active document is modified.
    void ShowModifiedMark();

signals:
    // A step back became possible or impossible.
    void UndoAvailable(bool available);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QLabel *> m_panels;
};

// The word around column c of line: delimited by space, "<", ">" and "/".
QString KeywordAround(const QString &line, int column);
