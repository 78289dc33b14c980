#include "colours/palette.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/program_dir.h"
#include "colours/colour_image.h"
#include "colours/edit_palette.h"
#include "colours/html_colour.h"
#include "colours/palette_hand_off.h"
#include "conversion/text_file.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "markup/insert_tag.h"
#include "markup/insert_tag_program.h"
#include "templates/savetemplate.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>

void ShowPaletteWindow(const QString &target)
{
    PaletteTarget = target;
    if (Form9)
        Form9->exec();
}

QString PaletteFolder()
{
    return ProgramDir() + QStringLiteral("Data/Palety/");
}

TForm9::TForm9(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Palety Barev"));
    setAccessibleName(windowTitle());

    const auto named = [](QWidget *w, const char *name, const QString &caption) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(caption);
    };
    ComboBox1 = new QComboBox(this);
    named(ComboBox1, "ComboBox1", QStringLiteral("Zvolená Paleta"));
    ComboBox1->setMinimumContentsLength(20);
    Button1 = new QPushButton(QStringLiteral("Vytvořit Novou...."), this);
    named(Button1, "Button1", Button1->text());
    Button2 = new QPushButton(QStringLiteral("Editovat ..."), this);
    named(Button2, "Button2", Button2->text());
    Image1 = new TColourImage(QSize(300, 120), this);
    named(Image1, "Image1", QStringLiteral("Paleta"));
    SpeedButton1 = new QToolButton(this);
    named(SpeedButton1, "SpeedButton1", QStringLiteral("Zpět"));
    SpeedButton1->setArrowType(Qt::UpArrow);
    SpeedButton1->setToolTip(QStringLiteral("Zpět"));
    SpeedButton2 = new QToolButton(this);
    named(SpeedButton2, "SpeedButton2", QStringLiteral("Dále"));
    SpeedButton2->setArrowType(Qt::DownArrow);
    SpeedButton2->setToolTip(QStringLiteral("Dále"));
    Image2 = new TColourImage(QSize(50, 50), this);
    named(Image2, "Image2", QStringLiteral("Zvolená Barva"));
    Edit1 = new QLineEdit(this);
    named(Edit1, "Edit1", QStringLiteral("Hodnota"));
    Edit1->setMaxLength(16);
    Button3 = new QPushButton(QStringLiteral("Vložit"), this);
    named(Button3, "Button3", Button3->text());
    Button3->setDefault(true);
    Button4 = new QPushButton(QStringLiteral("Storno"), this);
    named(Button4, "Button4", Button4->text());

    auto *paletteRow = new QHBoxLayout;
    paletteRow->addWidget(new QLabel(QStringLiteral("Zvolená Paleta"), this));
    paletteRow->addWidget(ComboBox1, 1);
    paletteRow->addWidget(Button1);
    paletteRow->addWidget(Button2);
    auto *scroll = new QVBoxLayout;
    scroll->addWidget(SpeedButton1);
    scroll->addStretch(1);
    scroll->addWidget(SpeedButton2);
    auto *gridRow = new QHBoxLayout;
    gridRow->addWidget(Image1);
    gridRow->addLayout(scroll);
    auto *chosen = new QGroupBox(QStringLiteral("Zvolená Barva"), this);
    auto *chosenLayout = new QGridLayout(chosen);
    chosenLayout->addWidget(Image2, 0, 0, 2, 1);
    chosenLayout->addWidget(new QLabel(QStringLiteral("Hodnota"), chosen), 0, 1);
    chosenLayout->addWidget(Edit1, 1, 1);
    gridRow->addWidget(chosen);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(paletteRow);
    layout->addLayout(gridRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Select(); });
    connect(Button1, &QPushButton::clicked, this, &TForm9::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm9::Button2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm9::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm9::SpeedButton2Click);
    connect(Image1, &TColourImage::MouseDown, this, &TForm9::Image1MouseDown);
    connect(Edit1, &QLineEdit::textEdited, this, &TForm9::Edit1Change);
    connect(Button3, &QPushButton::clicked, this, &TForm9::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm9::showEvent(QShowEvent *event)
{
    ViewStart = 1;
    RefreshPaletteList();
    TColor first = 0;
    Image1->PixelAt(QPoint(2, 2), &first);
    ShowColour(first);
    QDialog::showEvent(event);
}

QString TForm9::ChosenPalettePath() const
{
    if (ComboBox1->currentIndex() < 0)
        return {};
    return PaletteFile::PathOf(PaletteFolder(), ComboBox1->currentText());
}

void TForm9::RefreshPaletteList()
{
    ComboBox1->clear();
    ComboBox1->addItems(PaletteFile::Names(PaletteFolder()));
    if (LastPaletteIndex >= 0 && LastPaletteIndex < ComboBox1->count())
        ComboBox1->setCurrentIndex(LastPaletteIndex);
    else if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
    // Without a palette there is nothing to edit.
    Button2->setEnabled(ComboBox1->count() > 0);
    ViewStart = 1;
    ComboBox1Select();
}

bool ReadPaletteFile(const QString &path, TPalette *palette)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Dialogs().Information(QStringLiteral("Paletu ") + path + QStringLiteral(" se nepodařilo otevřít.\n")
                              + file.errorString());
        *palette = TPalette{};
        return false;
    }
    if (!PaletteFile::Parse(file.readAll(), palette)) {
        Dialogs().Information(QStringLiteral("Soubor ") + path
                              + QStringLiteral(" není platná paleta: má obsahovat počet barev a pak na každém "
                                               "řádku tři čísla (červená, zelená, modrá)."));
        return false;
    }
    return true;
}

