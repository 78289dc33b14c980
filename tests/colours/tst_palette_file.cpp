// Palette files and the order in which the grids draw their colours.
#include "colours/palette_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TColor Rgb(int r, int g, int b)
{
    return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

// Colour k of a test palette: each one different, so positions can be told apart.
TColor Numbered(int k)
{
    return Rgb(k & 0xFF, (k >> 8) & 0xFF, 7);
}

TPalette NumberedPalette(int count)
{
    TPalette p;
    p.Count = count;
    for (int k = 0; k < count; ++k)
        p.Colours << Numbered(k);
    return p;
}

} // namespace

class TestPaletteFile : public QObject
{
    Q_OBJECT

private slots:
    void formatWritesCountThenOneColourPerLine()
    {
        QCOMPARE(PaletteFile::Format({}), QByteArray("0\r\n"));
        QCOMPARE(PaletteFile::Format({Rgb(255, 0, 0), Rgb(1, 22, 133)}),
                 QByteArray("2\r\n255 0 0\r\n1 22 133\r\n"));
    }

    void roundTrip()
    {
        const TPalette original = NumberedPalette(321);
        TPalette read;
        QVERIFY(PaletteFile::Parse(PaletteFile::Format(original.Colours), &read));
        QCOMPARE(read.Count, 321);
        QCOMPARE(read.Colours, original.Colours);
        QCOMPARE(PaletteFile::Format(read.AllColours()), PaletteFile::Format(original.Colours));
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<TColor>>("all");
        QTest::newRow("new palette") << QByteArray("0\r\n") << true << 0 << QList<TColor>{};
        QTest::newRow("no final break") << QByteArray("1\r\n10 20 30") << true << 1
                                        << QList<TColor>{Rgb(10, 20, 30)};
        QTest::newRow("LF and tabs") << QByteArray("2\n1\t2  3\n4 5 6\n") << true << 2
                                     << QList<TColor>{Rgb(1, 2, 3), Rgb(4, 5, 6)};
        QTest::newRow("low 8 bits kept") << QByteArray("1\r\n256 511 -1\r\n") << true << 1
                                         << QList<TColor>{Rgb(0, 255, 255)};
        QTest::newRow("missing numbers are black")
            << QByteArray("3\r\n1 2 3\r\n4\r\n") << true << 3
            << QList<TColor>{Rgb(1, 2, 3), Rgb(4, 0, 0), Rgb(0, 0, 0)};
        QTest::newRow("lines beyond the count ignored") << QByteArray("1\r\n1 1 1\r\n2 2 2\r\n") << true << 1
                                                        << QList<TColor>{Rgb(1, 1, 1)};
        QTest::newRow("empty file") << QByteArray() << false << 0 << QList<TColor>{};
        QTest::newRow("words") << QByteArray("3\r\nred green blue\r\n") << false << 0 << QList<TColor>{};
        QTest::newRow("negative count") << QByteArray("-2\r\n") << false << 0 << QList<TColor>{};
        QTest::newRow("absurd count") << QByteArray("99999999999\r\n") << false << 0 << QList<TColor>{};
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(int, count);
        QFETCH(QList<TColor>, all);
        TPalette p;
        QCOMPARE(PaletteFile::Parse(bytes, &p), ok);
        QCOMPARE(p.Count, count);
        QCOMPARE(p.AllColours(), all);
    }

