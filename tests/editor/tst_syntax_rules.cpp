// The colouring rules as a table: (lines, line, position) -> class.
#include "editor/syntax_rules.h"

#include <QTest>

#include <vector>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TSyntaxClass)
Q_DECLARE_METATYPE(TSyntaxKind)

namespace {

// The classes of line `line` of text, each line started in the state the
// previous one ended in.
std::vector<TSyntaxClass> ClassesOf(const QStringList &lines, int line, TSyntaxKind kind)
{
    int state = InitialSyntaxState(kind);
    std::vector<TSyntaxClass> out;
    for (int i = 0; i <= line; ++i) {
        out.assign(size_t(lines[i].size()), TSyntaxClass::Count);
        state = ClassifyLine(lines[i], state, kind, out.data());
    }
    return out;
}

} // namespace

class TestSyntaxRules : public QObject
{
    Q_OBJECT

private slots:
    void classify_data();
    void classify();
    void everyCharacterClassified();
    void kindForPath_data();
    void kindForPath();
};

void TestSyntaxRules::classify_data()
{
    QTest::addColumn<TSyntaxKind>("kind");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("at");     // the text whose first character is looked at
    QTest::addColumn<int>("occurrence"); // which occurrence of it on the line, from 0
    QTest::addColumn<TSyntaxClass>("expected");

    using C = TSyntaxClass;
    const auto H = TSyntaxKind::Html;
    const QStringList tag{u"<a href=\"x.htm\" target=_blank>Odkaz &amp; text</a>"_s};
    QTest::newRow("tag bracket") << H << tag << 0 << u"<a"_s << 0 << C::Tag;
    QTest::newRow("tag name") << H << tag << 0 << u"a href"_s << 0 << C::Tag;
    QTest::newRow("attribute name") << H << tag << 0 << u"href"_s << 0 << C::AttributeName;
    QTest::newRow("quoted value") << H << tag << 0 << u"\"x.htm\""_s << 0 << C::AttributeValue;
    QTest::newRow("closing quote") << H << tag << 0 << u"\" target"_s << 0 << C::AttributeValue;
    QTest::newRow("unquoted value") << H << tag << 0 << u"_blank"_s << 0 << C::AttributeValue;
    QTest::newRow("tag end after unquoted value") << H << tag << 0 << u">Odkaz"_s << 0 << C::Tag;
    QTest::newRow("text") << H << tag << 0 << u"Odkaz"_s << 0 << C::Plain;
    QTest::newRow("entity") << H << tag << 0 << u"&amp;"_s << 0 << C::Entity;
    QTest::newRow("entity end") << H << tag << 0 << u"; text"_s << 0 << C::Entity;
    QTest::newRow("closing tag") << H << tag << 0 << u"</a>"_s << 0 << C::Tag;
    QTest::newRow("ampersand without name is text")
        << H << QStringList{u"A & B"_s} << 0 << u"&"_s << 0 << C::Plain;
    QTest::newRow("unterminated entity is text")
        << H << QStringList{u"a &amp b"_s} << 0 << u"&"_s << 0 << C::Plain;
    QTest::newRow("numeric entity") << H << QStringList{u"x&#xA0;y"_s} << 0 << u"#xA0"_s << 0 << C::Entity;
    QTest::newRow("lone < is text") << H << QStringList{u"a < b"_s} << 0 << u"<"_s << 0 << C::Plain;

    const QStringList quoteGt{u"<img alt=\"a > b\" src='c>d.gif'>po"_s};
    QTest::newRow("> in double quotes") << H << quoteGt << 0 << u"> b"_s << 0 << C::AttributeValue;
    QTest::newRow("> in single quotes") << H << quoteGt << 0 << u">d.gif"_s << 0 << C::AttributeValue;
    QTest::newRow("attribute after quoted >") << H << quoteGt << 0 << u"src"_s << 0 << C::AttributeName;
    QTest::newRow("real end after quoted >") << H << quoteGt << 0 << u">po"_s << 0 << C::Tag;
    QTest::newRow("text after quoted >") << H << quoteGt << 0 << u"po"_s << 0 << C::Plain;

    const QStringList spanning{u"<p title=\"one"_s, u"two > three\" class=x>text"_s};
    QTest::newRow("value over a line break") << H << spanning << 1 << u"two"_s << 0 << C::AttributeValue;
    QTest::newRow("> in value on next line") << H << spanning << 1 << u"> three"_s << 0 << C::AttributeValue;
    QTest::newRow("attribute on next line") << H << spanning << 1 << u"class"_s << 0 << C::AttributeName;
    QTest::newRow("text after spanning tag") << H << spanning << 1 << u"text"_s << 0 << C::Plain;

    const QStringList comment{u"a <!-- <b>x</b>"_s, u"still --> <i>"_s};
    QTest::newRow("comment start") << H << comment << 0 << u"<!--"_s << 0 << C::Comment;
    QTest::newRow("tag inside comment") << H << comment << 0 << u"<b>"_s << 0 << C::Comment;
    QTest::newRow("comment over a line") << H << comment << 1 << u"still"_s << 0 << C::Comment;
    QTest::newRow("comment end") << H << comment << 1 << u">"_s << 0 << C::Comment;
    QTest::newRow("tag after comment") << H << comment << 1 << u"<i>"_s << 0 << C::Tag;
    QTest::newRow("doctype") << H << QStringList{u"<!DOCTYPE html>"_s} << 0 << u"DOCTYPE"_s << 0 << C::Tag;

    const QStringList script{
        u"<script type=\"text/javascript\">"_s,
        u"var s = \"<b>bold</b>\"; // a <i> comment"_s,
        u"if (a < b && c > d) { x = 12; } /* <p>"_s,
        u"still comment */ document.write('</scripts>');"_s,
        u"</SCRIPT><b>after</b>"_s};
    QTest::newRow("script tag name") << H << script << 0 << u"script"_s << 0 << C::Tag;
    QTest::newRow("js keyword") << H << script << 1 << u"var"_s << 0 << C::Keyword;
    QTest::newRow("js identifier") << H << script << 1 << u"s ="_s << 0 << C::Plain;
    QTest::newRow("tag in js string") << H << script << 1 << u"<b>"_s << 0 << C::String;
    QTest::newRow("closing tag in js string") << H << script << 1 << u"</b>"_s << 0 << C::String;
    QTest::newRow("js line comment") << H << script << 1 << u"// a"_s << 0 << C::Comment;
    QTest::newRow("tag in js comment") << H << script << 1 << u"<i>"_s << 0 << C::Comment;
    QTest::newRow("js < is no tag") << H << script << 2 << u"< b"_s << 0 << C::Plain;
    QTest::newRow("js if") << H << script << 2 << u"if"_s << 0 << C::Keyword;
    QTest::newRow("js number") << H << script << 2 << u"12"_s << 0 << C::Number;
    QTest::newRow("js block comment") << H << script << 2 << u"<p>"_s << 0 << C::Comment;
    QTest::newRow("js block comment next line") << H << script << 3 << u"still"_s << 0 << C::Comment;
    QTest::newRow("after js block comment") << H << script << 3 << u"document"_s << 0 << C::Plain;
    QTest::newRow("longer name does not end script") << H << script << 3 << u"</scripts>"_s << 0 << C::String;
    QTest::newRow("script end in capitals") << H << script << 4 << u"</SCRIPT>"_s << 0 << C::Tag;
    QTest::newRow("tag after script") << H << script << 4 << u"<b>"_s << 0 << C::Tag;
    QTest::newRow("text after script") << H << script << 4 << u"after"_s << 0 << C::Plain;

    const QStringList endInString{u"<script>var t = \"</script>\";"_s, u"<b>"_s};
    QTest::newRow("script ends even in a string") << H << endInString << 0 << u"</script>"_s << 0 << C::Tag;
    QTest::newRow("html after script ended in string") << H << endInString << 1 << u"<b>"_s << 0 << C::Tag;

    const QStringList selfClosing{u"<script src=\"a.js\" /><b>x</b>"_s};
    QTest::newRow("self-closed script opens no block") << H << selfClosing << 0 << u"<b>"_s << 0 << C::Tag;

    const QStringList vbs{
        u"<SCRIPT LANGUAGE=\"VBScript\">"_s,
        u"Dim x ' a <b> comment"_s,
        u"x = \"say \"\"<i>\"\" now\" : REM end"_s,
        u"</SCRIPT>"_s};
    QTest::newRow("vbs keyword") << H << vbs << 1 << u"Dim"_s << 0 << C::Keyword;
    QTest::newRow("vbs comment") << H << vbs << 1 << u"' a"_s << 0 << C::Comment;
    QTest::newRow("vbs tag in comment") << H << vbs << 1 << u"<b>"_s << 0 << C::Comment;
    QTest::newRow("vbs doubled quote stays string") << H << vbs << 2 << u"<i>"_s << 0 << C::String;
    QTest::newRow("vbs string end") << H << vbs << 2 << u" now"_s << 0 << C::String;
    QTest::newRow("vbs rem") << H << vbs << 2 << u"REM"_s << 0 << C::Comment;
    QTest::newRow("vbs after comment line") << H << vbs << 2 << u"x"_s << 0 << C::Plain;
    QTest::newRow("vbs end tag") << H << vbs << 3 << u"</SCRIPT>"_s << 0 << C::Tag;
    QTest::newRow("js comment char differs from vbs")
        << H << QStringList{u"<script>x = 'a' // c"_s} << 0 << u"'a'"_s << 0 << C::String;

    const QStringList style{
        u"<style type=\"text/css\">"_s,
        u"body, p.note { color: #FF0000; margin: 0.5em !important }"_s,
        u"/* <b> */ a:hover { font-family: \"Arial\" }"_s,
        u"</style><p>"_s};
    QTest::newRow("css selector") << H << style << 1 << u"body"_s << 0 << C::Selector;
    QTest::newRow("css class selector") << H << style << 1 << u".note"_s << 0 << C::Selector;
    QTest::newRow("css property") << H << style << 1 << u"color"_s << 0 << C::Property;
    QTest::newRow("css colour value") << H << style << 1 << u"#FF0000"_s << 0 << C::Number;
    QTest::newRow("css length") << H << style << 1 << u"0.5em"_s << 0 << C::Number;
    QTest::newRow("css important") << H << style << 1 << u"!important"_s << 0 << C::Keyword;
    QTest::newRow("css comment") << H << style << 2 << u"<b>"_s << 0 << C::Comment;
    QTest::newRow("css pseudo class selector") << H << style << 2 << u"hover"_s << 0 << C::Selector;
    QTest::newRow("css string") << H << style << 2 << u"\"Arial\""_s << 0 << C::String;
    QTest::newRow("style end") << H << style << 3 << u"</style>"_s << 0 << C::Tag;
    QTest::newRow("after style") << H << style << 3 << u"<p>"_s << 0 << C::Tag;

    const QStringList php{
        u"<p class=\"<?php echo $cls; ?>\">"_s,
        u"<? if ($a > 1) { // ?> <b>"_s,
        u"text <?= $x /* ?> */ ?> more"_s,
        u"<?php $s = \"?> still\";"_s,
        u"'multi"_s,
        u"line'; ?><i>"_s};
    QTest::newRow("php in attribute value") << H << php << 0 << u"<?php"_s << 0 << C::Delimiter;
    QTest::newRow("php keyword") << H << php << 0 << u"echo"_s << 0 << C::Keyword;
    QTest::newRow("php variable") << H << php << 0 << u"$cls"_s << 0 << C::Variable;
    QTest::newRow("php end") << H << php << 0 << u"?>"_s << 0 << C::Delimiter;
    QTest::newRow("value resumes after php") << H << php << 0 << u"\">"_s << 0 << C::AttributeValue;
    QTest::newRow("tag resumes after php") << H << php << 0 << u">"_s << 1 << C::Tag;
    QTest::newRow("short open tag") << H << php << 1 << u"<?"_s << 0 << C::Delimiter;
    QTest::newRow("php > is no tag end") << H << php << 1 << u"> 1"_s << 0 << C::Plain;
    QTest::newRow("php line comment ends at ?>") << H << php << 1 << u"?>"_s << 0 << C::Delimiter;
    QTest::newRow("html after php comment") << H << php << 1 << u"<b>"_s << 0 << C::Tag;
    QTest::newRow("echo tag") << H << php << 2 << u"<?="_s << 0 << C::Delimiter;
    QTest::newRow("?> in php block comment") << H << php << 2 << u"?>"_s << 0 << C::Comment;
    QTest::newRow("php end after comment") << H << php << 2 << u"?>"_s << 1 << C::Delimiter;
    QTest::newRow("text after php") << H << php << 2 << u"more"_s << 0 << C::Plain;
    QTest::newRow("?> in php string") << H << php << 3 << u"?>"_s << 0 << C::String;
    QTest::newRow("php string over lines") << H << php << 4 << u"multi"_s << 0 << C::String;
    QTest::newRow("php string end on later line") << H << php << 5 << u"line'"_s << 0 << C::String;
    QTest::newRow("tag after php string") << H << php << 5 << u"<i>"_s << 0 << C::Tag;

    const QStringList phpInScript{u"<script>var n = <?php echo $n; ?>;</script>"_s};
    QTest::newRow("php inside script") << H << phpInScript << 0 << u"$n"_s << 0 << C::Variable;
    QTest::newRow("script resumes after php") << H << phpInScript << 0 << u"</script>"_s << 0 << C::Tag;

    const auto J = TSyntaxKind::JavaScript;
    const QStringList js{u"function f() { return \"</script><b>\"; }"_s, u"</script> x"_s};
    QTest::newRow(".js keyword") << J << js << 0 << u"function"_s << 0 << C::Keyword;
    QTest::newRow(".js string keeps tags") << J << js << 0 << u"</script>"_s << 0 << C::String;
    QTest::newRow(".js has no script end") << J << js << 1 << u"x"_s << 0 << C::Plain;
    QTest::newRow(".js </script is no tag") << J << js << 1 << u"<"_s << 0 << C::Plain;
    QTest::newRow(".js template over lines")
        << J << QStringList{u"s = `a"_s, u"<b>` + 1"_s} << 1 << u"<b>"_s << 0 << C::String;
    QTest::newRow(".js string ends at line end")
        << J << QStringList{u"s = 'a"_s, u"var"_s} << 1 << u"var"_s << 0 << C::Keyword;

    const auto S = TSyntaxKind::Css;
    const QStringList css{u"h1 { color: red }"_s, u"</style> p { margin: 0 }"_s};
    QTest::newRow(".css selector") << S << css << 0 << u"h1"_s << 0 << C::Selector;
    QTest::newRow(".css property") << S << css << 0 << u"color"_s << 0 << C::Property;
    QTest::newRow(".css word value") << S << css << 0 << u"red"_s << 0 << C::Plain;
    QTest::newRow(".css has no style end") << S << css << 1 << u"margin"_s << 0 << C::Property;
    QTest::newRow(".css at-rule") << S << QStringList{u"@media print {"_s} << 0 << u"@media"_s << 0 << C::Keyword;

    const auto P = TSyntaxKind::Php;
    const QStringList phpDoc{u"<?php"_s, u"function f($a) { return \"<b>\"; } # <i>"_s, u"?>"_s, u"<html>"_s};
    QTest::newRow(".php keyword") << P << phpDoc << 1 << u"function"_s << 0 << C::Keyword;
    QTest::newRow(".php string") << P << phpDoc << 1 << u"<b>"_s << 0 << C::String;
    QTest::newRow(".php hash comment") << P << phpDoc << 1 << u"<i>"_s << 0 << C::Comment;
    QTest::newRow(".php end") << P << phpDoc << 2 << u"?>"_s << 0 << C::Delimiter;
    QTest::newRow(".php html after") << P << phpDoc << 3 << u"<html>"_s << 0 << C::Tag;
}

