// The tag scanner: items, tag splitting, error reports, the scan routines.
#include "imagemap/html_parser.h"

#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One line per parse: T[text] C[comment] S[script] and <name|key=value|...>.
QString Describe(const THTMLParser &parser)
{
    QString out;
    for (const auto &entry : parser.ItemList) {
        const THTMLEntry *e = entry.get();
        const auto text = [](const THTMLItem *item) { return QString::fromLatin1(item->GetText()); };
        if (typeid(*e) == typeid(THTMLText)) {
            out += u"T["_s + text(static_cast<const THTMLItem *>(e)) + u"]"_s;
        } else if (typeid(*e) == typeid(THTMLComment)) {
            out += u"C["_s + text(static_cast<const THTMLItem *>(e)) + u"]"_s;
        } else if (typeid(*e) == typeid(THTMLServerScript)) {
            out += u"S["_s + text(static_cast<const THTMLItem *>(e)) + u"]"_s;
        } else if (const auto *tag = dynamic_cast<const THTMLTag *>(e)) {
            out += u"<"_s + QString::fromLatin1(tag->GetName());
            for (const auto &p : tag->Params)
                out += u"|"_s + QString::fromLatin1(p->GetKey()) + u"="_s
                       + QString::fromLatin1(p->GetValue());
            out += u">"_s;
        } else {
            out += u"?"_s;
        }
    }
    return out;
}

// The source again from the items: every byte is in exactly one item or
// its delimiters, in order.
QByteArray Rebuild(const THTMLParser &parser)
{
    QByteArray out;
    for (const auto &entry : parser.ItemList) {
        const THTMLEntry *e = entry.get();
        if (typeid(*e) == typeid(THTMLText))
            out += static_cast<const THTMLItem *>(e)->GetText();
        else if (typeid(*e) == typeid(THTMLComment))
            out += "<!--" + static_cast<const THTMLItem *>(e)->GetText() + "-->";
        else if (typeid(*e) == typeid(THTMLServerScript))
            out += "<%" + static_cast<const THTMLItem *>(e)->GetText() + "%>";
        else if (const auto *tag = dynamic_cast<const THTMLTag *>(e))
            out += "<" + tag->Whole.GetText() + ">";
    }
    return out;
}

} // namespace

class TestHtmlParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("items");
        QTest::addColumn<QStringList>("errors");
        const QStringList none;

        QTest::newRow("empty") << QByteArray() << QString() << none;
        QTest::newRow("no html marker: one text, tags included")
            << QByteArray("<p>hi</p>\r\n<map name=x>") << u"T[<p>hi</p>\r\n<map name=x>]"_s << none;
        QTest::newRow("marker in any case") << QByteArray("<HtMl>x") << u"<HtMl>T[x]"_s << none;
        QTest::newRow("body or script marks html too")
            << QByteArray("<p><BODY>") << u"<p><BODY>"_s << none;
        QTest::newRow("five items, delimiters dropped")
            << QByteArray("<HTML><!-- a -->x<%b%><p>") << u"<HTML>C[ a ]T[x]S[b]<p>"_s << none;
        QTest::newRow("comment closed on the last byte")
            << QByteArray("<html><!--x-->") << u"<html>C[x]"_s << none;
        QTest::newRow("comment opener closed by its own dashes")
            << QByteArray("<html><!-->x") << u"<html>C[]T[x]"_s << none;
        QTest::newRow("doctype is a tag") << QByteArray("<!DOCTYPE html><html>")
                                          << u"<!DOCTYPE|html=><html>"_s << none;
        QTest::newRow("> inside quotes does not end the tag")
            << QByteArray("<html><img alt='a>b' src=x>") << u"<html><img|alt=a>b|src=x>"_s << none;
        QTest::newRow("backslash quote does not close")
            << QByteArray("<html><a title=\"x\\\"y>z\" b=c>")
            << u"<html><a|title=x\\\"y>z|b=c>"_s << none;
        QTest::newRow("quotes of the other kind and inner spaces kept")
            << QByteArray("<html><p title=\"it's a  b\">") << u"<html><p|title=it's a  b>"_s << none;
        QTest::newRow("<> gives nothing") << QByteArray("<html><>x") << u"<html>T[x]"_s << none;
        QTest::newRow("script body is one text")
            << QByteArray("<html><script>if (a<b) x='<b>';</SCRIPT><p>")
            << u"<html><script>T[if (a<b) x='<b>';]</SCRIPT><p>"_s << none;
        QTest::newRow("style body is one text")
            << QByteArray("<html><style>p > a {}</style>") << u"<html><style>T[p > a {}]</style>"_s
            << none;
        QTest::newRow("unclosed < keeps what came before")
            << QByteArray("<html><p>text<a href") << u"<html><p>T[text]"_s
            << QStringList{u"> not found|<a href"_s};
        QTest::newRow("unclosed quote runs to the end")
            << QByteArray("<html><img alt='x>") << u"<html>"_s
            << QStringList{u"> not found|<img alt='x>"_s};
        QTest::newRow("document ends inside a script")
            << QByteArray("<html><script>var a") << u"<html><script>"_s
            << QStringList{u"</script> not match|var a"_s};
        QTest::newRow("document ends inside a style")
            << QByteArray("<html><style>p{}") << u"<html><style>"_s
            << QStringList{u"</style> not match|p{}"_s};
        QTest::newRow("server script unclosed") << QByteArray("<html><% x") << u"<html>"_s
                                                << QStringList{u"> not found|<% x"_s};
        QTest::newRow("trailing white space adds nothing")
            << QByteArray("<html><br  >") << u"<html><br>"_s << none;
        QTest::newRow("tag split over lines")
            << QByteArray("<html><a\r\n href=x\r\n>") << u"<html><a|href=x>"_s << none;
        QTest::newRow("quoted values")
            << QByteArray("<html><a href='x' target=_blank>") << u"<html><a|href=x|target=_blank>"_s
            << none;
        QTest::newRow("words before = make one key")
            << QByteArray("<html><td nowrap valign=top>") << u"<html><td|nowrap valign=top>"_s << none;
        QTest::newRow("key without value at the end")
            << QByteArray("<html><area shape=rect nohref>") << u"<html><area|shape=rect|nohref=>"_s
            << none;
        QTest::newRow("empty quoted value") << QByteArray("<html><a b=\"\" c=d>")
                                            << u"<html><a|b=|c=d>"_s << none;
        QTest::newRow("key not defined in tag")
            << QByteArray("<html><img ='x' src=y>") << u"<html><img|src=y>"_s
            << QStringList{u"key not defined in tag|<img ='x' src=y>"_s};
        QTest::newRow("end tags keep their slash")
            << QByteArray("<html></MAP>") << u"<html></MAP>"_s << none;
    }

    void parse()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, items);
        QFETCH(QStringList, errors);
        THTMLParser parser;
        QStringList reported;
        parser.OnError = [&reported](const QString &message, const QString &context) {
            reported << message + u"|"_s + context;
        };
        parser.Source = source;
        parser.Parse();
        QCOMPARE(Describe(parser), items);
        QCOMPARE(reported, errors);

        // Without a handler the same items come, silently.
        THTMLParser quiet;
        quiet.Source = source;
        quiet.Parse();
        QCOMPARE(Describe(quiet), items);
    }

    void tagWithoutParametersHasEmptyList()
    {
        THTMLParser parser;
        parser.Source = "<html><br>";
        parser.Parse();
        QCOMPARE(parser.ItemList.size(), size_t(2));
        const auto *br = dynamic_cast<const THTMLTag *>(parser.ItemList[1].get());
        QVERIFY(br);
        QVERIFY(br->Params.empty());
        QCOMPARE(br->Whole.GetText(), QByteArray("br"));
    }

    void itemsAreViewsIntoTheBuffer()
    {
        THTMLParser parser;
        parser.Source = "<html><a href=x>";
        parser.Parse();
        const auto *a = dynamic_cast<const THTMLTag *>(parser.ItemList[1].get());
        QVERIFY(a);
        QCOMPARE(a->Name.Start, qsizetype(7));
        QCOMPARE(a->Name.Len, 1);
        QCOMPARE(a->Params[0]->Whole.GetText(), QByteArray("href=x"));
        QCOMPARE(a->Params[0]->Value.Start, qsizetype(14));
        // A second parse starts afresh.
        parser.Source = "plain";
        parser.Parse();
        QCOMPARE(Describe(parser), u"T[plain]"_s);
        THTMLItem unset(&parser.Source);
        QVERIFY(unset.GetText().isEmpty());
    }

    // Without a handler a tag's parameters are split when its list is first
    // read: read late, in any order and more than once, they are the ones a
    // parse with a handler splits at once, to the byte.
    void parametersReadLaterAreTheSame()
    {
        const QByteArray page("<html><td nowrap valign=top><img ='x' src=y alt=\"a b\"  ><a href='p>q'>"
                              "<br   ><p\r\nclass=c\r\n><input value=\"\" checked>");
        THTMLParser eager;
        eager.OnError = [](const QString &, const QString &) {};
        eager.Source = page;
        eager.Parse();
        THTMLParser lazy;
        lazy.Source = page;
        lazy.Parse();
        QCOMPARE(lazy.ItemList.size(), eager.ItemList.size());
        const auto spans = [](const THTMLTag *tag) {
            QString out = QString::number(tag->Params.size());
            for (const THTMLParam *p : tag->Params) {
                for (const THTMLSpan *span : {&p->Whole, &p->Key, &p->Value})
                    out += u" %1+%2"_s.arg(span->Start).arg(span->Len);
            }
            return out;
        };
        for (size_t i = lazy.ItemList.size(); i-- > 0;) {
            const auto *a = dynamic_cast<const THTMLTag *>(eager.ItemList[i].get());
            const auto *b = dynamic_cast<const THTMLTag *>(lazy.ItemList[i].get());
            QVERIFY(a && b);
            QCOMPARE(b->Name.Start, a->Name.Start);
            QCOMPARE(b->Name.Len, a->Name.Len);
            QCOMPARE(b->Params.empty(), a->Params.empty());
            QCOMPARE(spans(b), spans(a));
            QCOMPARE(spans(b), spans(a));
        }
        // A tag split again by ParseTag drops the pending split.
        auto *img = const_cast<THTMLTag *>(dynamic_cast<const THTMLTag *>(lazy.ItemList[2].get()));
        img->ParseTag(img->Whole.Start, img->Whole.Len);
        QCOMPARE(img->Params.size(), size_t(2));
        QCOMPARE(img->Params[1]->GetValue(), QByteArray("a b"));
    }

    // LastTagName is the name of the last tag before the point a handler is
    // called from, and of the last tag of all after the parse.
    void lastTagName_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("after");
        QTest::newRow("no tags") << QByteArray("plain") << QStringList() << QString();
        QTest::newRow("last tag, comments do not count")
            << QByteArray("<html><p>x<BR><!-- c -->y") << QStringList() << u"BR"_s;
        QTest::newRow("a tag's own error comes before its name")
            << QByteArray("<html><b><img ='x'>z") << QStringList{u"b"_s} << u"img"_s;
        QTest::newRow("unclosed tag") << QByteArray("<html><p>text<a href") << QStringList{u"p"_s}
                                      << u"p"_s;
        QTest::newRow("unclosed script") << QByteArray("<html><script>var a") << QStringList{u"script"_s}
                                         << u"script"_s;
    }
    void lastTagName()
    {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, seen);
        QFETCH(QString, after);
        THTMLParser parser;
        QStringList names;
        parser.OnError = [&](const QString &, const QString &) { names << parser.LastTagName; };
        parser.Source = source;
        parser.Parse();
        QCOMPARE(names, seen);
        QCOMPARE(parser.LastTagName, after);
        // A second parse on the same parser gives the same.
        names.clear();
        parser.Parse();
        QCOMPARE(names, seen);
        QCOMPARE(parser.LastTagName, after);
    }

    // Many items (more than one chunk of the parser's memory) survive a
    // reparse of another buffer and the parser's end.
    void manyItemsAcrossParses()
    {
        QByteArray page("<html>");
        for (int i = 0; i < 20000; ++i)
            page += "<td class=\"c" + QByteArray::number(i) + "\" valign=top nowrap>x</td>\r\n";
        auto parser = std::make_unique<THTMLParser>();
        parser->Source = page;
        parser->Parse();
        QCOMPARE(parser->ItemList.size(), size_t(1 + 20000 * 4));
        QCOMPARE(Rebuild(*parser), page);
        const auto *last = dynamic_cast<const THTMLTag *>(parser->ItemList[parser->ItemList.size() - 4].get());
        QVERIFY(last);
        QCOMPARE(last->GetName(), QByteArray("td"));
        QCOMPARE(last->Params.size(), size_t(3));
        QCOMPARE(last->Params[0]->GetValue(), QByteArray("c19999"));
        QCOMPARE(last->Params[1]->GetKey(), QByteArray("valign"));
        QCOMPARE(last->Params[1]->GetValue(), QByteArray("top"));
        QCOMPARE(last->Params[2]->GetKey(), QByteArray("nowrap"));
        THTMLParser other;
        other.Source = page;
        other.Parse();
        QCOMPARE(Describe(other), Describe(*parser));
        parser.reset();
        QCOMPARE(Rebuild(other), page);
    }

    void scanRoutines()
    {
        using namespace HTMLScan;
        const QByteArray b("ab \"c d\" \xC8x-->");
        const char *s = b.constData();
        const qsizetype n = b.size();
        QCOMPARE(FindTextCI(s, n, "AB", 0), qsizetype(0));
        QCOMPARE(FindTextCI(s, n, "-->", 0), n - 3); // ends on the last byte
        QCOMPARE(FindTextCI(s, n, "", 0), qsizetype(-1));
        QCOMPARE(FindTextCI(s, n, "ab", n), qsizetype(-1));
        QCOMPARE(FindTextCI(s, n, "\xE8", 0), qsizetype(-1)); // above 127: exact
        QCOMPARE(FindChar(s, n, 'd', 0), qsizetype(6));
        QCOMPARE(FindCharUnquoted(s, n, 'd', 0), qsizetype(-1));
        QCOMPARE(FindSpaceUnquoted(s, n, 3), qsizetype(8));
        QCOMPARE(SkipSpaceForward(s, n, 2), qsizetype(3));
        QCOMPARE(SkipSpaceForward(s, n, -1), qsizetype(-1));
        QCOMPARE(SkipSpaceBackward(s, n, 2), qsizetype(1));
        QCOMPARE(SkipSpaceBackward(s, n, n), qsizetype(-1));
        const QByteArray spaces(" \t\r\n");
        QCOMPARE(SkipSpaceForward(spaces.constData(), 4, 0), qsizetype(-1));
        QCOMPARE(SkipSpaceBackward(spaces.constData(), 4, 3), qsizetype(-1));
        const QByteArray open("a 'b");
        QCOMPARE(FindSpaceUnquoted(open.constData(), open.size(), 2), qsizetype(-1));
    }

    // A page written by others, with scripts, comments and many tags: the
    // items account for every byte, in order, and nothing is reported.
    void largeRealPage()
    {
        QFile file(QStringLiteral(TEST_DATA_DIR "/imagemap/guessing_game.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        THTMLParser parser;
        QStringList reported;
        parser.OnError = [&reported](const QString &m, const QString &) { reported << m; };
        parser.Source = file.readAll();
        parser.Parse();
        QCOMPARE(reported, QStringList());
        QCOMPARE(Rebuild(parser), parser.Source);
        int scripts = 0;
        int anchors = 0;
        for (const auto &entry : parser.ItemList) {
            if (const auto *tag = dynamic_cast<const THTMLTag *>(entry.get())) {
                const QByteArray name = tag->GetName().toLower();
                scripts += name == "script";
                anchors += name == "a";
            }
        }
        QCOMPARE(scripts, int(parser.Source.count("<script")));
        QVERIFY(anchors > 20);
    }
};

QTEST_GUILESS_MAIN(TestHtmlParser)
#include "tst_html_parser.moc"
