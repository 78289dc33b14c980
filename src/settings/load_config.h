// Reading and writing config.ini to and from the settings dialog, and the
// settings the program keeps beside the dialog's controls.
#pragma once

#include "documents/file_filter.h"

#include <QString>

// The filter of the program's file dialogs ("desc|*.a;*.b|...").
inline QString FileFilter = FileFilterText::Default();
// What was open at the last exit: "projekt" or empty.
inline QString LastOpenType;

// config.ini (and the code assistant's vocabulary) into the settings dialog;
// applies the editor settings to the workspace when it exists.
void LoadConfig();

// The settings dialog into config.ini and the vocabulary file. Throws
// EInOutError when a file cannot be written (or config.ini not read first).
void SaveConfig();

// ProgramDir() + "config.ini" and the vocabulary file.
QString ConfigPath();
QString VocabularyPath();

// The file converter's output folder, config.ini [Konvertor] Output; empty
// when absent or when config.ini cannot be read. Only the converter uses it.
QString ReadConverterOutput();
// Updates that one key in place. Throws EInOutError when config.ini cannot
// be read or written.
void WriteConverterOutput(const QString &folder);
