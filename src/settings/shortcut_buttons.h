// The seven program shortcut buttons of the band "Panel Zástupců": a click
// starts the button's program, a right click offers "Spustit",
// "Zvolit Program..." and "Zrušit".
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QToolBar;
class QToolButton;
class QWidget;

class TShortcutButtons : public QObject
{
    Q_OBJECT

public:
    // Creates buttons 1 … 7 from left to right on bar; owner holds the popup.
    TShortcutButtons(QWidget *owner, QToolBar *bar, int buttonHeight);

    QList<QToolButton *> Buttons;
    // The seven pictures; picture n - 1 belongs to button n.
    QList<QIcon> ShortcutImageList;
    QMenu *Userprogramspopup = nullptr;
    QAction *Spustit1 = nullptr;       // "Spustit"
    QAction *ZvolitProgram1 = nullptr; // "Zvolit Program..."
    QAction *Zruit1 = nullptr;         // "Zrušit"

    // ProgramDir() + "Userconfig/zastupci.dat".
    static QString FilePath();

    // Reads the file and refreshes the seven pictures.
    void LoadShortcutIcons();
    // Starts the program of button n.
    void RunShortcut(int n);
    // Stores value (a program path or "none") for button n.
    void AssignShortcut(int n, const QString &value);

    // The button whose popup is open (the tag of the menu and its items).
    int PopupTag() const { return m_tag; }
    // What a right click on button n does before the menu opens.
    void PreparePopup(int n);

    void Spustit1Click();
    void ZvolitProgram1Click();
    void Zruit1Click();

    // The picture for a program: the icon of the desktop entry that starts
    // it where there is one, else the system's icon for the file.
    static QIcon ProgramIcon(const QString &path);

private:
    void ShowPicture(int n, const QIcon &icon);

    int m_tag = 0;
};