    void namesAreTheVpqFilesInNaturalOrder()
    {
        QTemporaryDir dir;
        for (const char *name : {"web10.vpq", "Web2.vpq", "alfa.vpq", "notes.txt", "beta.vpq.bak", "Šedé.vpq"}) {
            QFile f(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("0\r\n");
        }
        QVERIFY(QDir(dir.path()).mkdir(u"folder.vpq"_s));
        QCOMPARE(PaletteFile::Names(dir.path()), (QStringList{u"alfa"_s, u"Web2"_s, u"web10"_s, u"Šedé"_s}));
    }

    void usableNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << u"Moje barvy"_s << true;
        QTest::newRow("Czech") << u"Zelené tóny"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("spaces") << u"   "_s << false;
        QTest::newRow("slash") << u"../x"_s << false;
        QTest::newRow("backslash") << u"a\\b"_s << false;
        QTest::newRow("star") << u"a*"_s << false;
        QTest::newRow("dot dot") << u".."_s << false;
    }
    void usableNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        QCOMPARE(PaletteFile::IsUsableFileName(name), usable);
    }

    // Down each column first; a pass takes a 31st column beyond the edge.
    void gridPassOrder_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("palette window") << 12;
        QTest::newRow("palette editor") << 10;
    }
    void gridPassOrder()
    {
        QFETCH(int, rows);
        const TPalette palette = NumberedPalette(1000);
        const QList<TColor> pass = PaletteGrid::PassColours(palette, 26, rows);
        QCOMPARE(pass.size(), rows * 31);
        for (int k = 0; k < pass.size(); ++k)
            QCOMPARE(pass[k], Numbered(26 + k));

        const QImage image = PaletteGrid::Draw(palette, 26, rows);
        QCOMPARE(image.size(), QSize(300, rows * 10));
        // Cell (column c, row r) holds colour first + c × rows + r; its outline is black.
        for (int c : {0, 1, 29})
            for (int r : {0, rows - 1}) {
                const TColor want = Numbered(26 + c * rows + r);
                const QRgb got = image.pixel(c * 10 + 4, r * 10 + 4);
                QCOMPARE(TColor(qRed(got)) | TColor(qGreen(got)) << 8 | TColor(qBlue(got)) << 16, want);
                QCOMPARE(image.pixel(c * 10, r * 10 + 4), qRgb(0, 0, 0));
            }
    }

    void cellsPastTheEndAreBlack()
    {
        const TPalette palette = NumberedPalette(5);
        const QList<TColor> pass = PaletteGrid::PassColours(palette, 0, 12);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(pass[k], Numbered(k));
        for (int k = 5; k < pass.size(); ++k)
            QCOMPARE(pass[k], TColor(0));
        const QImage image = PaletteGrid::Draw(palette, 0, 12);
        QCOMPARE(image.pixel(5, 45), qRgb(4, 0, 7)); // fifth colour, first column
        QCOMPARE(image.pixel(15, 5), qRgb(0, 0, 0)); // second column: nothing
    }

    void cellNumbering()
    {
        QCOMPARE(PaletteGrid::CellAt(2, 2, 10), 1);
        QCOMPARE(PaletteGrid::CellAt(5, 95, 10), 10);
        QCOMPARE(PaletteGrid::CellAt(12, 3, 10), 11);
        QCOMPARE(PaletteGrid::CellAt(299, 99, 10), 300);
    }

    void spectrum()
    {
        const QImage s = SpectrumImage();
        QCOMPARE(s.size(), QSize(47, 93));
        QCOMPARE(s.pixel(0, 50), qRgb(127, 127, 127));
        QCOMPARE(s.pixel(20, 0), qRgb(127, 127, 127));
        QCOMPARE(s.pixel(1, 1), qRgb(0, 0, 0));    // black at the left
        QCOMPARE(s.pixel(46, 1), qRgb(255, 255, 255)); // white at the right
        QCOMPARE(qRed(s.pixel(23, 1)), 255);          // red in the middle of the first row
        QCOMPARE(qGreen(s.pixel(23, 1)), 0);
        QVERIFY(qBlue(s.pixel(23, 62)) > 200);        // blue two thirds down
    }

    void naturalOrder()
    {
        QVERIFY(NaturalLess(u"Sablona2.vtq"_s, u"Sablona10.vtq"_s));
        QVERIFY(!NaturalLess(u"Sablona10.vtq"_s, u"Sablona2.vtq"_s));
        QVERIFY(NaturalLess(u"alfa"_s, u"Beta"_s));
        QVERIFY(!NaturalLess(u"x"_s, u"x"_s));
    }
};

QTEST_GUILESS_MAIN(TestPaletteFile)
#include "tst_palette_file.moc"
