// The help window: the program's own help pages in an embedded browser.
// Created once at start, shown without being modal, hidden when closed.
#pragma once

#include <QDialog>

class TWebBrowser;

class TFHelpForm : public QDialog
{
    Q_OBJECT

public:
    explicit TFHelpForm(QWidget *parent = nullptr);

    // Makes the window visible and shows page, a file of Help/Vellomyhelp
    // (the index unless told otherwise). It navigates every time, so the
    // help command brings back the index wherever the user has wandered.
    void ShowHelpPage(const QString &page = QStringLiteral("index.htm"));

    TWebBrowser *WebBrowser1 = nullptr;
};

// The help command of the menu and of the band "Jiné".
void JakpracovatsVellomy1Click();
