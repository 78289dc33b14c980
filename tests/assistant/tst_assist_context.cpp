// What the code assistant reads at the caret: the context tests, the
// candidates for a caret in a document, where a chosen word lands, the
// script blocks of a document as it is edited, and the shipped vocabulary.
#include "assistant/assist_context.h"
#include "assistant/code_vocabulary.h"
#include "assistant/script_index.h"
#include "conversion/codec.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

// A small vocabulary in the order the program saves it.
const QStringList kVocabulary = {
    u"<B></B>;/;htmltag"_s,
    u"<BR>;/;htmltag"_s,
    u"<TABLE;/;htmltag"_s,
    u"<TABLE></TABLE>;/;htmltag"_s,
    u"Dim;/;userdefined"_s,
    u"WRITE2;/;JAVASCRIPT.Document"_s,
    u"alert;/;javascript.window"_s,
    u"bgcolor;/;htmlparam"_s,
    u"body;/;javascript.document"_s,
    u"border;/;htmlparam"_s,
    u"bold;/;htmltag.x"_s,
    u"checked;/;htmlparam"_s,
    u"echo;/;userdefined"_s,
    u"note line without the separator"_s,
    u"src;/;typejavascript.Image"_s,
    u"toUpperCase;/;typejavascript.String"_s,
    u"var;/;tscript"_s,
    u"while;/;tscript"_s,
    u"width;/;htmlparam"_s,
    u"width;/;typejavascript.Image"_s,
    u"write;/;javascript.document"_s,
    u"writeln;/;javascript.document"_s,
};

const QStringList kAllTags = {u"<B></B>"_s, u"<BR>"_s, u"<TABLE"_s, u"<TABLE></TABLE>"_s};
const QStringList kUserWords = {u"Dim"_s, u"echo"_s};

// A document written with "|" at the caret.
struct TCaretDoc {
    QString text;     // CR LF lines, without the "|"
    int line = 0;
    int column = 0;
    int position = 0; // in the document model, a line break counting one
};

TCaretDoc WithCaret(const QString &marked)
{
    TCaretDoc d;
    const qsizetype at = marked.indexOf(u'|');
    d.text = QString(marked).remove(at, 1);
    const QString before = marked.left(at);
    d.line = int(before.count(u"\r\n"_s));
    d.column = int(at - (before.lastIndexOf(u'\n') + 1));
    d.position = int(at - d.line); // CR LF counts one
    return d;
}

QTextDocument *MakeDocument(const QString &crlfText, QObject *parent)
{
    auto *doc = new QTextDocument(parent);
    doc->setPlainText(QString(crlfText).replace(u"\r\n"_s, u"\n"_s));
    return doc;
}

QStringList Candidates(const TCodeVocabulary &vocabulary, const QString &marked, const QString &fileName,
                       const QStringList &inspected)
{
    const TCaretDoc d = WithCaret(marked);
    QObject owner;
    QTextDocument *doc = MakeDocument(d.text, &owner);
    TScriptIndex index(doc);
    Assist::TContext c;
    c.line = doc->findBlockByNumber(d.line).text();
    c.column = d.column;
    c.inScriptBlock = index.InScriptBlock(d.position);
    c.scriptFile = Assist::IsScriptFileName(fileName);
    c.inspectedAttributes = inspected;
    c.createdWithNew = [&index](const QString &n, const QString &t) { return index.CreatedWithNew(n, t); };
    return Assist::FillCandidates(vocabulary, c, Assist::TypedWord(c.line, c.column));
}

// The script-block rule read straight off the whole text.
bool InScriptBlockByText(const QString &text, int position)
{
    for (qsizetype open = text.indexOf(u"<SCRIPT"_s); open >= 0; open = text.indexOf(u"<SCRIPT"_s, open + 1)) {
        const qsizetype close = text.indexOf(u"</SCRIPT>"_s, open);
        if (position > open && (close < 0 || position <= close))
            return true;
    }
    return false;
}

} // namespace

class TestAssistContext : public QObject
{
    Q_OBJECT

    TCodeVocabulary vocabulary;

private slots:
    void initTestCase() { vocabulary.SetLines(kVocabulary); }