void TForm9::ComboBox1Select()
{
    Palette = TPalette{};
    if (ComboBox1->currentIndex() >= 0) {
        LastPaletteIndex = ComboBox1->currentIndex();
        ReadPaletteFile(ChosenPalettePath(), &Palette);
    }
    PaletteCount = Palette.Count;
    DrawGrid();
}

void TForm9::DrawGrid()
{
    Image1->SetImage(PaletteGrid::Draw(Palette, ViewStart - 1, GridRows));
}

void TForm9::SpeedButton1Click()
{
    if (PaletteCount < GridColours)
        return;
    ViewStart = std::max(1, ViewStart - ScrollStep);
    DrawGrid();
}

void TForm9::SpeedButton2Click()
{
    if (PaletteCount < GridColours || PaletteCount < ViewStart + GridColours)
        return;
    ViewStart += ScrollStep;
    DrawGrid();
}

void TForm9::ShowColour(TColor colour)
{
    Image2->Fill(colour);
    Edit1->setText(ColorToHtml(colour));
}

void TForm9::Image1MouseDown(const QPoint &point)
{
    TColor colour = 0;
    if (Image1->PixelAt(point, &colour))
        ShowColour(colour);
}

void TForm9::Edit1Change()
{
    const QString text = Edit1->text();
    if (!IsHtmlColour(text))
        return;
    const TColor colour = HtmlToColor(text);
    Image2->Fill(colour);
    const QString normal = ColorToHtml(colour);
    if (normal != text)
        Edit1->setText(normal);
}

bool TForm9::CreatePaletteFile(const QString &name)
{
    if (!PaletteFile::IsUsableFileName(name)) {
        Dialogs().Information(QStringLiteral("Zadejte prosím název palety (bez znaků / \\ : * ? \" < > |)."));
        return false;
    }
    const QString path = PaletteFile::PathOf(PaletteFolder(), name);
    // A new palette never takes the place of one the user filled.
    if (QFileInfo::exists(path)) {
        Dialogs().Information(QStringLiteral("Paleta ") + name
                              + QStringLiteral(" již existuje. Zvolte prosím jiný název."));
        return false;
    }
    try {
        if (!QDir().mkpath(PaletteFolder()))
            throw EInOutError(PaletteFolder(), QStringLiteral("Složku nelze vytvořit"));
        TextFile::Write(path, {QStringLiteral("0")}, Codec::TextEncoding::Windows1250);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Paletu ") + name + QStringLiteral(" se nepodařilo vytvořit."), e);
        return false;
    }
    // The palette chosen before stays chosen, wherever the new name sorts.
    const int before = PaletteFile::Names(PaletteFolder()).indexOf(ComboBox1->currentText());
    if (ComboBox1->currentIndex() >= 0 && before >= 0)
        LastPaletteIndex = before;
    RefreshPaletteList();
    return true;
}

void TForm9::Button1Click()
{
    Form5->Run(QStringLiteral("Název Palety:"), QStringLiteral("Vytvořit Paletu"),
               [this](const QString &name) { return CreatePaletteFile(name); });
}

void TForm9::Button2Click()
{
    if (ComboBox1->currentIndex() < 0 || !Form10)
        return;
    Form10->exec();
}

void TForm9::Button3Click()
{
    const QString text = Edit1->text();
    // Only a colour goes into the page: a half-typed value would be written as it stands.
    if (!IsHtmlColour(text)) {
        Dialogs().Information(QStringLiteral("Zadejte prosím barvu jako #RRGGBB nebo jedním z názvů barev (např. Red)."));
        return;
    }
    accept();
    SendColour(text);
}

void TForm9::SendColour(const QString &text)
{
    if (PaletteTarget == QStringLiteral("Combo")) {
        if (ApplyPaletteColour)
            ApplyPaletteColour(text);
    } else if (PaletteTarget == QStringLiteral("Pozadi") || PaletteTarget == QStringLiteral("Pismo")
               || PaletteTarget == QStringLiteral("Odkaz")) {
        if (ApplyTranslatorColour)
            ApplyTranslatorColour(PaletteTarget, text);
    } else if (PaletteTarget == QStringLiteral("Rich") && Form2) {
        const int tab = Form2->PageControl1->currentIndex();
        if (tab != EditorTab && tab != TranslatorTab)
            return;
        InsertTag(text, QString(), 0);
        (tab == EditorTab ? Form2->HTMLEditor1 : Form2->HTMLEditor2)->setFocus();
    }
}
