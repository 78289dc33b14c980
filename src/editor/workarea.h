// The workspace window: the source editor on its tabs, the special-character
// bar and the status bar.
#pragma once

#include <QWidget>

class QLabel;
class QTabWidget;
class QTableWidget;
class QStatusBar;
class THTMLEdit;
class TLineGutter;
class TWebBrowser;

class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    QTableWidget *StringGrid2 = nullptr; // special characters, codes 33..255
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;        // "Editor HTML"
    QWidget *TabSheet2 = nullptr;        // preview
    QWidget *Vizual = nullptr;           // "HTML Translator"
    QWidget *TabSheet3 = nullptr;        // "Nápověda HTML"
    THTMLEdit *HTMLEditor1 = nullptr;
    THTMLEdit *HTMLEditor2 = nullptr;
    TLineGutter *Gutter = nullptr;
    TWebBrowser *WebBrowser1 = nullptr;
    TWebBrowser *WebBrowser2 = nullptr;
    QStatusBar *StatusBar1 = nullptr;

    // The eight status panels, from 0.
    QLabel *Panel(int index) const;
    void SetPanelText(int index, const QString &text);
    QString PanelText(int index) const;

    // Writes every line of HTMLEditor1, each followed by CR LF, into wcPath in
    // the active document's encoding. Throws EInOutError; the file is
    // replaced only once it is complete.
    void Ulozsoubor(const QString &wcPath);

    void SetGutterVisible(bool visible);
    bool GutterVisible() const;

    // Handlers.
    void FormResize();
    void PageControl1Change(int index);
    void HTMLEditor1Change();
    void HTMLEditor1SelectionChange();

    // Panel 2: "Délka: " + text length.
    void ShowLength();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QLabel *> m_panels;
};
