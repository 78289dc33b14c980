#include "editor/line_gutter.h"

#include "editor/htmledit.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include <cmath>

namespace {
constexpr int kWidth = 46;
constexpr int kMarkWidth = 16; // the bookmark column at the right edge
const QColor kTeal(0, 128, 128);
} // namespace

TLineGutter::TLineGutter(THTMLEdit *editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setFixedWidth(kWidth);
    setAccessibleName(QStringLiteral("Čísla řádků"));
    // Every pixel is painted here: the tab page beneath is never drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Typing repaints only the strip beside the changed lines, scrolling all
    // of it; a caret move repaints the two lines whose mark changes.
    connect(editor, &QPlainTextEdit::updateRequest, this, [this](const QRect &r, int dy) {
        if (dy != 0 || r.height() >= m_editor->viewport()->height()) {
            update();
            return;
        }
        update(0, r.y() + OffsetY(), width(), r.height());
    });
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &TLineGutter::FollowCaret);
    connect(editor, &QPlainTextEdit::blockCountChanged, this, [this] { update(); });
}

QRect TLineGutter::LineRect(int blockNumber) const
{
    const QTextBlock b = m_editor->document()->findBlockByNumber(blockNumber);
    if (!b.isValid() || !b.isVisible())
        return {};
    const QRectF r = m_editor->blockBoundingGeometry(b).translated(m_editor->contentOffset());
    return {0, int(r.top()) + OffsetY(), width(), int(std::ceil(r.height())) + 1};
}

void TLineGutter::FollowCaret()
{
    const int line = m_editor->textCursor().blockNumber();
    if (line == m_caretLine)
        return;
    if (m_caretLine >= 0)
        update(LineRect(m_caretLine));
    update(LineRect(line));
    m_caretLine = line;
}

QSize TLineGutter::sizeHint() const
{
    return {kWidth, 0};
}

int TLineGutter::OffsetY() const
{
    // The editor's viewport and this strip share a parent; line them up.
    return m_editor->viewport()->mapTo(parentWidget(), QPoint(0, 0)).y() - mapTo(parentWidget(), QPoint(0, 0)).y();
}

int TLineGutter::LineAt(int y) const
{
    int line = -5;
    WalkVisibleBlocks([&](const QTextBlock &b, int top, int h) {
        if (y >= top && y < top + h) {
            line = b.blockNumber() + 1;
            return false;
        }
        return true;
    });
    return line;
}

void TLineGutter::WalkVisibleBlocks(const std::function<bool(const QTextBlock &, int, int)> &visit) const
{
    QTextBlock b = m_editor->firstVisibleBlock();
    if (!b.isValid())
        return;
    // One geometry lookup places the first line; the others follow by their
    // heights (each lookup would walk down from the top of the view again).
    qreal top = m_editor->blockBoundingGeometry(b).translated(m_editor->contentOffset()).top() + OffsetY();
    for (; b.isValid() && top <= height(); b = b.next()) {
        const qreal h = m_editor->blockBoundingRect(b).height();
        if (b.isVisible() && !visit(b, int(top), int(h)))
            return;
        top += h;
    }
}

QList<int> TLineGutter::VisibleLines() const
{
    QList<int> lines;
    WalkVisibleBlocks([&](const QTextBlock &b, int, int) {
        lines << b.blockNumber() + 1;
        return true;
    });
    return lines;
}

void TLineGutter::mousePressEvent(QMouseEvent *event)
{
    emit Pressed(event->button(), LineAt(int(event->position().y())), event->globalPosition().toPoint());
}

void TLineGutter::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, palette().color(QPalette::Button));
    const int caretLine = m_editor->textCursor().blockNumber();
    const std::array<int, 10> marks = Bookmarks ? Bookmarks() : std::array<int, 10>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    const QFontMetrics fm(m_editor->font());
    QFont bold = m_editor->font();
    bold.setBold(true);
    WalkVisibleBlocks([&](const QTextBlock &block, int top, int blockHeight) {
        if (top > dirty.bottom())
            return false;
        if (top + blockHeight < dirty.top())
            return true;
        const int line = block.blockNumber() + 1;
        const int h = fm.height();
        if (block.blockNumber() == caretLine) {
            p.fillRect(QRect(0, top, width(), h), palette().color(QPalette::Highlight));
            p.setPen(palette().color(QPalette::HighlightedText));
        } else {
            p.setPen(palette().color(QPalette::ButtonText));
        }
        p.setFont(m_editor->font());
        p.drawText(QRect(0, top, width() - kMarkWidth - 2, h), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(line));
        for (int n = 0; n < 10; ++n) {
            if (marks[n] != line)
                continue;
            const QRect cell(width() - kMarkWidth, top, kMarkWidth, h);
            p.fillRect(cell, kTeal);
            p.setPen(Qt::white);
            p.setFont(bold);
            p.drawText(cell, Qt::AlignCenter, QString::number(n));
        }
        return true;
    });
}
