// The empty table the table-size picker writes into a source editor, and
// the size a pointer position in the picker stands for. Pure functions.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

struct TTableSize {
    int cols = 0;
    int rows = 0;
};

// Squares of 20 pixels: the column under the pointer counts, the row under
// it does not (x 45, y 30 is 3 columns and 1 row).
TTableSize TableSizeAt(int x, int y);

// "3x2": columns, "x", rows.
QString TableSizeText(TTableSize size);

// The lines that replace line: its text with "<TABLE>" at column, then per
// row " <TR>", a "  <TD></TD>" per column and " </TR>", then "</TABLE>".
QStringList TableBlock(const QString &line, int column, TTableSize size, bool upperCase);

// Where the caret goes in the block: inside the first cell, or right after
// "<TABLE>" when the table has no cells. (column, line within the block)
QPoint TableBlockCaret(int column, TTableSize size);
