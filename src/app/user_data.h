// An installed program's data: the shipped copy under <prefix>/share/vellomy
// is read-only, so the program works in a per-user copy of it.
#pragma once

#include <QString>
#include <QStringList>

// The folder of shipped data for a program installed with its executable in
// exeDir, or empty when the program runs from its build folder (the data
// folder "Data" sits beside the executable). shareRelative leads from the
// executable's folder to the shipped data ("../share/vellomy").
QString InstalledDataDir(const QString &exeDir, const QString &shareRelative);

// The per-user folder of an installed program: $XDG_DATA_HOME/vellomy
// (~/.local/share/vellomy).
QString UserDataDir();

// Brings the user's folder up to date with the shipped data. A file the user
// does not have yet is copied; a file the program shipped before is replaced
// by a newer shipped version only while the user has left it unchanged; a
// file the user changed or deleted stays as the user left it. What was
// shipped is remembered in the user folder's ".vellomy-data". Returns a
// Czech line for each file that could not be brought over.
QStringList SyncUserData(const QString &shippedDir, const QString &userDir);

// The manifest's file name inside the user folder.
inline constexpr const char *UserDataManifest = ".vellomy-data";
