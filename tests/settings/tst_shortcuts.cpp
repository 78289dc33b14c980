// Keyboard shortcuts: the stored text form, zkratky.dat and the menus.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "scripted_dialogs.h"
#include "settings/hotkey.h"
#include "settings/settings_command.h"
#include "settings/shortcuts.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs edit inside the settings dialog's modal loop, then presses button.
void WhileOpen(std::function<void()> edit, QPushButton *TForm13::*button)
{
    QTimer::singleShot(0, Form13, [edit, button] {
        edit();
        (Form13->*button)->click();
    });
    Form1->Uivatelsk1->trigger();
}

QString Cell(int row)
{
    const QTableWidgetItem *item = Form13->StringGrid1->item(row, 1);
    return item ? item->text() : QStringLiteral("<none>");
}

void Record(int row, QKeyCombination keys)
{
    Form13->StringGrid1->setCurrentCell(row, 1);
    Form13->StringGrid1SelectCell(row, 1);
    QTest::keyClick(Form13->HotKey1, keys.key(), keys.keyboardModifiers());
    Form13->Button3->click();
}

void WriteLines(const QStringList &lines)
{
    QDir().mkpath(QFileInfo(Shortcuts::FilePath()).path());
    Shortcuts::Write(Shortcuts::FilePath(), lines);
}

} // namespace

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

    void theRecorderAlwaysHoldsCtrlOrAlt_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("recorded");
        QTest::newRow("plain letter") << int(Qt::Key_A) << int(Qt::NoModifier) << QStringLiteral("Alt+A");
        QTest::newRow("shift alone") << int(Qt::Key_A) << int(Qt::ShiftModifier) << QStringLiteral("Shift+Alt+A");
        QTest::newRow("ctrl kept") << int(Qt::Key_S) << int(Qt::ControlModifier) << QStringLiteral("Ctrl+S");
        QTest::newRow("three") << int(Qt::Key_F5) << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)
                               << QStringLiteral("Shift+Ctrl+Alt+F5");
        QTest::newRow("plain function key") << int(Qt::Key_F3) << int(Qt::NoModifier) << QStringLiteral("Alt+F3");
        QTest::newRow("lone modifier") << int(Qt::Key_Control) << int(Qt::ControlModifier) << QString();
        QTest::newRow("meta dropped") << int(Qt::Key_Q) << int(Qt::MetaModifier | Qt::ControlModifier)
                                      << QStringLiteral("Ctrl+Q");
    }
    void theRecorderAlwaysHoldsCtrlOrAlt()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, recorded);
        QCOMPARE(Shortcuts::Format(THotKey::Recorded(key, Qt::KeyboardModifiers(modifiers))), recorded);
        THotKey field;
        QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Shortcuts::Format(field.HotKey()), recorded);
    }

    void recordingAndOkWriteTheFileAndTheMenus()
    {
        TWindowFixture fx;
        QStringList lines(61);
        lines[39] = QStringLiteral("Ctrl+1"); // "<H1>"
        lines[15] = QStringLiteral("Ctrl+S");
        WriteLines(lines);
        ApplyShortcuts();

        WhileOpen([] {
            // The list shows every function with the command's shortcut, and
            // the direct menu items have given theirs up.
            QCOMPARE(Form13->StringGrid1->rowCount(), 61);
            QCOMPARE(Form13->StringGrid1->item(15, 0)->text(), QStringLiteral("Uložit"));
            QCOMPARE(Cell(15), QStringLiteral("Ctrl+S"));
            QCOMPARE(Cell(39), QStringLiteral("Ctrl+1"));
            QVERIFY(Form1->Ulozit->shortcut().isEmpty());
            // Nested deeper, the tag commands keep theirs.
            QCOMPARE(Form1->findChild<QAction *>(QStringLiteral("H11"))->shortcut(),
                     QKeySequence(Qt::CTRL | Qt::Key_1));

            Form13->PageControl1->setCurrentWidget(Form13->TabSheet2);
            QCOMPARE(Form13->Panel1->text(), QStringLiteral("Záložka 0"));

            Record(4, Qt::CTRL | Qt::Key_1); // held by "<H1>": refused
            QCOMPARE(Cell(4), QString());
            QVERIFY(Form13->HotKey1->HotKey().isEmpty());
            Form13->StringGrid1->setCurrentCell(39, 0);
            Form13->Button4->click(); // "Vynulovat" on "<H1>" frees it
            QCOMPARE(Cell(39), QString());
            Record(4, Qt::CTRL | Qt::Key_1);
            QCOMPARE(Cell(4), QStringLiteral("Ctrl+1"));
            Record(20, Qt::Key_W); // a plain key gets Alt
            QCOMPARE(Cell(20), QStringLiteral("Alt+W"));
            QCOMPARE(Form13->Panel1->text(), QStringLiteral("Zavřít"));
            // Nothing reaches the menus before OK.
            QVERIFY(Form1->findChild<QAction *>(QStringLiteral("Zavri"))->shortcut().isEmpty());
        }, &TForm13::Button1);

        QCOMPARE(fx.dialogs->asked, QStringList{QStringLiteral("info: Bohužel tato zkratka je již použita")});
        const QByteArray bytes = ReadBytes(Shortcuts::FilePath());
        QCOMPARE(bytes.count("\r\n"), 61);
        const QList<QByteArray> written = bytes.split('\n');
        QCOMPARE(written[4], QByteArray("Ctrl+1\r"));
        QCOMPARE(written[15], QByteArray("Ctrl+S\r"));
        QCOMPARE(written[20], QByteArray("Alt+W\r"));
        QCOMPARE(written[39], QByteArray("\r"));
        QCOMPARE(Form1->findChild<QAction *>(QStringLiteral("Bookmark41"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_1));
        QCOMPARE(Form1->Ulozit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(Form1->findChild<QAction *>(QStringLiteral("H11"))->shortcut().isEmpty());

        // Confirming again changes nothing.
        WhileOpen([] {}, &TForm13::Button1);
        QCOMPARE(ReadBytes(Shortcuts::FilePath()), bytes);
        QCOMPARE(Form1->Ulozit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    }

    void applyWithAnEmptyRecorderMatchesAnEmptyRow()
    {
        TWindowFixture fx;
        WriteLines(QStringList(61));
        ApplyShortcuts();
        WhileOpen([] {
            Form13->StringGrid1->setCurrentCell(2, 0);
            Form13->Button3->click();
        }, &TForm13::Button2);
        QCOMPARE(fx.dialogs->asked, QStringList{QStringLiteral("info: Bohužel tato zkratka je již použita")});
    }

    void stornoGivesTheMenusTheirOldShortcuts()
    {
        TWindowFixture fx;
        QStringList lines(61);
        lines[15] = QStringLiteral("Ctrl+S");
        WriteLines(lines);
        ApplyShortcuts();
        const QByteArray before = ReadBytes(Shortcuts::FilePath());
        WhileOpen([] { Record(15, Qt::CTRL | Qt::Key_U); }, &TForm13::Button2);
        QCOMPARE(ReadBytes(Shortcuts::FilePath()), before);
        QCOMPARE(Form1->Ulozit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    }

    void hiddenCommandsAnswerTheirShortcuts()
    {
        TWindowFixture fx;
        StartSession({});
        QStringList lines(61);
        lines[11] = QStringLiteral("Ctrl+Alt+P"); // "Přepnout na Náhled", a hidden command
        WriteLines(lines);
        ApplyShortcuts();
        QVERIFY(!Form1->Q1->isVisible());
        auto *shortcut = Form1->findChild<QShortcut *>(QStringLiteral("shortcut_Q1"));
        QVERIFY(shortcut);
        QCOMPARE(shortcut->key(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P));
        QSignalSpy spy(Form1->Q1, &QAction::triggered);
        emit shortcut->activated();
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
