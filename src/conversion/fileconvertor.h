// The file converter "Kovertor Souborů": a list of input files copied line
// by line into an output folder, 8-bit text to UTF-16 and back.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

class TFFileConvertor : public QDialog
{
    Q_OBJECT

public:
    explicit TFFileConvertor(QWidget *parent = nullptr);

    QGroupBox *GroupBox1 = nullptr;      // "Info"
    QTextEdit *Memo1 = nullptr;          // the information box
    QGroupBox *GroupBox2 = nullptr;      // "Konvertor"
    QLabel *Label1 = nullptr;            // "Vstupní Soubory"
    QPlainTextEdit *Memo2 = nullptr;     // the input files, "Žádné" when empty
    QPushButton *Button1 = nullptr;      // "Přidat..."
    QPushButton *Button2 = nullptr;      // "Odebrat"
    QPushButton *Button3 = nullptr;      // "Vymazat Vše"
    QPushButton *Button4 = nullptr;      // "Konvertovat"
    QLabel *Label2 = nullptr;            // "Výstupní Adresář"
    QLineEdit *Edit1 = nullptr;          // the output folder
    QPushButton *SpeedButton1 = nullptr; // browse for the output folder
    QPushButton *Button5 = nullptr;      // "Zpět"

    // The output folder; always the text of Edit1.
    QString OutputDir() const;

    // Reads the output folder from config.ini (done whenever the window is shown).
    void FormShow();
    void Button1Click();      // "Přidat..."
    void Button2Click();      // "Odebrat"
    void Button3Click();      // "Vymazat Vše"
    void Button4Click();      // "Konvertovat"; an I/O error stops it and is thrown on
    void SpeedButton1Click(); // browse
    // Writes the output folder into config.ini ("Zpět" and closing).
    void SaveOutputDir();

    // The list's lines.
    QStringList Lines() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SetLines(const QStringList &lines);
    // "C:\" of the original: the user's home folder, with the message.
    void FallBackToHome();
    bool OutputDirExists() const;
};
