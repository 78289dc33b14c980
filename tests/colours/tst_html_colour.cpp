// The colour texts: the sixteen names, #RRGGBB in both cases, and the forms
// that are not colours.
#include "colours/html_colour.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHtmlColour : public QObject
{
    Q_OBJECT

private slots:
    void toHtml_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("red") << 0x0000FFu << u"Red"_s;
        QTest::newRow("navy") << 0x800000u << u"Navy"_s;
        QTest::newRow("white") << 0xFFFFFFu << u"White"_s;
        QTest::newRow("black") << 0x000000u << u"Black"_s;
        QTest::newRow("red first") << 0x563412u << u"#123456"_s;
        QTest::newRow("system grey-green is no name") << 0xC0DCC0u << u"#C0DCC0"_s;
        QTest::newRow("top byte ignored") << 0xFF0000FFu << u"Red"_s;
        QTest::newRow("top byte, hex") << 0x01563412u << u"#123456"_s;
        QTest::newRow("upper-case digits") << 0x3C2B1Au << u"#1A2B3C"_s;
    }
    void toHtml()
    {
        QFETCH(uint, value);
        QFETCH(QString, text);
        QCOMPARE(ColorToHtml(value), text);
    }

    void fromHtml_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<uint>("value");
        QTest::newRow("NAVY") << u"NAVY"_s << true << 0x800000u;
        QTest::newRow("navy hex") << u"#000080"_s << true << 0x800000u;
        QTest::newRow("lower name") << u"red"_s << true << 0x0000FFu;
        QTest::newRow("lower hex") << u"#ff0000"_s << true << 0x0000FFu;
        QTest::newRow("mixed hex") << u"#1a2B3c"_s << true << 0x3C2B1Au;
        QTest::newRow("short form") << u"#f00"_s << false << 0u;
        QTest::newRow("no hash") << u"123456"_s << false << 0u;
        QTest::newRow("bad digit") << u"#12345G"_s << false << 0u;
        QTest::newRow("too long") << u"#1234567"_s << false << 0u;
        QTest::newRow("unknown name") << u"orange"_s << false << 0u;
        QTest::newRow("empty") << QString() << false << 0u;
    }
    void fromHtml()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(uint, value);
        QCOMPARE(IsHtmlColour(text), accepted);
        if (accepted)
            QCOMPARE(HtmlToColor(text), value);
    }

    void roundTripNormalises_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("normal");
        QTest::newRow("red") << u"red"_s << u"Red"_s;
        QTest::newRow("#ff0000") << u"#ff0000"_s << u"Red"_s;
        QTest::newRow("#1a2b3c") << u"#1a2b3c"_s << u"#1A2B3C"_s;
        QTest::newRow("AQUA") << u"AQUA"_s << u"Aqua"_s;
    }
    void roundTripNormalises()
    {
        QFETCH(QString, text);
        QFETCH(QString, normal);
        QCOMPARE(ColorToHtml(HtmlToColor(text)), normal);
    }

    void namesInBothOrders()
    {
        QCOMPARE(HtmlColourNames().size(), 16);
        QCOMPARE(HtmlColourNames().first(), u"Black"_s);
        QCOMPARE(HtmlColourNames().last(), u"White"_s);
        QCOMPARE(HtmlColourNamesSorted(),
                 QStringList({u"Aqua"_s, u"Black"_s, u"Blue"_s, u"Fuchsia"_s, u"Gray"_s, u"Green"_s,
                              u"Lime"_s, u"Maroon"_s, u"Navy"_s, u"Olive"_s, u"Purple"_s, u"Red"_s,
                              u"Silver"_s, u"Teal"_s, u"White"_s, u"Yellow"_s}));
    }

    void qcolourRoundTrip()
    {
        QCOMPARE(ToTColor(QColor(18, 52, 86)), 0x563412u);
        QCOMPARE(TColors::ToQColor(0x563412u), QColor(18, 52, 86));
    }
};

QTEST_GUILESS_MAIN(TestHtmlColour)
#include "tst_html_colour.moc"
