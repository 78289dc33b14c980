// The inspector's text rules and definition-file reading, without windows.
#include "errorreport/io_error.h"
#include "inspector/tag_definition.h"
#include "inspector/tag_rewrite.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTagRules : public QObject
{
    Q_OBJECT

private slots:
    void tagName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::newRow("attributes") << u"IMG src=\"a.gif\" "_s << u"IMG"_s;
        QTest::newRow("bracket") << u"b>x"_s << u"b"_s;
        QTest::newRow("neither") << u"hr"_s << u"hr"_s;
        QTest::newRow("end tag keeps its slash") << u"/p "_s << u"/p"_s;
        QTest::newRow("self-closing without space") << u"br/ "_s << u"br"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void tagName()
    {
        QFETCH(QString, text);
        QFETCH(QString, name);
        QCOMPARE(TagNameOf(text), name);
    }

    void findAttribute_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("pos");
        QTest::newRow("name and =") << u"href"_s << u"a href=\"x\" "_s << 2;
        QTest::newRow("absent") << u"title"_s << u"a href=\"x\" "_s << 0;
        QTest::newRow("prefix of another name") << u"src"_s << u"img srcset=\"a\" "_s << 0;
        QTest::newRow("bare last") << u"nowrap"_s << u"td nowrap "_s << 3;
        // " href " is tried over the whole tag before " href=".
        QTest::newRow("space pattern first") << u"href"_s << u"a href=\"1\" href =\"2\" "_s << 11;
        QTest::newRow("word inside a quoted value skipped") << u"src"_s
                                                           << u"img alt=\"a src b\" src=\"x.gif\" "_s << 18;
        QTest::newRow("only inside quotes") << u"src"_s << u"img alt=\"a src b\" "_s << 0;
        QTest::newRow("inside an apostrophe value") << u"href"_s << u"a title=' href=x' "_s << 0;
        QTest::newRow("empty name") << QString() << u"a  "_s << 0;
    }
    void findAttribute()
    {
        QFETCH(QString, name);
        QFETCH(QString, tag);
        QFETCH(int, pos);
        QCOMPARE(FindAttribute(name, tag), pos);
    }

    void attributeValue_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("quoted") << u"IMG SRC=\"Obr/A.gif\""_s << u"src"_s << u"Obr/A.gif"_s;
        QTest::newRow("a=b in quotes") << u"img alt=\"a=b\""_s << u"ALT"_s << u"a=b"_s;
        QTest::newRow("spaces in quotes") << u"img alt=\"a b  c\" "_s << u"alt"_s << u"a b  c"_s;
        QTest::newRow("spaces around =") << u"a href = \"x\""_s << u"href"_s << u"x"_s;
        QTest::newRow("HREF twice: the second") << u"a HREF=\"1\" HREF =\"2\""_s << u"href"_s << u"2"_s;
        QTest::newRow("src word in ALT before SRC") << u"img alt=\"the src\" src=\"x.gif\""_s << u"src"_s
                                                    << u"x.gif"_s;
        QTest::newRow("unquoted") << u"td width=50 align=left"_s << u"width"_s << u"50"_s;
        QTest::newRow("unquoted last") << u"td width=50%"_s << u"width"_s << u"50%"_s;
        QTest::newRow("unquoted before />") << u"td width=50/"_s << u"width"_s << u"50"_s;
        QTest::newRow("apostrophes") << u"img alt='a b'"_s << u"alt"_s << u"a b"_s;
        QTest::newRow("bare") << u"td nowrap width=\"5\""_s << u"nowrap"_s << QString();
        QTest::newRow("absent") << u"td"_s << u"width"_s << QString();
    }
    void attributeValue()
    {
        QFETCH(QString, tag);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(AttributeValue(tag, name), value);
    }

    void tagAtCaret_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const QString line = u"ab<B>cd<I x=1>ef"_s; // "<B>" at 3..5, "<I x=1>" at 8..14
        QTest::newRow("inside") << line << 10 << 8 << 14;
        QTest::newRow("right after >") << line << 5 << 3 << 5;
        QTest::newRow("right after <") << line << 8 << 8 << 14;
        QTest::newRow("between two tags") << line << 6 << 0 << 0;
        QTest::newRow("before any tag") << line << 1 << 0 << 0;
        QTest::newRow("column 0 counts as 1") << u"<p>"_s << 0 << 1 << 3;
        QTest::newRow("unclosed") << u"<p class=\"a\""_s << 5 << 0 << 0;
        QTest::newRow("empty line") << QString() << 0 << 0 << 0;
    }
    void tagAtCaret()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(int, start);
        QFETCH(int, end);
        const auto found = FindTagAtCaret(line, column);
        QCOMPARE(found.first, start);
        QCOMPARE(found.second, end);
    }

    void replaceAttribute_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("check");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("full");
        QTest::addColumn<QString>("result");
        QTest::newRow("replace quoted") << u"img src=\"a.gif\" alt=\"x\""_s << u"src"_s << u"b.gif"_s
                                        << false << false << false << u"img src=\"b.gif\" alt=\"x\""_s;
        QTest::newRow("lower case by the setting") << u"IMG SRC=\"a.gif\""_s << u"SRC"_s << u"c"_s << false
                                                   << false << false << u"IMG src=\"c\""_s;
        QTest::newRow("upper case by the setting") << u"img src=\"a.gif\""_s << u"src"_s << u"c"_s << false
                                                   << true << false << u"img SRC=\"c\""_s;
        QTest::newRow("empty removes") << u"img src=\"a.gif\" alt=\"x\""_s << u"src"_s << QString() << false
                                       << false << false << u"img alt=\"x\""_s;
        QTest::newRow("absent appended") << u"img src=\"a\""_s << u"alt"_s << u"x"_s << false << false
                                         << false << u"img src=\"a\" alt=\"x\""_s;
        QTest::newRow("appended before />") << u"img src=\"a\" /"_s << u"alt"_s << u"x"_s << false << false
                                            << false << u"img src=\"a\" alt=\"x\" /"_s;
        QTest::newRow("appended before /") << u"br/"_s << u"clear"_s << u"all"_s << false << false << false
                                           << u"br clear=\"all\"/"_s;
        QTest::newRow("unquoted old value replaced") << u"td width=50 align=left"_s << u"width"_s << u"60"_s
                                                     << false << false << false
                                                     << u"td width=\"60\" align=left"_s;
        QTest::newRow("unquoted last value replaced") << u"td align=left width=50%"_s << u"width"_s << u"6"_s
                                                      << false << false << false
                                                      << u"td align=left width=\"6\""_s;
        QTest::newRow("unquoted value removed") << u"td width=50 align=left"_s << u"width"_s << QString()
                                                << false << false << false << u"td align=left"_s;
        QTest::newRow("apostrophe value replaced") << u"img alt='a b' src=x"_s << u"alt"_s << u"c"_s << false
                                                   << false << false << u"img alt=\"c\" src=x"_s;
        QTest::newRow("bare ordinary gets a value") << u"td width title=\"x\""_s << u"width"_s << u"5"_s
                                                    << false << false << false
                                                    << u"td width=\"5\" title=\"x\""_s;
        QTest::newRow("ALT text with the word stays") << u"img alt=\"the src\" src=\"x\""_s << u"src"_s
                                                      << u"y"_s << false << false << false
                                                      << u"img alt=\"the src\" src=\"y\""_s;
        QTest::newRow("quote in a value escaped") << u"a"_s << u"title"_s << u"say \"hi\" <b>"_s << false
                                                  << false << false
                                                  << u"a title=\"say &quot;hi&quot; &lt;b&gt;\""_s;
        QTest::newRow("check off in the middle") << u"td nowrap width=\"5\""_s << u"nowrap"_s << u"Ne"_s
                                                 << true << false << false << u"td width=\"5\""_s;
        QTest::newRow("check off last") << u"option value=\"1\" selected"_s << u"selected"_s << u"Ne"_s
                                        << true << false << false << u"option value=\"1\""_s;
        QTest::newRow("check off full form") << u"input checked=\"checked\" name=\"a\""_s << u"checked"_s
                                             << u"Ne"_s << true << false << false << u"input name=\"a\""_s;
        QTest::newRow("check on bare") << u"input name=\"a\""_s << u"checked"_s << u"Ano"_s << true << false
                                       << false << u"input name=\"a\" checked"_s;
        QTest::newRow("check on full form") << u"input name=\"a\""_s << u"checked"_s << u"Ano"_s << true
                                            << true << true << u"input name=\"a\" CHECKED=\"CHECKED\""_s;
        QTest::newRow("check absent stays off") << u"input"_s << u"checked"_s << u"Ne"_s << true << false
                                                << false << u"input"_s;
        QTest::newRow("empty name unchanged") << u"p"_s << QString() << u"x"_s << false << false << false
                                              << u"p"_s;
    }
    void replaceAttribute()
    {
        QFETCH(QString, tag);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(bool, check);
        QFETCH(bool, upper);
        QFETCH(bool, full);
        QFETCH(QString, result);
        QCOMPARE(ReplaceAttribute(tag, name, value, check, TRewriteOptions{upper, full}), result);
    }

    void definitionLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("rows"); // kind:name:extra
        QTest::newRow("four kinds") << QStringList{u"text alt"_s, u"checkbox ismap"_s,
                                                    u"button src,picturedialog"_s, u"combo align,left,right"_s}
                                    << QStringList{u"T:alt:"_s, u"C:ismap:"_s, u"B:src:picturedialog"_s,
                                                   u"O:align:left|right"_s};
        QTest::newRow("any separator") << QStringList{u"text;Alt"_s, u"combo:dir,ltr"_s}
                                       << QStringList{u"T:Alt:"_s, u"O:dir:ltr"_s};
        QTest::newRow("notes and blanks ignored")
            << QStringList{QString(), u"# note"_s, u"Text alt"_s, u"tex"_s, u"text id"_s}
            << QStringList{u"T:id:"_s};
        // The shortest prefix decides: "textarea" is a "text" line with separator "a".
        QTest::newRow("keyword as prefix") << QStringList{u"textarea"_s} << QStringList{u"T:rea:"_s};
        QTest::newRow("unknown dialog word kept") << QStringList{u"button x,whatever"_s}
                                                  << QStringList{u"B:x:whatever"_s};
        QTest::newRow("combo with one choice") << QStringList{u"combo x,"_s} << QStringList{u"O:x:"_s};
        QTest::newRow("colour placeholder replaces earlier pieces")
            << QStringList{u"combo color,red,[<barva>]"_s}
            << QStringList{u"O:color:Vlastní...|Z Palety...|------------|Aqua|Black|Blue|Fuchsia|Gray|"
                           "Green|Lime|Maroon|Navy|Olive|Purple|Red|Silver|Teal|White|Yellow"_s};
        QTest::newRow("font placeholder") << QStringList{u"combo face,Arial,[<font>]"_s}
                                          << QStringList{u"O:face:F1|F2"_s};
        QTest::newRow("placeholder only as the last piece")
            << QStringList{u"combo x,[<barva>],a"_s} << QStringList{u"O:x:[<barva>]|a"_s};
    }
    void definitionLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, rows);
        const auto parsed = ParseTagDefinition(lines, u"x.if"_s, [] { return QStringList{u"F1"_s, u"F2"_s}; });
        QStringList got;
        for (const TDefinitionRow &r : parsed) {
            const char kind = r.Kind == TRowKind::Text       ? 'T'
                              : r.Kind == TRowKind::Checkbox ? 'C'
                              : r.Kind == TRowKind::Button   ? 'B'
                                                             : 'O';
            got << QChar::fromLatin1(kind) + u':' + r.Name + u':'
                       + (r.Kind == TRowKind::Button ? r.DialogKind : r.Choices.join(u'|'));
        }
        QCOMPARE(got, rows);
    }

    void colourRowOffersNineteen()
    {
        const QStringList choices = ColourChoices();
        QCOMPARE(choices.size(), 19);
        QCOMPARE(choices.first(), u"Vlastní..."_s);
    }

    void malformedLineNamesFileAndLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("button without comma") << u"button src"_s;
        QTest::newRow("button with nothing after the comma") << u"button src,"_s;
        QTest::newRow("combo without comma") << u"combo align"_s;
    }
    void malformedLineNamesFileAndLine()
    {
        QFETCH(QString, line);
        try {
            ParseTagDefinition({u"text id"_s, line}, u"/data/img.if"_s, {});
            QFAIL("no error");
        } catch (const ETagDefinitionError &e) {
            QCOMPARE(e.line(), 2);
            QVERIFY(e.text().startsWith(u"Chybný řádek 2 v souboru /data/img.if"_s));
            QVERIFY(QString::fromUtf8(e.what()).contains(u"img.if"_s));
        }
    }

    void filesAreReadAtEveryUse()
    {
        QTemporaryDir dir;
        const QString folder = TagData::InspectorFolder(dir.path() + u'/');
        QVERIFY(QDir().mkpath(folder));
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write(folder + u"index.if"_s, "a\r\nimg\r\n");
        QVERIFY(TagData::FileListsName(TagData::IndexPath(dir.path() + u'/'), u"img"_s));
        QVERIFY(!TagData::FileListsName(TagData::IndexPath(dir.path() + u'/'), u"IMG"_s));
        QVERIFY(!TagData::FileListsName(TagData::IndexPath(dir.path() + u'/'), u"im"_s));
        write(folder + u"index.if"_s, "a\nb\n"); // LF endings read as well
        QVERIFY(!TagData::FileListsName(TagData::IndexPath(dir.path() + u'/'), u"img"_s));
        QVERIFY(TagData::FileListsName(TagData::IndexPath(dir.path() + u'/'), u"b"_s));

        // The definition file is found whatever case the document writes.
        write(folder + u"Img.if"_s, "text src\r\n");
        QCOMPARE(TagData::DefinitionPath(folder, u"IMG"_s), folder + u"Img.if"_s);
        QCOMPARE(TagData::DefinitionPath(folder, u"img"_s), folder + u"Img.if"_s);
        QVERIFY_THROWS_EXCEPTION(EInOutError, TagData::ReadLines(TagData::DefinitionPath(folder, u"p"_s)));
    }
};

QTEST_GUILESS_MAIN(TestTagRules)
#include "tst_tag_rules.moc"
