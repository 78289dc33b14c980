// The main window: the strip across the top of the screen with the menus,
// toolbars and quick-insert buttons through which every command is reached.
#pragma once

#include <QColor>
#include <QHash>
#include <QMainWindow>

class QAction;
class QMenu;
class QTabWidget;
class QToolBar;
class QToolButton;
class TShortcutButtons;
struct TInsertionCommand;

class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // Height of the control bar below the menu: two rows of buttons beside
    // the quick-insert tabs.
    static constexpr int ClientHeight = 54;

    // "Soubor"
    QAction *Nov1 = nullptr;          // "Nový..."
    QAction *Otevt1 = nullptr;        // "Otevřít..."
    QAction *OtevtProjekt1 = nullptr; // "Otevřít Projekt..."
    QMenu *ZnovuOpen = nullptr;       // "Znovu Otervřít"
    QList<QAction *> ZnovuOpenItems;  // N11, N21, N31, N6, N41 … N101
    QAction *Ulozit = nullptr;        // "Uložit"
    QAction *Ulozitjako = nullptr;    // "Uložit Jako..."
    QAction *UloitJakoablonu1 = nullptr; // "Uložit Jako Šablonu..."
    QAction *Ulozitprojekt = nullptr; // "Uložit Projekt..."
    QAction *Ulozvse = nullptr;       // "Uložit Vše"
    QAction *Zavri = nullptr;         // "Zavřít"
    QAction *Zavrivse = nullptr;      // "Zavři Vše"
    QAction *Tisk = nullptr;          // "Tisk..."
    QAction *Konec1 = nullptr;        // "Konec"

    // "Úpravy"
    QAction *Zpt1 = nullptr;      // "Zpět"
    QAction *Kopruj1 = nullptr;   // "Vyjmout"
    QAction *Kopruj2 = nullptr;   // "Kopírovat"
    QAction *Vlo1 = nullptr;      // "Vložit"
    QAction *Sma1 = nullptr;      // "Smazat"
    QAction *VyberVe1 = nullptr;  // "Vybrat Vše"
    QAction *Najt1 = nullptr;     // "Najít..."
    QAction *Nahradit1 = nullptr; // "Najít Další"
    QAction *Nahradit2 = nullptr; // "Nahradit..."

    // "Zobrazit"
    QAction *PracovnPlocha1 = nullptr; // "Pracovní Plocha"
    QAction *PraconPanel1 = nullptr;   // "Pracovní Panel"
    QAction *ObnovovanNvrh1 = nullptr; // "Obnovovaný Návrh"
    QAction *Seznamznak1 = nullptr;    // "Seznam Znaků"
    QAction *P2 = nullptr;             // "Prepnout na HTML" (hidden)
    QAction *Q1 = nullptr;             // "PRepnout na nahled" (hidden)

    // "Formát"
    QAction *PipojitStylZeSouboru1 = nullptr;      // "Připojit Styl ze Souboru..."
    QAction *ZmensitText1 = nullptr;               // "Zmenšit Text"
    QAction *ZvetsitText1 = nullptr;               // "Zvetšit Text"
    QAction *UpravitTagynavelkapismena1 = nullptr; // "Tagy Na Velké"
    QAction *agyNaMal1 = nullptr;                  // "Tagy Na Malé"

    // "HTML" (the tag items of "Tagy" are reached through Command())
    QAction *NezalomitelnMezera1 = nullptr; // "Nezalomitelná Mezera"
    QAction *Copyright1 = nullptr;          // "Copyright ©"
    QAction *rademark1 = nullptr;           // "Trademark ™"
    QAction *Registered1 = nullptr;         // "Registered ®"
    QAction *VytvoitImageMapu1 = nullptr;   // "Vytvořit Image Mapu"
    QAction *EditovatImageMapu1 = nullptr;  // "Editovat Image Mapu"
    QAction *Vlastn1 = nullptr;             // "Vlastní..."
    QAction *ZPalety1 = nullptr;            // "Z Palety..."
    QAction *ZobrazitNhled1 = nullptr;      // "Zobrazit Náhled"
    QAction *DnenDatum1 = nullptr;          // "Dnešní Datum"
    QList<QAction *> BookmarkItems;         // Bookmark01, Bookmark11 … Bookmark91

    // "Nastavení"
    QAction *Uivatelsk1 = nullptr;       // "Uživatelská..."
    QAction *KonvertorSoubor2 = nullptr; // "Konvertor Souborů..."
    QAction *ExternProhliee2 = nullptr;  // "Externí Prohližeče..."

    // "Nápověda"
    QAction *JakpracovatsVellomy1 = nullptr; // the program's own help
    QAction *SyntaxeHTML1 = nullptr;         // "Syntaxe HTML"
    QAction *Aktualizace1 = nullptr;         // "Aktualizace"
    QAction *OProgramu1 = nullptr;           // "O Programu"

    // The control bar and its four bands.
    QWidget *ControlBar1 = nullptr;
    QToolBar *ToolBar1 = nullptr; // "Standart"
    QToolBar *ToolBar2 = nullptr; // "Jiné"
    QToolBar *ToolBar3 = nullptr; // "Panel Zástupců"
    QTabWidget *Pagecontrol2 = nullptr; // quick-insert tabs

    // "Standart"
    QToolButton *Newfile = nullptr;
    QToolButton *Openfile = nullptr;
    QToolButton *Savefile = nullptr;
    QToolButton *Saveall = nullptr;
    QToolButton *SpeedButton18 = nullptr; // undo
    QToolButton *SpeedButton12 = nullptr; // find
    QToolButton *SpeedButton13 = nullptr; // replace
    QToolButton *SpeedButton15 = nullptr; // workspace
    QToolButton *SpeedButton16 = nullptr; // work panel
    QToolButton *SpeedButton17 = nullptr; // refreshable preview
    QToolButton *SpeedButton2 = nullptr;  // new image map
    QToolButton *SpeedButton3 = nullptr;  // edit image map
    // "Jiné"
    QToolButton *Preview = nullptr;
    QToolButton *SpeedButton20 = nullptr; // help
    QToolButton *SpeedButton21 = nullptr; // refreshable preview
    // "Panel Zástupců": the program shortcut buttons 1 … 7, left to right.
    QList<QToolButton *> ShortcutButtons;
    TShortcutButtons *Shortcuts = nullptr; // their pictures, popup and zastupci.dat

    // The menu item of a command of the insertion table, or null.
    QAction *Command(const QString &name) const;
    // The quick-insert button of that name, or null.
    QToolButton *QuickButton(const QString &name) const;

    void Konec1Click();
    void TiskClick();
    // The clipboard commands, on the editor that the workspace's tab says.
    void Kopruj1Click();
    void Kopruj2Click();
    void Vlo1Click();
    void Sma1Click();
    void VyberVe1Click();
    void SyntaxeHTML1Click();
    void Aktualizace1Click();
    // A command of the insertion table, menu item or button alike.
    void RunInsertionCommand(const TInsertionCommand &command);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class TClipboardOp { Cut, Copy, Paste, Delete, SelectAll };
    void ClipboardCommand(TClipboardOp op);
    void BuildMenus();
    void BuildControlBar();
    void CustomColour();
    void AttachStyleSheetFromFile();
    void ToggleCharacterBar();
    void ShowWorkspaceTab(int index);

    bool m_exiting = false;
    QColor m_lastColour = Qt::black; // the colour dialog starts on the last choice
    QHash<QString, QAction *> m_commands;
    QHash<QString, QToolButton *> m_quickButtons;
};
