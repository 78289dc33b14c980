// The table-size picker: a small borderless window at the pointer whose grid
// of 20-pixel squares follows the mouse; a left click writes an empty table
// of the size shown into the source editor or the visual editor.
#pragma once

#include "markup/table_block.h"

#include <QWidget>

class QLabel;

// "RICH" for the source editors, "DHTML" for the translator's visual editor.
inline QString TableTarget;

class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    QLabel *Panel1 = nullptr; // the size as "3x2"
    int PickCols = 0;
    int PickRows = 0;

    // Opens the picker at the pointer for target. The window is placed so
    // that the pointer stands over its first square (the pointer itself is
    // never moved). The main window's buttons open it only with a document.
    void ShowTablePicker(const QString &target);

    // The mouse at (x, y) in the window: size, grid and caption follow.
    void PickAt(int x, int y);
    // The left click: the table of the size shown goes where TableTarget says.
    void FormClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void PlacePanel();
    bool m_pressedLeft = false;
};
