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
