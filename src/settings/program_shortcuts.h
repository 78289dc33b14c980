// Userconfig/zastupci.dat: the programs of the seven shortcut buttons.
// Line 1 is kept as it is; line n + 1 holds the program of button n or "none".
#pragma once

#include <QString>
#include <QStringList>

namespace ProgramShortcuts {

constexpr int ButtonCount = 7;

// The value of a button without a program.
QString None();
// The first line written into a file that has none.
QString DefaultFirstLine();

// The file's eight lines. A missing file, or one with fewer lines, reads as
// buttons without programs, so the toolbar works before the first
// assignment. Throws EInOutError when the file exists but cannot be read.
QStringList ReadLines(const QString &path);

// The program of button n (1 … 7) in lines as ReadLines gives them.
QString Assignment(const QStringList &lines, int n);

// Stores value as the program of button n: every line read, line n + 1
// replaced, all written back (line 1 and any further lines unchanged).
// Throws EInOutError.
void Assign(const QString &path, int n, const QString &value);

} // namespace ProgramShortcuts
