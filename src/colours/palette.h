// The colour palettes window: pick a palette and a colour in it, and send
// the colour's text to whoever opened the window (PaletteTarget).
#pragma once

#include "colours/palette_file.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class TColourImage;

// Opens the palette window modally for target ("Rich", "Combo", "Pozadi",
// "Pismo" or "Odkaz"); "Vložit" sends the chosen colour there.
void ShowPaletteWindow(const QString &target);

// The palette folder: ProgramDir + "Data/Palety/".
QString PaletteFolder();

// Reads a palette file; a file that cannot be read or is no palette gets a
// Czech message and reads as an empty palette (false).
bool ReadPaletteFile(const QString &path, TPalette *palette);

class TForm9 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm9(QWidget *parent = nullptr);

    static constexpr int GridRows = 12;
    static constexpr int GridColours = GridRows * PaletteGrid::kVisibleColumns; // 360
    static constexpr int ScrollStep = 26;

    QComboBox *ComboBox1 = nullptr;   // "Zvolená Paleta"
    QPushButton *Button1 = nullptr;   // "Vytvořit Novou...."
    QPushButton *Button2 = nullptr;   // "Editovat ..."
    TColourImage *Image1 = nullptr;   // the grid, 300 by 120
    QToolButton *SpeedButton1 = nullptr; // back
    QToolButton *SpeedButton2 = nullptr; // forward
    TColourImage *Image2 = nullptr;   // "Zvolená Barva"
    QLineEdit *Edit1 = nullptr;       // "Hodnota"
    QPushButton *Button3 = nullptr;   // "Vložit"
    QPushButton *Button4 = nullptr;   // "Storno"

    int PaletteCount = 0;
    int ViewStart = 1;
    int LastPaletteIndex = -1;
    // The palette last read, as the grid draws it.
    TPalette Palette;

    // The file of the palette chosen in the list; empty when there is none.
    QString ChosenPalettePath() const;

    void RefreshPaletteList();
    void ComboBox1Select();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Image1MouseDown(const QPoint &point);
    void Edit1Change();
    void Button1Click(); // "Vytvořit Novou...."
    void Button2Click(); // "Editovat ..."
    void Button3Click(); // "Vložit"
    // Writes an empty palette named name; refuses (with a message) a name
    // that is empty, unusable as a file name or already a palette.
    bool CreatePaletteFile(const QString &name);
    // Sends text to PaletteTarget, as "Vložit" does once the window closed.
    static void SendColour(const QString &text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void DrawGrid();
    void ShowColour(TColor colour);
};
