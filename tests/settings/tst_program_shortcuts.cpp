#include "app/application.h"
#include "app/f_main.h"
#include "scripted_dialogs.h"
#include "settings/program_shortcuts.h"
#include "settings/shortcut_buttons.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray Lines(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &l : lines)
        bytes += l + "\r\n";
    return bytes;
}

QRgb CentrePixel(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage().pixel(8, 8);
}

} // namespace

class TestProgramShortcuts : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QTemporaryDir dataHome;

    TShortcutButtons *sb() { return Form1->Shortcuts; }
    QString datPath() { return fx->programDir() + u"/Userconfig/zastupci.dat"_s; }
    void writeDat(const QByteArray &bytes)
    {
        QDir(fx->programDir()).mkpath(u"Userconfig"_s);
        QFile f(datPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString script(const QString &name)
    {
        const QString path = fx->docDir() + u'/' + name;
        fx->writeDoc(name, "#!/bin/sh\necho \"$#\" > \"$0.ran\"\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
        return path;
    }

private slots:
    void initTestCase()
    {
        // Desktop entries of these tests only.
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        qputenv("XDG_DATA_DIRS", dataHome.path().toLocal8Bit() + "/none");
    }
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void sevenButtonsLeftToRight()
    {
        QCOMPARE(Form1->ShortcutButtons.size(), 7);
        QList<QToolButton *> inBar;
        for (QAction *a : Form1->ToolBar3->actions())
            if (auto *b = qobject_cast<QToolButton *>(Form1->ToolBar3->widgetForAction(a)))
                inBar << b;
        QCOMPARE(inBar, Form1->ShortcutButtons);
        for (int n = 1; n <= 7; ++n) {
            QCOMPARE(inBar.at(n - 1)->property("tag").toInt(), n);
            QVERIFY(inBar.at(n - 1)->isEnabled());
        }
        QStringList items;
        for (QAction *a : sb()->Userprogramspopup->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{u"Spustit"_s, u"Zvolit Program..."_s, u"Zrušit"_s}));
    }

    void fileRoundTrip()
    {
        const QString path = fx->docDir() + u"/z/zastupci.dat"_s;
        // No file yet: every button without a program.
        const QStringList fresh = ProgramShortcuts::ReadLines(path);
        QCOMPARE(fresh.size(), 8);
        for (int n = 1; n <= 7; ++n)
            QCOMPARE(ProgramShortcuts::Assignment(fresh, n), u"none"_s);
        ProgramShortcuts::Assign(path, 3, u"/opt/gimp"_s);
        QCOMPARE(ReadBytes(path), Lines({"Vellomy - z\xE1stupci program\xF9", "none", "none", "/opt/gimp", "none",
                                         "none", "none", "none"}));
        QCOMPARE(ProgramShortcuts::Assignment(ProgramShortcuts::ReadLines(path), 3), u"/opt/gimp"_s);
        // A short file is completed; its first line stays as it was.
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("moje \x9A\r\n/a\r\n");
        f.close();
        ProgramShortcuts::Assign(path, 7, u"/b"_s);
        QCOMPARE(ReadBytes(path), Lines({"moje \x9A", "/a", "none", "none", "none", "none", "none", "/b"}));
    }

    void cancelOnButtonFiveWritesLineSix()
    {
        const QByteArray before = Lines({"head", "/p1", "/p2", "/p3", "/p4", "/p5", "/p6", "/p7"});
        writeDat(before);
        sb()->PreparePopup(5);
        QCOMPARE(sb()->Zruit1->data().toInt(), 5);
        QCOMPARE(sb()->Userprogramspopup->property("tag").toInt(), 5);
        sb()->Zruit1Click();
        QCOMPARE(ReadBytes(datPath()), Lines({"head", "/p1", "/p2", "/p3", "/p4", "none", "/p6", "/p7"}));
    }

    void chooseProgram_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("chosen") << true;
        QTest::newRow("cancelled changes nothing") << false;
    }
    void chooseProgram()
    {
        QFETCH(bool, confirmed);
        const QByteArray before = Lines({"head", "none", "none", "none", "none", "none", "none", "none"});
        writeDat(before);
        const QString program = script(u"prog.sh"_s);
        const qint64 iconBefore = sb()->ShortcutImageList.at(1).cacheKey();
        if (confirmed)
            fx->dialogs->openAnswers << QStringList{program};
        sb()->PreparePopup(2);
        sb()->ZvolitProgram1Click();
        QCOMPARE(fx->dialogs->requests.first().title, u"Vybrat Program"_s);
        if (confirmed) {
            QCOMPARE(ReadBytes(datPath()),
                     Lines({"head", "none", program.toUtf8(), "none", "none", "none", "none", "none"}));
            QVERIFY(sb()->ShortcutImageList.at(1).cacheKey() != iconBefore);
            QCOMPARE(Form1->ShortcutButtons.at(1)->icon().cacheKey(), sb()->ShortcutImageList.at(1).cacheKey());
        } else {
            QCOMPARE(ReadBytes(datPath()), before);
            QCOMPARE(sb()->ShortcutImageList.at(1).cacheKey(), iconBefore);
        }
    }

    void clickStartsTheProgram()
    {
        const QString program = script(u"run me.sh"_s);
        writeDat(Lines({"head", "none", program.toUtf8(), "none", "none", "none", "none", "none"}));
        Form1->ShortcutButtons.at(1)->click();
        QTRY_VERIFY(QFile::exists(program + u".ran"_s));
        QTRY_COMPARE(ReadBytes(program + u".ran"_s), QByteArray("0\n")); // no arguments
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void clickOnUnassignedOrMissing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("none") << QByteArray("none") << QStringList{u"info: Není přiřazen žádný program!"_s};
        QTest::newRow("program gone: nothing") << QByteArray("/no/such/program") << QStringList();
    }
    void clickOnUnassignedOrMissing()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, asked);
        writeDat(Lines({"head", line, "none", "none", "none", "none", "none", "none"}));
        fx->dialogs->asked.clear();
        sb()->PreparePopup(1);
        sb()->Spustit1Click();
        QCOMPARE(fx->dialogs->asked, asked);
    }

    void missingFileMeansNoPrograms()
    {
        QVERIFY(!QFile::exists(datPath()));
        Form1->ShortcutButtons.at(6)->click();
        QCOMPARE(fx->dialogs->asked, QStringList{u"info: Není přiřazen žádný program!"_s});
    }

    void picturesFromTheFile()
    {
        // Button 3 without a program shows Data/Icons/3.bmp; button 4's
        // program is named by a desktop entry and shows that entry's icon.
        QDir(fx->programDir()).mkpath(u"Data/Icons"_s);
        QImage green(16, 16, QImage::Format_RGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(fx->programDir() + u"/Data/Icons/3.bmp"_s, "BMP"));
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        const QString iconPath = fx->docDir() + u"/red.png"_s;
        QVERIFY(red.save(iconPath));
        const QString program = script(u"editor.sh"_s);
        QDir(dataHome.path()).mkpath(u"applications"_s);
        QFile entry(dataHome.path() + u"/applications/editor.desktop"_s);
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Editor\nExec=\"" + program.toUtf8()
                    + "\" %F\nIcon=" + iconPath.toUtf8() + "\n");
        entry.close();
        writeDat(Lines({"head", "/no/such", "none", "none", program.toUtf8(), "none", "none", "none"}));
        const qint64 first = sb()->ShortcutImageList.at(0).cacheKey();
        sb()->LoadShortcutIcons();
        QCOMPARE(CentrePixel(sb()->ShortcutImageList.at(2)), QColor(Qt::green).rgb());
        QCOMPARE(CentrePixel(sb()->ShortcutImageList.at(3)), QColor(Qt::red).rgb());
        QCOMPARE(sb()->ShortcutImageList.at(0).cacheKey(), first); // a missing program keeps its picture
        // A program no entry names gets the system's icon for the file.
        QVERIFY(!TShortcutButtons::ProgramIcon(script(u"plain.sh"_s)).isNull());
    }

    void shippedDataHasEveryButton()
    {
        const QString data = QStringLiteral(TEST_DATA_DIR) + u"/../../data/"_s;
        const QStringList lines = ProgramShortcuts::ReadLines(data + u"Userconfig/zastupci.dat"_s);
        QCOMPARE(ReadBytes(data + u"Userconfig/zastupci.dat"_s).count("\r\n"), 8);
        for (int n = 1; n <= 7; ++n) {
            QCOMPARE(ProgramShortcuts::Assignment(lines, n), u"none"_s);
            const QImage picture(data + u"Data/Icons/%1.bmp"_s.arg(n));
            QVERIFY2(!picture.isNull(), qPrintable(QString::number(n)));
        }
    }
};

QTEST_MAIN(TestProgramShortcuts)
#include "tst_program_shortcuts.moc"
