#include "editor/htmledit.h"

#include "editor/undo_history.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QKeyEvent>
#include <QList>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

#include <array>

namespace {

// Both editors read one keyboard: the Insert key's toggle switches them together.
QList<THTMLEdit *> &Instances()
{
    static QList<THTMLEdit *> list;
    return list;
}

// The Insert key's toggle state as the keyboard would keep it. Starting set
// means the first press switches overwrite mode on.
bool InsertToggle = true;

bool IsWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Qt's plain-text layout counts a changed span twice when it decides which
// lines a change touched, so a keystroke on a coloured line (the typed
// character and the line's new colours arrive as one change of the whole
// line) reaches into the next lines and repaints the whole view. The layout
// is left to do its work; only its repaint request is narrowed to the lines
// the change really touched, as long as their number and heights stay.
class TLineLayout : public QPlainTextDocumentLayout
{
public:
    explicit TLineLayout(QTextDocument *document)
        : QPlainTextDocumentLayout(document), m_blocks(document->blockCount())
    {
    }

protected:
    void documentChanged(int from, int removed, int added) override
    {
        QTextDocument *doc = document();
        const int blocks = doc->blockCount();
        const bool sameLines = blocks == m_blocks;
        m_blocks = blocks;
        // The lines from the change's start to the one at its end (a change
        // that ends a line reaches the start of the next one), at most a few.
        constexpr int kMostLines = 8;
        std::array<qreal, kMostLines> before{};
        int count = 0;
        bool covered = false;
        QTextBlock first;
        QTextBlock last;
        if (sameLines && added > 0) {
            first = doc->findBlock(from);
            last = doc->findBlock(std::min(from + added, doc->characterCount() - 1));
            for (QTextBlock b = first; b.isValid() && count < kMostLines; b = b.next()) {
                before[size_t(count++)] = blockBoundingRect(b).height();
                if (b == last) {
                    covered = true;
                    break;
                }
            }
        }
        if (!covered) {
            QPlainTextDocumentLayout::documentChanged(from, removed, added);
            return;
        }
        const QSizeF size = documentSize();
        {
            const QSignalBlocker quiet(this);
            QPlainTextDocumentLayout::documentChanged(from, removed, added);
        }
        bool sameHeights = true;
        QTextBlock b = first;
        for (int i = 0; i < count; ++i, b = b.next())
            sameHeights = sameHeights && blockBoundingRect(b).height() == before[size_t(i)];
        if (documentSize() != size)
            emit documentSizeChanged(documentSize());
        if (!sameHeights) {
            emit update();
            return;
        }
        b = first;
        for (int i = 0; i < count; ++i, b = b.next())
            emit updateBlock(b);
    }

private:
    int m_blocks;
};

} // namespace

THTMLEdit::THTMLEdit(QWidget *owner) : QPlainTextEdit(owner)
{
    auto *doc = new QTextDocument(this);
    doc->setDocumentLayout(new TLineLayout(doc));
    setDocument(doc);
    Instances().append(this);
    LastCaretOffset = 0;
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The bars paint their whole area: a range change while typing a long
    // line repaints the bar alone, not the tab page beneath it.
    horizontalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setAttribute(Qt::WA_OpaquePaintEvent);
    // The selection stays visible while another control has the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    // The caret is the selection's end, which can move while the cursor
    // position (its other end) stays: watch both.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &THTMLEdit::ScheduleCaretWatch);
    connect(this, &QPlainTextEdit::selectionChanged, this, &THTMLEdit::ScheduleCaretWatch);
    // Any change drops the kept text at once, so it never costs memory while typing.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        m_rawTextValid = false;
        m_rawText = QString();
    });
}

const QString &THTMLEdit::RawText() const
{
    if (!m_rawTextValid) {
        m_rawText = document()->toRawText();
        m_rawTextValid = true;
    }
    return m_rawText;
}

THTMLEdit::~THTMLEdit()
{
    Instances().removeAll(this);
}

QString THTMLEdit::Text() const
{
    QString raw = m_rawTextValid ? m_rawText : document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return raw;
}

void THTMLEdit::SetText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    setPlainText(t);
}

void THTMLEdit::ReplaceText(const QString &text)
{
    // Every line end the document would take for one, as it holds them.
    QString raw = text;
    raw.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    raw.replace(u'\r', QChar::ParagraphSeparator);
    raw.replace(u'\n', QChar::ParagraphSeparator);
    ReplaceRawText(raw);
}

void THTMLEdit::ReplaceRawText(const QString &raw)
{
    const TTextChange change = DiffTexts(RawText(), raw);
    if (change.length == 0 && change.replacement.isEmpty())
        return;
    // In this form an offset is a position of the document.
    QTextCursor c = textCursor();
    c.setPosition(change.start);
    c.setPosition(change.start + change.length, QTextCursor::KeepAnchor);
    c.insertText(change.replacement);
}

