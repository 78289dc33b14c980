// The name prompt: asks for a template's description, a new palette's name
// or a new folder's name. What "Vytvořit" does is given by whoever shows it.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

class TForm5 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QPushButton *Button1 = nullptr; // "Vytvořit"
    QPushButton *Button2 = nullptr; // "Storno"

    // Receives Edit2's text on "Vytvořit"; returns true when the prompt may
    // close, false to keep it open (for example after refusing the text).
    using TCreateAction = std::function<bool(const QString &text)>;

    // Shows the prompt modally with label as Label1's caption and, when not
    // empty, caption as the window's caption; Edit2 starts empty. Returns
    // true when "Vytvořit" closed it.
    bool Run(const QString &label, const QString &caption, TCreateAction create);

    // The file manager's folder prompt: label "Název Adresáře:", the window
    // keeps its caption. "Vytvořit" with an empty name does nothing; with a
    // name it calls createFolder(name) and closes. Returns true when it did.
    bool RunFolderPrompt(const std::function<void(const QString &name)> &createFolder);

    // "Uložit Jako Šablonu...": the active document as a new template.
    void UloitJakoablonu1Click();
    // Writes a new template: Edit2's text, then the
    // source editor's lines. Returns the file written (empty on failure).
    QString SaveAsTemplate();

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TCreateAction m_create;
};
