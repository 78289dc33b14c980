#include "editor/line_gutter.h"

#include "editor/htmledit.h"

#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

TLineGutter::TLineGutter(THTMLEdit *editor, QWidget *parent) : QWidget(parent), m_editor(editor)
{
    setFixedWidth(46);
    connect(editor, &QPlainTextEdit::updateRequest, this, [this] { update(); });
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, [this] { update(); });
}

QSize TLineGutter::sizeHint() const
{
    return {46, 0};
}

void TLineGutter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const int caretLine = m_editor->textCursor().blockNumber();
    // Map the editor's viewport into this widget: both start at the same top.
    const int offsetY = m_editor->viewport()->mapTo(parentWidget(), QPoint(0, 0)).y()
                        - mapTo(parentWidget(), QPoint(0, 0)).y();
    QTextBlock block = m_editor->firstVisibleBlock();
    const QFontMetrics fm(m_editor->font());
    p.setFont(m_editor->font());
    while (block.isValid()) {
        const QRectF r = m_editor->blockBoundingGeometry(block).translated(m_editor->contentOffset());
        const int top = int(r.top()) + offsetY;
        if (top > height())
            break;
        if (block.isVisible()) {
            const QRect cell(0, top, width() - 4, fm.height());
            if (block.blockNumber() == caretLine) {
                p.fillRect(QRect(0, top, width(), fm.height()), palette().color(QPalette::Highlight));
                p.setPen(palette().color(QPalette::HighlightedText));
            } else {
                p.setPen(palette().color(QPalette::WindowText));
            }
            p.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QString::number(block.blockNumber() + 1));
        }
        block = block.next();
    }
}
