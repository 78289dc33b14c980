#include "preview/refreshable_preview.h"

#include "app/application.h"
#include "app/f_main.h"
#include "documents/document_commands.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "preview/web_browser.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kRefreshDelayMs = 250;

QRect WorkArea()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
}

// The workspace back to its full size right of the work panel.
void RestoreWorkspace()
{
    const QRect w = WorkArea();
    const int mainHeight = Form1->frameGeometry().height();
    Form2->resize(w.width() - Form3->frameGeometry().width() + 1, w.height() - mainHeight);
}

void AfterToggle()
{
    if (Docs.HasDocuments()) {
        try {
            Form2->Ulozsoubor(Docs.ActiveFile());
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii se nepodařilo zapsat."), e);
        }
    }
    Form2->HTMLEditor1->viewport()->update();
}

} // namespace

TForm8::TForm8(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Obnovovaný Náhled"));
    setAccessibleName(windowTitle());
    resize(705, 296);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    WebBrowser1 = new TWebBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(WebBrowser1);
    m_refresh = new QTimer(this);
    m_refresh->setSingleShot(true);
    m_refresh->setInterval(kRefreshDelayMs);
    connect(m_refresh, &QTimer::timeout, this, &TForm8::RefreshNow);
}

void TForm8::ScheduleRefresh()
{
    m_refresh->start();
}

void TForm8::RefreshNow()
{
    m_refresh->stop();
    if (!isVisible() || !Docs.HasDocuments())
        return;
    try {
        Form2->Ulozsoubor(Docs.ActiveFile());
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Pracovní kopii se nepodařilo zapsat."), e);
        return;
    }
    WebBrowser1->Refresh();
}

void TForm8::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (Docs.HasDocuments())
        WebBrowser1->Navigate(Docs.ActiveFile());
}

void TForm8::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_refresh->stop();
    if (Form1 && Form1->ObnovovanNvrh1)
        Form1->ObnovovanNvrh1->setChecked(false);
    if (Form1 && Form2 && Form3)
        RestoreWorkspace();
    if (Form2)
        Form2->HTMLEditor1->viewport()->update();
}

void ObnovovanNvrh1Click()
{
    if (Form8->isVisible()) {
        Form8->hide();
        Form1->ObnovovanNvrh1->setChecked(false);
        RestoreWorkspace();
    } else {
        Form8->show();
        Form2->resize(Form2->width(), 380);
        const QRect ws = Form2->frameGeometry();
        const QRect w = WorkArea();
        const int mainHeight = Form1->frameGeometry().height();
        // Frame to frame: the preview starts where the workspace's frame ends.
        const QSize frameExtra = Form8->frameGeometry().size() - Form8->size();
        Form8->resize(ws.width() - frameExtra.width(),
                      std::max(100, w.height() - ws.height() - mainHeight - frameExtra.height()));
        Form8->move(ws.left(), ws.bottom() + 1);
        Form1->ObnovovanNvrh1->setChecked(true);
    }
    AfterToggle();
}

void PreviewFollowActiveDocument()
{
    if (Form8 && Form8->isVisible() && Docs.HasDocuments())
        Form8->WebBrowser1->Navigate(Docs.ActiveFile());
}