QStringList THTMLEdit::Lines() const
{
    QStringList lines;
    lines.reserve(document()->blockCount());
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        lines.append(b.text());
    // An empty document holds no lines at all.
    if (lines.size() == 1 && lines[0].isEmpty())
        lines.clear();
    return lines;
}

int THTMLEdit::LineCount() const
{
    if (document()->blockCount() == 1 && document()->firstBlock().length() <= 1)
        return 0;
    return document()->blockCount();
}

QString THTMLEdit::Line(int index) const
{
    const QTextBlock b = document()->findBlockByNumber(index);
    return b.isValid() ? b.text() : QString();
}

void THTMLEdit::SetLine(int index, const QString &text)
{
    const QTextBlock b = document()->findBlockByNumber(index);
    if (!b.isValid())
        return;
    QTextCursor c(b);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(text);
}

void THTMLEdit::SetLines(const QStringList &lines)
{
    setPlainText(lines.join(u'\n'));
}

void THTMLEdit::AddLine(const QString &text)
{
    if (LineCount() == 0) {
        SetLines({text});
        return;
    }
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.insertText(QStringLiteral("\n") + text);
}

void THTMLEdit::ClearLines()
{
    clear();
}

int THTMLEdit::OffsetToPosition(int offset) const
{
    if (offset <= 0)
        return 0;
    const QTextDocument *doc = document();
    // Block k starts at offset position(k) + k; find the last block starting
    // at or before offset.
    int lo = 0, hi = doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= offset)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = doc->findBlockByNumber(lo);
    const int column = offset - (b.position() + lo);
    return b.position() + std::min(column, b.length() - 1);
}

int THTMLEdit::PositionToOffset(int position) const
{
    return position + document()->findBlock(position).blockNumber();
}

int THTMLEdit::SelStart() const
{
    return PositionToOffset(textCursor().selectionStart());
}

void THTMLEdit::SetSelStart(int offset)
{
    const int p = OffsetToPosition(offset);
    QTextCursor c = textCursor();
    c.setPosition(p);
    setTextCursor(c);
}

int THTMLEdit::SelLength() const
{
    const QTextCursor c = textCursor();
    return PositionToOffset(c.selectionEnd()) - PositionToOffset(c.selectionStart());
}

void THTMLEdit::SetSelLength(int length)
{
    const int start = SelStart();
    SelectOffsets(start, start + std::max(0, length));
}

