// The line-number strip left of the source editor.
#pragma once

#include <QWidget>

class THTMLEdit;

// Paints the numbers of the visible lines and marks the caret's line; it
// follows the editor's scrolling, typing and resizing through its signals.
class TLineGutter : public QWidget
{
    Q_OBJECT

public:
    explicit TLineGutter(THTMLEdit *editor, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    THTMLEdit *m_editor;
};
