// The main window: the strip across the top of the screen with the menus and
// toolbars through which every command is reached.
#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QToolBar;

class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // Height of the control bar below the menu, as designed.
    static constexpr int ClientHeight = 54;

    QAction *Otevt1 = nullptr;     // "Otevřít..."
    QAction *OtevtProjekt1 = nullptr; // "Otevřít Projekt..."
    QMenu *ZnovuOpen = nullptr;       // "Znovu Otervřít"
    QList<QAction *> ZnovuOpenItems;  // N11, N21, N31, N6, N41 … N101
    QAction *Ulozitprojekt = nullptr; // "Uložit Projekt..."
    QAction *Ulozit = nullptr;     // "Uložit"
    QAction *Ulozitjako = nullptr; // "Uložit Jako..."
    QAction *Ulozvse = nullptr;    // "Uložit Vše"
    QAction *Zavri = nullptr;      // "Zavřít"
    QAction *Zavrivse = nullptr;   // "Zavři Vše"
    QAction *Tisk = nullptr;       // "Tisk..."
    QAction *Konec1 = nullptr;     // "Konec"
    QAction *PracovnPlocha1 = nullptr; // "Pracovní Plocha"
    QAction *PraconPanel1 = nullptr;   // "Pracovní Panel"

    QToolBar *ToolBar1 = nullptr; // "Standart"

    void Konec1Click();
    void TiskClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_exiting = false;
};
