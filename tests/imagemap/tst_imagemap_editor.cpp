// The map windows on the real program: the editor driven with the mouse over
// its picture, the new-map dialog and the two main-window commands.
#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "imagemap/imagemap_commands.h"
#include "imagemap/imagemap_model.h"
#include "imagemap/imagemapcreate.h"
#include "imagemap/imagemapedit.h"
#include "inspector/tag_hand_off.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Page = "<html><body>\r\n"
                        "<p>Úvod</p>\r\n"
                        "<img src=\"obr/mapa.png\" usemap=\"#prvni\">\r\n"
                        "<MAP NAME=\"prvni\">\r\n"
                        "     <AREA SHAPE=\"Rectangle\" ALT=\"Stará\" COORDS=\"1,2,3,4\" HREF=\"stara.htm\">\r\n"
                        "</MAP>\r\n"
                        "<img src=\"chybi.png\" usemap=\"#druha\">\r\n"
                        "<map name=\"druha\">\r\n"
                        "<area shape=\"circle\" coords=\"5,5,5\">\r\n"
                        "<area shape=\"poly\" alt=\"Tři\" coords=\"0,0,10,0,5,8\">\r\n"
                        "<area coords=\"1,1,2,2\">\r\n"
                        "</map>\r\n"
                        "</body></html>\r\n";

QStringList Rows(const QTableWidget *grid)
{
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r)
        rows << (grid->item(r, 0) ? grid->item(r, 0)->text() : QString());
    return rows;
}

} // namespace

