// The help window and the help pages: the help command, F1 into the HTML
// reference, and the shipped pages checked against what can reach them.
#include "app/application.h"
#include "app/f_main.h"
#include "app/help_form.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "preview/web_browser.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace {

// The shipped data as the build copies it beside the program.
QString DataDir()
{
    return QDir::cleanPath(QStringLiteral(TEST_DATA_DIR "/../../data")) + u'/';
}

QString ReadText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// The tags the inspector knows: the lines of its index, as the program
// reads it.
QStringList InspectorTags()
{
    QStringList tags;
    QFile f(DataDir() + u"Data/Taginspektor/index.if"_s);
    if (!f.open(QIODevice::ReadOnly))
        return tags;
    for (QByteArray line : f.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            tags << QString::fromLatin1(line);
    }
    return tags;
}

QSet<QString> Ids(const QString &html)
{
    QSet<QString> ids;
    // Only in real tags: the examples show their markup escaped.
    static const QRegularExpression re(u"<[a-z][^<>]*?\\s(?:id|name)=\"([^\"]+)\""_s,
                                       QRegularExpression::CaseInsensitiveOption);
    for (auto it = re.globalMatch(html); it.hasNext();)
        ids << it.next().captured(1);
    return ids;
}

void CopyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

QVariant RunJs(QWebEngineView *view, const QString &script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, 30000))
        return u"(no answer)"_s;
    return result;
}