void THTMLEdit::SelectOffsets(int anchor, int end)
{
    const int maxOffset = TextLength();
    QTextCursor c = textCursor();
    c.setPosition(OffsetToPosition(std::clamp(anchor, 0, maxOffset)));
    c.setPosition(OffsetToPosition(std::clamp(end, 0, maxOffset)), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

QString THTMLEdit::SelText() const
{
    QString s = textCursor().selectedText();
    s.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return s;
}

void THTMLEdit::SetSelText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    QTextCursor c = textCursor();
    c.insertText(t);
    setTextCursor(c);
}

int THTMLEdit::TextLength() const
{
    const QTextDocument *doc = document();
    // characterCount counts one separator per block plus the final one.
    return doc->characterCount() - 1 + (doc->blockCount() - 1);
}

QPoint THTMLEdit::CaretPos() const
{
    const int end = textCursor().selectionEnd();
    const QTextBlock b = document()->findBlock(end);
    return {end - b.position(), b.blockNumber()};
}

bool THTMLEdit::Modified() const
{
    return document()->isModified();
}

void THTMLEdit::SetModified(bool modified)
{
    document()->setModified(modified);
}

int THTMLEdit::FirstVisibleLine() const
{
    return firstVisibleBlock().blockNumber();
}

int THTMLEdit::LineIndex(int line) const
{
    const QTextBlock b = document()->findBlockByNumber(line);
    if (!b.isValid())
        return -1;
    return b.position() + line;
}

void THTMLEdit::ScrollCaret()
{
    ensureCursorVisible();
}

void THTMLEdit::SetWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void THTMLEdit::SetWantTabs(bool wantTabs)
{
    setTabChangesFocus(!wantTabs);
}

int THTMLEdit::FindText(const QString &searchText, int startPos, int length,
                        TFindOptions options) const
{
    const bool breaks = searchText.contains(u'\r') || searchText.contains(u'\n')
                        || searchText.contains(QChar::ParagraphSeparator);
    // A text without line breaks never spans one: it is looked for in the
    // document's own text, sparing a CR LF copy of the whole page per search.
    const QString text = breaks ? Text() : RawText();
    const qsizetype textLength = breaks ? text.size() : TextLength();
    if (searchText.isEmpty() || startPos < 0 || startPos >= textLength || length <= 0)
        return -1;
    const qsizetype endOffset = std::min<qsizetype>(textLength, qsizetype(startPos) + length);
    const qsizetype end = breaks ? endOffset : OffsetToPosition(int(endOffset));
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QStringView range = QStringView(text).left(end);
    qsizetype from = breaks ? startPos : OffsetToPosition(startPos);
    for (;;) {
        const qsizetype at = range.indexOf(searchText, from, cs);
        if (at < 0)
            return -1;
        const qsizetype after = at + searchText.size();
        const bool boundaryBefore = at == 0 || !IsWordChar(text[at - 1]);
        const bool boundaryAfter = after >= text.size() || !IsWordChar(text[after]);
        if (!options.wholeWord || (boundaryBefore && boundaryAfter))
            return breaks ? int(at) : PositionToOffset(int(at));
        from = at + 1;
    }
}

void THTMLEdit::Print(const QString &title, QPrinter *printer) const
{
    QTextDocument doc;
    doc.setPlainText(document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'));
    printer->setDocName(title);
    doc.print(printer);
}

void THTMLEdit::SetOverwrite(bool on)
{
    m_overwrite = on;
    if (on) {
        if (SelLength() < 1)
            SetSelLength(1);
    } else if (SelLength() < 2) {
        SetSelLength(0);
    }
}

void THTMLEdit::ToggleInsertKey(bool shiftOrCtrl)
{
    InsertToggle = !InsertToggle;
    for (THTMLEdit *e : Instances()) {
        // Toggle clear switches overwrite on (not with Shift or Ctrl held: those
        // are paste and copy); toggle set switches it off.
        if (!InsertToggle && !shiftOrCtrl)
            e->SetOverwrite(true);
        else if (InsertToggle)
            e->SetOverwrite(false);
    }
}

void THTMLEdit::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool shiftOrCtrl = mods & (Qt::ShiftModifier | Qt::ControlModifier);
    bool handled = false;
    emit OnKeyDown(event, &handled);
    if (handled)
        return;

    if (event->key() == Qt::Key_Insert) {
        ToggleInsertKey(shiftOrCtrl);
        if (!shiftOrCtrl)
            return;
    }

    const QString typed = event->text();
    const bool isCharacter = !typed.isEmpty() && !(mods & Qt::ControlModifier)
                             && (typed[0].isPrint() || typed[0] == u'\t' || typed[0] == u'\r'
                                 || typed[0] == u'\b');
    if (isCharacter) {
        if (SwallowNextChar) {
            SwallowNextChar = false;
            // Only the space of Ctrl+Space; where the combination types
            // none, the next real character is kept.
            if (typed == QStringLiteral(" "))
                return;
        }
        if (m_overwrite) {
            const int len = SelLength();
            if (len < 2)
                SetSelLength(0);
            else
                SetSelLength(len - 1);
        }
    }

    const int revision = document()->revision();
    QPlainTextEdit::keyPressEvent(event);
    if (m_overwrite && document()->revision() != revision)
        TypeOverCorrection();
}

void THTMLEdit::insertFromMimeData(const QMimeData *source)
{
    const int revision = document()->revision();
    QPlainTextEdit::insertFromMimeData(source);
    if (m_overwrite && document()->revision() != revision)
        TypeOverCorrection();
}

void THTMLEdit::TypeOverCorrection()
{
    if (m_typeOverBusy)
        return;
    // A selection of several characters was replaced whole; nothing to remove.
    if (SelLength() > 1)
        return;
    m_typeOverBusy = true;
    QTextCursor c = textCursor();
    c.clearSelection();
    const QTextBlock b = c.block();
    const int column = c.position() - b.position();
    if (column < b.length() - 1) {
        const int s = c.position();
        c.deleteChar();
        c.setPosition(s);
        c.setPosition(s + 1, QTextCursor::KeepAnchor);
    }
    setTextCursor(c);
    m_typeOverBusy = false;
}

void THTMLEdit::ScheduleCaretWatch()
{
    if (m_caretWatchPending)
        return;
    m_caretWatchPending = true;
    QTimer::singleShot(0, this, &THTMLEdit::CaretWatch);
}

void THTMLEdit::CaretWatch()
{
    m_caretWatchPending = false;
    const QPoint caret = CaretPos();
    if (caret.x() == m_lastCaretColumn && caret.y() == m_lastCaretLine)
        return;
    LastCaretOffset = SelStart();
    m_lastCaretColumn = caret.x();
    m_lastCaretLine = caret.y();
    emit OnSelectionChange(this);
}
