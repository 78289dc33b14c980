// Saving and opening projects, the notes and the recent-files menu.
#pragma once

#include <QString>

inline bool NotesLoading = false;

// "Uložit Projekt...": rewrites the open project, or asks for a new file.
void SaveProjectCommand();
// Writes the project file; with askOverwrite an existing file is asked
// about first. Reports failures; returns false when nothing was written.
bool SaveProject(bool askOverwrite, const QString &path);

// "Otevřít Projekt...".
void OpenProjectCommand();
// Replaces the open documents by the project's. The project file is read and
// checked before anything is closed; a bad file leaves everything as it was.
bool OpenProject(const QString &path);

// The recent-files history: kind 1 project, 2 file; the menu follows.
void AddToHistory(int kind, const QString &path);
void RefreshHistoryMenu();
// Opens the entry behind recent-files menu item k.
void OpenHistoryItem(int k);
// history.dat in the program folder.
QString HistoryPath();
void LoadHistory();
void SaveHistory();

// Marks the open project changed: "Vellomy - name" + separator + "(Změněn)".
void MarkProjectModified(const QString &separator);
