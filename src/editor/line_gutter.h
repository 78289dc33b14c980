// The line-number strip left of the source editor, with the bookmark marks.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

class QTextBlock;
class THTMLEdit;

// Paints the numbers of the visible lines, marks the caret's line and the
// lines that carry bookmarks; it follows the editor's scrolling, typing and
// resizing through its signals, so its work is bounded by the visible lines.
class TLineGutter : public QWidget
{
    Q_OBJECT

public:
    explicit TLineGutter(THTMLEdit *editor, QWidget *parent = nullptr);
    QSize sizeHint() const override;

    // The active document's bookmarks (line numbers from 1, -1 unset).
    std::function<std::array<int, 10>()> Bookmarks;

    // The line number (from 1) shown at y, or -5 where no line is shown.
    int LineAt(int y) const;
    // The line numbers shown, top to bottom.
    QList<int> VisibleLines() const;
    // Repaints the caret's mark where the caret's line changed.
    void FollowCaret();

signals:
    void Pressed(Qt::MouseButton button, int line, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int OffsetY() const;
    // Calls visit(block, top, height) for each shown line from the top of the
    // view down, until it returns false or the strip ends.
    void WalkVisibleBlocks(const std::function<bool(const QTextBlock &, int, int)> &visit) const;
    // The strip beside one line, empty where the line is hidden or absent.
    QRect LineRect(int blockNumber) const;

    THTMLEdit *m_editor;
    int m_caretLine = -1; // the line whose mark was painted last
};
