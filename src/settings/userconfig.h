// The user settings dialog. Its controls are the program's settings in
// memory: the rest of the program reads a setting from its control.
#pragma once

#include "settings/config_values.h"

#include <QDialog>
#include <QList>
#include <QPair>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QToolButton;
class THotKey;

class TForm13 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm13(QWidget *parent = nullptr);

    static const QString &DigitsMessage();  // "Je třeba zadat celé číslo!"
    static const QString &InvalidMessage(); // OK with an empty number field

    QTabWidget *PageControl1 = nullptr;

    // "Obecné"
    QWidget *TabSheet1 = nullptr;
    QGroupBox *GroupBox1 = nullptr; // "Různé"
    QLineEdit *Historylength = nullptr;
    QCheckBox *Openlastproject = nullptr;
    QCheckBox *Linenumbering = nullptr;
    QCheckBox *Useuppercase = nullptr;
    QCheckBox *Usebasefonts = nullptr;
    QCheckBox *insertsmallfilenames = nullptr;
    QCheckBox *userelativepaths = nullptr;
    QCheckBox *Useautosaveall = nullptr;
    QCheckBox *usefulltruefalseparam = nullptr;
    QCheckBox *usedivonendoftag = nullptr;
    QLineEdit *defaultextension = nullptr;

    // "Klávesové Zkratky"
    QWidget *TabSheet2 = nullptr;
    QTableWidget *StringGrid1 = nullptr;
    QLabel *Panel1 = nullptr;
    THotKey *HotKey1 = nullptr;
    QPushButton *Button3 = nullptr; // "Použít"
    QPushButton *Button4 = nullptr; // "Vynulovat"

    // "Code Filler"
    QWidget *TabSheet3 = nullptr;
    QCheckBox *Usecodefiller = nullptr;
    QCheckBox *useparamseparator = nullptr;
    QPlainTextEdit *Memo1 = nullptr; // the vocabulary, one line per entry
    QPlainTextEdit *Memo2 = nullptr;

    // "Soubory a Adresáře"
    QWidget *TabSheet4 = nullptr;
    QGroupBox *GroupBox2 = nullptr; // "Výchozí Adresáře"
    QLineEdit *Projectfolder = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QLineEdit *Filefolder = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QGroupBox *GroupBox3 = nullptr; // "Podporované Koncovky"
    QTableWidget *ValueListEditor1 = nullptr;
    QPushButton *Button5 = nullptr; // "Přidat"

    // "Editor Kódu"
    QWidget *TabSheet5 = nullptr;
    QGroupBox *GroupBox4 = nullptr; // "Editor kódu"
    QLineEdit *tabulsize = nullptr;
    QCheckBox *usewordwrap = nullptr;
    QCheckBox *usetab = nullptr;
    QCheckBox *usesyntaxcolouring = nullptr; // "Barevné zvýraznění syntaxe"
    QLineEdit *aligncenter1 = nullptr;
    QLineEdit *aligncenter2 = nullptr;
    QComboBox *bgcolor = nullptr;
    QComboBox *Textcolor = nullptr;
    QRadioButton *usestrong = nullptr;
    QRadioButton *RadioButton3 = nullptr; // "<B></B>"
    QRadioButton *useem = nullptr;
    QRadioButton *RadioButton2 = nullptr; // "<I></I>"

    QPushButton *Button1 = nullptr; // OK
    QPushButton *Button2 = nullptr; // "Storno"

    // Every control from values; the extension table is rebuilt from the
    // filter text, which is kept as it came.
    void SetValues(const TConfigValues &values);
    // The controls' values; Filtr is the kept filter text (OK rebuilds it
    // from the table).
    TConfigValues Values() const;

    QString FilterText() const { return m_filterText; }
    // The table's rows as (Popis, Koncovka), empty cells as empty text.
    QList<QPair<QString, QString>> FilterRows() const;

    // The vocabulary memo as lines (a soft line break also ends a line).
    // The memo itself is filled when the dialog is shown or its lines are
    // read, not at the set: laying out a long vocabulary at every start would
    // cost more than the rest of the dialog.
    void SetVocabularyLines(const QStringList &lines);
    QStringList VocabularyLines() const;

    // Handlers.
    void HistorylengthChange();
    void tabulsizeChange();
    void Button1Click();
    void Button2Click();
    void Button5Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    // The shortcuts tab (its list is filled by FillShortcutList).
    void StringGrid1SelectCell(int row, int column);
    void Button3Click();
    void Button4Click();
    void PageControl1Change(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildGeneralTab();
    void BuildShortcutsTab();
    void BuildCodeFillerTab();
    void BuildFilesTab();
    void BuildEditorTab();
    void DigitsOnly(QLineEdit *field);
    void PickFolder(QLineEdit *field, const QString &filter);

    void FillVocabularyMemo() const;

    QString m_filterText;
    mutable QStringList m_vocabulary; // the lines set while the memo waits for them
    mutable bool m_vocabularyPending = false;
    // Not shown anywhere; kept so that Values() gives back what SetValues took.
    QString m_lastOpenType;
};
