// The settings of config.ini as plain values, with their defaults, and the
// conversion of the file-dialog filter text to and from table rows.
#pragma once

#include "colours/tcolor.h"
#include "documents/file_filter.h"

#include <QList>
#include <QPair>
#include <QString>

class TIniFile;

// One field per key; the comment names the settings dialog's control.
struct TConfigValues {
    QString Delka = QStringLiteral("10");        // Historylength: undo depth, digits
    bool Otevritpristartuprojekt = false;         // Openlastproject
    QString Projekty;                             // Projectfolder
    QString Soubory;                              // Filefolder
    QString Filtr = FileFilterText::Default();    // ValueListEditor1 (the filter text)
    QString Posledniotevrtyp;                     // LastOpenType: "projekt" or empty
    bool Pouzivat = true;                         // Usecodefiller (key "Používat")
    bool Cislovatradky = true;                    // Linenumbering
    bool Vkladatvelka = true;                     // Useuppercase
    bool Pouzivatzakladni = false;                // Usebasefonts
    bool Vkladatfilenamymalyli = false;           // insertsmallfilenames
    bool pozivatrelatinicesty = true;             // userelativepaths
    bool automatickyukladat = false;              // Useautosaveall
    QString defaultpripona = QStringLiteral("htm"); // defaultextension
    bool wordwrap = false;                        // usewordwrap
    bool usetab = false;                          // usetab
    bool Zvyraznovani = true;                     // usesyntaxcolouring: syntax colouring on
    QString centertext1 = QStringLiteral("<P ALIGN=\"CENTER\">"); // aligncenter1
    QString centertext2 = QStringLiteral("</P>"); // aligncenter2
    bool useStrong = false;                       // usestrong, else RadioButton3 (key "use<STRONG>")
    bool useEm = false;                           // useem, else RadioButton2 (key "use<EM>")
    bool useparamsep = true;                      // useparamseparator
    QString Tabsize = QStringLiteral("5");        // tabulsize, digits
    TColor BgColor = 0xFFFFFF;                    // bgcolor (clWhite)
    TColor TextColor = 0x000000;                  // Textcolor (clBlack)
    bool Usefulltruefalseparam = false;           // usefulltruefalseparam
    bool useSlashAtEndOfTag = false;              // usedivonendoftag (key "use/attheendoftag")

    bool operator==(const TConfigValues &) const = default;
};

// Every key from ini; a missing key or an unusable value gives its default.
TConfigValues ReadConfigValues(const TIniFile &ini);

// Writes every key in the fixed order of a settings save (which is also the
// order of the sections in a new file). Posledniotevrtyp is "projekt" when a
// project is open, else empty; values.Posledniotevrtyp is not used.
void WriteConfigValues(TIniFile &ini, const TConfigValues &values, bool projectOpen);

// The text form of a colour: its identifier, or the number for a colour
// that is none of the sixteen.
QString ColorToConfigText(TColor colour);

// Filter text -> (description, patterns) rows: the text is walked character
// by character, each "|" (and the last character) ending a half, each second
// half ending a row. A trailing description without its patterns makes no row.
QList<QPair<QString, QString>> FilterRowsFromText(const QString &filter);

// Rows -> filter text: the rows with both cells filled, every cell followed
// by "|", the last "|" dropped. No complete row gives an empty text.
QString FilterTextFromRows(const QList<QPair<QString, QString>> &rows);
