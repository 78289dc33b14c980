// The source editor: a plain-text edit presenting the CR LF text model, with
// emulated overwrite mode, a queued caret-move event, search and printing.
#pragma once

#include <QPlainTextEdit>
#include <QPoint>
#include <QStringList>

class QPrinter;

// Shared between both editors and the workspace (see the workspace's key
// handling): Shift or Ctrl held at the last key-down, the next typed
// character to be dropped, the selection start at the last caret move.
inline bool ShiftCtrlHeld = false;
inline bool SwallowNextChar = false;
inline int LastCaretOffset = 0;

struct TFindOptions {
    bool wholeWord = false;
    bool matchCase = false;
};

class THTMLEdit : public QPlainTextEdit
{
    Q_OBJECT
    friend class TLineGutter; // paints beside the visible blocks

public:
    explicit THTMLEdit(QWidget *owner = nullptr);
    ~THTMLEdit() override;

    // The whole text, lines joined by CR LF (no break after the last line).
    QString Text() const;
    // The document's own text (U+2029 between lines), kept from one change
    // to the next so repeated searches do not copy the page each time.
    const QString &RawText() const;
    void SetText(const QString &text);

    // The whole text replaced by text, editing only the part that differs,
    // so the view keeps its place and a long page is not rebuilt.
    void ReplaceText(const QString &text);
    // The same for a text in RawText()'s form.
    void ReplaceRawText(const QString &raw);

    // The line list.
    QStringList Lines() const;
    int LineCount() const;
    QString Line(int index) const;
    void SetLine(int index, const QString &text);
    void SetLines(const QStringList &lines);
    void AddLine(const QString &text);
    void ClearLines();

    // Offsets count a line break as two characters.
    int SelStart() const;
    void SetSelStart(int offset);
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    void SetSelText(const QString &text);
    // Length of Text().
    int TextLength() const;
    // (column, line) of the selection's end, both from 0.
    QPoint CaretPos() const;

    bool Modified() const;
    void SetModified(bool modified);

    bool Overwrite() const { return m_overwrite; }
    int LastCaretColumn() const { return m_lastCaretColumn; }
    int LastCaretLine() const { return m_lastCaretLine; }

    // First visible line, start offset of a line, scroll the caret into view.
    int FirstVisibleLine() const;
    int LineIndex(int line) const;
    void ScrollCaret();

    void SetWordWrap(bool wrap);
    void SetWantTabs(bool wantTabs);

    // Offset of the first match at or after startPos within the next length
    // characters, or -1. No wrap-around.
    int FindText(const QString &searchText, int startPos, int length, TFindOptions options) const;

    // Prints the whole text as plain text on printer under title.
    void Print(const QString &title, QPrinter *printer) const;

    // Offset <-> position in the underlying document.
    int OffsetToPosition(int offset) const;
    int PositionToOffset(int position) const;

signals:
    // The caret moved to another column or line; raised after the change that
    // moved it has been handled, never from inside it.
    void OnSelectionChange(THTMLEdit *sender);
    // Before the editor handles a key; a handler that sets *handled keeps
    // the editor from seeing it.
    void OnKeyDown(QKeyEvent *event, bool *handled);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void SetOverwrite(bool on);
    void ToggleInsertKey(bool shiftOrCtrl);
    void TypeOverCorrection();
    void ScheduleCaretWatch();
    void CaretWatch();
    void SelectOffsets(int anchor, int end);

    bool m_overwrite = false;
    bool m_typeOverBusy = false;
    bool m_caretWatchPending = false;
    int m_lastCaretColumn = 0;
    int m_lastCaretLine = 0;
    mutable QString m_rawText;
    mutable bool m_rawTextValid = false;
};
