// The refreshable preview: a window under the workspace that shows the
// active document's working copy and reloads it as the user types.
#pragma once

#include <QWidget>

class QTimer;
class TWebBrowser;

class TForm8 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);

    TWebBrowser *WebBrowser1 = nullptr;

    // After an edit: the working copy is rewritten and the page reloaded
    // once typing pauses briefly, so a fast typist is not slowed by a write
    // and a reload per keystroke.
    void ScheduleRefresh();
    // Writes the working copy now and reloads (the pending refresh, run at once).
    void RefreshNow();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer *m_refresh = nullptr;
};

// "Obnovovaný Návrh": shows or hides the window and gives the workspace its
// height under it or back.
void ObnovovanNvrh1Click();
// The preview follows the document that became active.
void PreviewFollowActiveDocument();
