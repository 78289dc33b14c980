// Find and replace on the real editor, questions answered by script.
#include "app/application.h"
#include "documents/document_commands.h"
#include "editor/find_replace.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestFindReplace : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        OpenDocument(fx->writeDoc(QStringLiteral("a.htm"), "<b>a</b> <B>b</B>\r\nbb a\r\n"));
    }
    void cleanup() { fx.reset(); }

    void findsForwardWithoutWrapping()
    {
        FindDialog1()->FindWhat->setText(QStringLiteral("<b>"));
        FindDialog1()->FindButton->click();
        QCOMPARE(ed()->SelStart(), 0);
        QCOMPARE(ed()->SelText(), QStringLiteral("<b>"));
        QVERIFY(!FindDialog1()->isVisible());
        FindNextCommand(); // after the selected match: the next one, any case
        QCOMPARE(ed()->SelStart(), 9);
        FindNextCommand();
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("info: Nenašel jsem")});
        QCOMPARE(ed()->SelLength(), 0);
    }

    void optionsAreHonoured()
    {
        FindDialog1()->FindWhat->setText(QStringLiteral("<B>"));
        FindDialog1()->MatchCase->setChecked(true);
        FindNextCommand();
        QCOMPARE(ed()->SelStart(), 9);
        FindDialog1()->MatchCase->setChecked(false);
        FindDialog1()->WholeWord->setChecked(true);
        FindDialog1()->FindWhat->setText(QStringLiteral("b"));
        // "b" alone as a word: the one inside <B>b</B>, not "bb" nor the tag names.
        ed()->SetSelStart(0);
        FindNextCommand();
        QCOMPARE(ed()->SelStart(), 1);
        FindNextCommand();
        QCOMPARE(ed()->SelStart(), 6);
    }

    void onlyBeforeTheCaretIsNotFound()
    {
        ed()->SetSelStart(ed()->TextLength());
        FindDialog1()->FindWhat->setText(QStringLiteral("a"));
        FindNextCommand();
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("info: Nenašel jsem")});
    }

    void replaceAllWhereTheReplacementHoldsTheSearch()
    {
        TReplaceDialog *r = ReplaceDialog1();
        r->FindWhat->setText(QStringLiteral("a"));
        r->ReplaceWith->setText(QStringLiteral("aa"));
        ed()->SetSelStart(0);
        fx->dialogs->answers = {TAnswer::YesToAll};
        r->ReplaceAllButton->click();
        QCOMPARE(ed()->Text(), QStringLiteral("<b>aa</b> <B>b</B>\r\nbb aa"));
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("confirm: Nahradit?")});
        QVERIFY(r->isVisible());
    }

    void replaceAllCancelledAtTheThird()
    {
        TReplaceDialog *r = ReplaceDialog1();
        r->show();
        r->FindWhat->setText(QStringLiteral("b"));
        r->ReplaceWith->setText(QStringLiteral("i"));
        ed()->SetSelStart(0);
        fx->dialogs->answers = {TAnswer::Yes, TAnswer::Yes, TAnswer::Cancel};
        r->ReplaceAllButton->click();
        QCOMPARE(ed()->Text(), QStringLiteral("<i>a</i> <B>b</B>\r\nbb a"));
        QCOMPARE(ed()->SelText(), QStringLiteral("B"));
        QVERIFY(!r->isVisible());
    }

    void replaceAllWithNoMatchSaysSoOnce()
    {
        TReplaceDialog *r = ReplaceDialog1();
        r->FindWhat->setText(QStringLiteral("zzz"));
        r->ReplaceAllButton->click();
        QCOMPARE(fx->dialogs->asked, QStringList{QStringLiteral("info: Nenašel jsem")});
    }

    void replaceOneAndSkipWithNo()
    {
        TReplaceDialog *r = ReplaceDialog1();
        r->FindWhat->setText(QStringLiteral("bb"));
        r->ReplaceWith->setText(QStringLiteral("X"));
        ed()->SetSelStart(0);
        r->ReplaceButton->click();
        QCOMPARE(ed()->Line(1), QStringLiteral("X a"));
        QVERIFY(fx->dialogs->asked.isEmpty());
        fx->dialogs->answers = {TAnswer::No};
        r->FindWhat->setText(QStringLiteral("a"));
        r->ReplaceAllButton->click();
        QCOMPARE(ed()->Line(1), QStringLiteral("X a"));
    }

    void replaceOnlyOnTheEditorTab()
    {
        Form2->PageControl1->setCurrentIndex(1);
        OpenReplaceDialog();
        QVERIFY(!ReplaceDialog1()->isVisible());
        Form2->PageControl1->setCurrentIndex(0);
        OpenReplaceDialog();
        QVERIFY(ReplaceDialog1()->isVisible());
    }
};

QTEST_MAIN(TestFindReplace)
#include "tst_find_replace.moc"
