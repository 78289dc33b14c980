// The source editor's text model, overwrite mode, caret event and search.
#include "editor/htmledit.h"

#include <QSignalSpy>
#include <QTest>

class TestHTMLEdit : public QObject
{
    Q_OBJECT

    std::unique_ptr<THTMLEdit> ed;

    void setLines(const QStringList &lines) { ed->SetLines(lines); }

private slots:
    void init()
    {
        ed = std::make_unique<THTMLEdit>();
        ed->show();
        SwallowNextChar = false;
        ShiftCtrlHeld = false;
    }
    void cleanup()
    {
        if (ed->Overwrite())
            QTest::keyClick(ed.get(), Qt::Key_Insert);
        ed.reset();
    }

    void textJoinsLinesWithCrLf()
    {
        setLines({QStringLiteral("<P>"), QString(), QStringLiteral("x\u00A0y")});
        QCOMPARE(ed->Text(), QStringLiteral("<P>\r\n\r\nx\u00A0y"));
        QCOMPARE(ed->TextLength(), ed->Text().size());
        QCOMPARE(ed->LineCount(), 3);
        QCOMPARE(ed->Lines(), (QStringList{QStringLiteral("<P>"), QString(), QStringLiteral("x\u00A0y")}));
        ed->SetText(QStringLiteral("a\r\nb\rc\nd"));
        QCOMPARE(ed->LineCount(), 4);
        ed->ClearLines();
        QCOMPARE(ed->LineCount(), 0);
        QCOMPARE(ed->Lines(), QStringList());
    }

