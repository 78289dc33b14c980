// The shipped inspector data: every listed element has a definition file
// that reads without error and uses only editors the program knows.
#include "inspector/tag_definition.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kProgram = QStringLiteral(SHIPPED_DATA_DIR "/");

QStringList Index()
{
    return TagData::ReadLines(TagData::IndexPath(kProgram));
}

QList<TDefinitionRow> Rows(const QString &name)
{
    const QString path = TagData::DefinitionPath(TagData::InspectorFolder(kProgram), name);
    return ParseTagDefinition(TagData::ReadLines(path), path, [] { return QStringList{u"F"_s}; });
}

} // namespace

class TestTagInspectorData : public QObject
{
    Q_OBJECT

private slots:
    void indexListsTheElementsOnce()
    {
        // The help pages carry one anchor per element of this list.
        const QStringList expected =
            u"a abbr acronym address applet area b base basefont bdo big blockquote body br button "
            "caption center cite code col colgroup dd del dfn dir div dl dt em fieldset font form "
            "frame frameset h1 h2 h3 h4 h5 h6 head hr html i iframe img input ins isindex kbd label "
            "legend li link map menu meta noframes noscript object ol optgroup option p param pre q "
            "s samp script select small span strike strong style sub sup table tbody td textarea "
            "tfoot th thead title tr tt u ul var "
            "article aside audio bdi canvas data datalist details dialog embed figcaption figure "
            "footer header main mark meter nav output picture progress section source summary "
            "template time track video wbr"_s.split(u' ');
        QStringList index = Index();
        QCOMPARE(index.size(), expected.size());
        QCOMPARE(QSet<QString>(index.cbegin(), index.cend()), QSet<QString>(expected.cbegin(), expected.cend()));
    }

    void everyElement_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : Index())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyElement()
    {
        QFETCH(QString, name);
        const QString path = TagData::InspectorFolder(kProgram) + name + u".if"_s;
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        const QList<TDefinitionRow> rows = Rows(name);
        QVERIFY(!rows.isEmpty());
        const QStringList checks = TagData::ReadLines(TagData::CheckIndexPath(kProgram));
        QSet<QString> names;
        for (const TDefinitionRow &r : rows) {
            QVERIFY2(!r.Name.isEmpty() && !r.Name.contains(u' '), qPrintable(name + u": "_s + r.Name));
            QVERIFY2(!names.contains(r.Name), qPrintable(name + u": twice "_s + r.Name));
            names.insert(r.Name);
            if (r.Kind == TRowKind::Button)
                QVERIFY2(KnownDialogKinds().contains(r.DialogKind), qPrintable(name + u": "_s + r.DialogKind));
            if (r.Kind == TRowKind::Combo)
                QVERIFY2(!r.Choices.isEmpty() && !r.Choices.contains(QString()), qPrintable(name + u": "_s + r.Name));
            // A yes/no row must be known as a check attribute, or it would be written name="Ano".
            QCOMPARE(checks.contains(r.Name.toLower()), r.Kind == TRowKind::Checkbox);
        }
    }

    // The parts of the program that read row 1 rely on what it holds.
    void firstRows_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("first");
        QTest::newRow("img previews its src") << u"img"_s << u"src"_s;
        QTest::newRow("map names the map") << u"map"_s << u"name"_s;
    }
    void firstRows()
    {
        QFETCH(QString, element);
        QFETCH(QString, first);
        QCOMPARE(Rows(element).first().Name, first);
    }

    void editorsOfTypicalAttributes_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("editor"); // kind, then dialog word or first choice
        QTest::newRow("a href") << u"a"_s << u"href"_s << u"button openhtml"_s;
        QTest::newRow("script src") << u"script"_s << u"src"_s << u"button openjavascript"_s;
        QTest::newRow("body background") << u"body"_s << u"background"_s << u"button picturedialog"_s;
        QTest::newRow("form action") << u"form"_s << u"action"_s << u"button openhtml"_s;
        QTest::newRow("object data") << u"object"_s << u"data"_s << u"button openhtml"_s;
        QTest::newRow("video poster") << u"video"_s << u"poster"_s << u"button picturedialog"_s;
        QTest::newRow("audio src") << u"audio"_s << u"src"_s << u"button opensound"_s;
        QTest::newRow("map editor") << u"map"_s << u"[mapa]"_s << u"button openmapedit"_s;
        QTest::newRow("body bgcolor") << u"body"_s << u"bgcolor"_s << u"combo Vlastní..."_s;
        QTest::newRow("font face") << u"font"_s << u"face"_s << u"combo F"_s;
        QTest::newRow("td valign") << u"td"_s << u"valign"_s << u"combo top"_s;
        QTest::newRow("a target") << u"a"_s << u"target"_s << u"combo _blank"_s;
        QTest::newRow("form method") << u"form"_s << u"method"_s << u"combo get"_s;
        QTest::newRow("area shape") << u"area"_s << u"shape"_s << u"combo rect"_s;
        QTest::newRow("iframe scrolling") << u"iframe"_s << u"scrolling"_s << u"combo auto"_s;
        QTest::newRow("p dir") << u"p"_s << u"dir"_s << u"combo ltr"_s;
        QTest::newRow("input checked") << u"input"_s << u"checked"_s << u"checkbox"_s;
        QTest::newRow("option selected") << u"option"_s << u"selected"_s << u"checkbox"_s;
        QTest::newRow("video controls") << u"video"_s << u"controls"_s << u"checkbox"_s;
        QTest::newRow("div id") << u"div"_s << u"id"_s << u"text"_s;
        QTest::newRow("section class") << u"section"_s << u"class"_s << u"text"_s;
    }
    void editorsOfTypicalAttributes()
    {
        QFETCH(QString, element);
        QFETCH(QString, attribute);
        QFETCH(QString, editor);
        for (const TDefinitionRow &r : Rows(element)) {
            if (r.Name != attribute)
                continue;
            const QString got = r.Kind == TRowKind::Text       ? u"text"_s
                                : r.Kind == TRowKind::Checkbox ? u"checkbox"_s
                                : r.Kind == TRowKind::Button   ? u"button "_s + r.DialogKind
                                                               : u"combo "_s + r.Choices.first();
            QCOMPARE(got, editor);
            return;
        }
        QFAIL("attribute not listed");
    }

    void inputTypesIncludeCurrentOnes()
    {
        for (const TDefinitionRow &r : Rows(u"input"_s)) {
            if (r.Name == u"type"_s) {
                for (const char *t : {"text", "password", "checkbox", "radio", "submit", "reset", "file",
                                      "hidden", "image", "button", "color", "date", "datetime-local",
                                      "email", "month", "number", "range", "search", "tel", "time",
                                      "url", "week"})
                    QVERIFY2(r.Choices.contains(QString::fromLatin1(t)), t);
                return;
            }
        }
        QFAIL("no type row");
    }

    void baseFontsListed()
    {
        const QStringList fonts = TagData::ReadLines(TagData::BaseFontsPath(kProgram));
        QVERIFY(fonts.contains(u"Arial"_s));
        QVERIFY(fonts.contains(u"Times New Roman"_s));
        QVERIFY(!fonts.contains(QString()));
    }
};

QTEST_GUILESS_MAIN(TestTagInspectorData)
#include "tst_taginsp_data.moc"
