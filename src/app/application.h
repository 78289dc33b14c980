// The program's windows: one instance each, created once at start in a fixed
// order and kept until exit.
#pragma once

#include <QStringList>

class TForm1;
class TForm14;
class TCodeassistant;
class TAboutVellomy;
class TForm3;
class TForm2;
class TFHelpForm;
class TFFileConvertor;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TFNewMap;
class TFMapcreate;
class TForm13;

inline TForm1 *Form1 = nullptr;
inline TForm14 *Form14 = nullptr;
inline TCodeassistant *Codeassistant = nullptr;
inline TAboutVellomy *AboutVellomy = nullptr;
inline TForm3 *Form3 = nullptr;
inline TForm2 *Form2 = nullptr;
inline TFHelpForm *FHelpForm = nullptr;
inline TFFileConvertor *FFileConvertor = nullptr;
inline TForm4 *Form4 = nullptr;
inline TForm5 *Form5 = nullptr;
inline TForm6 *Form6 = nullptr;
inline TForm7 *Form7 = nullptr;
inline TForm8 *Form8 = nullptr;
inline TForm9 *Form9 = nullptr;
inline TForm10 *Form10 = nullptr;
inline TFNewMap *FNewMap = nullptr;
inline TFMapcreate *FMapcreate = nullptr;
inline TForm13 *Form13 = nullptr;

// Steps 2 to 7 of the start: every window in order behind the splash, the
// workspace and the work panel shown, the splash hidden.
void CreateWindows();

// Steps 8 to 10: configuration, the reopen rule, the command-line rule.
void StartSession(const QStringList &arguments);

// Step 10 alone: the command-line rule, also for the files that a later
// start of the program hands to this one.
void OpenCommandLine(const QStringList &arguments);

// The main strip, the work panel and the workspace to the front, the
// workspace active.
void RaiseProgram();

// Deletes every window (at process end and between tests).
void DestroyWindows();

// Names of the windows in creation order, for checks of the start.
QStringList CreationOrder();
