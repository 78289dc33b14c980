// The palette window and the palette editor on the real windows.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "colours/colour_image.h"
#include "colours/edit_palette.h"
#include "colours/palette.h"
#include "colours/palette_hand_off.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "templates/savetemplate.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

void WhileOpen(QDialog *dialog, std::function<void()> steps)
{
    QTimer::singleShot(0, dialog, [dialog, steps] {
        steps();
        if (dialog->isVisible())
            dialog->reject();
    });
}

TColor Rgb(int r, int g, int b)
{
    return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

TColor Numbered(int k)
{
    return Rgb(k % 256, k / 256, 9);
}

QByteArray NumberedPalette(int count)
{
    QList<TColor> colours;
    for (int k = 0; k < count; ++k)
        colours << Numbered(k);
    return PaletteFile::Format(colours);
}

TColor Pixel(const TColourImage *image, int x, int y)
{
    TColor c = 0xFFFFFFFF;
    image->PixelAt(QPoint(x, y), &c);
    return c;
}

// Number of the colour shown in the window's first cell.
int FirstShown()
{
    const TColor c = Pixel(Form9->Image1, 4, 4);
    return int((c & 0xFF) + ((c >> 8) & 0xFF) * 256);
}

} // namespace

class TestPaletteWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    QString palettePath(const QString &name) const { return PaletteFolder() + name + u".vpq"_s; }

    void writePalette(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(PaletteFolder());
        QFile f(palettePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // The palette window open on target while steps run; Storno afterwards.
    void withPalette(const QString &target, std::function<void()> steps)
    {
        WhileOpen(Form9, steps);
        ShowPaletteWindow(target);
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        ApplyPaletteColour = nullptr;
        ApplyTranslatorColour = nullptr;
    }
    void cleanup()
    {
        ApplyPaletteColour = nullptr;
        ApplyTranslatorColour = nullptr;
        fx.reset();
    }

    void fiveColoursDownTheFirstColumn()
    {
        writePalette(u"pet"_s, "5\r\n255 0 0\r\n0 255 0\r\n0 0 255\r\n1 2 3\r\n200 100 50\r\n");
        withPalette(u"Rich"_s, [] {
            QCOMPARE(Form9->ComboBox1->currentText(), u"pet"_s);
            QCOMPARE(Form9->PaletteCount, 5);
            QCOMPARE(Pixel(Form9->Image1, 5, 5), Rgb(255, 0, 0));
            QCOMPARE(Pixel(Form9->Image1, 5, 45), Rgb(200, 100, 50));
            QCOMPARE(Pixel(Form9->Image1, 5, 55), TColor(0));
            QCOMPARE(Pixel(Form9->Image1, 15, 5), TColor(0));
            // The first cell's colour is shown at once.
            QCOMPARE(Form9->Edit1->text(), u"Red"_s);
            QCOMPARE(Pixel(Form9->Image2, 25, 25), Rgb(255, 0, 0));
            const QImage before = Form9->Image1->Image();
            Form9->SpeedButton2->click();
            Form9->SpeedButton1->click();
            QCOMPARE(Form9->ViewStart, 1);
            QCOMPARE(Form9->Image1->Image(), before);
        });
    }

    void scrollingMovesBy26()
    {
        writePalette(u"velka"_s, NumberedPalette(400));
        withPalette(u"Rich"_s, [] {
            QCOMPARE(FirstShown(), 0);
            Form9->SpeedButton2->click();
            QCOMPARE(Form9->ViewStart, 27);
            QCOMPARE(FirstShown(), 26);
            Form9->SpeedButton2->click();
            QCOMPARE(Form9->ViewStart, 53);
            QCOMPARE(FirstShown(), 52);
            Form9->SpeedButton2->click(); // 400 < 53 + 360
            QCOMPARE(Form9->ViewStart, 53);
            Form9->SpeedButton1->click();
            Form9->SpeedButton1->click();
            Form9->SpeedButton1->click();
            QCOMPARE(Form9->ViewStart, 1);
            QCOMPARE(FirstShown(), 0);
        });
    }

    void clickAndTypedValues()
    {
        writePalette(u"p"_s, "2\r\n0 0 128\r\n18 52 86\r\n");
        withPalette(u"Rich"_s, [] {
            QTest::mouseClick(Form9->Image1, Qt::LeftButton, {}, QPoint(5, 15));
            QCOMPARE(Form9->Edit1->text(), u"#123456"_s);
            QTest::mouseClick(Form9->Image1, Qt::LeftButton, {}, QPoint(10, 5)); // the outline
            QCOMPARE(Form9->Edit1->text(), u"Black"_s);
            Form9->Edit1->clear();
            QTest::keyClicks(Form9->Edit1, u"navy"_s);
            QCOMPARE(Form9->Edit1->text(), u"Navy"_s);
            QCOMPARE(Pixel(Form9->Image2, 1, 1), Rgb(0, 0, 128));
            Form9->Edit1->clear();
            QTest::keyClicks(Form9->Edit1, u"#1a2b3c"_s);
            QCOMPARE(Form9->Edit1->text(), u"#1A2B3C"_s);
            QTest::keyClicks(Form9->Edit1, u"x"_s); // neither form: left alone
            QCOMPARE(Form9->Edit1->text(), u"#1A2B3Cx"_s);
            QCOMPARE(Pixel(Form9->Image2, 1, 1), Rgb(0x1A, 0x2B, 0x3C));
        });
    }

    void richInsertsIntoTheSourceEditor_data()
    {
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("name") << true << u"aqua"_s << u"Aqua"_s;
        QTest::newRow("hex") << true << u"#c0dcc0"_s << u"#C0DCC0"_s;
        QTest::newRow("lower-case setting") << false << u"red"_s << u"red"_s;
    }
    void richInsertsIntoTheSourceEditor()
    {
        QFETCH(bool, upper);
        QFETCH(QString, typed);
        QFETCH(QString, inserted);
        writePalette(u"p"_s, "1\r\n1 2 3\r\n");
        OpenDocument(fx->writeDoc(u"a.htm"_s, "<BODY>\r\n"));
        Form13->Useuppercase->setChecked(upper);
        Form2->HTMLEditor1->SetSelStart(6);
        WhileOpen(Form9, [typed] {
            QCOMPARE(PaletteTarget, u"Rich"_s);
            Form9->Edit1->clear();
            QTest::keyClicks(Form9->Edit1, typed);
            Form9->Button3->click();
        });
        Form1->ZPalety1->trigger();
        QVERIFY(!Form9->isVisible());
        QCOMPARE(Form2->HTMLEditor1->Line(0), u"<BODY>"_s + inserted);
    }

    void workspaceButtonAndStorno()
    {
        writePalette(u"p"_s, "1\r\n1 2 3\r\n");
        OpenDocument(fx->writeDoc(u"a.htm"_s, "x\r\n"));
        PaletteTarget = u"Combo"_s;
        bool opened = false;
        WhileOpen(Form9, [&] {
            opened = PaletteTarget == u"Rich"_s;
            Form9->Button4->click(); // Storno
        });
        Form2->findChild<QToolButton *>(u"SpeedButton17"_s)->click();
        QVERIFY(opened);
        QCOMPARE(Form2->HTMLEditor1->Text(), u"x"_s);
        // Only a colour is sent: a half-typed value gets a message and the window stays.
        WhileOpen(Form9, [] {
            Form9->Edit1->setText(u"#12"_s);
            Form9->Button3->click();
            QVERIFY(Form9->isVisible());
        });
        Form1->ZPalety1->trigger();
        QCOMPARE(Form2->HTMLEditor1->Text(), u"x"_s);
        QCOMPARE(fx->dialogs->asked.size(), 1);
    }

    void otherTargetsGoToTheirCallbacks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("Combo") << u"Combo"_s;
        QTest::newRow("Pozadi") << u"Pozadi"_s;
        QTest::newRow("Pismo") << u"Pismo"_s;
        QTest::newRow("Odkaz") << u"Odkaz"_s;
    }
    void otherTargetsGoToTheirCallbacks()
    {
        QFETCH(QString, target);
        writePalette(u"p"_s, "1\r\n0 128 128\r\n");
        OpenDocument(fx->writeDoc(u"a.htm"_s, "x\r\n"));
        QStringList got;
        ApplyPaletteColour = [&](const QString &c) { got << u"Combo "_s + c; };
        ApplyTranslatorColour = [&](const QString &t, const QString &c) { got << t + u' ' + c; };
        withPalette(target, [] { Form9->Button3->click(); });
        QCOMPARE(got, QStringList{target + u" Teal"_s});
        QCOMPARE(Form2->HTMLEditor1->Text(), u"x"_s);
        // Without a callback nothing happens.
        ApplyPaletteColour = nullptr;
        ApplyTranslatorColour = nullptr;
        withPalette(target, [] { Form9->Button3->click(); });
        QCOMPARE(got.size(), 1);
    }

    void newPaletteThroughTheNamePrompt()
    {
        writePalette(u"b"_s, "1\r\n1 1 1\r\n");
        writePalette(u"c"_s, "2\r\n1 1 1\r\n2 2 2\r\n");
        withPalette(u"Rich"_s, [] {
            Form9->ComboBox1->setCurrentIndex(1);
            Form9->ComboBox1Select();
            WhileOpen(Form5, [] {
                QCOMPARE(Form5->Label1->text(), u"Název Palety:"_s);
                QCOMPARE(Form5->windowTitle(), u"Vytvořit Paletu"_s);
                QCOMPARE(Form5->Edit2->text(), QString());
                // A name taken: refused, the prompt stays.
                Form5->Edit2->setText(u"c"_s);
                Form5->Button1->click();
                QVERIFY(Form5->isVisible());
                Form5->Edit2->clear();
                Form5->Button1->click();
                QVERIFY(Form5->isVisible());
                Form5->Edit2->setText(u"a nová"_s);
                Form5->Button1->click();
            });
            Form9->Button1->click();
            QCOMPARE(Form9->ComboBox1->count(), 3);
            QCOMPARE(Form9->ComboBox1->currentText(), u"c"_s); // the palette chosen before
        });
        QCOMPARE(ReadBytes(palettePath(u"a nová"_s)), QByteArray("0\r\n"));
        QCOMPARE(ReadBytes(palettePath(u"c"_s)), QByteArray("2\r\n1 1 1\r\n2 2 2\r\n"));
        QCOMPARE(fx->dialogs->asked.size(), 2);
        QVERIFY(fx->dialogs->asked[0].contains(u"již existuje"_s));
    }

    void lastChoiceKeptAndNoPalettes()
    {
        withPalette(u"Rich"_s, [] {
            QCOMPARE(Form9->ComboBox1->count(), 0);
            QVERIFY(!Form9->Button2->isEnabled());
            QCOMPARE(Form9->Edit1->text(), u"Black"_s);
        });
        writePalette(u"a"_s, "0\r\n");
        writePalette(u"b"_s, "1\r\n9 9 9\r\n");
        withPalette(u"Rich"_s, [] {
            Form9->ComboBox1->setCurrentIndex(1);
            Form9->ComboBox1Select();
        });
        withPalette(u"Rich"_s, [] { QCOMPARE(Form9->ComboBox1->currentText(), u"b"_s); });
    }

    void aDamagedPaletteGetsAMessage()
    {
        writePalette(u"zla"_s, "tri barvy\r\n");
        withPalette(u"Rich"_s, [] { QCOMPARE(Form9->PaletteCount, 0); });
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].contains(u"není platná paleta"_s));
    }

    void editorAddsAndSaves()
    {
        writePalette(u"p"_s, NumberedPalette(320));
        withPalette(u"Rich"_s, [] {
            WhileOpen(Form10, [] {
                QCOMPARE(Form10->PaletteCount, 320);
                QCOMPARE(Form10->Edit1->text(), u"#000009"_s); // the first cell
                // The grid shows colours from the start; forward moves one column.
                QCOMPARE(Pixel(Form10->Image1, 4, 14), Numbered(1));
                Form10->SpeedButton2->click();
                QCOMPARE(Form10->EditOffset, 10);
                QCOMPARE(Pixel(Form10->Image1, 4, 4), Numbered(10));
                Form10->SpeedButton2->click();
                Form10->SpeedButton2->click(); // 320 > 20 + 300 is false
                QCOMPARE(Form10->EditOffset, 20);
                Form10->Edit2->setText(u"1"_s);
                Form10->Edit3->setText(u"2"_s);
                Form10->Edit4->setText(u"3"_s);
                Form10->Button1->click();
                QCOMPARE(Form10->PaletteCount, 321);
                QCOMPARE(Form10->EditOffset, 20); // the view stays
                Form10->Button4->click();
            });
            Form9->Button2->click();
            QCOMPARE(Form9->PaletteCount, 321); // redrawn from the file
        });
        QList<TColor> expected;
        for (int k = 0; k < 320; ++k)
            expected << Numbered(k);
        expected << Rgb(1, 2, 3);
        QCOMPARE(ReadBytes(palettePath(u"p"_s)), PaletteFile::Format(expected));
    }

    void editorFields()
    {
        writePalette(u"p"_s, "1\r\n10 20 30\r\n");
        withPalette(u"Rich"_s, [] {
            WhileOpen(Form10, [] {
                QCOMPARE(Form10->Edit1->text(), u"#0A141E"_s);
                QCOMPARE(Form10->Edit2->text(), u"10"_s);
                Form10->Edit1->clear();
                QTest::keyClicks(Form10->Edit1, u"navy"_s);
                QCOMPARE(Form10->Edit1->text(), u"Navy"_s);
                QCOMPARE(Form10->Edit2->text(), u"0"_s);
                QCOMPARE(Form10->Edit3->text(), u"0"_s);
                QCOMPARE(Form10->Edit4->text(), u"128"_s);
                // Red over 255 sets every field over 255 to 255.
                Form10->Edit4->setText(u"400"_s);
                Form10->Edit2->clear();
                QTest::keyClicks(Form10->Edit2, u"300"_s);
                QCOMPARE(Form10->Edit2->text(), u"255"_s);
                QCOMPARE(Form10->Edit4->text(), u"255"_s);
                QCOMPARE(Form10->Edit1->text(), u"Fuchsia"_s);
                // Green over 255 is left as typed, nothing shown.
                Form10->Edit3->clear();
                QTest::keyClicks(Form10->Edit3, u"999"_s);
                QCOMPARE(Form10->Edit3->text(), u"999"_s);
                QCOMPARE(Form10->Edit1->text(), u"#FF63FF"_s); // as "99" showed it
                // The spectrum: a click shows its pixel, points outside are ignored.
                QTest::mousePress(Form10->Image2, Qt::LeftButton, {}, QPoint(0, 5)); // (0, 0) would mean the centre
                QCOMPARE(Form10->Edit2->text(), u"127"_s);
                QVERIFY(Form10->SpectrumTracking);
                QTest::mouseRelease(Form10->Image2, Qt::LeftButton, {}, QPoint(0, 5));
                QVERIFY(!Form10->SpectrumTracking);
            });
            Form9->Button2->click();
        });
    }

    void editorRefusesWhatIsNoNumber_data()
    {
        QTest::addColumn<QString>("green");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << u"info: Zadejte prosím číslenou hodnotu!"_s;
        QTest::newRow("word") << u"zelena"_s
                              << u"info: Červená, zelená i modrá složka musí být celé číslo od 0 do 255!"_s;
        QTest::newRow("negative") << u"-5"_s
                                  << u"info: Červená, zelená i modrá složka musí být celé číslo od 0 do 255!"_s;
        QTest::newRow("too big") << u"256"_s
                                 << u"info: Červená, zelená i modrá složka musí být celé číslo od 0 do 255!"_s;
    }
    void editorRefusesWhatIsNoNumber()
    {
        QFETCH(QString, green);
        QFETCH(QString, message);
        writePalette(u"p"_s, "0\r\n");
        withPalette(u"Rich"_s, [green] {
            WhileOpen(Form10, [green] {
                Form10->Edit3->setText(green);
                Form10->Button1->click();
                QCOMPARE(Form10->PaletteCount, 0);
                Form10->Button4->click();
            });
            Form9->Button2->click();
        });
        QCOMPARE(fx->dialogs->asked, QStringList{message});
        QCOMPARE(ReadBytes(palettePath(u"p"_s)), QByteArray("0\r\n"));
    }

    void editorRemovesClearsAndCancels()
    {
        writePalette(u"p"_s, "3\r\n1 1 1\r\n2 2 2\r\n3 3 3\r\n");
        withPalette(u"Rich"_s, [] {
            // Storno writes nothing.
            WhileOpen(Form10, [] {
                Form10->Button3->click();
                QCOMPARE(Form10->PaletteCount, 0);
                Form10->Button5->click();
            });
            Form9->Button2->click();
            // Remove the second colour; a cell past the end removes nothing.
            WhileOpen(Form10, [] {
                QCOMPARE(Form10->PaletteCount, 3);
                QTest::mouseClick(Form10->Image1, Qt::LeftButton, {}, QPoint(4, 14));
                QCOMPARE(Form10->SelectedCell, 2);
                Form10->Button2->click();
                QCOMPARE(Form10->PaletteCount, 2);
                QTest::mouseClick(Form10->Image1, Qt::LeftButton, {}, QPoint(24, 4));
                QCOMPARE(Form10->SelectedCell, 21);
                Form10->Button2->click();
                QCOMPARE(Form10->PaletteCount, 2);
                Form10->Button4->click();
            });
            Form9->Button2->click();
        });
        QCOMPARE(ReadBytes(palettePath(u"p"_s)), QByteArray("2\r\n1 1 1\r\n3 3 3\r\n"));
        withPalette(u"Rich"_s, [] {
            WhileOpen(Form10, [] {
                Form10->Button3->click();
                Form10->Button4->click();
            });
            Form9->Button2->click();
        });
        QCOMPARE(ReadBytes(palettePath(u"p"_s)), QByteArray("0\r\n"));
    }

    void shippedPalettesRead()
    {
        const QString shipped = QStringLiteral(TEST_DATA_DIR "/../../data/Data/Palety");
        const QStringList names = PaletteFile::Names(shipped);
        QVERIFY(names.contains(u"Bezpečné webové barvy"_s));
        for (const QString &name : names) {
            QFile f(PaletteFile::PathOf(shipped, name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            TPalette p;
            QVERIFY2(PaletteFile::Parse(f.readAll(), &p), qPrintable(name));
            QCOMPARE(p.Colours.size(), p.Count);
            QVERIFY(p.Count > 0);
        }
        QFile web(PaletteFile::PathOf(shipped, u"Bezpečné webové barvy"_s));
        QVERIFY(web.open(QIODevice::ReadOnly));
        TPalette p;
        PaletteFile::Parse(web.readAll(), &p);
        QCOMPARE(p.Count, 216);
        QCOMPARE(QSet<TColor>(p.Colours.begin(), p.Colours.end()).size(), 216);
    }
};

QTEST_MAIN(TestPaletteWindows)
#include "tst_palette_windows.moc"
