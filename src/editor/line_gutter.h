// The line-number strip left of the source editor, with the bookmark marks.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

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

signals:
    void Pressed(Qt::MouseButton button, int line, const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int OffsetY() const;

    THTMLEdit *m_editor;
};
