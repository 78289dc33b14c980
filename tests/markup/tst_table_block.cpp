// The size the table-size picker shows and the lines it writes.
#include "markup/table_block.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestTableBlock : public QObject
{
    Q_OBJECT

private slots:
    void sizeAt_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("size");
        QTest::newRow("opening point") << 19 << 20 << u"1x1"_s;
        QTest::newRow("column under the pointer counts") << 45 << 30 << u"3x1"_s;
        QTest::newRow("top row of squares") << 79 << 10 << u"4x0"_s;
        QTest::newRow("corner") << 0 << 0 << u"1x0"_s;
        QTest::newRow("square edges") << 40 << 40 << u"3x2"_s;
    }

    void sizeAt()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, size);
        QCOMPARE(TableSizeText(TableSizeAt(x, y)), size);
    }

    void block_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("worked example") << u"Text:"_s << 5 << 2 << 1 << true
            << QStringList{u"Text:<TABLE>"_s, u" <TR>"_s, u"  <TD></TD>"_s, u"  <TD></TD>"_s, u" </TR>"_s,
                           u"</TABLE>"_s};
        QTest::newRow("no rows") << u"ab"_s << 2 << 4 << 0 << true << QStringList{u"ab<TABLE>"_s, u"</TABLE>"_s};
        QTest::newRow("lower case") << QString() << 0 << 1 << 1 << false
            << QStringList{u"<table>"_s, u" <tr>"_s, u"  <td></td>"_s, u" </tr>"_s, u"</table>"_s};
        QTest::newRow("text after the caret stays on its line") << u"abcd"_s << 2 << 1 << 2 << true
            << QStringList{u"ab<TABLE>cd"_s, u" <TR>"_s, u"  <TD></TD>"_s, u" </TR>"_s, u" <TR>"_s,
                           u"  <TD></TD>"_s, u" </TR>"_s, u"</TABLE>"_s};
    }

    void block()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(int, cols);
        QFETCH(int, rows);
        QFETCH(bool, upper);
        QFETCH(QStringList, lines);
        QCOMPARE(TableBlock(line, column, {cols, rows}, upper), lines);
    }

    void caretInTheFirstCell()
    {
        QCOMPARE(TableBlockCaret(5, {2, 1}), QPoint(6, 2));
        QCOMPARE(TableBlockCaret(2, {4, 0}), QPoint(9, 0));
    }
};

QTEST_GUILESS_MAIN(TestTableBlock)
#include "tst_table_block.moc"
