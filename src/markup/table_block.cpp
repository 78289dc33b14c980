#include "markup/table_block.h"

#include <algorithm>

TTableSize TableSizeAt(int x, int y)
{
    return {x / 20 + 1, y / 20};
}

QString TableSizeText(TTableSize size)
{
    return QString::number(size.cols) + u'x' + QString::number(size.rows);
}

QStringList TableBlock(const QString &line, int column, TTableSize size, bool upperCase)
{
    const auto tag = [upperCase](const char *text) {
        const QString t = QString::fromLatin1(text);
        return upperCase ? t.toUpper() : t.toLower();
    };
    const int at = std::clamp(column, 0, int(line.size()));
    QStringList block{line.left(at) + tag("<TABLE>") + line.mid(at)};
    for (int r = 0; r < size.rows; ++r) {
        block << u' ' + tag("<TR>");
        for (int c = 0; c < size.cols; ++c)
            block << QStringLiteral("  ") + tag("<TD></TD>");
        block << u' ' + tag("</TR>");
    }
    block << tag("</TABLE>");
    return block;
}

QPoint TableBlockCaret(int column, TTableSize size)
{
    if (size.rows > 0 && size.cols > 0)
        return {6, 2}; // after "  <TD>"
    return {column + 7, 0};
}
