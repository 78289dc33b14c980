// The table-size picker writing into the source editors.
#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "markup/tablesize.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestTablePicker : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    void openAtEndOfLine(const QByteArray &text, int line)
    {
        OpenDocument(fx->writeDoc(u"t.htm"_s, text));
        THTMLEdit *e = Form2->HTMLEditor1;
        e->SetSelStart(e->LineIndex(line) + int(e->Line(line).size()));
    }

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void opensAtThePointerOnItsFirstSquare()
    {
        openAtEndOfLine("a\r\n", 0);
        const QPoint pointer = QCursor::pos();
        Form1->QuickButton(u"fasttable"_s)->click();
        QVERIFY(Form6->isVisible());
        QCOMPARE(TableTarget, u"RICH"_s);
        QCOMPARE(Form6->pos(), pointer - QPoint(19, 20));
        QCOMPARE(QCursor::pos(), pointer);
        QCOMPARE(Form6->Panel1->text(), u"1x1"_s);
        Form6->PickAt(79, 10);
        QCOMPARE(Form6->Panel1->text(), u"4x0"_s);
        QCOMPARE(Form6->size(), QSize(99, 30));
        Form6->hide();
    }

    void sourceEditorGetsIndentedLines_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("text");
        QTest::newRow("worked example") << u"fasttable"_s << true << 25 << 25
            << u"<P>\r\nText:<TABLE>\r\n <TR>\r\n  <TD></TD>\r\n  <TD></TD>\r\n </TR>\r\n</TABLE>\r\n</P>"_s;
        QTest::newRow("no rows") << u"Fasttablesize"_s << true << 65 << 5
                                 << u"<P>\r\nText:<TABLE>\r\n</TABLE>\r\n</P>"_s;
        QTest::newRow("lower case") << u"fasttable"_s << false << 5 << 25
            << u"<P>\r\nText:<table>\r\n <tr>\r\n  <td></td>\r\n </tr>\r\n</table>\r\n</P>"_s;
    }

    void sourceEditorGetsIndentedLines()
    {
        QFETCH(QString, button);
        QFETCH(bool, upper);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QString, text);
        Form13->Useuppercase->setChecked(upper);
        openAtEndOfLine("<P>\r\nText:\r\n</P>\r\n", 1);
        Form1->QuickButton(button)->click();
        Form6->PickAt(x, y);
        Form6->FormClick();
        QVERIFY(!Form6->isVisible());
        QCOMPARE(Form2->HTMLEditor1->Text(), text);
        // The caret waits in the first cell, or after the opening tag.
        const QPoint caret = Form2->HTMLEditor1->CaretPos();
        QCOMPARE(caret, text.contains(u"<TD>"_s, Qt::CaseInsensitive) ? QPoint(6, 3) : QPoint(12, 1));
    }

    void otherTabsGetNothing()
    {
        openAtEndOfLine("Text:\r\n", 0);
        Form1->QuickButton(u"fasttable"_s)->click();
        Form2->PageControl1->setCurrentIndex(1);
        Form6->PickAt(25, 25);
        Form6->FormClick();
        QVERIFY(!Form6->isVisible());
        QCOMPARE(Form2->HTMLEditor1->Text(), u"Text:"_s);
    }

    void translatorTabWritesIntoItsCodeEditor()
    {
        openAtEndOfLine("Text:\r\n", 0);
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        THTMLEdit *code = Form2->HTMLEditor2;
        code->SetSelStart(code->TextLength());
        Form1->QuickButton(u"fasttable"_s)->click();
        Form6->PickAt(5, 25);
        Form6->FormClick();
        QCOMPARE(code->Text(), u"<P>&nbsp;</P><TABLE>\r\n <TR>\r\n  <TD></TD>\r\n </TR>\r\n</TABLE>"_s);
        QCOMPARE(Form2->HTMLEditor1->Text(), u"Text:"_s);
    }

    void noDocumentNoPicker()
    {
        Form1->QuickButton(u"fasttable"_s)->click();
        QVERIFY(!Form6->isVisible());
    }

    void rightButtonCancels()
    {
        openAtEndOfLine("Text:\r\n", 0);
        Form1->QuickButton(u"fasttable"_s)->click();
        QTest::mousePress(Form6, Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(!Form6->isVisible());
        QCOMPARE(Form2->HTMLEditor1->Text(), u"Text:"_s);
    }

    void leftClickOnTheGridInserts()
    {
        openAtEndOfLine("Text:\r\n", 0);
        Form1->QuickButton(u"fasttable"_s)->click();
        QTest::mouseMove(Form6, QPoint(30, 25));
        Form6->PickAt(30, 25); // offscreen, moves are not always delivered
        QTest::mouseClick(Form6, Qt::LeftButton, {}, QPoint(30, 25));
        QVERIFY(!Form6->isVisible());
        QCOMPARE(Form2->HTMLEditor1->Line(0), u"Text:<TABLE>"_s);
        QCOMPARE(Form2->HTMLEditor1->LineCount(), 6);
    }
};

QTEST_MAIN(TestTablePicker)
#include "tst_table_picker.moc"
