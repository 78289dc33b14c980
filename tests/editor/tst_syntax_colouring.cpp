// Syntax colouring in the real editors: the document's kind, the setting,
// the palette for the background, recolouring after edits, long pages.
#include "app/application.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/syntax_highlighter.h"
#include "editor/workarea.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QPalette>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QImage>

#include <cmath>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TSyntaxClass)

namespace {

THTMLEdit *Ed() { return Form2->HTMLEditor1; }

// The colour the editor shows at (line, column): the highlighter's format
// there, or an invalid colour where the text keeps its plain colour.
QColor ShownColour(THTMLEdit *editor, int line, int column)
{
    const QTextBlock b = editor->document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange &r : b.layout()->formats())
        if (column >= r.start && column < r.start + r.length)
            return r.format.foreground().color();
    return {};
}

QColor ClassColour(THTMLEdit *editor, TSyntaxClass c)
{
    return SyntaxHighlighterOf(editor)->Format(c).foreground().color();
}

// The contrast ratio of two colours as web accessibility rules define it.
double Luminance(const QColor &c)
{
    auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void ColourEverything(THTMLEdit *editor)
{
    if (TSyntaxHighlighter *h = SyntaxHighlighterOf(editor))
        h->Finish();
}

void WriteConfig(const QByteArray &editorKeys)
{
    QFile f(ProgramDir() + u"config.ini"_s);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Editor]\r\n" + editorKeys);
}

} // namespace

class TestSyntaxColouring : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        LoadConfig(); // no config.ini: the defaults, colouring on
    }
    void cleanup() { fx.reset(); }

    void kindFollowsDocument_data();
    void kindFollowsDocument();
    void switchingDocumentsSwitchesKind();
    void saveAsSwitchesKind();
    void settingSwitchesColouringOff();
    void paletteFollowsBackground();
    void editRecoloursFollowingLines();
    void longPageColouredInSlices();
    void typingRepaintsOnlyItsLines();
    void replacedLinesShowTheirNewText();
    void aVeryLongLineStaysPlain();
};

void TestSyntaxColouring::kindFollowsDocument_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("at");
    QTest::addColumn<TSyntaxClass>("expected");
    const QByteArray page = "<html><head>\r\n<script>var s = \"<b>\";</script>\r\n"
                            "<style>p { color: red }</style>\r\n</head><body bgcolor=\"#FFFFFF\">&nbsp;</body>\r\n";
    QTest::newRow("page tag") << u"a.htm"_s << page << 0 << u"html"_s << TSyntaxClass::Tag;
    QTest::newRow("page script keyword") << u"a.htm"_s << page << 1 << u"var"_s << TSyntaxClass::Keyword;
    QTest::newRow("page tag in script string") << u"a.htm"_s << page << 1 << u"<b>"_s << TSyntaxClass::String;
    QTest::newRow("page style property") << u"a.htm"_s << page << 2 << u"color"_s << TSyntaxClass::Property;
    QTest::newRow("page attribute value") << u"a.htm"_s << page << 3 << u"\"#FFFFFF\""_s << TSyntaxClass::AttributeValue;
    QTest::newRow("page entity") << u"a.htm"_s << page << 3 << u"&nbsp;"_s << TSyntaxClass::Entity;
    QTest::newRow("page text stays plain") << u"a.htm"_s << QByteArray("just text\r\n") << 0 << u"text"_s
                                           << TSyntaxClass::Plain;
    QTest::newRow(".js keyword") << u"app.js"_s << QByteArray("function f() {}\r\n") << 0 << u"function"_s
                                 << TSyntaxClass::Keyword;
    QTest::newRow(".css selector") << u"styl.css"_s << QByteArray("h1 { margin: 0 }\r\n") << 0 << u"h1"_s
                                   << TSyntaxClass::Selector;
    QTest::newRow(".php variable") << u"index.php"_s << QByteArray("<?php\r\necho $name;\r\n?>\r\n") << 1
                                   << u"$name"_s << TSyntaxClass::Variable;
}

void TestSyntaxColouring::kindFollowsDocument()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, at);
    QFETCH(TSyntaxClass, expected);
    OpenDocument(fx->writeDoc(name, bytes));
    ColourEverything(Ed());
    const int column = int(Ed()->Line(line).indexOf(at));
    QVERIFY(column >= 0);
    if (expected == TSyntaxClass::Plain)
        QVERIFY(!ShownColour(Ed(), line, column).isValid());
    else
        QCOMPARE(ShownColour(Ed(), line, column), ClassColour(Ed(), expected));
}

