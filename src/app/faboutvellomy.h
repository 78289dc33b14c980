// The about box: the program's version, build date and memory figures,
// the maker's page and the support address. Created once at start; its
// values are computed each time it is shown.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TAboutVellomy : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutVellomy(QWidget *parent = nullptr);

    // Fills the value labels: memory, build date and version of the moment.
    void FormShow();
    // The maker's page and the support address, through the shell.
    void Label8Click();
    void PodporaClick();

    QLabel *Image1 = nullptr;
    QLabel *Label8 = nullptr;     // "Aktualizace na" + the maker's address
    QLabel *Autor = nullptr;      // "Naprogramoval:"
    QLabel *Verze = nullptr;      // "Verze Programu:"
    QLabel *Datum = nullptr;      // "Vytvořeno Dne:"
    QLabel *Pamet = nullptr;      // "Velikost Fyzické Paměti:"
    QLabel *Vyuzito = nullptr;    // "Využito:"
    QLabel *Podpora = nullptr;    // the support address
    QPlainTextEdit *Memo1 = nullptr; // acknowledgements
    QPushButton *Button1 = nullptr;  // "OK"

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
