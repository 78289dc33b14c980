// The workspace's tab "HTML Translator": a visual editor on the left, the
// code editor for BODY content on the right, the buttons that copy one into
// the other, the formatting controls, the BODY settings that only affect
// what the visual editor shows, and the insertion into the document.
#pragma once

#include <QList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QToolButton;
class THTMLEdit;
class TDHTMLSafe;

class THTMLTranslator : public QWidget
{
    Q_OBJECT

public:
    // Lays out the tab around the workspace's code editor, which it adopts.
    THTMLTranslator(THTMLEdit *codeEditor, QWidget *parent);
    ~THTMLTranslator() override;

    // "Nastavení Body(Nemá vliv na výstupní kód)"
    QGroupBox *GroupBox1 = nullptr;
    QComboBox *ComboBox1 = nullptr; // background colour
    QToolButton *SpeedButton40 = nullptr;
    QToolButton *SpeedButton41 = nullptr;
    QComboBox *ComboBox3 = nullptr; // link colour
    QToolButton *SpeedButton42 = nullptr;
    QToolButton *SpeedButton43 = nullptr;
    QLineEdit *Edit1 = nullptr;     // background picture
    QToolButton *SpeedButton36 = nullptr;

    // "Editor Formátovaného Textu"
    QGroupBox *GroupBox2 = nullptr;
    QComboBox *ComboBox5 = nullptr; // font name
    QComboBox *ComboBox6 = nullptr; // font size 1..7
    QToolButton *SpeedButton30 = nullptr, *SpeedButton31 = nullptr, *SpeedButton32 = nullptr;
    QToolButton *SpeedButton37 = nullptr, *SpeedButton38 = nullptr, *SpeedButton39 = nullptr;
    QComboBox *ComboBox2 = nullptr; // text colour
    QToolButton *SpeedButton44 = nullptr;
    QToolButton *SpeedButton45 = nullptr;
    QToolButton *SpeedButton28 = nullptr; // picture
    QToolButton *SpeedButton46 = nullptr; // table
    // Rows, columns and cells: 47 insert row … 54 merge.
    QToolButton *SpeedButton47 = nullptr, *SpeedButton48 = nullptr, *SpeedButton49 = nullptr;
    QToolButton *SpeedButton50 = nullptr, *SpeedButton51 = nullptr, *SpeedButton52 = nullptr;
    QToolButton *SpeedButton53 = nullptr, *SpeedButton54 = nullptr;

    // "Editor Kódu (Vloží barvu)": palette, custom colour, fifteen names.
    QGroupBox *GroupBox3 = nullptr;
    QList<QToolButton *> CodeColourButtons;

    QPushButton *Button1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label6 = nullptr;
    TDHTMLSafe *DHTMLEdit1 = nullptr;
    QWidget *Panel2 = nullptr;
    QToolButton *SpeedButton33 = nullptr; // code to visual
    QToolButton *SpeedButton34 = nullptr; // visual to code
    QToolButton *SpeedButton35 = nullptr; // help
    THTMLEdit *HTMLEditor2 = nullptr;

    void PushCodeToVisual();
    void PullVisualToCode();
    // Button1: the code into the main editor at its caret, tab 0 shown.
    void Button1Click();
    void HelpClick();

    // Entering the tab: the BODY settings and the format boxes start afresh.
    void ResetBodySettings();

    void DHTMLEdit1DisplayChanged();
    void HTMLEditor2SelectionChange();

    // Formatting buttons: the command runs when the editor reports it enabled
    // (a format already on, status 7, is left as it is).
    void FormatButtonClick(QToolButton *button, int command);
    void ComboBox1Change();
    void ComboBox3Change();
    void ComboBox2Change();
    void ComboBox5Select(const QString &font);
    void ComboBox6Select(const QString &size);
    void Edit1Change();
    void CustomColourFor(QComboBox *box);
    void PaletteFor(const QString &target);
    void PictureClick();
    void BackgroundPictureClick();

    // "Pozadi", "Pismo" or "Odkaz": the colour text into that list, then its
    // change handling (the palette window's hand-off).
    void ApplyColour(const QString &target, const QString &colour);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void SetButtonGlyph(QToolButton *button, int glyph, bool enabled);
    void SplitInHalves();

    QSplitter *m_splitter = nullptr;
    bool m_splitSet = false;
    bool m_displayUpdating = false;
};

// The glyphs of the row, column and cell buttons: 0 insert row, 1 insert
// column, 2 insert cell, 3 delete row, 4 delete column, 5 delete cell,
// 7 split and merge.
QIcon TableGlyph(int index);