// The same text reads as CSS in a .css document and as page text in a page.
void TestSyntaxColouring::switchingDocumentsSwitchesKind()
{
    OpenDocument(fx->writeDoc(u"a.htm"_s, "p { color: red }\r\n"));
    OpenDocument(fx->writeDoc(u"b.css"_s, "p { color: red }\r\n"));
    ColourEverything(Ed());
    QCOMPARE(ShownColour(Ed(), 0, 4), ClassColour(Ed(), TSyntaxClass::Property));
    SelectDocument(0);
    ColourEverything(Ed());
    QCOMPARE(SyntaxHighlighterOf(Ed())->Kind(), TSyntaxKind::Html);
    QVERIFY(!ShownColour(Ed(), 0, 4).isValid());
    SelectDocument(1);
    ColourEverything(Ed());
    QCOMPARE(ShownColour(Ed(), 0, 4), ClassColour(Ed(), TSyntaxClass::Property));
}

// Saved under another extension, the document is read as its new kind.
void TestSyntaxColouring::saveAsSwitchesKind()
{
    OpenDocument(fx->writeDoc(u"a.htm"_s, "p { color: red }\r\n"));
    fx->dialogs->saveAnswers = {{fx->docDir() + u"/a.css"_s, 1}};
    SaveAsCommand();
    QCOMPARE(SyntaxHighlighterOf(Ed())->Kind(), TSyntaxKind::Css);
    ColourEverything(Ed());
    QCOMPARE(ShownColour(Ed(), 0, 4), ClassColour(Ed(), TSyntaxClass::Property));
}

void TestSyntaxColouring::settingSwitchesColouringOff()
{
    OpenDocument(fx->writeDoc(u"a.htm"_s, "<p>x</p>\r\n"));
    Form2->HTMLEditor2->SetText(u"<b>kód</b>"_s);
    ColourEverything(Ed());
    QVERIFY(ShownColour(Ed(), 0, 0).isValid());

    WriteConfig("Zvyraznovani=0\r\n");
    LoadConfig();
    QVERIFY(!Form13->usesyntaxcolouring->isChecked());
    for (THTMLEdit *editor : {Form2->HTMLEditor1, Form2->HTMLEditor2}) {
        QVERIFY(!SyntaxHighlighterOf(editor));
        QVERIFY(!ShownColour(editor, 0, 0).isValid());
    }

    WriteConfig("Zvyraznovani=1\r\n");
    LoadConfig();
    for (THTMLEdit *editor : {Form2->HTMLEditor1, Form2->HTMLEditor2}) {
        ColourEverything(editor);
        QCoreApplication::processEvents(); // the highlighter's first pass is queued
        ColourEverything(editor);
        QCOMPARE(ShownColour(editor, 0, 0), ClassColour(editor, TSyntaxClass::Tag));
    }
}

// Every class colour keeps a readable contrast with the background set.
void TestSyntaxColouring::paletteFollowsBackground()
{
    for (const QByteArray &bg : {QByteArray("clWhite"), QByteArray("clNavy"), QByteArray("clBlack"),
                                 QByteArray("clYellow")}) {
        WriteConfig("BgColor=" + bg + "\r\n");
        LoadConfig();
        const QColor background = Ed()->palette().color(QPalette::Base);
        for (int c = int(TSyntaxClass::Tag); c < int(TSyntaxClass::Count); ++c) {
            const QColor fg = ClassColour(Ed(), TSyntaxClass(c));
            QVERIFY2(Contrast(fg, background) >= 3.0,
                     qPrintable(QString::fromLatin1(bg) + u" class "_s + QString::number(c)));
        }
    }
}

// Opening a comment recolours the lines after it; closing it again restores them.
void TestSyntaxColouring::editRecoloursFollowingLines()
{
    OpenDocument(fx->writeDoc(u"a.htm"_s, "<p>one</p>\r\n<p>two</p>\r\n<p>three</p>\r\n"));
    ColourEverything(Ed());
    QCOMPARE(ShownColour(Ed(), 2, 0), ClassColour(Ed(), TSyntaxClass::Tag));
    QTextCursor c(Ed()->document());
    c.insertText(u"<!--"_s);
    QCOMPARE(ShownColour(Ed(), 2, 0), ClassColour(Ed(), TSyntaxClass::Comment));
    c.movePosition(QTextCursor::NextBlock);
    c.movePosition(QTextCursor::EndOfBlock);
    c.insertText(u"-->"_s);
    QCOMPARE(ShownColour(Ed(), 1, 0), ClassColour(Ed(), TSyntaxClass::Comment));
    QCOMPARE(ShownColour(Ed(), 2, 0), ClassColour(Ed(), TSyntaxClass::Tag));
}

// A long page shows its first screen coloured at once; the rest follows
// from the event loop, and a comment opened at the top reaches the end.
void TestSyntaxColouring::longPageColouredInSlices()
{
    QByteArray page;
    for (int i = 0; i < 20000; ++i)
        page += "<p class=\"x\">line</p>\r\n";
    OpenDocument(fx->writeDoc(u"long.htm"_s, page));
    TSyntaxHighlighter *h = SyntaxHighlighterOf(Ed());
    QCOMPARE(ShownColour(Ed(), 0, 0), ClassColour(Ed(), TSyntaxClass::Tag));
    QVERIFY(!h->Complete());
    QVERIFY(!ShownColour(Ed(), 19999, 0).isValid());
    QTRY_VERIFY_WITH_TIMEOUT(h->Complete(), 60000);
    QCOMPARE(ShownColour(Ed(), 19999, 0), ClassColour(Ed(), TSyntaxClass::Tag));

    QTextCursor c(Ed()->document());
    c.insertText(u"<!--"_s);
    QCOMPARE(ShownColour(Ed(), 19999, 0), ClassColour(Ed(), TSyntaxClass::Comment));
}

