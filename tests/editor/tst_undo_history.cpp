// The snapshot history: the plain history, and timelines on the real editor.
#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/undo_history.h"
#include "editor/workarea.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>

class TestUndoHistory : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }

    // The 50 ms tick as the timer would run it, without waiting for it.
    static void Pause(int ms = 450)
    {
        for (int t = 0; t < ms; t += 50)
            Form2->Timer2Timer();
    }
    void type(const QString &text) { QTest::keyClicks(ed(), text); }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        Form2->Timer2->stop(); // the test drives the ticks itself
        OpenDocument(fx->writeDoc(QStringLiteral("a.htm"), "<P>\r\n"));
        ed()->SetSelStart(3);
    }
    void cleanup() { fx.reset(); }

    void keepsHistoryLengthPlusOne_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("snapshots");
        QTest::addColumn<int>("stepsBack");
        QTest::newRow("ten, twelve snapshots") << 10 << 12 << 10;
        QTest::newRow("zero never undoes") << 0 << 5 << 0;
        QTest::newRow("two") << 2 << 6 << 2;
    }
    void keepsHistoryLengthPlusOne()
    {
        QFETCH(int, length);
        QFETCH(int, snapshots);
        QFETCH(int, stepsBack);
        Trichhistory h;
        for (int i = 0; i < snapshots; ++i)
            QVERIFY(h.TakeSnapshot(QStringLiteral("state %1").arg(i), i, length));
        int steps = 0;
        QString last;
        while (const auto s = h.UndoStep()) {
            ++steps;
            last = s->Text;
        }
        QCOMPARE(steps, stepsBack);
        if (stepsBack > 0)
            QCOMPARE(last, QStringLiteral("state %1").arg(snapshots - 1 - stepsBack));
        QVERIFY(!h.CanUndo());
    }

    void sameTextTakesNoSnapshot()
    {
        Trichhistory h;
        QVERIFY(h.TakeSnapshot(QStringLiteral("a"), 0, 10));
        QVERIFY(!h.TakeSnapshot(QStringLiteral("a"), 1, 10));
        QCOMPARE(h.UndoPos(), 0);
    }

    void loweredLengthKeepsTheNewest()
    {
        Trichhistory h;
        for (int i = 0; i < 8; ++i)
            h.TakeSnapshot(QString::number(i), i, 10);
        h.TakeSnapshot(QStringLiteral("8"), 8, 2);
        QCOMPARE(h.UndoPos(), 2);
        QCOMPARE(h.UndoStep()->Text, QStringLiteral("7"));
        QCOMPARE(h.UndoStep()->Text, QStringLiteral("6"));
        QVERIFY(!h.UndoStep());
    }

    void continuesAfterStepsBack()
    {
        Trichhistory h;
        for (const char *t : {"a", "ab", "abc"})
            h.TakeSnapshot(QString::fromLatin1(t), 0, 10);
        h.UndoStep();
        h.TakeSnapshot(QStringLiteral("abX"), 3, 10);
        QCOMPARE(h.UndoStep()->Text, QStringLiteral("ab"));
        QCOMPARE(h.UndoStep()->Text, QStringLiteral("a"));
    }

    void smallEditsOfALongTextAreNotCopied()
    {
        QString big;
        for (int i = 0; i < 20000; ++i)
            big += QStringLiteral("<P>line %1</P>\r\n").arg(i);
        Trichhistory h;
        for (int i = 0; i < 11; ++i) {
            big.insert(i * 1000, QStringLiteral("x"));
            h.TakeSnapshot(big, 0, 10);
        }
        QVERIFY(h.StoredCharacters() < big.size() + 100);
        for (int i = 10; i >= 1; --i) {
            const QString expected = [&] {
                QString t = big;
                for (int k = 10; k >= i; --k)
                    t.remove(k * 1000, 1);
                return t;
            }();
            QCOMPARE(h.UndoStep()->Text, expected);
        }
    }

    void diffFindsTheChangedPiece_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("insert") << QStringLiteral("abc") << QStringLiteral("abXc");
        QTest::newRow("delete") << QStringLiteral("abXc") << QStringLiteral("abc");
        QTest::newRow("repeated letters") << QStringLiteral("aaaa") << QStringLiteral("aaaaa");
        QTest::newRow("whole") << QStringLiteral("abc") << QStringLiteral("xyz");
        QTest::newRow("empty") << QString() << QStringLiteral("new");
        QTest::newRow("line break") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\n\r\nb");
    }
    void diffFindsTheChangedPiece()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        const TTextChange c = DiffTexts(from, to);
        QString applied = from;
        applied.replace(c.start, c.length, c.replacement);
        QCOMPARE(applied, to);
    }

    void timelines_data()
    {
        // Each step: "t:<text>" types at the caret, "p" pauses 450 ms, "s" a
        // short pause of 200 ms, "u" undoes.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("canUndo");
        QTest::newRow("type, pause, undo")
            << QStringList{QStringLiteral("p"), QStringLiteral("t:ab"), QStringLiteral("p"), QStringLiteral("u")}
            << QStringLiteral("<P>") << false << false;
        QTest::newRow("two pauses, one undo")
            << QStringList{QStringLiteral("p"), QStringLiteral("t:a"), QStringLiteral("p"), QStringLiteral("t:b"), QStringLiteral("p"), QStringLiteral("u")}
            << QStringLiteral("<P>a") << true << true;
        QTest::newRow("undo within the pause takes both back")
            << QStringList{QStringLiteral("p"), QStringLiteral("t:a"), QStringLiteral("p"), QStringLiteral("t:b"), QStringLiteral("s"), QStringLiteral("u")}
            << QStringLiteral("<P>") << false << false;
        QTest::newRow("continuous typing is one step")
            << QStringList{QStringLiteral("p"), QStringLiteral("t:a"), QStringLiteral("s"), QStringLiteral("t:b"), QStringLiteral("s"), QStringLiteral("t:c"), QStringLiteral("p"), QStringLiteral("u")}
            << QStringLiteral("<P>") << false << false;
        QTest::newRow("pause without change takes nothing")
            << QStringList{QStringLiteral("p"), QStringLiteral("t:a"), QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("u"), QStringLiteral("u")}
            << QStringLiteral("<P>") << false << false;
    }
    void timelines()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        QFETCH(bool, modified);
        QFETCH(bool, canUndo);
        QSignalSpy available(Form2, &TForm2::UndoAvailable);
        for (const QString &s : steps) {
            if (s.startsWith(QStringLiteral("t:")))
                type(s.mid(2));
            else if (s == QStringLiteral("p"))
                Pause();
            else if (s == QStringLiteral("s"))
                Pause(200);
            else if (s == QStringLiteral("u"))
                Form2->Zpt1Click();
        }
        QCOMPARE(ed()->Text(), text);
        QCOMPARE(Docs.Active().Modified, modified);
        QCOMPARE(Form2->PanelText(1), modified ? QStringLiteral("Změněn") : QString());
        QCOMPARE(Form2->UndoHistory.CanUndo(), canUndo);
        QVERIFY(!available.isEmpty());
        QCOMPARE(available.last().first().toBool(), canUndo);
    }

    // Steps back over added and joined lines on a page of several lines; the
    // newest snapshot is the editor's own kept text, not a second copy.
    void undoAcrossLineBreaksSharesTheEditorsText()
    {
        OpenDocument(fx->writeDoc(QStringLiteral("lines.htm"), "<P>one</P>\r\n<P>two</P>\r\n<P>three</P>\r\n"));
        Pause();
        ed()->SetSelStart(10); // the end of the first line
        QTest::keyClick(ed(), Qt::Key_Return);
        type(QStringLiteral("<BR>"));
        Pause();
        QCOMPARE(ed()->Text(), QStringLiteral("<P>one</P>\r\n<BR>\r\n<P>two</P>\r\n<P>three</P>"));
        QCOMPARE(Form2->UndoHistory.Current().Text.constData(), ed()->RawText().constData());
        ed()->SetSelStart(ed()->Text().indexOf(QStringLiteral("<P>three")));
        QTest::keyClick(ed(), Qt::Key_Backspace);
        Pause();
        QCOMPARE(ed()->LineCount(), 3);
        Form2->Zpt1Click();
        QCOMPARE(ed()->Text(), QStringLiteral("<P>one</P>\r\n<BR>\r\n<P>two</P>\r\n<P>three</P>"));
        QCOMPARE(ed()->LineCount(), 4);
        Form2->Zpt1Click();
        QCOMPARE(ed()->Text(), QStringLiteral("<P>one</P>\r\n<P>two</P>\r\n<P>three</P>"));
        QCOMPARE(ed()->LineCount(), 3);
    }

    void undoPutsTheCaretBack()
    {
        Pause();
        ed()->SetSelStart(1);
        type(QStringLiteral("zz"));
        Pause();
        ed()->SetSelStart(0);
        Form2->Zpt1Click();
        QCOMPARE(ed()->Text(), QStringLiteral("<P>"));
        QCOMPARE(ed()->SelStart(), 3);
    }

    void theMainWindowsCommandFollowsTheHistory()
    {
        QVERIFY(!Form1->Zpt1->isEnabled());
        Pause();
        QVERIFY(!Form1->Zpt1->isEnabled()); // one snapshot: nothing to go back to
        type(QStringLiteral("k"));
        Pause();
        QVERIFY(Form1->Zpt1->isEnabled());
        QVERIFY(Form1->SpeedButton18->isEnabled());
        Form1->Zpt1->trigger();
        QCOMPARE(ed()->Text(), QStringLiteral("<P>"));
        QVERIFY(!Form1->Zpt1->isEnabled());
        QVERIFY(!Form1->SpeedButton18->isEnabled());
    }

    void altBackspaceUndoesAndSwitchingEmptiesTheHistory()
    {
        Pause();
        type(QStringLiteral("q"));
        Pause();
        QVERIFY(Form2->UndoHistory.CanUndo());
        QTest::keyClick(ed(), Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(ed()->Text(), QStringLiteral("<P>"));
        type(QStringLiteral("w"));
        Pause();
        OpenDocument(fx->writeDoc(QStringLiteral("b.htm"), "b\r\n"));
        QCOMPARE(Form2->UndoHistory.UndoPos(), -1);
        QVERIFY(!Form2->UndoHistory.CanUndo());
    }
};

QTEST_MAIN(TestUndoHistory)
#include "tst_undo_history.moc"
