// The tag inspector on the real windows: following the caret, the editors
// over the value column and every edit written into the source.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "colours/palette.h"
#include "colours/palette_hand_off.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/error_report.h"
#include "errorreport/exception_dialog.h"
#include "errorreport/io_error.h"
#include "inspector/tag_hand_off.h"
#include "inspector/taginsp_panel.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "window_fixture.h"
#include "workpanel/workpanel.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// Scripted dialogs that also answer the colour dialog.
class TColourDialogs : public TScriptedDialogs
{
public:
    std::optional<QColor> colour;
    std::optional<QColor> GetColor(const QColor &initial) override
    {
        TScriptedDialogs::GetColor(initial);
        return colour;
    }
};

void CopyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QDir(from).relativeFilePath(file).prepend(u'/');
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestTagInspector : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    TColourDialogs *dialogs = nullptr;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }
    TTagInspector *insp() const { return Form3->Inspector; }
    QString inspectorFolder() const { return fx->programDir() + u"/Data/Taginspektor/"_s; }

    // Opens a document with text and puts the caret at column of line.
    void open(const QByteArray &text, int line = 0, int column = 2)
    {
        OpenDocument(fx->writeDoc(u"page.htm"_s, text));
        caret(line, column);
    }
    void caret(int line, int column)
    {
        ed()->SetSelStart(ed()->LineIndex(line) + column);
        QCoreApplication::processEvents();
    }
    QStringList rowNames() const
    {
        QStringList names;
        for (int r = 1; r <= insp()->RowCount(); ++r)
            names << insp()->RowName(r);
        return names;
    }
    int rowOf(const QString &name) const
    {
        return int(rowNames().indexOf(name)) + 1;
    }
    // A press on the value cell of the row, as the user makes it.
    void press(const QString &name)
    {
        const int row = rowOf(name);
        QVERIFY2(row > 0, qPrintable(name));
        QTableWidget *list = insp()->Valuelisteditor1;
        list->scrollToItem(list->item(row - 1, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row - 1, 1)).center());
        QCOMPARE(insp()->CurrentRow, row);
    }
    void typeKey(QWidget *w, Qt::Key key) { QTest::keyClick(w, key); }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        auto d = std::make_unique<TColourDialogs>();
        dialogs = d.get();
        SetDialogs(std::move(d));
        CopyTree(QStringLiteral(SHIPPED_DATA_DIR "/Data"), fx->programDir() + u"/Data"_s);
        Form13->Useuppercase->setChecked(false);
        Form13->usefulltruefalseparam->setChecked(false);
        Form2->activateWindow();
    }
    void cleanup()
    {
        EditImageMapNamed = nullptr;
        fx.reset();
    }

    void caretInATagShowsItsAttributes()
    {
        open("<p>x</p>\r\n<IMG SRC=\"a.gif\" ALT=\"a=b\" WIDTH=50 ISMAP>\r\n", 1, 5);
        QVERIFY(insp()->Valuelisteditor1->isEnabled());
        QCOMPARE(insp()->RowName(1), u"src"_s);
        QCOMPARE(insp()->RowValue(1), u"a.gif"_s);
        QCOMPARE(insp()->RowValue(rowOf(u"alt"_s)), u"a=b"_s);
        QCOMPARE(insp()->RowValue(rowOf(u"width"_s)), u"50"_s);
        QCOMPARE(insp()->RowValue(rowOf(u"ismap"_s)), u"Ano"_s);
        QCOMPARE(insp()->RowValue(rowOf(u"border"_s)), QString());
        QCOMPARE(InspectedAttributeNames, rowNames());
        QCOMPARE(LastTag1, u"IMG SRC=\"a.gif\" ALT=\"a=b\" WIDTH=50 ISMAP"_s);
        QCOMPARE(insp()->Valuelisteditor1->horizontalHeaderItem(0)->text(), u"Vlastnost"_s);
        QCOMPARE(insp()->Valuelisteditor1->horizontalHeaderItem(1)->text(), u"Hodnota"_s);
    }

    void caretPlaces_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("first"); // name of the first row, empty for none
        // "<b>x</b> <a href="y">z</a> <blink>"
        QTest::newRow("right after >") << 3 << u"id"_s;
        QTest::newRow("end tag") << 6 << QString();
        QTest::newRow("right after <") << 10 << u"href"_s;
        QTest::newRow("between tags") << 8 << QString();
        QTest::newRow("unknown tag") << 29 << QString();
    }
    void caretPlaces()
    {
        QFETCH(int, column);
        QFETCH(QString, first);
        open("<b>x</b> <a href=\"y\">z</a> <blink>\r\n", 0, column);
        QCOMPARE(insp()->RowCount() > 0 ? insp()->RowName(1) : QString(), first);
        if (first.isEmpty())
            QVERIFY(InspectedAttributeNames.isEmpty());
    }

    void aSelectionClearsAndDisables()
    {
        open("<p align=\"left\">text</p>\r\n", 0, 3);
        QVERIFY(insp()->RowCount() > 0);
        ed()->SetSelStart(1);
        ed()->SetSelLength(4);
        QCoreApplication::processEvents();
        QCOMPARE(insp()->RowCount(), 0);
        QVERIFY(!insp()->Valuelisteditor1->isEnabled());
        QVERIFY(LastTag1.isEmpty());
    }

    void typingRewritesTheTagAtEveryKeystroke()
    {
        open("<p>x</p>\r\n<img src=\"a.gif\" alt=\"ab\"> tail\r\n", 1, 5);
        press(u"alt"_s);
        QVERIFY(insp()->Edit2->isVisible());
        QCOMPARE(insp()->Edit2->text(), u"ab"_s);
        typeKey(insp()->Edit2, Qt::Key_End);
        QTest::keyClick(insp()->Edit2, 'c');
        QCOMPARE(ed()->Line(1), u"<img src=\"a.gif\" alt=\"abc\"> tail"_s);
        QTest::keyClick(insp()->Edit2, 'd');
        QCOMPARE(ed()->Line(1), u"<img src=\"a.gif\" alt=\"abcd\"> tail"_s);
        QCOMPARE(insp()->RowValue(rowOf(u"alt"_s)), u"abcd"_s);
        QVERIFY(insp()->Edit2->isVisible()); // the editor stays open between keystrokes
        QCOMPARE(ed()->Line(0), u"<p>x</p>"_s);
        QCOMPARE(Docs.Active().Modified, true);

        // Emptying the value removes the attribute; the next key adds it at the end.
        for (int i = 0; i < 4; ++i)
            typeKey(insp()->Edit2, Qt::Key_Backspace);
        QCOMPARE(ed()->Line(1), u"<img src=\"a.gif\"> tail"_s);
        QTest::keyClick(insp()->Edit2, 'z');
        QCOMPARE(ed()->Line(1), u"<img src=\"a.gif\" alt=\"z\"> tail"_s);
        QCOMPARE(ed()->Text().count(u"alt="_s), 1);
    }

    void enterOpensTheCurrentRow()
    {
        open("<img src=\"a.gif\" alt=\"q\">\r\n", 0, 3);
        QTableWidget *list = insp()->Valuelisteditor1;
        list->setCurrentCell(rowOf(u"alt"_s) - 1, 1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(insp()->CurrentRow, rowOf(u"alt"_s));
        QVERIFY(insp()->Edit2->isVisible());
        QCOMPARE(insp()->Edit2->text(), u"q"_s);
    }

    void absentAttributeAppended_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("result");
        QTest::newRow("plain") << QByteArray("<img src=\"a.gif\">") << false << u"<img src=\"a.gif\" alt=\"x\">"_s;
        QTest::newRow("before />") << QByteArray("<img src=\"a.gif\" />") << false
                                   << u"<img src=\"a.gif\" alt=\"x\" />"_s;
        QTest::newRow("upper case") << QByteArray("<IMG SRC=\"a.gif\">") << true
                                    << u"<IMG SRC=\"a.gif\" ALT=\"x\">"_s;
    }
    void absentAttributeAppended()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, upper);
        QFETCH(QString, result);
        Form13->Useuppercase->setChecked(upper);
        open(line + "\r\n", 0, 3);
        press(u"alt"_s);
        QTest::keyClick(insp()->Edit2, 'x');
        QCOMPARE(ed()->Line(0), result);
    }

    void caseOfARewrittenName()
    {
        Form13->Useuppercase->setChecked(false);
        open("<IMG SRC=\"a.gif\" ALT=\"q\">\r\n", 0, 3);
        press(u"alt"_s);
        typeKey(insp()->Edit2, Qt::Key_End);
        QTest::keyClick(insp()->Edit2, 'r');
        QCOMPARE(ed()->Line(0), u"<IMG SRC=\"a.gif\" alt=\"qr\">"_s);
    }

    void unquotedValueIsReplacedWhole()
    {
        open("<td width=50 align=left>x</td>\r\n", 0, 3);
        press(u"width"_s);
        QCOMPARE(insp()->Edit2->text(), u"50"_s);
        typeKey(insp()->Edit2, Qt::Key_End);
        QTest::keyClick(insp()->Edit2, '0');
        QCOMPARE(ed()->Line(0), u"<td width=\"500\" align=left>x</td>"_s);
        QTest::keyClick(insp()->Edit2, '%');
        QCOMPARE(ed()->Line(0), u"<td width=\"500%\" align=left>x</td>"_s);
    }

    void checkAttributes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("full");
        QTest::addColumn<bool>("shownChecked");
        QTest::addColumn<QString>("afterClick");
        QTest::newRow("bare in the middle off") << QByteArray("<td nowrap width=\"5\">") << false << true
                                                << u"<td width=\"5\">"_s;
        QTest::newRow("bare last off") << QByteArray("<td width=\"5\" nowrap>") << false << true
                                       << u"<td width=\"5\">"_s;
        QTest::newRow("full form off") << QByteArray("<td nowrap=\"nowrap\" width=\"5\">") << false << true
                                       << u"<td width=\"5\">"_s;
        QTest::newRow("absent on, bare") << QByteArray("<td width=\"5\">") << false << false
                                         << u"<td width=\"5\" nowrap>"_s;
        QTest::newRow("absent on, full") << QByteArray("<td width=\"5\">") << true << false
                                         << u"<td width=\"5\" nowrap=\"nowrap\">"_s;
    }
    void checkAttributes()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, full);
        QFETCH(bool, shownChecked);
        QFETCH(QString, afterClick);
        Form13->usefulltruefalseparam->setChecked(full);
        open(line + "\r\n", 0, 3);
        QCOMPARE(insp()->RowValue(rowOf(u"nowrap"_s)), shownChecked ? u"Ano"_s : u"Ne"_s);
        press(u"nowrap"_s);
        QVERIFY(insp()->CheckBox1->isVisible());
        QVERIFY(!insp()->Edit2->isVisible());
        QCOMPARE(insp()->CheckBox1->isChecked(), shownChecked);
        QTest::mouseClick(insp()->CheckBox1, Qt::LeftButton, {}, QPoint(8, insp()->CheckBox1->height() / 2));
        QCOMPARE(ed()->Line(0), afterClick);
        QTest::keyClick(insp()->CheckBox1, Qt::Key_Space); // and back
        QCOMPARE(insp()->RowValue(rowOf(u"nowrap"_s)), shownChecked ? u"Ano"_s : u"Ne"_s);
    }

    void comboChoices()
    {
        open("<p align=\"left\">x</p>\r\n", 0, 3);
        press(u"align"_s);
        QComboBox *combo = insp()->ComboBox1;
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->currentText(), u"left"_s);
        QCOMPARE(combo->count(), 4);
        // Typing is a change like any other.
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), u"ri"_s);
        QCOMPARE(ed()->Line(0), u"<p align=\"ri\">x</p>"_s);
        combo->setCurrentIndex(1);
        emit combo->activated(1);
        QCOMPARE(ed()->Line(0), u"<p align=\"center\">x</p>"_s);
    }

    void colourChoices()
    {
        open("<body bgcolor=\"White\" text=\"Black\">\r\n", 0, 3);
        press(u"bgcolor"_s);
        QComboBox *combo = insp()->ComboBox1;
        QCOMPARE(combo->count(), 19);
        QCOMPARE(combo->itemText(0), u"Vlastní..."_s);
        const auto pick = [&](const QString &choice) {
            press(u"bgcolor"_s);
            insp()->ComboBox1DropDown();
            const int index = combo->findText(choice);
            QVERIFY(index >= 0);
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        };
        pick(u"Red"_s);
        QCOMPARE(ed()->Line(0), u"<body bgcolor=\"Red\" text=\"Black\">"_s);
        QCOMPARE(insp()->RowValue(rowOf(u"bgcolor"_s)), u"Red"_s); // read again from the source
        QVERIFY(!combo->isVisible());

        pick(u"------------"_s);
        QCOMPARE(ed()->Line(0), u"<body bgcolor=\"Red\" text=\"Black\">"_s);

        dialogs->colour = QColor(0x12, 0x34, 0x56);
        pick(u"Vlastní..."_s);
        QCOMPARE(dialogs->asked.last(), u"color"_s);
        QCOMPARE(ed()->Line(0), u"<body bgcolor=\"#123456\" text=\"Black\">"_s);

        dialogs->colour.reset();
        pick(u"Vlastní..."_s);
        QCOMPARE(ed()->Line(0), u"<body bgcolor=\"#123456\" text=\"Black\">"_s);
    }

    void paletteChoiceAndItsColour()
    {
        open("<font color=\"Red\">x</font>\r\n", 0, 3);
        const int row = rowOf(u"color"_s);
        press(u"color"_s);
        QComboBox *combo = insp()->ComboBox1;
        insp()->ComboBox1DropDown();
        const int index = combo->findText(u"Z Palety..."_s);
        combo->setCurrentIndex(index);
        bool shown = false;
        QTimer::singleShot(0, Form9, [&] {
            shown = Form9->isVisible();
            Form9->reject();
        });
        emit combo->activated(index);
        QVERIFY(shown);
        QCOMPARE(PaletteTarget, u"Combo"_s);
        QCOMPARE(PaletteRow, row);
        QCOMPARE(ed()->Line(0), u"<font color=\"Red\">x</font>"_s);

        // What the palette window does with "Vložit".
        QVERIFY(ApplyPaletteColour);
        ApplyPaletteColour(u"#00FF00"_s);
        QCOMPARE(ed()->Line(0), u"<font color=\"#00FF00\">x</font>"_s);
        QCOMPARE(insp()->RowValue(row), u"#00FF00"_s);
        QCOMPARE(insp()->CurrentRow, row);
        QVERIFY(combo->isVisible()); // the row's editor is open again
    }

    void fontRowOffersTheShortList()
    {
        Form13->Usebasefonts->setChecked(false);
        WriteFile(fx->programDir() + u"/Data/basefonts.dat"_s, "First\r\nSecond\r\n");
        open("<font face=\"Arial\">x</font>\r\n", 0, 3);
        press(u"face"_s);
        QCOMPARE(insp()->ComboBox1->count(), 2);
        QCOMPARE(insp()->ComboBox1->itemText(0), u"First"_s);
    }

    void fileDialogsWriteThePath_data()
    {
        QTest::addColumn<bool>("relative");
        QTest::addColumn<bool>("small");
        QTest::addColumn<QString>("value"); // "%1" is the document folder
        QTest::newRow("relative, small") << true << true << u"obr/pic.gif"_s;
        QTest::newRow("relative") << true << false << u"Obr/Pic.GIF"_s;
        QTest::newRow("full path") << false << false << u"%1/Obr/Pic.GIF"_s;
    }
    void fileDialogsWriteThePath()
    {
        QFETCH(bool, relative);
        QFETCH(bool, small);
        QFETCH(QString, value);
        Form13->userelativepaths->setChecked(relative);
        Form13->insertsmallfilenames->setChecked(small);
        open("<img src=\"a.gif\">\r\n", 0, 3);
        press(u"src"_s);
        QVERIFY(insp()->Edit1->isVisible());
        QVERIFY(insp()->Button1->isVisible());
        dialogs->openAnswers << QStringList{fx->docDir() + u"/Obr/Pic.GIF"_s};
        QTest::mouseClick(insp()->Button1, Qt::LeftButton);
        QCOMPARE(dialogs->requests.last().initialDir, QFileInfo(fx->docDir()).absoluteFilePath());
        QVERIFY(dialogs->requests.last().filter.contains(u"*.png"_s));
        const QString expected = value.arg(fx->docDir());
        QCOMPARE(ed()->Line(0), u"<img src=\""_s + expected + u"\">"_s);

        // Cancelling changes nothing.
        QTest::mouseClick(insp()->Button1, Qt::LeftButton);
        QCOMPARE(ed()->Line(0), u"<img src=\""_s + expected + u"\">"_s);
    }

    void scriptDialogFilter()
    {
        Form13->Filefolder->setText(fx->docDir());
        open("<script src=\"a.js\"></script>\r\n", 0, 3);
        press(u"src"_s);
        QTest::mouseClick(insp()->Button1, Qt::LeftButton);
        QCOMPARE(dialogs->requests.last().filter,
                 u"Soubory Skriptů(*.js;*.php*;*.vb)|*.js;*.php*;*.vb|Všechny soubory(*.*)|*.*"_s);
        QCOMPARE(dialogs->requests.last().initialDir, fx->docDir());
    }

    void mapTagsEnableTheMapCommand()
    {
        open("<map name=\"m1\">\r\n<p>x</p>\r\n", 0, 3);
        QVERIFY(Form1->EditovatImageMapu1->isEnabled());
        QVERIFY(Form1->SpeedButton3->isEnabled());
        QString asked;
        EditImageMapNamed = [&asked](const QString &name) { asked = name; };
        press(u"[mapa]"_s);
        QTest::keyClick(insp()->Edit1, 'q'); // that row takes no typing
        QCOMPARE(insp()->Edit1->text(), QString());
        QCOMPARE(ed()->Line(0), u"<map name=\"m1\">"_s);
        QTest::mouseClick(insp()->Button1, Qt::LeftButton);
        QCOMPARE(asked, u"m1"_s);
        caret(1, 2);
        QVERIFY(!Form1->EditovatImageMapu1->isEnabled());
        QVERIFY(!Form1->SpeedButton3->isEnabled());
    }

    void pictureOfAnImgTag()
    {
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(fx->docDir() + u"/pic.png"_s));
        fx->writeDoc(u"broken.png"_s, "not a picture");
        open("<img src=\"pic.png\"> <img src=\"broken.png\"> <p>\r\n", 0, 3);
        QVERIFY(insp()->Image1->isVisible());
        QVERIFY(!insp()->Image1->pixmap().isNull());
        caret(0, 23);
        QVERIFY(insp()->Image1->isVisible());
        QCOMPARE(insp()->Image1->text(), u"Obrázek nelze zobrazit"_s);
        caret(0, 44);
        QVERIFY(!insp()->Image1->isVisible());
    }

    void editorsNarrowWithTenRows()
    {
        const QString folder = inspectorFolder();
        WriteFile(folder + u"index.if"_s, "nine\r\nten\r\n");
        QByteArray nine, ten;
        for (int i = 1; i <= 9; ++i)
            nine += "text a" + QByteArray::number(i) + "\r\n";
        ten = nine + "text a10\r\n";
        WriteFile(folder + u"nine.if"_s, nine);
        WriteFile(folder + u"ten.if"_s, ten);
        open("<nine> <ten>\r\n", 0, 3);
        QCOMPARE(insp()->RowCount(), 9);
        const int wide = insp()->EditorWidth();
        caret(0, 9);
        QCOMPARE(insp()->RowCount(), 10);
        QVERIFY(insp()->EditorWidth() < wide);
        // The editor lies over the value column of the pressed row.
        press(u"a10"_s);
        QTableWidget *list = insp()->Valuelisteditor1;
        QCOMPARE(insp()->Edit2->geometry().top(), list->visualItemRect(list->item(9, 1)).top());
        QCOMPARE(insp()->Edit2->geometry().left(), list->columnViewportPosition(1));
    }

    void dataFilesReadAtEveryUse()
    {
        open("<p align=\"left\">x</p> <p align=\"right\">\r\n", 0, 3);
        QVERIFY(insp()->RowCount() > 0);
        WriteFile(inspectorFolder() + u"index.if"_s, "a\r\n");
        caret(0, 24);
        QCOMPARE(insp()->RowCount(), 0);
    }

    void brokenDataFilesReachTheReport()
    {
        open("<p>x</p>\r\n", 1, 0);
        WriteFile(inspectorFolder() + u"p.if"_s, "text id\r\ncombo align\r\n");
        try {
            insp()->InspectTag(u"p "_s);
            QFAIL("no error");
        } catch (const ETagDefinitionError &e) {
            QCOMPARE(e.line(), 2);
            QVERIFY(e.path().endsWith(u"p.if"_s));
        }
        QFile::remove(inspectorFolder() + u"index.if"_s);
        QVERIFY_THROWS_EXCEPTION(EInOutError, insp()->InspectTag(u"p "_s));
        QCOMPARE(insp()->RowCount(), 0);
    }

    void brokenFileOnTheCaretsWayIsReported()
    {
        TErrorReportTesting::noModalLoop = true;
        WriteFile(inspectorFolder() + u"p.if"_s, "text id\r\nbutton src\r\n");
        open("<p>x</p>\r\n", 0, 2);
        QPointer<TExceptionDialog> dialog = TErrorReportTesting::lastDialog;
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->ReportReady());
        const QString report = dialog->DetailsMemo->toPlainText();
        QVERIFY2(report.contains(u"Chybný řádek 2 v souboru "_s), qPrintable(report.left(400)));
        QVERIFY(report.contains(u"p.if"_s));
        dialog->reject();
        QTRY_VERIFY(!ErrorReportShowing());
        QVERIFY(Docs.HasDocuments()); // the document opened all the same
        QCOMPARE(ed()->Line(0), u"<p>x</p>"_s);
    }

    void otherTabsUpdateTheCellOnly()
    {
        open("<img src=\"a.gif\" alt=\"x\">\r\n", 0, 3);
        press(u"alt"_s);
        Form2->PageControl1->setCurrentIndex(3);
        QTest::keyClick(insp()->Edit2, Qt::Key_End);
        QTest::keyClick(insp()->Edit2, 'y');
        QCOMPARE(insp()->RowValue(rowOf(u"alt"_s)), u"xy"_s);
        QCOMPARE(ed()->Line(0), u"<img src=\"a.gif\" alt=\"x\">"_s);
    }

    void translatorEditorIsInspectedToo()
    {
        open("<p>x</p>\r\n", 0, 1);
        Form2->PageControl1->setCurrentIndex(2);
        Form2->PageControl1Change(2);
        THTMLEdit *code = Form2->HTMLEditor2;
        code->SetText(u"<P ALIGN=\"left\">text</P>"_s);
        code->SetSelStart(3);
        QCoreApplication::processEvents();
        QCOMPARE(insp()->RowValue(rowOf(u"align"_s)), u"left"_s);
        QVERIFY(!Form1->EditovatImageMapu1->isEnabled());
        press(u"align"_s);
        insp()->ComboBox1->lineEdit()->selectAll();
        QTest::keyClicks(insp()->ComboBox1->lineEdit(), u"right"_s);
        QCOMPARE(code->Line(0), u"<P align=\"right\">text</P>"_s);
        QCOMPARE(ed()->Line(0), u"<p>x</p>"_s);
    }

    void aTagCutShortByABracketIsNotRewritten()
    {
        open("<a title=\"1>2\" href=\"x\">link</a>\r\n", 0, 3);
        press(u"href"_s);
        QTest::keyClick(insp()->Edit1, 'z');
        QCOMPARE(ed()->Line(0), u"<a title=\"1>2\" href=\"x\">link</a>"_s);
    }

    void tabChangeClears()
    {
        open("<p align=\"left\">x</p>\r\n", 0, 3);
        QVERIFY(insp()->RowCount() > 0);
        Form2->PageControl1Change(1);
        QCOMPARE(insp()->RowCount(), 0);
        QVERIFY(InspectedAttributeNames.isEmpty());
    }
};

QTEST_MAIN(TestTagInspector)
#include "tst_taginsp_window.moc"
