// The work panel: the list of open documents (and, later, the inspector, the
// file manager and the project notes).
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TFileManager;
class TTagInspector;

class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The width the panel is designed for, before the one pixel of overlap.
    static constexpr int DesignedWidth = 250;

    QTabWidget *PageControl1 = nullptr;
    QWidget *Projekt = nullptr;          // page "Projekt"
    QLabel *Label1 = nullptr;            // "Otevřené Soubory:"
    QTableWidget *StringGrid1 = nullptr; // open documents, one row each
    QMenu *popupprojekt = nullptr;
    QAction *Pidat1 = nullptr;           // "Přidat..."
    QAction *Zavt1 = nullptr;            // "Zavřít"
    QAction *ZavtVe1 = nullptr;          // "Zavřít Vše"
    QAction *Vlastnosti1 = nullptr;      // "Vlastnosti"
    TTagInspector *Inspector = nullptr;  // the lower half: "Inspektor Tagů:"

    TFileManager *FileManager = nullptr; // page "Správce souborů"

    QWidget *Poznamky = nullptr;         // page "Poznámky"
    QPlainTextEdit *Memo2 = nullptr;     // the read-only explanation above the notes
    QPlainTextEdit *Memo1 = nullptr;     // the project notes
    QPushButton *Button2 = nullptr;      // "Vložit dnešní datum"

    void StringGrid1SelectCell(int row);
    void Vlastnosti1Click();
    void Memo1Change();
    void Button2Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