// A letter typed on a coloured line repaints that line (and the start of
// the next), not the whole view; a comment opened above recolours the view.
void TestSyntaxColouring::typingRepaintsOnlyItsLines()
{
    QByteArray page;
    for (int i = 0; i < 60; ++i)
        page += "<p class=\"x\">line</p>\r\n";
    OpenDocument(fx->writeDoc(u"a.htm"_s, page));
    ColourEverything(Ed());
    Ed()->setFocus();
    QTextCursor c(Ed()->document()->findBlockByNumber(5));
    c.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 8);
    Ed()->setTextCursor(c);
    QCoreApplication::processEvents();
    const int viewHeight = Ed()->viewport()->height();
    QVERIFY(viewHeight > 200);
    QList<QRect> repainted;
    connect(Ed(), &QPlainTextEdit::updateRequest, this,
            [&](const QRect &r, int dy) { repainted << (dy ? Ed()->viewport()->rect() : r); });
    QTest::keyClick(Ed(), 'y');
    QCoreApplication::processEvents();
    QVERIFY(!repainted.isEmpty());
    const int lineTop = int(Ed()->cursorRect().top());
    bool lineCovered = false;
    for (const QRect &r : repainted) {
        QVERIFY2(r.height() < viewHeight / 3, qPrintable(u"repainted %1 of %2 pixels"_s.arg(r.height()).arg(viewHeight)));
        lineCovered = lineCovered || (r.top() <= lineTop && r.bottom() >= lineTop);
    }
    QVERIFY(lineCovered);
    QCOMPARE(Ed()->document()->findBlockByNumber(5).text(), u"<p classy=\"x\">line</p>"_s);

    // Opening a comment at the top changes the colour of every line below.
    repainted.clear();
    c.setPosition(0);
    Ed()->setTextCursor(c);
    QTest::keyClicks(Ed(), u"<!--"_s);
    QCoreApplication::processEvents();
    bool wholeView = false;
    for (const QRect &r : repainted)
        wholeView = wholeView || r.height() >= viewHeight;
    QVERIFY(wholeView);
    QCOMPARE(ShownColour(Ed(), 40, 1), ClassColour(Ed(), TSyntaxClass::Comment));
}

// A replacement that keeps the number of lines but moves a break shows the
// new text of every line it touched, as a fresh load of the same text does.
void TestSyntaxColouring::replacedLinesShowTheirNewText()
{
    OpenDocument(fx->writeDoc(u"a.htm"_s, "<b>ab</b>\r\n<i>cd</i>\r\n<u>ef</u>\r\n"));
    ColourEverything(Ed());
    QCoreApplication::processEvents();
    // "<b>ab</b>" + break + "<i>cd</i>" becomes "<b>ab</b><i>cd</i>" + break:
    // the same length, the same number of lines, the second line now empty.
    Ed()->ReplaceText(u"<b>ab</b><i>cd</i>\r\n\r\n<u>ef</u>"_s);
    QCoreApplication::processEvents();
    QCOMPARE(Ed()->Lines(), QStringList({u"<b>ab</b><i>cd</i>"_s, QString(), u"<u>ef</u>"_s}));
    const QImage shown = Ed()->viewport()->grab().toImage();
    Ed()->SetText(Ed()->Text());
    ColourEverything(Ed());
    QCoreApplication::processEvents();
    QCOMPARE(Ed()->viewport()->grab().toImage(), shown);
}

// A minified line of more than 20 000 characters keeps the plain colour;
// the comment it opens still colours the line after it.
void TestSyntaxColouring::aVeryLongLineStaysPlain()
{
    QByteArray page = "<p>short</p>\r\n";
    for (int i = 0; i < 3000; ++i)
        page += "<b>xx</b>";
    page += "<!--\r\n<p>inside</p>\r\n";
    OpenDocument(fx->writeDoc(u"min.htm"_s, page));
    ColourEverything(Ed());
    QCOMPARE(ShownColour(Ed(), 0, 0), ClassColour(Ed(), TSyntaxClass::Tag));
    QVERIFY(Ed()->document()->findBlockByNumber(1).layout()->formats().isEmpty());
    QCOMPARE(ShownColour(Ed(), 2, 0), ClassColour(Ed(), TSyntaxClass::Comment));
}

QTEST_MAIN(TestSyntaxColouring)
#include "tst_syntax_colouring.moc"