    void lineTests_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("inTag");
        QTest::addColumn<bool>("inQuotes");
        QTest::newRow("after <") << u"<P>text <|"_s << u"<"_s << u"<"_s << false << false;
        QTest::newRow("tag name inside a tag") << u"<TA|BLE>"_s << u"<TA"_s << u"<TA"_s << true << false;
        QTest::newRow("after a space in a tag") << u"<TABLE |border=1>"_s << QString() << QString() << true
                                                 << false;
        QTest::newRow("attribute") << u"<TABLE bo|rder=1>"_s << u"bo"_s << u"bo"_s << true << false;
        QTest::newRow("in an unclosed tag") << u"<TABLE bo|"_s << u"bo"_s << u"bo"_s << false << false;
        QTest::newRow("member") << u"  document.wr|"_s << u"wr"_s << u"document.wr"_s << false << false;
        QTest::newRow("after the dot") << u"x=document.|"_s << QString() << u"x=document."_s << false << false;
        QTest::newRow("after >") << u"<B>te|"_s << u"te"_s << u"te"_s << false << false;
        QTest::newRow("no delimiter") << u"abc|def"_s << u"abc"_s << u"abc"_s << false << false;
        QTest::newRow("after a tab") << u"\tva|"_s << u"\tva"_s << u"\tva"_s << false << false;
        QTest::newRow("line start") << u"|<B>"_s << QString() << QString() << false << false;
        QTest::newRow("just after the opening quote") << u"<A title=\"|\">"_s << u"title=\""_s
                                                       << u"title=\""_s << true << false;
        QTest::newRow("inside quotes") << u"<A title=\"a b|\">"_s << u"b"_s << u"b"_s << true << true;
        QTest::newRow("after the closing quote") << u"<A title=\"a\" |>"_s << QString() << QString()
                                                  << true << false;
        QTest::newRow("blank line") << u"   |"_s << QString() << QString() << false << false;
        QTest::newRow("column 0 counts as 1") << u"|<>\"x\""_s << QString() << QString() << false << false;
    }
    void lineTests()
    {
        QFETCH(QString, marked);
        const TCaretDoc d = WithCaret(marked);
        QTEST(Assist::TypedWord(d.text, d.column), "typed");
        QTEST(Assist::PrefixText(d.text, d.column), "prefix");
        QTEST(Assist::InsideTag(d.text, d.column), "inTag");
        QTEST(Assist::InsideQuotes(d.text, d.column), "inQuotes");
    }

    void scriptContext_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("inScript");
        QTest::newRow("SCRIPT block") << u"<SCRIPT>\r\nx|\r\n</SCRIPT>"_s << u"a.htm"_s << true;
        QTest::newRow("after the block") << u"<SCRIPT>\r\nx\r\n</SCRIPT>\r\nx|"_s << u"a.htm"_s << false;
        QTest::newRow("on the < of the end tag") << u"<SCRIPT>x|</SCRIPT>"_s << u"a.htm"_s << true;
        QTest::newRow("past the < of the end tag") << u"<SCRIPT>x<|/SCRIPT>"_s << u"a.htm"_s << false;
        QTest::newRow("on the < of the start tag") << u"|<SCRIPT>x</SCRIPT>"_s << u"a.htm"_s << false;
        QTest::newRow("unclosed block") << u"<SCRIPT LANGUAGE=\"JavaScript\">\r\n\r\nx|"_s << u"a.htm"_s
                                        << true;
        QTest::newRow("second block") << u"<SCRIPT></SCRIPT>\r\n<P>\r\n<SCRIPT>\r\n|\r\n</SCRIPT>"_s
                                      << u"a.htm"_s << true;
        QTest::newRow("between blocks") << u"<SCRIPT></SCRIPT>\r\n|\r\n<SCRIPT></SCRIPT>"_s << u"a.htm"_s
                                        << false;
        QTest::newRow("lower-case block") << u"<script>\r\nx|\r\n</script>"_s << u"a.htm"_s << false;
        QTest::newRow(".js document") << u"x|"_s << u"/w/skript.js"_s << true;
        QTest::newRow(".JS document") << u"x|"_s << u"SKRIPT.JS"_s << true;
        QTest::newRow("inside quotes") << u"<A onclick=\"a b|\">"_s << u"a.htm"_s << true;
        QTest::newRow("plain text") << u"<P>x|"_s << u"a.htm"_s << false;
    }
    void scriptContext()
    {
        QFETCH(QString, marked);
        QFETCH(QString, fileName);
        const TCaretDoc d = WithCaret(marked);
        QObject owner;
        TScriptIndex index(MakeDocument(d.text, &owner));
        Assist::TContext c;
        c.line = d.text.split(u"\r\n"_s).value(d.line);
        c.column = d.column;
        c.inScriptBlock = index.InScriptBlock(d.position);
        c.scriptFile = Assist::IsScriptFileName(fileName);
        QTEST(Assist::InScriptContext(c), "inScript");
    }

    void fillCandidates_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("inspected");
        QTest::addColumn<QStringList>("candidates");
        const QString htm = u"a.htm"_s;
        const QStringList tableRows = {u"border"_s, u"width"_s, u"checked"_s};
        QTest::newRow("after <: every tag word") << u"<P>text <|"_s << htm << QStringList() << kAllTags;
        QTest::newRow("tag name filtered") << u"<t|"_s << htm << QStringList()
                                           << QStringList{u"<TABLE"_s, u"<TABLE></TABLE>"_s};
        QTest::newRow("after a space in a known tag")
            << u"<TABLE |border=1>"_s << htm << tableRows
            << QStringList{u"Dim"_s, u"border"_s, u"checked"_s, u"echo"_s, u"width"_s};
        QTest::newRow("letter in a known tag: the inspector's rows only")
            << u"<TABLE b|order=1>"_s << htm << tableRows << QStringList{u"border"_s};
        QTest::newRow("letter in a tag the inspector does not show")
            << u"<TABLE b|order=1>"_s << htm << QStringList() << QStringList();
        QTest::newRow("a row twice is offered twice")
            << u"<TABLE w|>"_s << htm << QStringList{u"width"_s, u"WIDTH"_s}
            << QStringList{u"width"_s, u"width"_s};
        QTest::newRow("attribute not in an unclosed tag")
            << u"<TABLE b|"_s << htm << tableRows << QStringList();
        QTest::newRow("< outside a tag") << u"<TABLE border=1><b|"_s << htm << tableRows
                                         << QStringList{u"<B></B>"_s, u"<BR>"_s};
        QTest::newRow("inside quotes no attribute") << u"<TABLE title=\"a b|\">"_s << htm << tableRows
                                                    << QStringList();
        QTest::newRow("inside quotes members") << u"<A onclick=\"x=1; document.w|\">"_s << htm
                                               << QStringList()
                                               << QStringList{u"WRITE2"_s, u"write"_s, u"writeln"_s};
        QTest::newRow("after document. in a SCRIPT block")
            << u"<SCRIPT>\r\ndocument.|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList{u"WRITE2"_s, u"body"_s, u"write"_s, u"writeln"_s};
        QTest::newRow("members filtered by further letters")
            << u"<SCRIPT>\r\n  Document.writ|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList{u"WRITE2"_s, u"write"_s, u"writeln"_s};
        QTest::newRow("one member left") << u"<SCRIPT>\r\n  document.writel|\r\n</SCRIPT>"_s << htm
                                         << QStringList() << QStringList{u"writeln"_s};
        QTest::newRow("after document. in a lower-case script block")
            << u"<script>\r\ndocument.|\r\n</script>"_s << htm << QStringList() << QStringList();
        QTest::newRow("after document. in a .js document") << u"x=1;\r\n document.|"_s << u"lib.js"_s
                                                           << QStringList()
                                                           << QStringList{u"WRITE2"_s, u"body"_s, u"write"_s,
                                                                          u"writeln"_s};
        QTest::newRow("other object") << u"<SCRIPT>\r\nwindow.|"_s << htm << QStringList()
                                      << QStringList{u"alert"_s};
        QTest::newRow("script word") << u"<SCRIPT>\r\n va|"_s << htm << QStringList() << QStringList{u"var"_s};
        QTest::newRow("script word not outside scripts") << u"<P> va|"_s << htm << QStringList()
                                                         << QStringList();
        QTest::newRow("script word not in a tag") << u"<SCRIPT>\r\n<A va|>"_s << htm << QStringList()
                                                  << QStringList();
        QTest::newRow("after a tab nothing matches") << u"<SCRIPT>\r\n\tva|"_s << htm << QStringList()
                                                     << QStringList();
        QTest::newRow("user word anywhere") << u"<P>ec|"_s << htm << QStringList() << QStringList{u"echo"_s};
        QTest::newRow("user word not after a dot") << u"<P>x.ec|"_s << htm << QStringList() << QStringList();
        QTest::newRow("type member of a variable made with new")
            << u"<SCRIPT>\r\nvar s=new String(\"a\");\r\ns.to|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList{u"toUpperCase"_s};
        QTest::newRow("type members right after the dot, spaces around =")
            << u"<SCRIPT>\r\nvar img = new Image();\r\nimg.|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList{u"src"_s, u"width"_s};
        QTest::newRow("no members of another variable")
            << u"<SCRIPT>\r\nvar img=new Image();\r\npic.w|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList();
        QTest::newRow("no members for a longer name")
            << u"<SCRIPT>\r\nmyimg=new Image();\r\nimg.w|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList();
        QTest::newRow("no members of another type")
            << u"<SCRIPT>\r\nvar s=new String();\r\ns.w|\r\n</SCRIPT>"_s << htm << QStringList()
            << QStringList();
        QTest::newRow("nothing typed after > offers tags and user words")
            << u"<P>|"_s << htm << QStringList() << kAllTags + kUserWords;
        QTest::newRow("nothing typed at the top of a script block: script words too")
            << u"<SCRIPT>\r\n|"_s << htm << QStringList()
            << kAllTags + kUserWords + QStringList{u"var"_s, u"while"_s};
    }
    void fillCandidates()
    {
        QFETCH(QString, marked);
        QFETCH(QString, fileName);
        QFETCH(QStringList, inspected);
        QTEST(Candidates(vocabulary, marked, fileName, inspected), "candidates");
    }

    void insertion_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("entryLine");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("separator");
        QTest::addColumn<bool>("isCheck");
        QTest::addColumn<QString>("result");
        QTest::newRow("pair tag, caret between") << u"<P><b|"_s << u"<B></B>;/;htmltag"_s << true << true
                                                 << false << u"<P><B>|</B>"_s;
        QTest::newRow("pair tag in lower case") << u"<t|"_s << u"<TABLE></TABLE>;/;htmltag"_s << false
                                                << true << false << u"<table>|</table>"_s;
        QTest::newRow("single tag") << u"x <b|"_s << u"<BR>;/;htmltag"_s << true << true << false
                                    << u"x <BR>|"_s;
        QTest::newRow("middle of a word to its end") << u"<ta|xyz more"_s << u"<TABLE;/;htmltag"_s << true
                                                     << true << false << u"<TABLE| more"_s;
        QTest::newRow("tag word takes the >") << u"<ta|b>x"_s << u"<TABLE></TABLE>;/;htmltag"_s << true
                                              << true << false << u"<TABLE>|</TABLE>x"_s;
        QTest::newRow("word ends before <") << u"<ta|b<P>"_s << u"<TABLE;/;htmltag"_s << true << true
                                            << false << u"<TABLE|<P>"_s;
        QTest::newRow("attribute with =\"\"") << u"<TABLE b|>"_s << u"border;/;htmlparam"_s << true << true
                                              << false << u"<TABLE BORDER=\"|\">"_s;
        QTest::newRow("attribute lower case") << u"<TABLE b|>"_s << u"border;/;htmlparam"_s << false << true
                                              << false << u"<TABLE border=\"|\">"_s;
        QTest::newRow("attribute without =\"\"") << u"<TABLE b|>"_s << u"border;/;htmlparam"_s << true
                                                 << false << false << u"<TABLE BORDER|>"_s;
        QTest::newRow("check attribute bare") << u"<INPUT c|>"_s << u"checked;/;htmlparam"_s << true << true
                                              << true << u"<INPUT CHECKED|>"_s;
        QTest::newRow("rest of the attribute through =") << u"<TABLE wi|dth=5>"_s << u"width;/;htmlparam"_s
                                                         << false << true << false << u"<TABLE width=\"|\"5>"_s;
        QTest::newRow("member keeps its case") << u"  document.wr|"_s << u"writeln;/;javascript.document"_s
                                               << true << true << false << u"  document.writeln|"_s;
        QTest::newRow("user word after spaces") << u"<? ec|ho"_s << u"echo;/;userdefined"_s << true << true
                                                << false << u"<? echo|"_s;
        QTest::newRow("typed after a tab") << u"\tec|"_s << u"echo;/;userdefined"_s << true << true << false
                                           << u"\techo|"_s;
        QTest::newRow("nothing typed") << u"<TABLE |>"_s << u"width;/;htmlparam"_s << true << true << false
                                       << u"<TABLE WIDTH=\"|\">"_s;
    }
    void insertion()
    {
        QFETCH(QString, marked);
        QFETCH(QString, entryLine);
        QFETCH(bool, upper);
        QFETCH(bool, separator);
        QFETCH(bool, isCheck);
        QFETCH(QString, result);
        TCodeVocabulary v;
        v.SetLines({entryLine});
        const TCaretDoc d = WithCaret(marked);
        const Assist::TInsertion plan = Assist::PlanInsertion(d.text, d.column, v.Entries().first(),
                                                              {upper, separator}, isCheck);
        QString line = d.text;
        line.replace(plan.start, plan.length, plan.text);
        line.insert(plan.start + plan.text.size() - plan.caretBack, u'|');
        QCOMPARE(line, result);
    }

    // The index must agree with the text after every kind of edit.
    void scriptIndexFollowsEdits()
    {
        QTextDocument doc;
        doc.setPlainText(u"<P>\n<SCRIPT>\nx=1;\n</SCRIPT>\n<P>"_s);
        TScriptIndex index(&doc);
        const auto agree = [&](const char *step) {
            const QString text = doc.toPlainText();
            for (int p = 0; p <= text.size(); ++p) {
                if (index.InScriptBlock(p) != InScriptBlockByText(text, p))
                    return QString::fromLatin1(step) + u" at "_s + QString::number(p);
            }
            return QString();
        };
        QCOMPARE(agree("load"), QString());
        QTextCursor c(&doc);
        c.setPosition(doc.findBlockByNumber(4).position());
        c.insertText(u"<SCRIPT>\nvar a;\n"_s);
        QCOMPARE(agree("new block without end"), QString());
        c.insertText(u"</SCRIPT>"_s);
        QCOMPARE(agree("end typed"), QString());
        c.setPosition(doc.findBlockByNumber(3).position() + 2);
        c.setPosition(doc.findBlockByNumber(3).position() + 4, QTextCursor::KeepAnchor);
        c.removeSelectedText(); // "</SCRIPT>" broken into "</RIPT>"
        QCOMPARE(agree("end broken"), QString());
        c.insertText(u"SC"_s);
        QCOMPARE(agree("end mended"), QString());
        c.setPosition(0);
        c.setPosition(doc.findBlockByNumber(2).position() + 1, QTextCursor::KeepAnchor);
        c.insertText(u"<SCR"_s); // lines joined, the first start tag broken
        QCOMPARE(agree("lines joined"), QString());
        doc.undo();
        QCOMPARE(agree("undo"), QString());
        doc.setPlainText(u"<SCRIPT>\n"_s);
        QCOMPARE(agree("replaced"), QString());
        doc.clear();
        QCOMPARE(agree("cleared"), QString());

        c = QTextCursor(&doc);
        c.insertText(u"var d=new Date();"_s);
        QVERIFY(index.CreatedWithNew(u"d"_s, u"date"_s));
        c.movePosition(QTextCursor::Start);
        c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 5);
        c.insertText(u"var e"_s);
        QVERIFY(!index.CreatedWithNew(u"d"_s, u"date"_s));
        QVERIFY(index.CreatedWithNew(u"e"_s, u"date"_s));
    }

    void shippedVocabulary()
    {
        const QString path = QStringLiteral(SHIPPED_DATA_DIR) + u"/Data/Codefiller/tags.vcq"_s;
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.endsWith("\r\n"));
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast(); // after the last line break
        for (QByteArray &line : lines) {
            QVERIFY(line.endsWith('\r'));
            line.chop(1);
        }
        // Sorted as the program saves it: saving changes nothing.
        QList<QByteArray> sorted = lines;
        std::stable_sort(sorted.begin(), sorted.end());
        QVERIFY(lines == sorted);

        TCodeVocabulary v;
        v.LoadVocabulary(path);
        QCOMPARE(v.Count(), lines.size());
        for (const TCodeVocabulary::TEntry &e : v.Entries())
            QVERIFY2(e.KindWord != TCodeVocabulary::TKindWord::None, qPrintable(e.Record.Kind));
        const QStringList elements = (u"A ABBR ACRONYM ADDRESS APPLET AREA B BASE BASEFONT BDO BIG BLOCKQUOTE "
                                      u"BODY BR BUTTON CAPTION CENTER CITE CODE COL COLGROUP DD DEL DFN DIR DIV "
                                      u"DL DT EM FIELDSET FONT FORM FRAME FRAMESET H1 H2 H3 H4 H5 H6 HEAD HR HTML "
                                      u"I IFRAME IMG INPUT INS ISINDEX KBD LABEL LEGEND LI LINK MAP MENU META "
                                      u"NOFRAMES NOSCRIPT OBJECT OL OPTGROUP OPTION P PARAM PRE Q S SAMP SCRIPT "
                                      u"SELECT SMALL SPAN STRIKE STRONG STYLE SUB SUP TABLE TBODY TD TEXTAREA "
                                      u"TFOOT TH THEAD TITLE TR TT U UL VAR ARTICLE ASIDE AUDIO BDI CANVAS DATA "
                                      u"DATALIST DETAILS DIALOG EMBED FIGCAPTION FIGURE FOOTER HEADER MAIN MARK "
                                      u"METER NAV OUTPUT PICTURE PROGRESS SECTION SOURCE SUMMARY TEMPLATE TIME "
                                      u"TRACK VIDEO WBR"_s).split(u' ');
        for (const QString &tag : elements) {
            const TCodeVocabulary::TEntry *e = v.FindWord(u'<' + tag);
            QVERIFY2(e && e->KindWord == TCodeVocabulary::TKindWord::HtmlTag, qPrintable(tag));
        }
        for (const char *word : {"<B></B>", "<TABLE></TABLE>", "<BR>", "border", "onclick", "srcset", "var",
                                 "parseInt", "getElementById", "stringify", "toUpperCase", "echo", "MsgBox"})
            QVERIFY2(v.FindWord(QString::fromLatin1(word)), word);

        // After "<" every tag word (and "<?php") is offered, in file order.
        QStringList tags;
        for (const TCodeVocabulary::TEntry &e : v.Entries()) {
            if ((e.KindWord == TCodeVocabulary::TKindWord::HtmlTag
                 || e.KindWord == TCodeVocabulary::TKindWord::UserDefined)
                && e.Record.Word.startsWith(u'<'))
                tags << e.Record.Word;
        }
        QCOMPARE(Candidates(v, u"<P>Text <|"_s, u"a.htm"_s, {}), tags);
        QVERIFY(Candidates(v, u"<SCRIPT>\r\ndocument.getE|"_s, u"a.htm"_s, {})
                    .contains(u"getElementById"_s));
        QCOMPARE(Candidates(v, u"<SCRIPT>\r\nvar r=new RegExp(\"a\");\r\nr.te|"_s, u"a.htm"_s, {}),
                 QStringList{u"test"_s});
    }
};

QTEST_MAIN(TestAssistContext)
#include "tst_assist_context.moc"
