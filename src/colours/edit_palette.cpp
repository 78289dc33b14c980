#include "colours/edit_palette.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "colours/colour_image.h"
#include "colours/html_colour.h"
#include "colours/palette.h"
#include "documents/document_commands.h"
#include "errorreport/io_error.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The number in a field, or -1 when it holds anything else.
int FieldNumber(const QLineEdit *edit)
{
    bool ok = false;
    const int v = edit->text().trimmed().toInt(&ok);
    return ok ? v : -1;
}

} // namespace

TForm10::TForm10(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Editovat Paletu"));
    setAccessibleName(windowTitle());

    const auto named = [](QWidget *w, const char *name, const QString &caption) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(caption);
    };
    const auto field = [&](const char *name, const QString &caption) {
        auto *e = new QLineEdit(QStringLiteral("100"), this);
        named(e, name, caption);
        e->setMaxLength(5);
        e->setFixedWidth(44);
        return e;
    };

    Image2 = new TColourImage(QSize(47, 93), this);
    named(Image2, "Image2", QStringLiteral("Barvy"));
    Image2->SetImage(SpectrumImage());
    Image2->setCursor(Qt::CrossCursor);
    Image2->setMouseTracking(false);
    Image3 = new TColourImage(QSize(50, 50), this);
    named(Image3, "Image3", QStringLiteral("Vybraná Barva"));
    Edit1 = new QLineEdit(this);
    named(Edit1, "Edit1", QStringLiteral("Hodnota"));
    Edit1->setMaxLength(16);
    Edit1->setFixedWidth(90);
    Edit2 = field("Edit2", QStringLiteral("Červená"));
    Edit3 = field("Edit3", QStringLiteral("Zelená"));
    Edit4 = field("Edit4", QStringLiteral("Modrá"));
    Button1 = new QPushButton(QStringLiteral("Přidat "), this);
    named(Button1, "Button1", QStringLiteral("Přidat"));

    Image1 = new TColourImage(QSize(300, 100), this);
    named(Image1, "Image1", QStringLiteral("Aktuální Paleta"));
    SpeedButton1 = new QToolButton(this);
    named(SpeedButton1, "SpeedButton1", QStringLiteral("Zpět"));
    SpeedButton1->setArrowType(Qt::LeftArrow);
    SpeedButton1->setToolTip(QStringLiteral("Zpět"));
    SpeedButton2 = new QToolButton(this);
    named(SpeedButton2, "SpeedButton2", QStringLiteral("Dále"));
    SpeedButton2->setArrowType(Qt::RightArrow);
    SpeedButton2->setToolTip(QStringLiteral("Dále"));
    Button2 = new QPushButton(QStringLiteral("Odebrat Zvolený"), this);
    named(Button2, "Button2", Button2->text());
    Button3 = new QPushButton(QStringLiteral("Vynulovat Paletu"), this);
    named(Button3, "Button3", Button3->text());
    Button4 = new QPushButton(QStringLiteral("OK"), this);
    named(Button4, "Button4", Button4->text());
    Button5 = new QPushButton(QStringLiteral("Storno"), this);
    named(Button5, "Button5", Button5->text());

    auto *newColour = new QGroupBox(QStringLiteral("Nová Barva"), this);
    auto *nc = new QGridLayout(newColour);
    nc->addWidget(new QLabel(QStringLiteral("Barvy"), newColour), 0, 0);
    nc->addWidget(Image2, 1, 0, 4, 1);
    nc->addWidget(new QLabel(QStringLiteral("Vybraná Barva"), newColour), 0, 1);
    nc->addWidget(Image3, 1, 1, 2, 1, Qt::AlignTop);
    nc->addWidget(new QLabel(QStringLiteral("Hodnota"), newColour), 0, 2);
    nc->addWidget(Edit1, 1, 2);
    nc->addWidget(new QLabel(QStringLiteral("RGB"), newColour), 2, 2);
    auto *rgb = new QHBoxLayout;
    rgb->addWidget(Edit2);
    rgb->addWidget(Edit3);
    rgb->addWidget(Edit4);
    nc->addLayout(rgb, 3, 2);
    nc->addWidget(Button1, 4, 2, Qt::AlignRight);

    auto *current = new QGroupBox(QStringLiteral("Aktuální Paleta"), this);
    auto *cp = new QGridLayout(current);
    cp->addWidget(SpeedButton1, 0, 0);
    cp->addWidget(Image1, 0, 1);
    cp->addWidget(SpeedButton2, 0, 2);
    auto *cpButtons = new QHBoxLayout;
    cpButtons->addWidget(Button2);
    cpButtons->addWidget(Button3);
    cpButtons->addStretch(1);
    cp->addLayout(cpButtons, 1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button4);
    buttons->addWidget(Button5);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(newColour);
    layout->addWidget(current);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Image1, &TColourImage::MouseDown, this, &TForm10::Image1MouseDown);
    connect(Image2, &TColourImage::MouseDown, this, &TForm10::Image2MouseDown);
    connect(Image2, &TColourImage::MouseMove, this, &TForm10::Image2MouseMove);
    connect(Image2, &TColourImage::MouseUp, this, [this] { SpectrumTracking = false; });
    connect(Edit1, &QLineEdit::textEdited, this, &TForm10::Edit1Change);
    connect(Edit2, &QLineEdit::textEdited, this, [this] { RgbChange(true); });
    connect(Edit3, &QLineEdit::textEdited, this, [this] { RgbChange(false); });
    connect(Edit4, &QLineEdit::textEdited, this, [this] { RgbChange(false); });
    connect(Button1, &QPushButton::clicked, this, &TForm10::Button1Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm10::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm10::SpeedButton2Click);
    connect(Button2, &QPushButton::clicked, this, &TForm10::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm10::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm10::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm10::showEvent(QShowEvent *event)
{
    EditOffset = 0;
    ViewStart = 1;
    SelectedCell = 1;
    SpectrumTracking = false;
    Refreshpalety();
    TColor first = 0;
    Image1->PixelAt(QPoint(2, 2), &first);
    ShowColour(first);
    QDialog::showEvent(event);
}

void TForm10::Refreshpalety()
{
    m_path = Form9 ? Form9->ChosenPalettePath() : QString();
    TPalette palette;
    m_readable = m_path.isEmpty() || ReadPaletteFile(m_path, &palette);
    EditColours = palette.AllColours();
    PaletteCount = int(EditColours.size());
    RepaintEditorGrid();
}

void TForm10::RepaintEditorGrid()
{
    TPalette view;
    view.Colours = EditColours;
    view.Count = PaletteCount;
    Image1->SetImage(PaletteGrid::Draw(view, EditOffset, GridRows));
}

void TForm10::ShowColour(TColor colour)
{
    Image3->Fill(colour);
    Edit1->setText(ColorToHtml(colour));
    Edit2->setText(QString::number(colour & 0xFF));
    Edit3->setText(QString::number((colour >> 8) & 0xFF));
    Edit4->setText(QString::number((colour >> 16) & 0xFF));
}

void TForm10::Image1MouseDown(const QPoint &point)
{
    TColor colour = 0;
    if (!Image1->PixelAt(point, &colour))
        return;
    SelectedCell = PaletteGrid::CellAt(point.x(), point.y(), GridRows);
    ShowColour(colour);
}

void TForm10::Image2MouseDown(const QPoint &point)
{
    SpectrumTracking = true;
    TColor colour = 0;
    if (Image2->PixelAt(point, &colour))
        ShowColour(colour);
}

void TForm10::Image2MouseMove(const QPoint &point)
{
    TColor colour = 0;
    if (SpectrumTracking && Image2->PixelAt(point, &colour))
        ShowColour(colour);
}

void TForm10::Edit1Change()
{
    const QString text = Edit1->text();
    if (!IsHtmlColour(text))
        return;
    ShowColour(HtmlToColor(text));
}

void TForm10::RgbChange(bool red)
{
    QLineEdit *fields[] = {Edit2, Edit3, Edit4};
    if (red)
        for (QLineEdit *f : fields)
            if (FieldNumber(f) >= 256)
                f->setText(QStringLiteral("255"));
    int v[3];
    for (int i = 0; i < 3; ++i) {
        v[i] = FieldNumber(fields[i]);
        if (v[i] < 0 || v[i] > 255)
            return;
    }
    const TColor colour = TColor(v[0]) | TColor(v[1]) << 8 | TColor(v[2]) << 16;
    Image3->Fill(colour);
    Edit1->setText(ColorToHtml(colour));
}

void TForm10::Button1Click()
{
    QLineEdit *fields[] = {Edit2, Edit3, Edit4};
    int v[3];
    for (int i = 0; i < 3; ++i) {
        if (fields[i]->text().trimmed().isEmpty()) {
            Dialogs().Information(QStringLiteral("Zadejte prosím číslenou hodnotu!"));
            return;
        }
        v[i] = FieldNumber(fields[i]);
        if (v[i] < 0 || v[i] > 255) {
            Dialogs().Information(QStringLiteral("Červená, zelená i modrá složka musí být celé číslo od 0 do 255!"));
            fields[i]->setFocus();
            fields[i]->selectAll();
            return;
        }
    }
    EditColours << (TColor(v[0]) | TColor(v[1]) << 8 | TColor(v[2]) << 16);
    PaletteCount = int(EditColours.size());
    RepaintEditorGrid();
}

void TForm10::SpeedButton1Click()
{
    if (PaletteCount < GridColours)
        return;
    EditOffset = std::max(0, EditOffset - GridRows);
    RepaintEditorGrid();
}

void TForm10::SpeedButton2Click()
{
    if (PaletteCount <= EditOffset + GridColours)
        return;
    EditOffset += GridRows;
    RepaintEditorGrid();
}

void TForm10::Button2Click()
{
    const int index = EditOffset + SelectedCell; // from 1
    if (index < 1 || index > PaletteCount)
        return;
    EditColours.removeAt(index - 1);
    PaletteCount = int(EditColours.size());
    EditOffset = 0;
    ViewStart = 1;
    RepaintEditorGrid();
}

void TForm10::Button3Click()
{
    EditColours.clear();
    PaletteCount = 0;
    RepaintEditorGrid();
}

void TForm10::Button4Click()
{
    if (!m_readable
        && Dialogs().Confirm(QStringLiteral("Paletu se nepodařilo přečíst. Opravdu ji chcete přepsat?"),
                             TButtons::YesNo) != TAnswer::Yes)
        return;
    if (!m_path.isEmpty()) {
        QSaveFile file(m_path);
        const QByteArray bytes = PaletteFile::Format(EditColours);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
            ReportIoError(QStringLiteral("Paletu se nepodařilo uložit."), EInOutError(m_path, file.errorString()));
            return;
        }
    }
    accept();
    if (Form9)
        Form9->ComboBox1Select();
}
