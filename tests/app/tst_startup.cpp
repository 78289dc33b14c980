// The start: windows in order behind the splash, configuration, command line.
#include "app/application.h"
#include "app/f_main.h"
#include "app/startup_splash.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void windowsAreCreatedInOrder()
    {
        QCOMPARE(CreationOrder(),
                 (QStringList{QStringLiteral("TForm1"), QStringLiteral("TForm14"),
                              QStringLiteral("TCodeassistant"), QStringLiteral("TAboutVellomy"),
                              QStringLiteral("TForm3"), QStringLiteral("TForm2"),
                              QStringLiteral("TFHelpForm"), QStringLiteral("TFFileConvertor"),
                              QStringLiteral("TForm4"), QStringLiteral("TForm5"),
                              QStringLiteral("TForm6"), QStringLiteral("TForm7"),
                              QStringLiteral("TForm8"), QStringLiteral("TForm9"),
                              QStringLiteral("TForm10"), QStringLiteral("TFNewMap"),
                              QStringLiteral("TFMapcreate"), QStringLiteral("TForm13")}));
        QCOMPARE(Form14->Gauge1->maximum(), 15);
        QCOMPARE(Form14->Gauge1->value(), 15);
        QVERIFY(!Form14->isVisible());
        QVERIFY(Form2->isVisible());
        QVERIFY(Form3->isVisible());
        QCOMPARE(Form14->Label1->text(), ProductVersionString());
        QCOMPARE(ProductVersionString().count(u'.'), 3);
        QCOMPARE(HTMLEditor2Text(), QStringLiteral(";;Firsttouchvellie;;"));
    }

    void windowsArePlacedAroundTheWorkspace()
    {
        const int mainHeight = Form1->frameGeometry().height();
        QCOMPARE(Form3->geometry().top(), Form1->geometry().top() + mainHeight - 1);
        QCOMPARE(Form2->geometry().top(), Form3->geometry().top());
        QCOMPARE(Form2->geometry().left(), Form3->frameGeometry().width() - 1);
        QCOMPARE(Form2->geometry().right(), Form1->geometry().right());
    }

    void commandLineRule_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("two documents") << QStringList{QStringLiteral("a.htm"), QStringLiteral("c.htm")}
                                       << QStringList{QStringLiteral("a.htm"), QStringLiteral("c.htm")};
        // b.vpq lists x.VPQ: the project replaces a.htm, and c.htm is not opened.
        QTest::newRow("a project replaces and stops the list")
            << QStringList{QStringLiteral("a.htm"), QStringLiteral("b.vpq"), QStringLiteral("c.htm")}
            << QStringList{QStringLiteral("x.VPQ")};
        QTest::newRow("upper-case project extension is a document")
            << QStringList{QStringLiteral("x.VPQ")} << QStringList{QStringLiteral("x.VPQ")};
        QTest::newRow("missing files are skipped silently")
            << QStringList{QStringLiteral("gone.htm"), QStringLiteral("c.htm")}
            << QStringList{QStringLiteral("c.htm")};
        QTest::newRow("the same file twice")
            << QStringList{QStringLiteral("a.htm"), QStringLiteral("a.htm")}
            << QStringList{QStringLiteral("a.htm")};
    }
    void commandLineRule()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, opened);
        for (const char *n : {"a.htm", "c.htm", "x.VPQ"})
            fx->writeDoc(QString::fromLatin1(n), "<P>text</P>\r\n");
        fx->writeDoc(QStringLiteral("b.vpq"), "1\r\nx.VPQ\r\n");
        QStringList paths;
        for (const QString &a : arguments)
            paths << fx->docDir() + u'/' + a;
        StartSession(paths);
        QStringList names;
        for (int i = 1; i <= Docs.OpenDocCount; ++i)
            names << ExtractFileName(DocumentPath(Docs.OpenFiles[i]));
        QCOMPARE(names, opened);
        QVERIFY(fx->dialogs->asked.isEmpty());
        QCOMPARE(Form3->StringGrid1->item(Form3->StringGrid1->currentRow(), 0)->text(), opened.last());
    }

    void configurationReachesTheEditors()
    {
        QFile ini(fx->programDir() + QStringLiteral("/config.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Editor]\r\nBgColor=clNavy\r\nTextColor=clYellow\r\nwordwrap=1\r\nusetab=0\r\n"
                  "Cislovatradky=0\r\nautomatickyukladat=1\r\n");
        ini.close();
        StartSession({});
        QCOMPARE(Form2->HTMLEditor1->palette().color(QPalette::Base), QColor(0, 0, 0x80));
        QCOMPARE(Form2->HTMLEditor2->palette().color(QPalette::Text), QColor(0xFF, 0xFF, 0));
        QCOMPARE(Form2->HTMLEditor1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(Form2->HTMLEditor1->tabChangesFocus());
        QVERIFY(!Form2->GutterVisible());
        QVERIFY(Form13->Useautosaveall->isChecked());
    }

    void defaultsWithoutConfiguration()
    {
        StartSession({});
        QCOMPARE(Form2->HTMLEditor1->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(Form2->HTMLEditor1->palette().color(QPalette::Text), QColor(Qt::black));
        QVERIFY(Form2->GutterVisible());
        QVERIFY(Form2->HTMLEditor1->tabChangesFocus()); // "Používat tabulátor" is off by default
        QCOMPARE(FileFilter, FileFilterDefault());
        QCOMPARE(Docs.OpenDocCount, 0);
    }

private:
    static QString HTMLEditor2Text() { return Form2->HTMLEditor2->Text(); }
    static QString FileFilterDefault();
};

#include "documents/file_filter.h"
QString TestStartup::FileFilterDefault()
{
    return FileFilterText::Default();
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
