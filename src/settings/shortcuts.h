// Keyboard shortcuts of the main menu's commands: Userconfig/zkratky.dat,
// one line per function in a fixed order, empty for none.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

struct TShortcutFunction {
    QString label;   // as the settings dialog lists it
    QString command; // the main menu command it drives
};

namespace Shortcuts {

// The 61 functions in file order.
const QList<TShortcutFunction> &Functions();

QString FilePath();

// "Shift+Ctrl+Alt+Key" with the key names of the stored form ("BkSp", "Ins",
// "Del", "Esc", "Enter", "PgUp" ...) to a key sequence; empty when it does
// not parse. And back.
QKeySequence Parse(const QString &text);
QString Format(const QKeySequence &sequence);

// The file's lines, 61 of them (missing ones empty, extra ones ignored).
// false with a Czech message when the file cannot be read.
bool Read(const QString &path, QStringList *lines, QString *error);
void Write(const QString &path, const QStringList &lines); // throws EInOutError

} // namespace Shortcuts

// Reads the file and gives each function's command its shortcut.
void ApplyShortcuts();

// The settings dialog's shortcuts list filled from the commands' shortcuts,
// and the direct items of the main menus without theirs while it is open.
void FillShortcutList();
// The list's 61 shortcut texts into zkratky.dat (throws EInOutError).
void SaveShortcuts();
// A command's shortcut; commands without a menu entry of their own get a
// shortcut object of the main window, as hidden menu items take no keys.
void SetCommandShortcut(const QString &command, const QKeySequence &sequence);
QKeySequence CommandShortcut(const QString &command);