    void offsetsCountABreakAsTwo_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QPoint>("caret");
        QTest::newRow("start") << 0 << QPoint(0, 0);
        QTest::newRow("end of first line") << 3 << QPoint(3, 0);
        QTest::newRow("inside the break goes to the line's end") << 4 << QPoint(3, 0);
        QTest::newRow("start of second line") << 5 << QPoint(0, 1);
        QTest::newRow("end of second line") << 7 << QPoint(2, 1);
        QTest::newRow("empty line") << 9 << QPoint(0, 2);
        QTest::newRow("last line") << 12 << QPoint(1, 3);
        QTest::newRow("past the end") << 99 << QPoint(2, 3);
    }
    void offsetsCountABreakAsTwo()
    {
        QFETCH(int, offset);
        QFETCH(QPoint, caret);
        setLines({QStringLiteral("abc"), QStringLiteral("de"), QString(), QStringLiteral("fg")});
        ed->SetSelStart(offset);
        QCOMPARE(ed->CaretPos(), caret);
        const int back = ed->SelStart();
        QCOMPARE(ed->LineIndex(caret.y()) + caret.x(), back);
    }

    void selectionAcrossLines()
    {
        setLines({QStringLiteral("abc"), QStringLiteral("def")});
        ed->SetSelStart(1);
        ed->SetSelLength(6);
        QCOMPARE(ed->SelText(), QStringLiteral("bc\r\nde"));
        QCOMPARE(ed->SelLength(), 6);
        QCOMPARE(ed->CaretPos(), QPoint(2, 1));
        ed->SetSelText(QStringLiteral("X\r\nY"));
        QCOMPARE(ed->Text(), QStringLiteral("aX\r\nYf"));
        QCOMPARE(ed->SelStart(), 5);
    }

    void lineReplacement()
    {
        setLines({QStringLiteral("one"), QStringLiteral("two")});
        ed->SetLine(1, QStringLiteral("TWO"));
        ed->AddLine(QStringLiteral("three"));
        QCOMPARE(ed->Text(), QStringLiteral("one\r\nTWO\r\nthree"));
        QCOMPARE(ed->Line(2), QStringLiteral("three"));
    }

    void caretMoveIsRaisedAfterTheChange()
    {
        setLines({QStringLiteral("abc"), QStringLiteral("def")});
        QCoreApplication::processEvents();
        QSignalSpy spy(ed.get(), &THTMLEdit::OnSelectionChange);
        ed->SetSelStart(2);
        QCOMPARE(spy.count(), 0); // queued, never inside the change
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(LastCaretOffset, 2);
        QCOMPARE(ed->LastCaretColumn(), 2);
        // A longer selection with the end staying put raises nothing.
        ed->SetSelStart(0);
        QCoreApplication::processEvents();
        spy.clear();
        QTextCursor c = ed->textCursor();
        c.setPosition(2);
        c.setPosition(0, QTextCursor::KeepAnchor);
        ed->setTextCursor(c);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1); // the end moved from 0 to 2
        spy.clear();
        c.setPosition(1);
        c.setPosition(2, QTextCursor::KeepAnchor);
        ed->setTextCursor(c);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
        // Several moves before the loop runs make one event.
        ed->SetSelStart(5);
        ed->SetSelStart(6);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(ed->CaretPos(), QPoint(1, 1));
    }

    void overwriteModeTypesOver_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::newRow("middle") << 1 << QStringLiteral("XY") << QStringLiteral("aXYd\r\nef") << 3 << 1;
        QTest::newRow("end of line inserts") << 4 << QStringLiteral("Z") << QStringLiteral("abcdZ\r\nef") << 5 << 0;
        QTest::newRow("runs into the end") << 3 << QStringLiteral("PQ") << QStringLiteral("abcPQ\r\nef") << 5 << 0;
    }
    void overwriteModeTypesOver()
    {
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        setLines({QStringLiteral("abcd"), QStringLiteral("ef")});
        ed->SetSelStart(caret);
        QTest::keyClick(ed.get(), Qt::Key_Insert);
        QVERIFY(ed->Overwrite());
        QCOMPARE(ed->SelLength(), caret < 4 ? 1 : 0);
        QTest::keyClicks(ed.get(), typed);
        QCOMPARE(ed->Text(), text);
        QCOMPARE(ed->SelStart(), selStart);
        QCOMPARE(ed->SelLength(), selLength);
        QTest::keyClick(ed.get(), Qt::Key_Insert);
        QVERIFY(!ed->Overwrite());
    }

    void overwriteReplacesAWholeSelection()
    {
        setLines({QStringLiteral("abcdef")});
        QTest::keyClick(ed.get(), Qt::Key_Insert);
        ed->SetSelStart(1);
        ed->SetSelLength(3);
        QTest::keyClicks(ed.get(), QStringLiteral("X"));
        QCOMPARE(ed->Text(), QStringLiteral("aXef"));
    }

    void shiftInsertNeverSwitchesOverwriteOn()
    {
        setLines({QStringLiteral("abc")});
        QTest::keyClick(ed.get(), Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY(!ed->Overwrite());
        QTest::keyClick(ed.get(), Qt::Key_Insert);
        QVERIFY(!ed->Overwrite()); // the toggle stood set after Shift+Insert
        QTest::keyClick(ed.get(), Qt::Key_Insert);
        QVERIFY(ed->Overwrite());
    }

    void bothEditorsSwitchTogether()
    {
        THTMLEdit other;
        QTest::keyClick(ed.get(), Qt::Key_Insert);
        QVERIFY(ed->Overwrite());
        QVERIFY(other.Overwrite());
        QTest::keyClick(&other, Qt::Key_Insert);
        QVERIFY(!ed->Overwrite());
    }

    void swallowsTheCharacterAfterCtrlSpace()
    {
        setLines({QString()});
        SwallowNextChar = true;
        QTest::keyClicks(ed.get(), QStringLiteral(" a"));
        QCOMPARE(ed->Text(), QStringLiteral("a"));
        QVERIFY(!SwallowNextChar);
    }

    void findText_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<int>("found");
        // "<TABLE>\r\n<table border>\r\ntables" : second line starts at 9, third at 25
        QTest::newRow("first") << QStringLiteral("table") << 0 << 99 << false << false << 1;
        QTest::newRow("match case") << QStringLiteral("table") << 0 << 99 << false << true << 10;
        QTest::newRow("from after the first") << QStringLiteral("table") << 2 << 99 << false << false << 10;
        QTest::newRow("whole word skips tables") << QStringLiteral("tables") << 0 << 99 << true << false << 25;
        QTest::newRow("whole word") << QStringLiteral("table") << 11 << 99 << true << false << -1;
        QTest::newRow("outside the range") << QStringLiteral("border") << 0 << 15 << false << false << -1;
        QTest::newRow("at the end") << QStringLiteral("s") << 31 << 10 << false << false << -1;
        QTest::newRow("only before start") << QStringLiteral("<TABLE>") << 1 << 99 << false << false << -1;
        QTest::newRow("across a line break") << QStringLiteral(">\r\n<") << 0 << 99 << false << false << 6;
        // Offsets count CR LF as two even where the search skips the copy with them.
        QTest::newRow("start inside a break") << QStringLiteral("table") << 8 << 99 << false << true << 10;
        QTest::newRow("range ends inside a break") << QStringLiteral("border>") << 0 << 24 << false << false << 16;
        QTest::newRow("range ends before the match's end") << QStringLiteral("border>") << 0 << 22 << false << false << -1;
        QTest::newRow("start at the last line") << QStringLiteral("tab") << 25 << 99 << false << false << 25;
    }
    void findText()
    {
        QFETCH(QString, what);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(bool, whole);
        QFETCH(bool, matchCase);
        QFETCH(int, found);
        setLines({QStringLiteral("<TABLE>"), QStringLiteral("<table border>"), QStringLiteral("tables")});
        QCOMPARE(ed->FindText(what, start, length, {whole, matchCase}), found);
    }
};

QTEST_MAIN(TestHTMLEdit)
#include "tst_htmledit.moc"
