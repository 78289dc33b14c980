// The palette editor: adds colours from the spectrum or from red, green and
// blue numbers, removes them, clears the palette; "OK" writes the file.
#pragma once

#include "colours/tcolor.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QToolButton;
class TColourImage;

class TForm10 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm10(QWidget *parent = nullptr);

    static constexpr int GridRows = 10;
    static constexpr int GridColours = 300;

    TColourImage *Image2 = nullptr; // spectrum, 47 by 93
    TColourImage *Image3 = nullptr; // "Vybraná Barva"
    QLineEdit *Edit1 = nullptr;     // "Hodnota"
    QLineEdit *Edit2 = nullptr;     // red
    QLineEdit *Edit3 = nullptr;     // green
    QLineEdit *Edit4 = nullptr;     // blue
    QPushButton *Button1 = nullptr; // "Přidat "
    TColourImage *Image1 = nullptr; // the palette, 300 by 100
    QToolButton *SpeedButton1 = nullptr; // back
    QToolButton *SpeedButton2 = nullptr; // forward
    QPushButton *Button2 = nullptr; // "Odebrat Zvolený"
    QPushButton *Button3 = nullptr; // "Vynulovat Paletu"
    QPushButton *Button4 = nullptr; // "OK"
    QPushButton *Button5 = nullptr; // "Storno"

    QList<TColor> EditColours;
    int PaletteCount = 0;
    int EditOffset = 0;
    int ViewStart = 1;
    int SelectedCell = 1;
    bool SpectrumTracking = false;

    // Reads the palette chosen in the palette window into EditColours.
    void Refreshpalety();
    void RepaintEditorGrid();
    void ShowColour(TColor colour);

    void Image1MouseDown(const QPoint &point);
    void Image2MouseDown(const QPoint &point);
    void Image2MouseMove(const QPoint &point);
    void Edit1Change();
    void RgbChange(bool red);
    void Button1Click(); // "Přidat "
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button2Click(); // "Odebrat Zvolený"
    void Button3Click(); // "Vynulovat Paletu"
    void Button4Click(); // "OK"

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_path; // the palette file being edited
    bool m_readable = true; // false: the file was no palette and is kept unless the user says otherwise
};
