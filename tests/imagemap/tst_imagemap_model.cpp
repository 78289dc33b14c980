// The image-map areas: reading them from a page, the coordinate texts, the
// written MAP block and the new-map insertion.
#include "imagemap/html_parser.h"
#include "imagemap/imagemap_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace ImageMap;

namespace {

QString Describe(const QList<TImagemapinfo> &areas)
{
    QStringList out;
    for (const TImagemapinfo &a : areas)
        out << QStringList{a.Shape, a.Alt, a.Coords, a.Href, a.AccessKey, a.TabIndex,
                           a.NoHref ? u"nohref"_s : QString()}
                   .join(u'|');
    return out.join(u';');
}

TImagemapinfo Area(const QString &shape, const QString &alt, const QString &coords,
                   const QString &href = {})
{
    TImagemapinfo a;
    a.Shape = shape;
    a.Alt = alt;
    a.Coords = coords;
    a.Href = href;
    return a;
}

const QString TwoMaps = u"<html><body>\r\n"
                        u"<img src=\"a.png\" usemap=\"#first\">\r\n"
                        u"<p>before <MAP NAME=\"first\">\r\n"
                        u"     <AREA SHAPE=\"Rectangle\" ALT=\"One\" COORDS=\"1,2,3,4\" HREF=\"one.htm\">\r\n"
                        u"     <AREA SHAPE=\"Circle\" ALT=\"Two\" COORDS=\"5,5,2\">\r\n"
                        u"</MAP> after</p>\r\n"
                        u"<map name=\"second\">\r\n"
                        u"<area shape=\"poly\" coords=\"0,0,9,0,9,9\" nohref>\r\n"
                        u"</map>\r\n"
                        u"</body></html>"_s;

} // namespace

class TestImagemapModel : public QObject
{
    Q_OBJECT

private slots:
    void readMap_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("areas");
        QTest::addColumn<QStringList>("pictures");

