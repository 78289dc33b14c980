// Opening, switching, saving and closing documents: the operations on the
// open-document table that drive the editor, the work panel and the captions.
#pragma once

#include "documents/document_table.h"

#include <QString>

class EInOutError;

// The one table of open documents, and the grid's selection guard.
inline TDocumentTable Docs;
inline bool GridUpdating = false;

// The single line the editor shows while no document is open.
const QString &InactiveWorkspaceText();

// Shows a Czech lead line with the system's message below it.
void ReportIoError(const QString &lead, const EInOutError &error);

struct TOpenOptions {
    bool addToHistory = true; // a project's documents are not remembered one by one
};

// Opens path as a document, or switches to it when it is already open.
void OpenDocument(const QString &path, TOpenOptions options = {});

// The questions before the open documents and the project are given up
// (close all, opening a project): Yes saves, No goes on, Cancel stops (false).
bool OfferToSaveModified();

// The state with no document open, as close all leaves it: no questions
// asked, working copies left to the caller.
void ResetToInactive();
// Makes document row + 1 active (the work panel grid's selection handler).
void SelectDocument(int row);

// The file commands. Each does nothing that needs a document while none is open.
void OpenCommand();          // "Otevřít..."
void SaveCommand();          // "Uložit"; false on failure
void SaveAsCommand();        // "Uložit Jako..."
bool SaveDocumentAs(const QString &newPath);
void SaveAllCommand();       // "Uložit Vše"
void CloseDocument();        // "Zavřít"
void CloseAllDocuments();    // "Zavři Vše"

// Exit and the main window's close box: prompts for unsaved documents, removes
// the working copies and writes the configuration. false when the user
// cancelled and the program keeps running.
bool ExitCleanup(bool windowClose);

// Writes the active document's working copy; reports and returns false on failure.
bool StoreActiveWorkingCopy();