void TestSyntaxRules::classify()
{
    QFETCH(TSyntaxKind, kind);
    QFETCH(QStringList, lines);
    QFETCH(int, line);
    QFETCH(QString, at);
    QFETCH(int, occurrence);
    QFETCH(TSyntaxClass, expected);

    qsizetype pos = -1;
    for (int k = 0; k <= occurrence; ++k) {
        pos = lines[line].indexOf(at, pos + 1);
        QVERIFY2(pos >= 0, "the looked-at text is not on the line");
    }
    const std::vector<TSyntaxClass> classes = ClassesOf(lines, line, kind);
    QCOMPARE(int(classes[size_t(pos)]), int(expected));
}

// No character is left unclassified, whatever the starting state.
void TestSyntaxRules::everyCharacterClassified()
{
    const QString line = u"<a x='1'>&lt;<?php $a // ?> <!-- x --> <script>\"s\" /* c */ </script><style>a{b:1}</style>"_s;
    for (TSyntaxKind kind : {TSyntaxKind::Html, TSyntaxKind::JavaScript, TSyntaxKind::Css, TSyntaxKind::Php}) {
        int state = InitialSyntaxState(kind);
        for (int round = 0; round < 3; ++round) {
            std::vector<TSyntaxClass> out(size_t(line.size()), TSyntaxClass::Count);
            state = ClassifyLine(line, state, kind, out.data());
            for (TSyntaxClass c : out)
                QVERIFY(c != TSyntaxClass::Count);
        }
        // An empty line keeps what spans lines.
        QCOMPARE(ClassifyLine(QStringView(), state, kind, nullptr), state);
    }
}

void TestSyntaxRules::kindForPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<TSyntaxKind>("kind");
    QTest::newRow("htm") << u"/w/index.htm"_s << TSyntaxKind::Html;
    QTest::newRow("js") << u"/w/app.js"_s << TSyntaxKind::JavaScript;
    QTest::newRow("css") << u"/w/styl.CSS"_s << TSyntaxKind::Css;
    QTest::newRow("php") << u"/w/a.b/index.php"_s << TSyntaxKind::Php;
    QTest::newRow("no extension") << u"/w/js"_s << TSyntaxKind::Html;
    QTest::newRow("folder with extension") << u"/w/x.js/page.html"_s << TSyntaxKind::Html;
}

void TestSyntaxRules::kindForPath()
{
    QFETCH(QString, path);
    QFETCH(TSyntaxKind, kind);
    QCOMPARE(int(SyntaxKindForPath(path)), int(kind));
}

QTEST_APPLESS_MAIN(TestSyntaxRules)
#include "tst_syntax_rules.moc"
