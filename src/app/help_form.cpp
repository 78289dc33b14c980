#include "app/help_form.h"

#include "app/application.h"
#include "app/program_dir.h"
#include "preview/web_browser.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

TFHelpForm::TFHelpForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FHelpForm"));
    setWindowTitle(QStringLiteral("Nápověda"));
    setAccessibleName(windowTitle());
    setModal(false);
    setFixedSize(529, 553);

    WebBrowser1 = new TWebBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowser1);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFHelpForm::ShowHelpPage(const QString &page)
{
    show();
    raise();
    activateWindow();
    WebBrowser1->Navigate(ProgramDir() + QStringLiteral("Help/Vellomyhelp/") + page);
}

void JakpracovatsVellomy1Click()
{
    if (FHelpForm)
        FHelpForm->ShowHelpPage();
}
