// The external browsers dialog and the preview in an external browser.
#pragma once

#include "preview/browser_list.h"

#include <QDialog>

class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
class QToolButton;

class TForm7 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);

    QTableWidget *StringGrid1 = nullptr;
    QPushButton *browserup = nullptr;
    QPushButton *Browserdown = nullptr;
    QPushButton *Browserdelete = nullptr; // "Odebrat"
    QLineEdit *LabeledEdit1 = nullptr;    // "Název Prohlížeče"
    QLineEdit *LabeledEdit2 = nullptr;    // "Cesta k Prohlížeči"
    QToolButton *SpeedButton1 = nullptr;  // browse
    QPushButton *Browseradd = nullptr;    // "Uložit"
    QPushButton *BrowserOk = nullptr;
    QPushButton *Browsercancel = nullptr; // "Storno"
    int CurrentBrowserRow = 0;            // index into the browser rows

    // The rows as browsers (none while the placeholder shows).
    QList<TBrowser> Browsers() const;
    void nactiprohlizecezesouboru();
    void BrowseraddClick();
    void BrowserdeleteClick();
    void MoveCurrent(int by);
    void BrowserOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void SetBrowsers(const QList<TBrowser> &browsers);
};

// "Zobrazit Náhled": the working copy in the only browser, or a menu of the
// first five. menuOut receives the menu shown (for tests); it pops up at the
// pointer.
void ExternalPreview();
QMenu *PreviewPopup();
// Starts browser k of the last preview menu with the working copy.
void StartPreviewBrowser(int k);
// Fills an empty shipped list with the browsers found, on the first start.
void FillBrowserListOnFirstStart(bool firstStart);
