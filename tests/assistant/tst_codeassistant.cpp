// The completion popup on the real workspace: typing opens it, the keys of
// the editor and of the list, where the chosen word lands, and when it
// never opens.
#include "app/application.h"
#include "app/program_dir.h"
#include "assistant/code_vocabulary.h"
#include "assistant/codeassistant.h"
#include "conversion/codec.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"
#include "scripted_dialogs.h"
#include "settings/settings_command.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kVocabulary = "<B></B>;/;htmltag\r\n"
                               "<BR>;/;htmltag\r\n"
                               "<TABLE;/;htmltag\r\n"
                               "<TABLE></TABLE>;/;htmltag\r\n"
                               "Dim;/;userdefined\r\n"
                               "bgcolor;/;htmlparam\r\n"
                               "border;/;htmlparam\r\n"
                               "checked;/;htmlparam\r\n"
                               "echo;/;userdefined\r\n"
                               "var;/;tscript\r\n"
                               "write;/;javascript.document\r\n"
                               "writeln;/;javascript.document\r\n";

void WriteProgramFile(const QString &relative, const QByteArray &bytes)
{
    const QString path = ProgramDir() + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestCodeassistant : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }
    QTableWidget *grid() const { return Codeassistant->Grid; }
    bool shown() const { return Codeassistant->isVisible(); }

    // Opens a document of these lines with the caret at "|".
    void openWithCaret(const QString &marked)
    {
        const qsizetype at = marked.indexOf(u'|');
        const QString text = QString(marked).remove(at, 1);
        OpenDocument(fx->writeDoc(u"a.htm"_s, Codec::EncodeWin1250(text)));
        Form2->PageControl1->setCurrentIndex(0);
        Form2->activateWindow();
        ed()->setFocus();
        ed()->SetSelStart(int(at));
        QCoreApplication::processEvents();
    }
    // The caret's line with "|" at the caret.
    QString caretLine() const
    {
        const QPoint c = ed()->CaretPos();
        return ed()->Line(c.y()).insert(c.x(), u'|');
    }
    void type(const QString &latin1)
    {
        QTest::keyClicks(ed(), latin1);
        QCoreApplication::processEvents();
    }
    void press(QWidget *target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(target, key, mods);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        WriteProgramFile(u"Data/Codefiller/tags.vcq"_s, kVocabulary);
        WriteProgramFile(u"Data/Taginspektor/checkindex.if"_s, "checked\r\nnowrap\r\n");
        ReloadCodeVocabulary();
        Form13->Usecodefiller->setChecked(true);
        Form13->useparamseparator->setChecked(true);
        Form13->Useuppercase->setChecked(true);
        InspectedAttributeNames.clear();
    }
    void cleanup()
    {
        InspectedAttributeNames.clear();
        fx.reset();
    }

    void typingOffersDownAndEnterInsert()
    {
        openWithCaret(u"<P>\r\n|\r\n</P>"_s);
        QVERIFY(!shown());
        QCOMPARE(grid()->item(0, 0)->text(), u"žádné"_s);
        type(u"<"_s);
        QVERIFY(shown());
        QCOMPARE(Codeassistant->Candidates(),
                 (QStringList{u"<B></B>"_s, u"<BR>"_s, u"<TABLE"_s, u"<TABLE></TABLE>"_s}));
        // Below the caret, not over it.
        const QRect caret = ed()->cursorRect();
        QVERIFY(Codeassistant->geometry().top() > ed()->viewport()->mapToGlobal(caret.topLeft()).y());
        type(u"t"_s);
        QVERIFY(shown());
        QCOMPARE(Codeassistant->Candidates(), (QStringList{u"<TABLE"_s, u"<TABLE></TABLE>"_s}));

        // Down goes into the list at its second word; the caret stays.
        press(ed(), Qt::Key_Down);
        QTRY_VERIFY(Codeassistant->ListHasFocus());
        QCOMPARE(grid()->currentRow(), 1);
        QCOMPARE(caretLine(), u"<t|"_s);
        press(grid(), Qt::Key_Return);
        QVERIFY(!shown());
        QCOMPARE(ed()->LineCount(), 3);
        QCOMPARE(caretLine(), u"<TABLE>|</TABLE>"_s);
        QTRY_VERIFY(ed()->hasFocus());
        QCOMPARE(Form2->PanelText(1), u"Změněn"_s);
        // Typing goes on at the caret.
        type(u"x"_s);
        QCOMPARE(caretLine(), u"<TABLE>x|</TABLE>"_s);
    }

    void enterInTheEditorLeavesNoLineBreak()
    {
        openWithCaret(u"<P>|</P>"_s);
        type(u"<b"_s);
        QVERIFY(shown());
        press(ed(), Qt::Key_Return);
        QCOMPARE(ed()->LineCount(), 1);
        QCOMPARE(caretLine(), u"<P><B>|</B></P>"_s);
        QVERIFY(!shown());
        // Without the popup Enter breaks the line as ever.
        press(ed(), Qt::Key_Return);
        QCOMPARE(ed()->LineCount(), 2);
        QVERIFY(!shown());
    }

    void chosenWordLands_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<bool>("separator");
        QTest::addColumn<QString>("result");
        QTest::newRow("pair word upper case") << u"x |"_s << u"<b"_s << 0 << true << true << u"x <B>|</B>"_s;
        QTest::newRow("pair word lower case") << u"<P>|"_s << u"<t"_s << 1 << false << true
                                              << u"<P><table>|</table>"_s;
        QTest::newRow("middle of a word") << u"<t|xyz more"_s << u"a"_s << 0 << true << true
                                          << u"<TABLE| more"_s;
        QTest::newRow("attribute with =\"\"") << u"<TABLE |>"_s << u"bo"_s << 0 << true << true
                                              << u"<TABLE BORDER=\"|\">"_s;
        QTest::newRow("attribute without =\"\"") << u"<TABLE |>"_s << u"bo"_s << 0 << false << false
                                                 << u"<TABLE border|>"_s;
        QTest::newRow("check attribute bare") << u"<INPUT |>"_s << u"che"_s << 0 << true << true
                                              << u"<INPUT CHECKED|>"_s;
        QTest::newRow("middle of an attribute") << u"<TABLE b|rder=1>"_s << u"o"_s << 0 << false << true
                                                << u"<TABLE border=\"|\"1>"_s;
        QTest::newRow("member as written") << u"<SCRIPT>\r\ndocument.|\r\n</SCRIPT>"_s << u"w"_s << 1 << true
                                           << true << u"document.writeln|"_s;
        QTest::newRow("user word") << u"<P>|</P>"_s << u"ec"_s << 0 << false << true << u"<P>echo|</P>"_s;
    }
    void chosenWordLands()
    {
        QFETCH(QString, marked);
        QFETCH(QString, typed);
        QFETCH(int, row);
        QFETCH(bool, upper);
        QFETCH(bool, separator);
        Form13->Useuppercase->setChecked(upper);
        Form13->useparamseparator->setChecked(separator);
        // The attribute words are those of the inspector's rows for the tag.
        openWithCaret(marked);
        const int lines = ed()->LineCount();
        type(typed);
        QVERIFY(shown());
        grid()->setCurrentCell(row, 0);
        press(ed(), Qt::Key_Return);
        QTEST(caretLine(), "result");
        QCOMPARE(ed()->LineCount(), lines);
        QVERIFY(!shown());
    }

    void doubleClickInserts()
    {
        openWithCaret(u"|"_s);
        type(u"<t"_s);
        QVERIFY(shown());
        FocusAssistList();
        grid()->setCurrentCell(1, 0);
        Codeassistant->GridDblClick();
        QCOMPARE(caretLine(), u"<TABLE>|</TABLE>"_s);
        QVERIFY(!shown());
    }

    void listKeys()
    {
        openWithCaret(u"<P>|"_s);
        type(u"<"_s);
        press(ed(), Qt::Key_Down);
        QTRY_VERIFY(Codeassistant->ListHasFocus());
        QCOMPARE(grid()->currentRow(), 1);
        press(grid(), Qt::Key_Shift);
        QVERIFY(shown());
        QCOMPARE(grid()->currentRow(), 1);
        press(grid(), Qt::Key_End);
        QCOMPARE(grid()->currentRow(), 3);
        press(grid(), Qt::Key_Home);
        QCOMPARE(grid()->currentRow(), 0);
        press(grid(), Qt::Key_Down);
        QCOMPARE(grid()->currentRow(), 1);
        press(grid(), Qt::Key_Up);
        QCOMPARE(grid()->currentRow(), 0);
        QVERIFY(shown());
        // Up on the first row: back to the editor where the caret was.
        press(grid(), Qt::Key_Up);
        QVERIFY(!shown());
        QTRY_VERIFY(ed()->hasFocus());
        QCOMPARE(caretLine(), u"<P><|"_s);
    }

    void escapeHides()
    {
        openWithCaret(u"<P>|"_s);
        type(u"<"_s);
        QVERIFY(shown());
        press(ed(), Qt::Key_Escape);
        QVERIFY(!shown());
        QTRY_VERIFY(ed()->hasFocus());
        QCOMPARE(caretLine(), u"<P><|"_s);

        type(u"b"_s);
        QVERIFY(shown());
        press(ed(), Qt::Key_Down);
        QTRY_VERIFY(Codeassistant->ListHasFocus());
        press(grid(), Qt::Key_Escape);
        QVERIFY(!shown());
        QTRY_VERIFY(ed()->hasFocus());
        QCOMPARE(caretLine(), u"<P><b|"_s);
    }

    void otherKeysInTheListGoOnTyping()
    {
        openWithCaret(u"<P>|"_s);
        type(u"<"_s);
        press(ed(), Qt::Key_Down);
        QTRY_VERIFY(Codeassistant->ListHasFocus());
        press(grid(), Qt::Key_T);
        QCOMPARE(caretLine(), u"<P><t|"_s);
        // The letter refreshed the offer.
        QVERIFY(shown());
        QCOMPARE(Codeassistant->Candidates(), (QStringList{u"<TABLE"_s, u"<TABLE></TABLE>"_s}));
        QTRY_VERIFY(ed()->hasFocus());
    }

    void ctrlSpaceOffersWithoutTyping()
    {
        openWithCaret(u"<P>text|"_s);
        QVERIFY(!shown());
        press(ed(), Qt::Key_Space, Qt::ControlModifier);
        // "text" is no word of the vocabulary.
        QVERIFY(!shown());
        QCOMPARE(caretLine(), u"<P>text|"_s);
        ed()->SetSelStart(3);
        QCoreApplication::processEvents();
        press(ed(), Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(shown());
        QCOMPARE(Codeassistant->Candidates(), (QStringList{u"<B></B>"_s, u"<BR>"_s, u"<TABLE"_s,
                                                           u"<TABLE></TABLE>"_s, u"Dim"_s, u"echo"_s}));
        QCOMPARE(caretLine(), u"<P>|text"_s);
        // The word right of the caret is replaced.
        press(ed(), Qt::Key_Return);
        QCOMPARE(caretLine(), u"<P><B>|</B>"_s);
        // The next typed character is not swallowed.
        type(u"x"_s);
        QCOMPARE(caretLine(), u"<P><B>x|</B>"_s);
    }

    void neverOpens_data()
    {
        QTest::addColumn<QString>("marked");
        QTest::addColumn<int>("action");
        enum { Backspace, Delete, NewLine, Tab, Off, Down, Member };
        QTest::newRow("deleting back") << u"<P><b|"_s << int(Backspace);
        QTest::newRow("deleting forward") << u"<P>|<b"_s << int(Delete);
        QTest::newRow("a new line") << u"x|"_s << int(NewLine);
        QTest::newRow("a tab") << u"<TABLE|>"_s << int(Tab);
        QTest::newRow("switched off") << u"|"_s << int(Off);
        QTest::newRow("member in a lower-case script block") << u"<script>\r\n|\r\n</script>"_s
                                                             << int(Member);
        QTest::newRow("moving to another line") << u"<P>\r\n|\r\n</P>"_s << int(Down);
    }
    void neverOpens()
    {
        QFETCH(QString, marked);
        QFETCH(int, action);
        openWithCaret(marked);
        Form13->tabulsize->setText(u"8"_s);
        ed()->SetWantTabs(true);
        switch (action) {
        case 0:
            press(ed(), Qt::Key_Backspace);
            break;
        case 1:
            press(ed(), Qt::Key_Delete);
            break;
        case 2:
            type(u"<"_s);
            press(ed(), Qt::Key_Escape);
            press(ed(), Qt::Key_Return);
            QCOMPARE(caretLine(), u"|"_s);
            break;
        case 3:
            press(ed(), Qt::Key_Tab);
            QCOMPARE(caretLine(), u"<TABLE\t|>"_s);
            break;
        case 4:
            Form13->Usecodefiller->setChecked(false);
            type(u"<"_s);
            QCOMPARE(caretLine(), u"<|"_s);
            press(ed(), Qt::Key_Space, Qt::ControlModifier);
            break;
        case 5:
            type(u"<"_s);
            QVERIFY(shown());
            press(ed(), Qt::Key_Up);
            QCOMPARE(caretLine(), u"<|P>"_s);
            break;
        case 6:
            type(u"document.w"_s);
            break;
        }
        QVERIFY(!shown());
        QVERIFY(!AssistShowRequest);
    }

    void selectionHidesThePopup()
    {
        openWithCaret(u"<P>|"_s);
        type(u"<"_s);
        QVERIFY(shown());
        ed()->SetSelStart(0);
        ed()->SetSelLength(2);
        Form2->Timer1Timer();
        QVERIFY(!shown());
    }

    void settingsOkReloadsTheVocabulary()
    {
        QTimer::singleShot(0, [] {
            Form13->Memo1->appendPlainText(u"<ADDRESS></ADDRESS>;/;htmltag"_s);
            Form13->Button1->click();
        });
        Uivatelsk1Click();
        const TCodeVocabulary::TEntry *added = CodeVocabulary.FindWord(u"<ADDRESS></ADDRESS>"_s);
        QVERIFY(added);
        QCOMPARE(CodeVocabulary.Entries().first().Record.Word, u"<ADDRESS></ADDRESS>"_s);
        openWithCaret(u"|"_s);
        type(u"<a"_s);
        QCOMPARE(Codeassistant->Candidates(), QStringList{u"<ADDRESS></ADDRESS>"_s});
    }

    void unreadableVocabularyIsReported()
    {
        QFile::remove(ProgramDir() + u"Data/Codefiller/tags.vcq"_s);
        QVERIFY(QDir().mkpath(ProgramDir() + u"Data/Codefiller/tags.vcq"_s));
        ReloadCodeVocabulary();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked.first().contains(u"Slovní zásobu Code Filleru se nepodařilo načíst."_s));
        // The words loaded before stay usable.
        QVERIFY(CodeVocabulary.FindWord(u"<BR>"_s));
    }
};

QTEST_MAIN(TestCodeassistant)
#include "tst_codeassistant.moc"
