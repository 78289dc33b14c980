// Keyboard shortcuts: the stored text form, zkratky.dat and the menus.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "scripted_dialogs.h"
#include "settings/shortcuts.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

class TestShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void textForm_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QKeySequence>("sequence");
        QTest::newRow("ctrl letter") << QStringLiteral("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("shift ctrl") << QStringLiteral("Shift+Ctrl+A") << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_A);
        QTest::newRow("alt function key") << QStringLiteral("Alt+F4") << QKeySequence(Qt::ALT | Qt::Key_F4);
        QTest::newRow("backspace") << QStringLiteral("Ctrl+BkSp") << QKeySequence(Qt::CTRL | Qt::Key_Backspace);
        QTest::newRow("insert") << QStringLiteral("Ctrl+Ins") << QKeySequence(Qt::CTRL | Qt::Key_Insert);
        QTest::newRow("delete") << QStringLiteral("Shift+Del") << QKeySequence(Qt::SHIFT | Qt::Key_Delete);
        QTest::newRow("enter") << QStringLiteral("Shift+Enter") << QKeySequence(Qt::SHIFT | Qt::Key_Return);
        QTest::newRow("page down") << QStringLiteral("Ctrl+PgDn") << QKeySequence(Qt::CTRL | Qt::Key_PageDown);
        QTest::newRow("digit") << QStringLiteral("Ctrl+7") << QKeySequence(Qt::CTRL | Qt::Key_7);
        QTest::newRow("all three") << QStringLiteral("Shift+Ctrl+Alt+F12") << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::ALT | Qt::Key_F12);
    }
    void textForm()
    {
        QFETCH(QString, text);
        QFETCH(QKeySequence, sequence);
        QCOMPARE(Shortcuts::Parse(text), sequence);
        QCOMPARE(Shortcuts::Format(sequence), text);
    }

    void unparsableTextIsNone()
    {
        QVERIFY(Shortcuts::Parse(QStringLiteral("Ctrl+Nothing")).isEmpty());
        QVERIFY(Shortcuts::Parse(QString()).isEmpty());
        QVERIFY(Shortcuts::Parse(QStringLiteral("  ")).isEmpty());
    }

    void theListHasItsSixtyOneFunctions()
    {
        const auto &f = Shortcuts::Functions();
        QCOMPARE(f.size(), 61);
        QCOMPARE(f[0].command, QStringLiteral("Bookmark01"));
        QCOMPARE(f[10].command, QStringLiteral("P2"));
        QCOMPARE(f[43].label, QStringLiteral("<TD>"));
        QCOMPARE(f[43].command, QStringLiteral("TR"));
        QCOMPARE(f[53].command, QStringLiteral("BIG1"));
        QCOMPARE(f[60].command, QStringLiteral("Font"));
    }

    void theShippedFileParses()
    {
        QStringList lines;
        QString error;
        QVERIFY(Shortcuts::Read(QStringLiteral(SHIPPED_DATA_DIR "/Userconfig/zkratky.dat"), &lines, &error));
        QCOMPARE(lines.size(), 61);
        QSet<QString> seen;
        for (const QString &l : lines) {
            if (l.isEmpty())
                continue;
            QVERIFY2(!Shortcuts::Parse(l).isEmpty(), qPrintable(l));
            QVERIFY2(!seen.contains(l), qPrintable(l)); // no combination twice
            seen.insert(l);
        }
        QCOMPARE(lines[15], QStringLiteral("Ctrl+S"));
    }

    void menusTakeTheFilesShortcuts()
    {
        TWindowFixture fx;
        QDir(fx.programDir()).mkpath(QStringLiteral("Userconfig"));
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten << QStringLiteral("Alt+%1").arg(i);
        QFile f(Shortcuts::FilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(ten.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        f.close();
        ApplyShortcuts();
        QCOMPARE(Form1->findChild<QAction *>(QStringLiteral("Bookmark31"))->shortcut(), QKeySequence(Qt::ALT | Qt::Key_3));
        QVERIFY(Form1->Ulozit->shortcut().isEmpty());

        QStringList all(61);
        all[15] = QStringLiteral("Ctrl+S");
        all[43] = QStringLiteral("Ctrl+Alt+T");
        Shortcuts::Write(Shortcuts::FilePath(), all);
        QCOMPARE(ReadBytes(Shortcuts::FilePath()).count("\r\n"), 61);
        ApplyShortcuts();
        QCOMPARE(Form1->Ulozit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(Form1->Ulozit->shortcutContext(), Qt::ApplicationShortcut);
        QCOMPARE(Form1->findChild<QAction *>(QStringLiteral("TR"))->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T));
        QVERIFY(Form1->findChild<QAction *>(QStringLiteral("Bookmark31"))->shortcut().isEmpty());
        QVERIFY(fx.dialogs->asked.isEmpty());
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
