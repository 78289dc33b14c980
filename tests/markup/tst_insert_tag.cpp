// InsertTag on a real source editor: the text written, the caret afterwards,
// which editor receives the text and the guard around the change.
#include "editor/htmledit.h"
#include "markup/insert_tag.h"
#include "markup/insertion_commands.h"
#include "style_flags.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A text with its selection marked: "[" is the anchor and "]" the moving end
// (so "]...[" is a selection made backwards); "|" alone is the caret. The
// texts of these rows never hold the marker characters themselves.
struct Marked {
    QString text;
    int anchor = 0;
    int end = 0;
};

Marked Parse(const QString &marked)
{
    Marked m;
    int anchor = -1, end = -1, caret = -1;
    for (const QChar c : marked) {
        if (c == u'[')
            anchor = int(m.text.size());
        else if (c == u']')
            end = int(m.text.size());
        else if (c == u'|')
            caret = int(m.text.size());
        else
            m.text += c;
    }
    if (caret >= 0)
        anchor = end = caret;
    m.anchor = anchor < 0 ? int(m.text.size()) : anchor;
    m.end = end < 0 ? m.anchor : end;
    return m;
}

void Load(THTMLEdit *ed, const QString &marked)
{
    const Marked m = Parse(marked);
    ed->SetText(m.text);
    QTextCursor c = ed->textCursor();
    c.setPosition(ed->OffsetToPosition(m.anchor));
    c.setPosition(ed->OffsetToPosition(m.end), QTextCursor::KeepAnchor);
    ed->setTextCursor(c);
}

// The editor's text with "|" at the caret; "[" "]" around a selection.
QString Show(const THTMLEdit *ed)
{
    QString t = ed->Text();
    const int start = ed->SelStart();
    const int length = ed->SelLength();
    if (length == 0)
        return t.insert(start, u'|');
    return t.insert(start + length, u']').insert(start, u'[');
}

} // namespace

class TestInsertTag : public QObject
{
    Q_OBJECT

    std::unique_ptr<THTMLEdit> source;
    std::unique_ptr<THTMLEdit> translator;

private slots:
    void init()
    {
        source = std::make_unique<THTMLEdit>();
        translator = std::make_unique<THTMLEdit>();
        source->show();
        translator->show();
    }
    void cleanup()
    {
        source.reset();
        translator.reset();
    }

    void insert_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("after");

        // Mode 0 at the caret.
        QTest::newRow("single tag at the caret") << u"ab|cd"_s << u"<BR>"_s << QString() << 0
                                                 << u"U"_s << u"ab<BR>|cd"_s;
        QTest::newRow("single tag with slash") << u"ab|cd"_s << u"<BR>"_s << QString() << 0
                                               << u"U/"_s << u"ab<BR />|cd"_s;
        QTest::newRow("slash and lower case") << u"|"_s << u"<HR>"_s << QString() << 0 << u"/"_s
                                              << u"<hr />|"_s;
        QTest::newRow("colour name lower case, slash no effect")
            << u"x=|"_s << u"Black"_s << QString() << 0 << u"/"_s << u"x=black|"_s;
        QTest::newRow("entity untouched") << u"a|b"_s << u"&nbsp;"_s << QString() << 0 << u"/"_s
                                          << u"a&nbsp;|b"_s;
        QTest::newRow("input lower case with slash")
            << u"|"_s << u"<INPUT TYPE=\"Reset\">"_s << QString() << 0 << u"/"_s
            << u"<input type=\"reset\" />|"_s;
        QTest::newRow("link with picture stays well formed")
            << u"|"_s << u"<A HREF=\"p\"><IMG SRC=\"i\"></A>"_s << QString() << 0 << u"U/"_s
            << u"<A HREF=\"p\"><IMG SRC=\"i\" /></A>|"_s;
        QTest::newRow("on a later line") << u"one\r\ntwo\r\nt|hree"_s << u"<BR>"_s << QString()
                                         << 0 << u"U"_s << u"one\r\ntwo\r\nt<BR>|hree"_s;
        QTest::newRow("at the end of a line") << u"one|\r\ntwo"_s << u"<BR>"_s << QString() << 0
                                              << u"U"_s << u"one<BR>|\r\ntwo"_s;
        QTest::newRow("on an empty line") << u"a\r\n|\r\nb"_s << u"<HR>"_s << QString() << 0
                                          << u"U"_s << u"a\r\n<HR>|\r\nb"_s;
        QTest::newRow("into an empty editor") << u"|"_s << u"&copy;"_s << QString() << 0 << u"U"_s
                                              << u"&copy;|"_s;
        QTest::newRow("mode 0 with a close text: caret between")
            << u"|"_s << u"<A>"_s << u"</A>"_s << 0 << u"U/"_s << u"<A>|</A>"_s;

