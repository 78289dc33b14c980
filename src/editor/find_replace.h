// Find and replace in the main source editor: forward from the caret, no
// wrap-around, with the find and replace dialogs.
#pragma once

#include "editor/htmledit.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

// The find dialog: search text, whole word, match case; the direction is
// always forward.
class TFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFindDialog(QWidget *parent = nullptr);
    QLineEdit *FindWhat = nullptr;
    QCheckBox *WholeWord = nullptr;
    QCheckBox *MatchCase = nullptr;
    QPushButton *FindButton = nullptr;
    TFindOptions Options() const;
};

class TReplaceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TReplaceDialog(QWidget *parent = nullptr);
    QLineEdit *FindWhat = nullptr;
    QLineEdit *ReplaceWith = nullptr;
    QCheckBox *WholeWord = nullptr;
    QCheckBox *MatchCase = nullptr;
    QPushButton *FindNextButton = nullptr;
    QPushButton *ReplaceButton = nullptr;
    QPushButton *ReplaceAllButton = nullptr;
    TFindOptions Options() const;
};

namespace FindReplace {

// Searches editor for what after the caret or the selection; selects the
// match, or shows "Nenašel jsem". Returns whether it found one.
bool FindNext(THTMLEdit *editor, const QString &what, TFindOptions options);

// One replacement, or all the rest with a question per match ("Nahradit?":
// Yes, No, Cancel, Yes to all). Returns false when the user cancelled.
bool ReplaceNext(THTMLEdit *editor, const QString &what, const QString &with, TFindOptions options,
                 bool all);

} // namespace FindReplace

// The dialogs (owned by the main window) and the commands.
TFindDialog *FindDialog1();
TReplaceDialog *ReplaceDialog1();
void OpenFindDialog();            // "Najít..."
void FindNextCommand();           // "Najít Další"
void OpenReplaceDialog();         // "Nahradit...", only on the editor tab
// Deletes both dialogs (between tests and at exit).
void DestroyFindDialogs();
