#include "app/f_main.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "documents/document_commands.h"
#include "documents/project_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStyle>
#include <QToolBar>

namespace {

void BringUp(QWidget *w)
{
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vellomy"));
    setAccessibleName(windowTitle());
    // A fixed strip: no maximise box, not resizable.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    QMenu *soubor = menuBar()->addMenu(QStringLiteral("&Soubor"));
    Otevt1 = soubor->addAction(QStringLiteral("Otevřít..."), this, [] { OpenCommand(); });
    OtevtProjekt1 = soubor->addAction(QStringLiteral("Otevřít Projekt..."), this, [] { OpenProjectCommand(); });
    ZnovuOpen = soubor->addMenu(QStringLiteral("Znovu Otervřít"));
    const char *names[] = {"N11", "N21", "N31", "N6", "N41", "N51", "N61", "N71", "N81", "N91", "N101"};
    for (int k = 0; k < 11; ++k) {
        QAction *item = ZnovuOpen->addAction(QString(), this, [k] { OpenHistoryItem(k); });
        item->setObjectName(QString::fromLatin1(names[k]));
        item->setVisible(false);
        ZnovuOpenItems << item;
    }
    soubor->addSeparator();
    Ulozit = soubor->addAction(QStringLiteral("Uložit"), this, [] { SaveCommand(); });
    Ulozitjako = soubor->addAction(QStringLiteral("Uložit Jako..."), this, [] { SaveAsCommand(); });
    Ulozitprojekt = soubor->addAction(QStringLiteral("Uložit Projekt..."), this, [] { SaveProjectCommand(); });
    Ulozvse = soubor->addAction(QStringLiteral("Uložit Vše"), this, [] { SaveAllCommand(); });
    soubor->addSeparator();
    Zavri = soubor->addAction(QStringLiteral("Zavřít"), this, [] { CloseDocument(); });
    Zavrivse = soubor->addAction(QStringLiteral("Zavři Vše"), this, [] { CloseAllDocuments(); });
    soubor->addSeparator();
    Tisk = soubor->addAction(QStringLiteral("Tisk..."), this, &TForm1::TiskClick);
    soubor->addSeparator();
    Konec1 = soubor->addAction(QStringLiteral("Konec"), this, &TForm1::Konec1Click);

    QMenu *zobrazit = menuBar()->addMenu(QStringLiteral("&Zobrazit"));
    PracovnPlocha1 = zobrazit->addAction(QStringLiteral("Pracovní Plocha"), this, [] { BringUp(Form2); });
    PraconPanel1 = zobrazit->addAction(QStringLiteral("Pracovní Panel"), this, [] { BringUp(Form3); });

    ToolBar1 = addToolBar(QStringLiteral("Standart"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(true);
    const auto button = [this](QAction *action, QStyle::StandardPixmap icon, const QString &hint,
                               const QString &name) {
        action->setIcon(style()->standardIcon(icon));
        action->setToolTip(hint);
        ToolBar1->addAction(action);
        if (QWidget *w = ToolBar1->widgetForAction(action)) {
            w->setObjectName(name);
            w->setAccessibleName(hint);
            w->setToolTip(hint);
        }
    };
    button(Otevt1, QStyle::SP_DialogOpenButton, QStringLiteral("Otevřít Soubor..."), QStringLiteral("Openfile"));
    button(Ulozit, QStyle::SP_DialogSaveButton, QStringLiteral("Uložit"), QStringLiteral("Savefile"));
    button(Ulozvse, QStyle::SP_DriveFDIcon, QStringLiteral("Uložit Vše"), QStringLiteral("Saveall"));
    ToolBar1->addSeparator();
    button(PracovnPlocha1, QStyle::SP_FileDialogDetailedView, QStringLiteral("Zobrazit Pracovní plochu"),
           QStringLiteral("SpeedButton15"));
    button(PraconPanel1, QStyle::SP_FileDialogListView, QStringLiteral("Zbrazit Pracovní panel"),
           QStringLiteral("SpeedButton16"));
}

void TForm1::Konec1Click()
{
    if (!ExitCleanup(false))
        return;
    m_exiting = true;
    QApplication::quit();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    if (!ExitCleanup(true)) {
        event->ignore();
        return;
    }
    m_exiting = true;
    event->accept();
    QApplication::quit();
}

void TForm1::TiskClick()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        Dialogs().Information(QStringLiteral("Není přítomna žádná tiskárna!"));
        return;
    }
    if (!Docs.HasDocuments())
        return;
    QPrinter printer;
    if (!Dialogs().PrinterSetup(&printer))
        return;
    Form2->HTMLEditor1->Print(QStringLiteral("Vellomy - ") + DocumentPath(Docs.ActiveFile()), &printer);
}