        // Mode 0 with a selection: the text goes in at the caret, the selected
        // text stays, the caret ends after the inserted text.
        QTest::newRow("mode 0 keeps the selection's text")
            << u"a[bcd]ef"_s << u"<BR>"_s << QString() << 0 << u"U"_s << u"abcd<BR>|ef"_s;
        QTest::newRow("mode 0, backward selection")
            << u"a]bcd[ef"_s << u"<BR>"_s << QString() << 0 << u"U"_s << u"abcd<BR>|ef"_s;
        QTest::newRow("mode 0, selection over lines")
            << u"a[b\r\ncd]ef"_s << u"<HR>"_s << QString() << 0 << u"U/"_s
            << u"ab\r\ncd<HR />|ef"_s;

        // Mode 1.
        QTest::newRow("pair without selection") << u"ab|cd"_s << u"<P>"_s << u"</P>"_s << 1
                                                << u"U"_s << u"ab<P>|</P>cd"_s;
        QTest::newRow("pair lower case") << u"|"_s << u"<FONT SIZE=\"+1\">"_s << u"</FONT>"_s << 1
                                         << QString() << u"<font size=\"+1\">|</font>"_s;
        QTest::newRow("pair wraps the selection") << u"a[bcd]ef"_s << u"<P>"_s << u"</P>"_s << 1
                                                  << u"U"_s << u"a<P>|bcd</P>ef"_s;
        QTest::newRow("pair wraps a backward selection")
            << u"a]bcd[ef"_s << u"<P>"_s << u"</P>"_s << 1 << u"U"_s << u"a<P>|bcd</P>ef"_s;
        QTest::newRow("pair wraps lines as a whole")
            << u"<BODY>\r\n[one\r\ntwo\r\n]</BODY>"_s << u"<DIV>"_s << u"</DIV>"_s << 1 << u"U"_s
            << u"<BODY>\r\n<DIV>|one\r\ntwo\r\n</DIV></BODY>"_s;
        QTest::newRow("pair on the second line") << u"line\r\nab|cd"_s << u"<B>"_s << u"</B>"_s
                                                 << 1 << u"U"_s << u"line\r\nab<B>|</B>cd"_s;
        QTest::newRow("strong") << u"[bold]"_s << u"<B>"_s << u"</B>"_s << 1 << u"US"_s
                                << u"<STRONG>|bold</STRONG>"_s;
        QTest::newRow("strong lower case") << u"[bold]"_s << u"<B>"_s << u"</B>"_s << 1 << u"S"_s
                                           << u"<strong>|bold</strong>"_s;
        QTest::newRow("B without strong") << u"[bold]"_s << u"<B>"_s << u"</B>"_s << 1 << u"UE"_s
                                          << u"<B>|bold</B>"_s;
        QTest::newRow("em") << u"[it]"_s << u"<I>"_s << u"</I>"_s << 1 << u"UE"_s
                            << u"<EM>|it</EM>"_s;
        QTest::newRow("em lower case") << u"[it]"_s << u"<I>"_s << u"</I>"_s << 1 << u"E"_s
                                       << u"<em>|it</em>"_s;
        QTest::newRow("I without em") << u"[it]"_s << u"<I>"_s << u"</I>"_s << 1 << u"US"_s
                                      << u"<I>|it</I>"_s;
        QTest::newRow("slash leaves pairs") << u"[x]"_s << u"<P>"_s << u"</P>"_s << 1 << u"U/"_s
                                            << u"<P>|x</P>"_s;
        QTest::newRow("comment with slash") << u"[x]"_s << u"<!--"_s << u"-->"_s << 1 << u"/"_s
                                            << u"<!--|x-->"_s;
        QTest::newRow("selected text is not lowered") << u"[ABC]"_s << u"<P>"_s << u"</P>"_s << 1
                                                      << QString() << u"<p>|ABC</p>"_s;
        QTest::newRow("texts with line breaks")
            << u"[li]"_s << u"<UL>\n"_s << u"\n</UL>"_s << 1 << u"U"_s
            << u"<UL>\r\n|li\r\n</UL>"_s;
        QTest::newRow("line break before the caret counts two")
            << u"x|"_s << u"<UL>\r\n<LI>"_s << u"\r\n</UL>"_s << 1 << u"U"_s
            << u"x<UL>\r\n<LI>|\r\n</UL>"_s;
        QTest::newRow("unknown mode inserts at the caret")
            << u"a[b]c"_s << u"<BR>"_s << QString() << 5 << u"U"_s << u"ab<BR>|c"_s;
    }
    void insert()
    {
        QFETCH(QString, before);
        QFETCH(QString, open);
        QFETCH(QString, close);
        QFETCH(int, mode);
        QFETCH(QString, flags);
        QFETCH(QString, after);
        Load(source.get(), before);
        QVERIFY(InsertTag(source.get(), open, close, mode, StyleFromFlags(flags)));
        QCOMPARE(Show(source.get()), after);
    }

    void targetEditor_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("openDocs");
        QTest::addColumn<QString>("receiver"); // "source", "translator" or "none"
        QTest::newRow("source tab") << int(EditorTab) << 1 << u"source"_s;
        QTest::newRow("translator tab") << int(TranslatorTab) << 2 << u"translator"_s;
        QTest::newRow("preview tab") << int(PreviewTab) << 1 << u"none"_s;
        QTest::newRow("help tab") << int(HelpTab) << 1 << u"none"_s;
        QTest::newRow("no document on the source tab") << int(EditorTab) << 0 << u"none"_s;
        QTest::newRow("no document on the translator tab") << int(TranslatorTab) << 0 << u"none"_s;
    }
    void targetEditor()
    {
        QFETCH(int, tab);
        QFETCH(int, openDocs);
        QFETCH(QString, receiver);
        Load(source.get(), u"s|"_s);
        Load(translator.get(), u"t|"_s);
        int caretRuns = 0;
        TInsertTarget target;
        target.shownTab = tab;
        target.sourceEditor = source.get();
        target.translatorEditor = translator.get();
        target.openDocCount = openDocs;
        target.translatorCaretMoved = [&] { ++caretRuns; };

        const bool wrote = InsertTag(target, u"<BR>"_s, QString(), 0, TMarkupStyle());
        QCOMPARE(wrote, receiver != u"none"_s);
        QCOMPARE(source->Text(), receiver == u"source"_s ? u"s<BR>"_s : u"s"_s);
        QCOMPARE(translator->Text(), receiver == u"translator"_s ? u"t<BR>"_s : u"t"_s);
        QCOMPARE(caretRuns, receiver == u"translator"_s ? 1 : 0);
        QCOMPARE(InsertTargetEditor(target),
                 receiver == u"source"_s       ? source.get()
                 : receiver == u"translator"_s ? translator.get()
                                               : nullptr);
    }

    void guardIsSetOnlyDuringTheChange()
    {
        bool guard = false;
        QList<bool> seenByChange;
        bool seenByCaretHandling = true;
        TInsertTarget target;
        target.shownTab = TranslatorTab;
        target.sourceEditor = source.get();
        target.translatorEditor = translator.get();
        target.openDocCount = 1;
        target.sourceSyncGuard = &guard;
        target.translatorCaretMoved = [&] { seenByCaretHandling = guard; };
        Load(translator.get(), u"a[b]c"_s);
        connect(translator.get(), &QPlainTextEdit::textChanged, this,
                [&] { seenByChange << guard; });

        QVERIFY(InsertTag(target, u"<P>"_s, u"</P>"_s, 1, TMarkupStyle()));
        QVERIFY(!seenByChange.isEmpty());
        QVERIFY(!seenByChange.contains(false));
        QVERIFY(!seenByCaretHandling);
        QVERIFY(!guard);
        QCOMPARE(Show(translator.get()), u"a<P>|b</P>c"_s);
    }

    void oneUndoStepRestoresTheText()
    {
        Load(source.get(), u"a[b\r\nc]d"_s);
        QVERIFY(InsertTag(source.get(), u"<P>"_s, u"</P>"_s, 1, TMarkupStyle()));
        source->undo();
        QCOMPARE(source->Text(), u"ab\r\ncd"_s);
    }

    void attachStyleSheet_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("caret below the head moves with its text")
            << u"<HEAD>\r\n</HEAD>\r\n<BODY>|x"_s
            << u"<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a.css\">\r\n</HEAD>"
               "\r\n<BODY>|x"_s;
        QTest::newRow("caret before the head stays")
            << u"|<HEAD></HEAD>"_s
            << u"|<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a.css\"></HEAD>"_s;
        QTest::newRow("selection across the head grows")
            << u"[<HEAD>x]"_s
            << u"[<HEAD>\r\n<LINK TYPE=\"text/css\" REL=\"StyleSheet\" HREF=\"a.css\">x]"_s;
    }
    void attachStyleSheet()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Load(source.get(), before);
        QString message;
        QVERIFY(AttachStyleSheet(source.get(), u"a.css"_s, TMarkupStyle(), &message));
        QVERIFY(message.isEmpty());
        QCOMPARE(Show(source.get()), after);
    }

    void attachStyleSheetWithoutHead()
    {
        Load(source.get(), u"<BODY>|</BODY>"_s);
        QString message;
        QVERIFY(!AttachStyleSheet(source.get(), u"a.css"_s, TMarkupStyle(), &message));
        QCOMPARE(message, u"Dokument neobsahuje část <HEAD> nezbytnou pro přídání stylu"_s);
        QCOMPARE(Show(source.get()), u"<BODY>|</BODY>"_s);
    }
};

QTEST_MAIN(TestInsertTag)
#include "tst_insert_tag.moc"