bool WaitLoaded(QWebEngineView *view, QSignalSpy &loaded)
{
    return QTest::qWaitFor([&] { return !loaded.isEmpty(); }, 60000) && loaded.last().first().toBool()
        && view;
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void theHelpWindow()
    {
        QCOMPARE(FHelpForm->windowTitle(), u"Nápověda"_s);
        QCOMPARE(FHelpForm->size(), QSize(529, 553));
        QVERIFY(FHelpForm->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!FHelpForm->isVisible());
    }

    void theHelpCommandAlwaysGoesToTheIndex_data()
    {
        QTest::addColumn<bool>("button");
        QTest::newRow("menu item") << false;
        QTest::newRow("button of the band Jiné") << true;
    }
    void theHelpCommandAlwaysGoesToTheIndex()
    {
        QFETCH(bool, button);
        const QString index = ProgramDir() + u"Help/Vellomyhelp/index.htm"_s;
        const auto run = [button] {
            if (button)
                Form1->SpeedButton20->click();
            else
                Form1->JakpracovatsVellomy1->trigger();
        };
        QVERIFY(Form1->JakpracovatsVellomy1->isEnabled());
        QVERIFY(Form1->SpeedButton20->isEnabled());
        run();
        QVERIFY(FHelpForm->isVisible());
        QVERIFY(!FHelpForm->isModal());
        QCOMPARE(FHelpForm->WebBrowser1->LocalPath(), index);
        // Somewhere else in the help (as the translator's help button does),
        // then the command again while the window is still open.
        FHelpForm->ShowHelpPage(u"htmltrans.htm"_s);
        QCOMPARE(FHelpForm->WebBrowser1->LocalPath(), ProgramDir() + u"Help/Vellomyhelp/htmltrans.htm"_s);
        run();
        QVERIFY(FHelpForm->isVisible());
        QCOMPARE(FHelpForm->WebBrowser1->LocalPath(), index);
        // Closed and asked for again: the same window, on the index.
        FHelpForm->close();
        run();
        QVERIFY(FHelpForm->isVisible());
        QCOMPARE(FHelpForm->WebBrowser1->LocalPath(), index);
    }

    void theHelpIndexIsShown()
    {
        CopyTree(DataDir() + u"Help"_s, ProgramDir() + u"Help"_s);
        Form1->JakpracovatsVellomy1->trigger();
        QWebEngineView *view = FHelpForm->WebBrowser1->View();
        QVERIFY(view);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QVERIFY(WaitLoaded(view, loaded));
        QCOMPARE(RunJs(view, u"document.title"_s).toString(), u"Jak pracovat s Vellomy – Nápověda Vellomy"_s);
        // The shared style sheet is found from the page's folder.
        QCOMPARE(RunJs(view, u"document.styleSheets.length > 0 && document.styleSheets[0].cssRules.length > 0"_s)
                     .toBool(),
                 true);
    }

    // Every tag of the inspector's index has its section in the reference,
    // under its name in capitals and in lower case: F1 passes the word at the
    // caret as it is written.
    void everyInspectorTagHasItsAnchors()
    {
        const QStringList tags = InspectorTags();
        QVERIFY(tags.size() > 100);
        const QSet<QString> ids = Ids(ReadText(DataDir() + u"Help/index.htm"_s));
        QStringList missing;
        for (const QString &tag : tags) {
            QVERIFY2(tag == tag.toLower(), qPrintable(tag));
            for (const QString &anchor : {tag.toUpper(), tag})
                if (!ids.contains(anchor))
                    missing << anchor;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    }

    void anchorsAreUnique()
    {
        const QString html = ReadText(DataDir() + u"Help/index.htm"_s);
        static const QRegularExpression re(u"<[a-z][^<>]*?\\sid=\"([^\"]+)\""_s);
        QStringList seen, twice;
        for (auto it = re.globalMatch(html); it.hasNext();) {
            const QString id = it.next().captured(1);
            if (seen.contains(id))
                twice << id;
            seen << id;
        }
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join(u' ')));
    }

    // The engine's own parse of the page holds each of those anchors (a
    // markup slip would swallow sections). Real fragment navigation is
    // checked through F1 below: Chromium throttles a page that changes its
    // own location hundreds of times in a row.
    void theEngineFindsEveryTagsSection()
    {
        CopyTree(DataDir() + u"Help"_s, ProgramDir() + u"Help"_s);
        Form2->WebBrowser2->Navigate(ProgramDir() + u"Help/index.htm"_s);
        Form2->PageControl1->setCurrentIndex(3);
        QWebEngineView *view = Form2->WebBrowser2->View();
        QVERIFY(view);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QVERIFY(WaitLoaded(view, loaded));
        QStringList anchors;
        for (const QString &tag : InspectorTags())
            anchors << u"\""_s + tag.toUpper() + u"\""_s << u"\""_s + tag + u"\""_s;
        // Each section names its tag in its heading.
        const QString script = u"(function(names) { var missing = [];"
                               " for (var i = 0; i < names.length; ++i) {"
                               "  var e = document.getElementById(names[i]);"
                               "  var section = e && (e.tagName === 'DIV' ? e : e.parentElement);"
                               "  var heading = section && section.querySelector('h2');"
                               "  if (!heading || heading.textContent !== '<' + names[i].toUpperCase() + '>')"
                               "   missing.push(names[i]); }"
                               " return missing.join(' '); })(["_s
            + anchors.join(u',') + u"])"_s;
        QCOMPARE(RunJs(view, script).toString(), QString());
    }

    void f1LandsOnTheTagsSection_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("capitals") << QByteArray("<TABLE BORDER=\"1\">") << u"TABLE"_s;
        QTest::newRow("lower case") << QByteArray("<table border=\"1\">") << u"table"_s;
        QTest::newRow("current HTML") << QByteArray("<VIDEO SRC=\"a.mp4\">") << u"VIDEO"_s;
    }
    void f1LandsOnTheTagsSection()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, anchor);
        CopyTree(DataDir() + u"Help"_s, ProgramDir() + u"Help"_s);
        OpenDocument(fx->writeDoc(u"a.htm"_s, line + "\r\n"));
        Form2->HTMLEditor1->SetSelStart(3);
        QTest::keyClick(Form2->HTMLEditor1, Qt::Key_F1);
        QCOMPARE(Form2->PageControl1->currentIndex(), 3);
        QWebEngineView *view = Form2->WebBrowser2->View();
        QVERIFY(view);
        QSignalSpy loaded(view, &QWebEngineView::loadFinished);
        QVERIFY(WaitLoaded(view, loaded));
        QCOMPARE(view->url().fragment(), anchor);
        QCOMPARE(RunJs(view, u"document.querySelector(':target') ? document.querySelector(':target').id : ''"_s)
                     .toString(),
                 anchor);
        // The page was scrolled to the section.
        QVERIFY(RunJs(view, u"window.scrollY"_s).toDouble() > 0);
        // And it is there to be seen, filling the tab.
        QTRY_VERIFY(view->isVisible());
        QCOMPARE(view->size(), Form2->WebBrowser2->size());
        QVERIFY(view->width() > 100 && view->height() > 100);
    }

    // The pages the program opens by name exist.
    void pagesTheProgramOpensExist_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("HTML reference (F1, Syntaxe HTML)") << u"Help/index.htm"_s;
        QTest::newRow("program help index") << u"Help/Vellomyhelp/index.htm"_s;
        QTest::newRow("translator's help button") << u"Help/Vellomyhelp/htmltrans.htm"_s;
        QTest::newRow("new-file dialog's template help") << u"Help/Vellomyhelp/sablony.htm"_s;
    }
    void pagesTheProgramOpensExist()
    {
        QFETCH(QString, page);
        QVERIFY2(QFileInfo::exists(DataDir() + page), qPrintable(page));
    }

    // Every link between the help pages leads to a page and a place that
    // exist, and every page says how it is encoded.
    void linksBetweenHelpPagesHold()
    {
        QDirIterator it(DataDir() + u"Help"_s, {u"*.htm"_s}, QDir::Files, QDirIterator::Subdirectories);
        static const QRegularExpression href(u"<(?:a|link)\\s[^<>]*?href=\"([^\"]*)\""_s,
                                             QRegularExpression::CaseInsensitiveOption);
        QStringList broken;
        int pages = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            ++pages;
            const QString html = ReadText(file);
            QVERIFY2(html.contains(u"<meta charset=\"utf-8\">"_s), qPrintable(file));
            for (auto m = href.globalMatch(html); m.hasNext();) {
                const QString target = m.next().captured(1);
                if (target.contains(u':'))
                    continue; // addresses outside the help
                const qsizetype hash = target.indexOf(u'#');
                const QString path = hash < 0 ? target : target.left(hash);
                const QString fragment = hash < 0 ? QString() : target.mid(hash + 1);
                const QString linked = path.isEmpty() ? file : QFileInfo(file).dir().filePath(path);
                if (!QFileInfo::exists(linked)) {
                    broken << file.mid(DataDir().size()) + u" → "_s + target;
                    continue;
                }
                if (!fragment.isEmpty() && linked.endsWith(u".htm"_s) && !Ids(ReadText(linked)).contains(fragment))
                    broken << file.mid(DataDir().size()) + u" → "_s + target;
            }
        }
        QVERIFY(pages > 10);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u"\n"_s)));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
