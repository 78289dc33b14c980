// The new-file dialog: a page made from a template with the author,
// description, keywords, robots directive and language filled in.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TWebBrowser;
struct TTemplateFields;

class TForm4 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    QLineEdit *Edit1 = nullptr;      // "Název Souboru"
    QPushButton *Button4 = nullptr;  // "..."
    QComboBox *ComboBox1 = nullptr;  // "Použítá Šablona"
    QLineEdit *Edit3 = nullptr;      // "Jazyk (značka)"
    QLineEdit *Edit2 = nullptr;      // "Jméno Autora Stránky"
    QPlainTextEdit *Memo1 = nullptr; // "Popis Stránky"
    QLineEdit *Edit4 = nullptr;      // "Klíčová Slova"
    QCheckBox *CheckBox1 = nullptr;  // INDEX
    QCheckBox *CheckBox2 = nullptr;  // FOLLOW
    QTabWidget *PageControl1 = nullptr;
    QPlainTextEdit *Memo2 = nullptr; // "HTML Kód"
    TWebBrowser *WebBrowser1 = nullptr; // "Vzhled"
    QPushButton *Button3 = nullptr;  // "Jak Vytvořit Vlastní Šablonu?"
    QPushButton *Button1 = nullptr;  // "Vytvořit "
    QPushButton *Button2 = nullptr;  // "Storno"

    // The file names of the listed templates, in list order.
    QStringList TemplateFiles;

    // "Nový...": prepares the dialog and shows it modally.
    void Nov1Click();
    // The steps before showing: fields reset, list filled, preview made.
    void Prepare();

    void vyplncombobox();
    void CheckTemplateFields();
    void ComboBox1Change();
    void Button4Click(); // "..."
    void Button1Click(); // "Vytvořit "
    void Button3Click(); // help

    // The values the placeholders get from the fields as they stand.
    TTemplateFields Fields() const;
    // Writes the page of template (a file name in the template folder) to target.
    void Pouzijsablonu(const QString &templateFile, const QString &target) const;

    static QString TemplateFolder();
    static QString PreviewPath();

private:
    void SetAvailable(QLineEdit *edit, bool available);
};
