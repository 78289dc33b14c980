#include "editor/line_gutter.h"

#include "editor/htmledit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>

namespace {
constexpr int kWidth = 46;
constexpr int kMarkWidth = 16; // the bookmark column at the right edge
const QColor kTeal(0, 128, 128);
} // namespace

TLineGutter::TLineGutter(THTMLEdit *editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setFixedWidth(kWidth);
    setAccessibleName(QStringLiteral("Čísla řádků"));
    connect(editor, &QPlainTextEdit::updateRequest, this, [this] { update(); });
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, [this] { update(); });
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
    const int offsetY = OffsetY();
    for (QTextBlock b = m_editor->firstVisibleBlock(); b.isValid(); b = b.next()) {
        const QRectF r = m_editor->blockBoundingGeometry(b).translated(m_editor->contentOffset());
        const int top = int(r.top()) + offsetY;
        if (top > height())
            break;
        if (b.isVisible() && y >= top && y < top + int(r.height()))
            return b.blockNumber() + 1;
    }
    return -5;
}

QList<int> TLineGutter::VisibleLines() const
{
    QList<int> lines;
    const int offsetY = OffsetY();
    for (QTextBlock b = m_editor->firstVisibleBlock(); b.isValid(); b = b.next()) {
        const QRectF r = m_editor->blockBoundingGeometry(b).translated(m_editor->contentOffset());
        if (int(r.top()) + offsetY > height())
            break;
        if (b.isVisible())
            lines << b.blockNumber() + 1;
    }
    return lines;
}

void TLineGutter::mousePressEvent(QMouseEvent *event)
{
    emit Pressed(event->button(), LineAt(int(event->position().y())), event->globalPosition().toPoint());
}

void TLineGutter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    const int caretLine = m_editor->textCursor().blockNumber();
    const int offsetY = OffsetY();
    const std::array<int, 10> marks = Bookmarks ? Bookmarks() : std::array<int, 10>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    const QFontMetrics fm(m_editor->font());
    QFont bold = m_editor->font();
    bold.setBold(true);
    for (QTextBlock block = m_editor->firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF r = m_editor->blockBoundingGeometry(block).translated(m_editor->contentOffset());
        const int top = int(r.top()) + offsetY;
        if (top > height())
            break;
        if (!block.isVisible())
            continue;
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
    }
}