class TestImagemapEditor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QString doc;

    THTMLEdit *ed() const { return Form2->HTMLEditor1; }

    // Caret to the start of the first line that holds text.
    void caretToLineWith(const QString &text)
    {
        for (int i = 0; i < ed()->LineCount(); ++i) {
            if (ed()->Line(i).contains(text)) {
                ed()->SetSelStart(ed()->LineIndex(i));
                return;
            }
        }
        QFAIL("line not found");
    }

    // Runs body inside the modal loop of dialog, as soon as it is shown.
    void whileModal(QDialog *dialog, std::function<void()> body)
    {
        auto *timer = new QTimer(dialog);
        timer->setInterval(0);
        connect(timer, &QTimer::timeout, dialog, [dialog, body, timer] {
            if (!dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            body();
            if (dialog->isVisible())
                dialog->reject();
        });
        timer->start();
    }

    void dragOnPicture(QPoint from, QPoint to)
    {
        TMapImage *image = FMapcreate->Image1;
        QTest::mousePress(image, Qt::LeftButton, {}, from);
        QTest::mouseMove(image, (from + to) / 2);
        QTest::mouseMove(image, to);
        QTest::mouseRelease(image, Qt::LeftButton, {}, to);
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        QVERIFY(QDir(fx->docDir()).mkpath(u"obr"_s));
        QImage picture(220, 160, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(fx->docDir() + u"/obr/mapa.png"_s));
        doc = fx->writeDoc(u"mapy.htm"_s, Page);
        OpenDocument(doc);
        QCOMPARE(Docs.OpenDocCount, 1);
        Form13->Useuppercase->setChecked(false);
    }
    void cleanup()
    {
        fx.reset();
    }

    void commandsNeedADocument()
    {
        CloseDocument();
        QVERIFY(!Docs.HasDocuments());
        QVERIFY(Form1->VytvoitImageMapu1->isEnabled());
        Form1->VytvoitImageMapu1->trigger();
        EditovatImageMapu1Click();
        OpenMapEditor(u"prvni"_s);
        QVERIFY(!FNewMap->isVisible());
        QVERIFY(!FMapcreate->isVisible());
        QCOMPARE(fx->dialogs->asked, QStringList());
    }

    void editCommandIsDisabledBySwitchOpenAndClose()
    {
        QVERIFY(!Form1->EditovatImageMapu1->isEnabled());
        Form1->EditovatImageMapu1->setEnabled(true); // as the inspector does on a MAP tag
        QVERIFY(Form1->SpeedButton3->isEnabled());
        const QString second = fx->writeDoc(u"b.htm"_s, "<html></html>\r\n");
        OpenDocument(second);
        QVERIFY(!Form1->EditovatImageMapu1->isEnabled());
        QVERIFY(!Form1->SpeedButton3->isEnabled());
        Form1->EditovatImageMapu1->setEnabled(true);
        SelectDocument(0);
        QVERIFY(!Form1->EditovatImageMapu1->isEnabled());
        Form1->EditovatImageMapu1->setEnabled(true);
        CloseDocument();
        QVERIFY(!Form1->EditovatImageMapu1->isEnabled());
    }

    void opensOnTheMapAtTheCaret()
    {
        caretToLineWith(u"<map name=\"druha\">"_s);
        const QString before = ed()->Text();
        // The second map's picture is missing: nothing opens.
        Form1->EditovatImageMapu1->setEnabled(true);
        Form1->EditovatImageMapu1->trigger();
        QCOMPARE(fx->dialogs->asked, QStringList{u"info: Tento obrázek neexistuje"_s});
        QVERIFY(!FMapcreate->isVisible());

        // Its picture put in place, the editor lists the three areas.
        QVERIFY(QFile::copy(fx->docDir() + u"/obr/mapa.png"_s, fx->docDir() + u"/chybi.png"_s));
        bool ran = false;
        whileModal(FMapcreate, [&] {
            ran = true;
            QCOMPARE(FMapcreate->windowTitle(), u"Editovat Image Mapu"_s);
            QCOMPARE(FMapcreate->Edit1->text(), u"druha"_s);
            QCOMPARE(Rows(FMapcreate->StringGrid1), (QStringList{u"Oblast1"_s, u"Tři"_s, u"Oblast3"_s}));
            QCOMPARE(FMapcreate->Image1->size(), QSize(220, 160));
            // The first area is shown: a circle, its outline over the picture.
            QCOMPARE(FMapcreate->Edit3->text(), u"5,5,5"_s);
            QVERIFY(FMapcreate->SpeedButton3->isChecked());
            QCOMPARE(FMapcreate->Shape1->geometry(), QRect(0, 0, 10, 10));
            // Choosing the polygon presses the points button and lays the overlay.
            QTest::mouseClick(FMapcreate->StringGrid1->viewport(), Qt::LeftButton, {},
                              FMapcreate->StringGrid1->visualRect(
                                  FMapcreate->StringGrid1->model()->index(1, 0)).center());
            QCOMPARE(FMapcreate->Edit6->text(), u"Tři"_s);
            QVERIFY(FMapcreate->SpeedButton4->isChecked());
            QCOMPARE(FMapcreate->Image2->size(), QSize(220, 160));
            QVERIFY(FMapcreate->Shape1->isHidden());
            QCOMPARE(FMapcreate->Image2->Picture.pixelColor(5, 0), QColor(0, 255, 0));
            // A rectangle area, then the circle: the next drag draws a circle.
            FMapcreate->StringGrid1->setCurrentCell(2, 0);
            QVERIFY(FMapcreate->SpeedButton2->isChecked());
            QCOMPARE(FMapcreate->Image2->size(), QSize(0, 0));
            QCOMPARE(FMapcreate->Shape1->geometry(), QRect(1, 1, 1, 1));
            FMapcreate->StringGrid1->setCurrentCell(0, 0);
            QVERIFY(FMapcreate->SpeedButton3->isChecked());
            dragOnPicture(QPoint(30, 30), QPoint(50, 40));
            QVERIFY(FMapcreate->Shape1->Circle);
            QCOMPARE(FMapcreate->Edit3->text(), u"40,40,10"_s);
            QCOMPARE(MapAreas[0].Coords, u"5,5,5"_s); // not stored without "Uložit"
            FMapcreate->Button4->click(); // Storno
        });
        Form1->EditovatImageMapu1->trigger();
        QVERIFY(ran);
        QCOMPARE(ed()->Text(), before);
    }

    // Draw a rectangle and a polygon, give them links, insert; the block is
    // read back from the source and edited again; the text around it never
    // changes.
    void drawInsertReopenEdit()
    {
        caretToLineWith(u"<MAP NAME=\"prvni\">"_s);
        const QString text = ed()->Text();
        const qsizetype headEnd = text.indexOf(u"<MAP NAME=\"prvni\">"_s) + 18;
        const qsizetype tailStart = text.indexOf(u"</MAP>"_s) + 6;

        whileModal(FMapcreate, [&] {
            QCOMPARE(Rows(FMapcreate->StringGrid1), QStringList{u"Stará"_s});
            QCOMPARE(FMapcreate->Edit2->text(), u"stara.htm"_s);
            // Remove the old area: the placeholder comes back.
            FMapcreate->Button2->click();
            QCOMPARE(Rows(FMapcreate->StringGrid1), QStringList{u"Žádné"_s});
            QVERIFY(MapAreas.isEmpty());

            FMapcreate->Button1->click(); // "Nová Oblast"
            QCOMPARE(Rows(FMapcreate->StringGrid1), QStringList{u"Oblast1"_s});
            dragOnPicture(QPoint(10, 20), QPoint(60, 70));
            QCOMPARE(FMapcreate->Edit3->text(), u"10,20,60,70"_s);
            QVERIFY(FMapcreate->Shape1->isVisible());
            QCOMPARE(FMapcreate->Shape1->geometry(), QRect(10, 20, 50, 50));
            QVERIFY(MapAreas[0].Coords.isEmpty()); // stored only by "Uložit"
            QTest::keyClicks(FMapcreate->Edit2, u"a.htm"_s);
            FMapcreate->Edit6->setText(u"Čtverec"_s);
            FMapcreate->Button5->click(); // "Uložit"
            QCOMPARE(Rows(FMapcreate->StringGrid1), QStringList{u"Čtverec"_s});

            FMapcreate->Button1->click();
            QTest::mouseClick(FMapcreate->SpeedButton4, Qt::LeftButton);
            QCOMPARE(FMapcreate->ShapeTool, u"Poly"_s);
            TMapImage *overlay = FMapcreate->Image2;
            QCOMPARE(overlay->size(), QSize(220, 160));
            QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(100, 100));
            QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(150, 100));
            QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(120, 140));
            QTest::mouseClick(overlay, Qt::RightButton, {}, QPoint(1, 1));
            QCOMPARE(FMapcreate->Edit3->text(), u"100,100,150,100,120,140"_s);
            QCOMPARE(overlay->Picture.pixelColor(125, 100), QColor(0, 255, 0));
            QCOMPARE(overlay->Picture.pixelColor(110, 120), QColor(0, 255, 0)); // closing line
            QTest::keyClicks(FMapcreate->Edit2, u"b.htm"_s);
            FMapcreate->CheckBox1->setChecked(true);
            FMapcreate->Button5->click();

            // A third area never stored: written with its defaults.
            FMapcreate->Button1->click();
            FMapcreate->Button3->click(); // "Vložit"
            QVERIFY(!FMapcreate->isVisible());
        });
        EditovatImageMapu1Click();

        const QString written = ed()->Text();
        QCOMPARE(written.left(headEnd), text.left(headEnd));
        const QString block =
            u"\r\n     <area shape=\"Rectangle\" alt=\"Čtverec\" coords=\"10,20,60,70\" href=\"a.htm\">"
            u"\r\n     <area shape=\"Poly\" alt=\"Oblast2\" coords=\"100,100,150,100,120,140\" href=\"b.htm\" nohref>"
            u"\r\n     <area shape=\"Rectangle\" alt=\"Oblast3\" coords=\"\">"
            u"\r\n</map>"_s;
        QCOMPARE(written.mid(headEnd, block.size()), block);
        QCOMPARE(written.mid(headEnd + block.size()), text.mid(tailStart));
        QCOMPARE(ed()->CaretPos().y(), 3);
        QVERIFY(Docs.Active().Modified);

        // Reopened from the MAP tag: the areas come back; edit the link of
        // the polygon and move nothing else.
        whileModal(FMapcreate, [&] {
            QCOMPARE(Rows(FMapcreate->StringGrid1),
                     (QStringList{u"Čtverec"_s, u"Oblast2"_s, u"Oblast3"_s}));
            QCOMPARE(FMapcreate->Shape1->geometry(), QRect(10, 20, 50, 50));
            FMapcreate->StringGrid1->setCurrentCell(1, 0);
            QCOMPARE(FMapcreate->Edit3->text(), u"100,100,150,100,120,140"_s);
            QVERIFY(FMapcreate->CheckBox1->isChecked());
            FMapcreate->Edit2->setText(u"c.htm"_s);
            FMapcreate->CheckBox1->setChecked(false);
            FMapcreate->Button5->click();
            FMapcreate->Button3->click();
        });
        EditovatImageMapu1Click();
        const QString again = ed()->Text();
        QVERIFY(again.contains(
            u"<area shape=\"Poly\" alt=\"Oblast2\" coords=\"100,100,150,100,120,140\" href=\"c.htm\">\r\n"_s));
        QCOMPARE(again.left(headEnd), text.left(headEnd));
        QVERIFY(again.endsWith(text.mid(tailStart)));

        // Saved, the file outside the block is the old file byte for byte.
        SaveCommand();
        const QByteArray saved = ReadBytes(doc);
        const qsizetype byteHead = Page.indexOf("<MAP NAME=\"prvni\">") + 18;
        const qsizetype byteTail = Page.indexOf("</MAP>") + 6;
        QCOMPARE(saved.left(byteHead), Page.left(byteHead));
        QVERIFY(saved.endsWith(Page.mid(byteTail)));
    }

    void circleDragAndToolSwitch()
    {
        caretToLineWith(u"<MAP NAME=\"prvni\">"_s);
        const QString before = ed()->Text();
        whileModal(FMapcreate, [&] {
            QTest::mouseClick(FMapcreate->SpeedButton3, Qt::LeftButton);
            QCOMPARE(FMapcreate->ShapeTool, u"Circle"_s);
            QVERIFY(FMapcreate->Edit3->text().isEmpty());
            // Wider than high: both sizes take the width.
            dragOnPicture(QPoint(20, 20), QPoint(60, 30));
            QCOMPARE(FMapcreate->Shape1->geometry(), QRect(20, 20, 40, 40));
            QCOMPARE(FMapcreate->Edit3->text(), u"40,40,20"_s);
            QVERIFY(FMapcreate->Shape1->Circle);
            // Dragged up and left the circle keeps a positive radius.
            dragOnPicture(QPoint(100, 100), QPoint(80, 90));
            QCOMPARE(FMapcreate->Edit3->text(), u"90,90,10"_s);
            FMapcreate->Button4->click();
        });
        EditovatImageMapu1Click();
        QCOMPARE(ed()->Text(), before); // Storno writes nothing
    }

    void unreadablePictureIsReported()
    {
        fx->writeDoc(u"obr/mapa.png"_s, "no picture at all");
        caretToLineWith(u"<MAP NAME=\"prvni\">"_s);
        EditovatImageMapu1Click();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].startsWith(u"info: Obrázek "_s));
        QVERIFY(fx->dialogs->asked[0].contains(u"nelze načíst"_s));
        QVERIFY(!FMapcreate->isVisible());
    }

    void inspectorHandOffOpensTheNamedMap()
    {
        QVERIFY(EditImageMapNamed);
        caretToLineWith(u"<MAP NAME=\"prvni\">"_s);
        bool ran = false;
        whileModal(FMapcreate, [&] {
            ran = true;
            QCOMPARE(FMapcreate->Edit1->text(), u"PRVNI"_s);
            QCOMPARE(Rows(FMapcreate->StringGrid1), QStringList{u"Stará"_s});
        });
        EditImageMapNamed(u"PRVNI"_s);
        QVERIFY(ran);
    }

    void newMapDialog()
    {
        caretToLineWith(u"<p>Úvod</p>"_s);
        ed()->SetSelStart(ed()->SelStart() + 3); // between "<p>" and "Úvod"
        Form13->Useuppercase->setChecked(true);
        fx->dialogs->openAnswers << QStringList{fx->docDir() + u"/obr/mapa.png"_s};
        bool editorRan = false;
        whileModal(FNewMap, [&] {
            QCOMPARE(FNewMap->windowTitle(), u"Vytvořit Novou Image Mapu"_s);
            QVERIFY(!FNewMap->Button1->isEnabled());
            QVERIFY(FNewMap->ScrollBox1->isHidden());
            QTest::keyClicks(FNewMap->Edit1, u"nova"_s);
            QVERIFY(!FNewMap->Button1->isEnabled());
            FNewMap->SpeedButton1->click();
            QCOMPARE(FNewMap->Edit2->text(), u"obr/mapa.png"_s);
            QVERIFY(FNewMap->Button1->isEnabled());
            QVERIFY(FNewMap->ScrollBox1->isVisible());
            QCOMPARE(FNewMap->Image1->size(), QSize(220, 160));
            FNewMap->Edit1->clear();
            QVERIFY(!FNewMap->Button1->isEnabled());
            QTest::keyClicks(FNewMap->Edit1, u"nova"_s);
            // The editor opens on the new, empty map once the dialog is gone.
            whileModal(FMapcreate, [&] {
                editorRan = true;
                QVERIFY(!FNewMap->isVisible());
                QCOMPARE(FMapcreate->Edit1->text(), u"nova"_s);
                QCOMPARE(Rows(FMapcreate->StringGrid1), QStringList{u"Žádné"_s});
                QCOMPARE(FMapcreate->Image1->size(), QSize(220, 160));
                FMapcreate->Button1->click();
                dragOnPicture(QPoint(5, 5), QPoint(15, 25));
                FMapcreate->Button5->click();
                FMapcreate->Button3->click();
            });
            FNewMap->Button1->click();
        });
        Form1->VytvoitImageMapu1->trigger();
        QVERIFY(editorRan);
        QCOMPARE(ed()->Line(1), u"<p><IMG SRC=\"obr/mapa.png\" USEMAP=\"#nova\" ISMAP>Úvod</p>"_s);
        QCOMPARE(ed()->Line(2), u"<MAP NAME=\"nova\">"_s);
        QCOMPARE(ed()->Line(3),
                 u"     <AREA SHAPE=\"Rectangle\" ALT=\"Oblast1\" COORDS=\"5,5,15,25\">"_s);
        QCOMPARE(ed()->Line(4), u"</MAP>"_s);
        QCOMPARE(ed()->Line(5), u"<img src=\"obr/mapa.png\" usemap=\"#prvni\">"_s);
        // The tags reached the working copy before the editor opened.
        QVERIFY(ReadBytes(Docs.ActiveFile()).contains("<MAP NAME=\"nova\">"));
    }

    void newMapWithMissingPictureKeepsTheTags()
    {
        caretToLineWith(u"</body>"_s);
        whileModal(FNewMap, [&] {
            QTest::keyClicks(FNewMap->Edit1, u"x"_s);
            QTest::keyClicks(FNewMap->Edit2, u"nic.gif"_s);
            QVERIFY(FNewMap->ScrollBox1->isHidden());
            FNewMap->Button1->click();
        });
        VytvoitImageMapu1Click();
        QCOMPARE(fx->dialogs->asked, QStringList{u"info: Tento obrázek neexistuje"_s});
        QVERIFY(!FMapcreate->isVisible());
        QVERIFY(ed()->Text().contains(u"<img src=\"nic.gif\" usemap=\"#x\" ismap></body></html>\r\n"
                                      u"<map name=\"x\">\r\n</map>"_s));
    }

    void newMapCancelInsertsNothing()
    {
        const QString before = ed()->Text();
        whileModal(FNewMap, [&] {
            QTest::keyClicks(FNewMap->Edit1, u"x"_s);
            QTest::keyClicks(FNewMap->Edit2, u"obr/mapa.png"_s);
            FNewMap->Button2->click();
        });
        VytvoitImageMapu1Click();
        QCOMPARE(ed()->Text(), before);
        QCOMPARE(fx->dialogs->asked, QStringList());
    }
};

QTEST_MAIN(TestImagemapEditor)
#include "tst_imagemap_editor.moc"
