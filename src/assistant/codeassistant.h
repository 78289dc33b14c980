// The code assistant's completion popup: a borderless list next to the
// caret of the main source editor, filled from the vocabulary as the user
// types, and the insertion of the chosen word.
#pragma once

#include <QWidget>

class QKeyEvent;
class QTableWidget;
class TScriptIndex;

// The workspace's bookkeeping around the popup (see its key, change and
// caret handling): the last refresh found words to offer with the assistant
// switched on; shown or hidden at the next caret move or Ctrl+Space.
inline bool AssistShowRequest = false;

class TCodeassistant : public QWidget
{
    Q_OBJECT

public:
    explicit TCodeassistant(QWidget *parent = nullptr);

    // One column of candidate words; "žádné" before any were collected.
    QTableWidget *Grid = nullptr;

    // Recomputes the candidates for the caret of the main editor and places
    // the popup below the caret. Raises AssistShowRequest when there are
    // candidates and the assistant is switched on.
    void ShowCodeAssistant();
    // Replaces the word typed left of the editor's last caret offset by the
    // list's selected candidate.
    void InsertCandidate();
    // The list's keys; *handled keeps them from the list itself.
    void GridKeyDown(QKeyEvent *event, bool *handled);
    void GridDblClick();

    // The rows' words.
    QStringList Candidates() const;
    // Shows (without taking the focus) or hides the popup.
    void SetShown(bool shown);
    // The list has the keyboard focus.
    bool ListHasFocus() const;
    // Back to the single row "žádné".
    void ResetList();

    // Gives the list the keyboard focus (the popup must be shown).
    void FocusList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void SetCandidates(const QStringList &words);
    // Hidden, the main editor focused with its caret at LastCaretOffset.
    void BackToEditor(bool restoreCaret);
    void Place();
    TScriptIndex *Index();

    TScriptIndex *m_index = nullptr;
    bool m_listWanted = false; // the list was given the focus on purpose
    QStringList m_candidates;
};

// Gives the popup's list the keyboard focus; the editor's caret stays.
void FocusAssistList();
// Whether the popup is shown now.
bool CodeassistantVisible();
// Loads the vocabulary file into CodeVocabulary; a file that cannot be read
// is reported in Czech and leaves the previous vocabulary.
void ReloadCodeVocabulary();
// ProgramDir + the inspector's check-attribute list.
QString CheckIndexPath();