        QTest::newRow("first of two maps")
            << TwoMaps << u"first"_s
            << u"Rectangle|One|1,2,3,4|one.htm|||;Circle|Two|5,5,2||||"_s << QStringList{u"a.png"_s};
        QTest::newRow("second of two maps, name in other case")
            << TwoMaps << u"SECOND"_s << u"Poly|Oblast1|0,0,9,0,9,9||||nohref"_s << QStringList();
        QTest::newRow("areas outside the map are not read")
            << u"<html><area alt=before><map name=m><area alt=in></map><area alt=after>"
               u"<map name=other><area alt=elsewhere></map>"_s
            << u"m"_s << u"Rectangle|in|||||"_s << QStringList();
        QTest::newRow("a map of another name does not end the map")
            << u"<html><map name=m><area><map name=x><area></map><area>"_s << u"m"_s
            << u"Rectangle|Oblast1|||||;Rectangle|Oblast2|||||"_s << QStringList();
        QTest::newRow("no html marker: plain text, nothing read")
            << u"<img src=a.png usemap=#m><map name=m><area alt=x></map>"_s << u"m"_s << QString()
            << QStringList();
        QTest::newRow("every field, capitals")
            << u"<HTML><IMG SRC=\"Pic.PNG\" USEMAP=\"#M\"><MAP NAME=\"M\"><AREA SHAPE=\"CIRCLE\" "
               u"ALT=\"a b\" COORDS=\"1,2,3\" HREF=\"x.htm\" ACCESSKEY=\"k\" TABINDEX=\"2\" NOHREF></MAP>"_s
            << u"m"_s << u"Circle|a b|1,2,3|x.htm|k|2|nohref"_s << QStringList{u"Pic.PNG"_s};
        QTest::newRow("every field, small letters")
            << u"<html><img src='p.gif' usemap='#m'><map name='m'><area shape='poly' alt='a' "
               u"coords='1,2,3,4,5,6' href='y.htm' accesskey='q' tabindex='7' nohref></map>"_s
            << u"M"_s << u"Poly|a|1,2,3,4,5,6|y.htm|q|7|nohref"_s << QStringList{u"p.gif"_s};
        QTest::newRow("label by number without alt")
            << u"<html><map name=m><area alt=first><area><area alt=\"\"></map>"_s << u"m"_s
            << u"Rectangle|first|||||;Rectangle|Oblast2|||||;Rectangle||||||"_s << QStringList();
        QTest::newRow("shape keywords")
            << u"<html><map name=m><area shape=rect><area shape=RECTANGLE><area shape=Polygon>"
               u"<area shape=circ><area shape=default></map>"_s
            << u"m"_s
            << u"Rectangle|Oblast1|||||;Rectangle|Oblast2|||||;Poly|Oblast3|||||;"
               u"Circle|Oblast4|||||;Rectangle|Oblast5|||||"_s
            << QStringList();
        QTest::newRow("quote references read as quotes")
            << u"<html><map name=m><area alt=\"say &quot;hi&quot;\"></map>"_s << u"m"_s
            << u"Rectangle|say \"hi\"|||||"_s << QStringList();
        QTest::newRow("picture of another map is not taken")
            << u"<html><img src=x.png usemap=#other><img src=y.png usemap=#m>"_s << u"m"_s
            << QString() << QStringList{u"y.png"_s};
    }

    void readMap()
    {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QString, areas);
        QFETCH(QStringList, pictures);
        THTMLParser parser;
        const TMapReading r =
            ReadMap(parser, Codec::Encode(page, Codec::TextEncoding::Windows1250), name,
                    Codec::TextEncoding::Windows1250);
        QCOMPARE(Describe(r.areas), areas);
        QCOMPARE(r.pictures, pictures);
    }

    void readMapDecodesTheDocumentsEncoding()
    {
        const QString page = u"<html><map name=\"mapa\"><area alt=\"Žluťoučký kůň\"></map>"_s;
        THTMLParser parser;
        for (auto enc : {Codec::TextEncoding::Windows1250, Codec::TextEncoding::Utf8}) {
            const TMapReading r = ReadMap(parser, Codec::Encode(page, enc), u"mapa"_s, enc);
            QCOMPARE(Describe(r.areas), u"Rectangle|Žluťoučký kůň|||||"_s);
        }
    }

    void areaLine_data()
    {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("line");
        QTest::newRow("capitals, bare") << true << false
                                        << u"     <AREA SHAPE=\"Rectangle\" ALT=\"A\" COORDS=\"1,2,3,4\">"_s;
        QTest::newRow("small, bare") << false << false
                                     << u"     <area shape=\"Rectangle\" alt=\"A\" coords=\"1,2,3,4\">"_s;
        QTest::newRow("capitals, every field")
            << true << true
            << u"     <AREA SHAPE=\"Rectangle\" ALT=\"A\" COORDS=\"1,2,3,4\" HREF=\"h.htm\" "
               u"ACCESSKEY=\"k\" TABINDEX=\"3\" NOHREF>"_s;
        QTest::newRow("small, every field")
            << false << true
            << u"     <area shape=\"Rectangle\" alt=\"A\" coords=\"1,2,3,4\" href=\"h.htm\" "
               u"accesskey=\"k\" tabindex=\"3\" nohref>"_s;
    }

    void areaLine()
    {
        QFETCH(bool, upper);
        QFETCH(bool, full);
        QFETCH(QString, line);
        TImagemapinfo a = Area(Rectangle, u"A"_s, u"1,2,3,4"_s);
        if (full) {
            a.Href = u"h.htm"_s;
            a.AccessKey = u"k"_s;
            a.TabIndex = u"3"_s;
            a.NoHref = true;
        }
        QCOMPARE(AreaLine(a, upper), line);
    }

    void writeMap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("newCaret");

        const QString a1 = u"     <AREA SHAPE=\"Rectangle\" ALT=\"A\" COORDS=\"1,2,3,4\">"_s;
        const QString page = u"x\r\npre <MAP NAME=\"m\"><AREA x>\r\n<AREA y>\r\n</map> tail\r\nend"_s;
        QTest::newRow("caret on the map line: head and tail kept")
            << page << 3 << u"m"_s << true
            << u"x\r\npre <MAP NAME=\"m\">\r\n"_s + a1 + u"\r\n</MAP> tail\r\nend"_s
            << int(TMapTarget::CaretLine) << 3;
        QTest::newRow("caret inside the start tag")
            << page << 12 << u"m"_s << true
            << u"x\r\npre <MAP NAME=\"m\">\r\n"_s + a1 + u"\r\n</MAP> tail\r\nend"_s
            << int(TMapTarget::CaretTag) << 3;
        QTest::newRow("one-line block")
            << u"<map name=m></map>!"_s << 0 << u"m"_s << false
            << u"<map name=m>\r\n     <area shape=\"Rectangle\" alt=\"A\" coords=\"1,2,3,4\">\r\n</map>!"_s
            << int(TMapTarget::CaretTag) << 0;
        QTest::newRow("start tag over two lines, caret on its second line")
            << u"a\r\n<map\r\n name=\"m\">\r\n<area>\r\n</MAP>\r\nb"_s << 10 << u"m"_s << true
            << u"a\r\n<map\r\n name=\"m\">\r\n"_s + a1 + u"\r\n</MAP>\r\nb"_s
            << int(TMapTarget::CaretTag) << 3;
        QTest::newRow("caret elsewhere: the map found by its name")
            << u"<p>x</p>\r\n<map name=\"other\"></map>\r\n<MAP name=\"M\"><area></map>"_s << 2
            << u"m"_s << true
            << u"<p>x</p>\r\n<map name=\"other\"></map>\r\n<MAP name=\"M\">\r\n"_s + a1 + u"\r\n</MAP>"_s
            << int(TMapTarget::Named) << 36;
        QTest::newRow("no closing tag: block inserted, nothing removed")
            << u"<map name=m><area alt=old>\r\n<p>rest</p>"_s << 0 << u"m"_s << true
            << u"<map name=m>\r\n"_s + a1 + u"\r\n</MAP><area alt=old>\r\n<p>rest</p>"_s
            << int(TMapTarget::CaretTag) << 0;
        QTest::newRow("no map anywhere: nothing written")
            << u"<p>no map</p>\r\n<map></p>"_s << 3 << u"m"_s << true
            << u"<p>no map</p>\r\n<map></p>"_s << int(TMapTarget::None) << 3;
        QTest::newRow("map start without > on the caret line and no name")
            << u"<MAP\r\n"_s << 1 << QString() << true << u"<MAP\r\n"_s << int(TMapTarget::None) << 1;
    }

    void writeMap()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, name);
        QFETCH(bool, upper);
        QFETCH(QString, expected);
        QFETCH(int, target);
        QFETCH(int, newCaret);
        const TMapWrite w = WriteMap(text, caret, name, {Area(Rectangle, u"A"_s, u"1,2,3,4"_s)}, upper);
        QCOMPARE(w.text, expected);
        QCOMPARE(int(w.target), target);
        QCOMPARE(w.caretOffset, newCaret);
    }

    void emptyAreasWriteHeadAndClosingTag()
    {
        const TMapWrite w = WriteMap(u"<MAP NAME=\"m\">\r\n<AREA>\r\n</MAP>"_s, 0, u"m"_s, {}, true);
        QCOMPARE(w.text, u"<MAP NAME=\"m\">\r\n</MAP>"_s);
        QVERIFY(w.closed);
    }

    // A page with two maps: each is read, changed (added, moved, removed
    // areas) and written with the caret on it; the other map and all the
    // text around the block stay byte for byte.
    void roundTripTwoMaps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("startTag");
        QTest::newRow("first") << u"first"_s << u"<MAP NAME=\"first\">"_s;
        QTest::newRow("second") << u"second"_s << u"<map name=\"second\">"_s;
    }

    void roundTripTwoMaps()
    {
        QFETCH(QString, name);
        QFETCH(QString, startTag);
        THTMLParser parser;
        const auto read = [&parser, &name](const QString &text) {
            return ReadMap(parser, Codec::Encode(text, Codec::TextEncoding::Windows1250), name,
                           Codec::TextEncoding::Windows1250)
                .areas;
        };
        const QString otherName = name == u"first"_s ? u"second"_s : u"first"_s;
        const QString otherBefore = Describe(ReadMap(parser, TwoMaps.toLatin1(), otherName,
                                                     Codec::TextEncoding::Windows1250)
                                                 .areas);

        QList<TImagemapinfo> areas = read(TwoMaps);
        QVERIFY(!areas.isEmpty());
        areas.append(Area(Poly, u"Nová"_s, u"1,1,5,1,3,4"_s, u"new.htm"_s));
        areas.move(0, areas.size() - 1);
        areas.first().Coords = u"10,10,20,20"_s;
        const int caret = int(TwoMaps.indexOf(startTag)) + 3;
        const int headEnd = caret - 3 + int(startTag.size());

        TMapWrite w = WriteMap(TwoMaps, caret, name, areas, true);
        QCOMPARE(Describe(read(w.text)), Describe(areas));
        QCOMPARE(w.text.left(headEnd), TwoMaps.left(headEnd));
        const qsizetype oldClose = TwoMaps.indexOf(u"</MAP>"_s, headEnd, Qt::CaseInsensitive) + 6;
        const qsizetype newClose = w.text.indexOf(u"</MAP>"_s, headEnd, Qt::CaseInsensitive) + 6;
        QCOMPARE(w.text.mid(newClose), TwoMaps.mid(oldClose));
        QCOMPARE(Describe(ReadMap(parser, w.text.toUtf8(), otherName, Codec::TextEncoding::Utf8).areas),
                 otherBefore);

        // Written again unchanged, the text stays the same.
        const TMapWrite again = WriteMap(w.text, caret, name, read(w.text), true);
        QCOMPARE(again.text, w.text);

        // Removing every area leaves the head and the closing tag.
        w = WriteMap(w.text, caret, name, {}, true);
        QVERIFY(read(w.text).isEmpty());
        QCOMPARE(w.text.left(headEnd), TwoMaps.left(headEnd));
        QCOMPARE(w.text.mid(headEnd, 8), u"\r\n</MAP>"_s);
    }

    void quotesInValuesRoundTrip()
    {
        TImagemapinfo a = Area(Rectangle, u"say \"hi\""_s, u"1,2,3,4"_s, u"a.htm?x=\"1\""_s);
        const TMapWrite w = WriteMap(u"<html><map name=m></map>"_s, 7, u"m"_s, {a}, false);
        THTMLParser parser;
        const auto areas =
            ReadMap(parser, w.text.toLatin1(), u"m"_s, Codec::TextEncoding::Windows1250).areas;
        QCOMPARE(Describe(areas), Describe({a}));
    }

    void coordinates_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("circle");
        QTest::addColumn<QString>("coords");
        QTest::newRow("rectangle") << QPoint(10, 20) << QPoint(40, 35) << false << u"10,20,40,35"_s;
        QTest::newRow("rectangle dragged up and left")
            << QPoint(40, 35) << QPoint(10, 20) << false << u"10,20,40,35"_s;
        QTest::newRow("zero rectangle") << QPoint(5, 5) << QPoint(5, 5) << false << u"5,5,5,5"_s;
        QTest::newRow("circle wider than high: the width wins")
            << QPoint(10, 10) << QPoint(40, 20) << true << u"25,25,15"_s;
        QTest::newRow("circle higher than wide") << QPoint(0, 0) << QPoint(5, 21) << true
                                                 << u"10,10,10"_s;
        QTest::newRow("circle dragged up and left keeps a radius")
            << QPoint(50, 50) << QPoint(30, 40) << true << u"40,40,10"_s;
    }

    void coordinates()
    {
        QFETCH(QPoint, origin);
        QFETCH(QPoint, point);
        QFETCH(bool, circle);
        QFETCH(QString, coords);
        const QRect outline = DraggedOutline(origin, point, circle);
        QCOMPARE(circle ? CircleCoords(outline) : RectangleCoords(outline), coords);
    }

    void coordNumbers()
    {
        QList<int> n;
        QVERIFY(CoordNumbers(u"1, 2,3"_s, &n));
        QCOMPARE(n, (QList<int>{1, 2, 3}));
        QVERIFY(!CoordNumbers(u"1,a,3"_s, &n));
        QVERIFY(!CoordNumbers(QString(), &n));
        QVERIFY(!CoordNumbers(u"1,,3"_s, &n));
    }

    void insertNewMap_data()
    {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("expected");
        QTest::newRow("capitals")
            << true
            << u"a\r\nxy<IMG SRC=\"obr/m.png\" USEMAP=\"#nav\" ISMAP>z\r\n<MAP NAME=\"nav\">\r\n</MAP>\r\nb"_s;
        QTest::newRow("small letters")
            << false
            << u"a\r\nxy<img src=\"obr/m.png\" usemap=\"#nav\" ismap>z\r\n<map name=\"nav\">\r\n</map>\r\nb"_s;
    }

    void insertNewMap()
    {
        QFETCH(bool, upper);
        QFETCH(QString, expected);
        const TNewMapInsert ins = InsertNewMap(u"a\r\nxyz\r\nb"_s, 5, u"nav"_s, u"obr/m.png"_s, upper);
        QCOMPARE(ins.text, expected);
        QCOMPARE(ins.text.mid(ins.caretOffset, 4).toUpper(), u"<MAP"_s);
        QCOMPARE(MapNameAtCaret(ins.text, ins.caretOffset), u"nav"_s);
    }

    void mapNameAtCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        const QString t = u"<p><map name=\"Nav\"></map>"_s;
        QTest::newRow("inside") << t << 8 << u"Nav"_s << true;
        QTest::newRow("just before <") << u"x <map name=a>"_s << 2 << u"a"_s << true;
        QTest::newRow("after the > of the tag before") << t << 3 << QString() << false;
        QTest::newRow("just after >") << t << 19 << u"Nav"_s << true;
        QTest::newRow("on the end tag") << t << 21 << QString() << false;
        QTest::newRow("on another tag") << t << 1 << QString() << false;
        QTest::newRow("in text") << u"x <map name=a> y"_s << 16 << QString() << false;
        QTest::newRow("mapping is no map") << u"<mapping name=a>"_s << 3 << QString() << false;
        QTest::newRow("map without a name") << u"<MAP>"_s << 2 << QString() << true;
    }

    void mapNameAtCaret()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, name);
        QFETCH(bool, found);
        const QString got = MapNameAtCaret(text, caret);
        QCOMPARE(!got.isNull(), found);
        QCOMPARE(got, name);
    }

    void resolvePicture()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"obr"_s));
        QFile f(dir.filePath(u"obr/Mapa.png"_s));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString full = dir.filePath(u"obr/Mapa.png"_s);
        QCOMPARE(ResolvePicture(u"obr/Mapa.png"_s, dir.path()), full);
        QCOMPARE(ResolvePicture(u"obr\\Mapa.png"_s, dir.path()), full);
        QCOMPARE(ResolvePicture(full, u"/nowhere"_s), full);
        QCOMPARE(ResolvePicture(u"file://"_s + full, QString()), full);
        QVERIFY(ResolvePicture(u"obr/mapa.png"_s, dir.path()).isEmpty());
        QVERIFY(ResolvePicture(u"obr"_s, dir.path()).isEmpty());
        QVERIFY(ResolvePicture(QString(), dir.path()).isEmpty());
        // A relative name is never looked up in the working folder.
        QDir::setCurrent(dir.filePath(u"obr"_s));
        QVERIFY(ResolvePicture(u"Mapa.png"_s, u"/nowhere"_s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestImagemapModel)
#include "tst_imagemap_model.moc"
