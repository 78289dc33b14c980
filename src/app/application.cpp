#include "app/application.h"

#include "app/dialogs.h"
#include "app/f_main.h"
#include "app/faboutvellomy.h"
#include "app/help_form.h"
#include "app/startup_splash.h"
#include "assistant/codeassistant.h"
#include "colours/edit_palette.h"
#include "colours/palette.h"
#include "conversion/fileconvertor.h"
#include "documents/document_commands.h"
#include "documents/history.h"
#include "documents/project_commands.h"
#include "documents/project.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "imagemap/imagemap_commands.h"
#include "imagemap/imagemapcreate.h"
#include "imagemap/imagemapedit.h"
#include "markup/tablesize.h"
#include "preview/externalbrowsers.h"
#include "preview/refreshable_preview.h"
#include "settings/load_config.h"
#include "settings/shortcuts.h"
#include "settings/userconfig.h"
#include "templates/newfiledialog.h"
#include "templates/savetemplate.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>

namespace {

QStringList &Order()
{
    static QStringList order;
    return order;
}

template<typename T>
T *Create(T *&slot, const char *name, int gauge = -1)
{
    slot = new T;
    Order() << QString::fromLatin1(name);
    if (gauge >= 0 && Form14) {
        Form14->Gauge1->setValue(gauge);
        // The gauge alone: the picture and texts do not change between steps.
        Form14->Gauge1->repaint();
    }
    return slot;
}

// The main strip across the top, the work panel down the left, the
// workspace filling the rest.
void PlaceWindows()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    Form1->setGeometry(work.left(), work.top(), work.width(),
                       Form1->menuBar()->sizeHint().height() + TForm1::ClientHeight);
    Form1->setFixedHeight(Form1->height());
    const int mainHeight = Form1->frameGeometry().height();
    const int top = work.top() + mainHeight - 1;
    const int height = work.height() - mainHeight;
    Form3->setGeometry(work.left(), top, TForm3::DesignedWidth + 1, height);
    // The panel may not shrink below what its contents need: place the
    // workspace by the width it really took.
    const int panelWidth = Form3->frameGeometry().width();
    Form2->setGeometry(work.left() + panelWidth - 1, top, work.width() - panelWidth + 1, height);
}

} // namespace

void CreateWindows()
{
    Order().clear();
    Create(Form1, "TForm1");
    CurrentProject = TProjekt{};
    LoadHistory();
    Create(Form14, "TForm14");
    Create(Codeassistant, "TCodeassistant");
    Form14->repaint();
    Form14->Gauge1->setRange(0, 15);
    Create(AboutVellomy, "TAboutVellomy", 1);
    Create(Form3, "TForm3", 2);
    Create(Form2, "TForm2", 3);
    Create(FHelpForm, "TFHelpForm", 4);
    Create(FFileConvertor, "TFFileConvertor", 5);
    Create(Form4, "TForm4", 6);
    Create(Form5, "TForm5", 7);
    Create(Form6, "TForm6", 8);
    Create(Form7, "TForm7", 9);
    Create(Form8, "TForm8", 10);
    Create(Form9, "TForm9", 11);
    Create(Form10, "TForm10", 12);
    Create(FNewMap, "TFNewMap", 13);
    Create(FMapcreate, "TFMapcreate", 14);
    Create(Form13, "TForm13", 15);
    InstallImageMaps();
    ApplyShortcuts();

    // The workspace exists only now: the main window's undo command follows
    // its history from here on.
    QObject::connect(Form1->Zpt1, &QAction::triggered, Form2, [] { Form2->Zpt1Click(); });
    QObject::connect(Form2, &TForm2::UndoAvailable, Form1->Zpt1, &QAction::setEnabled);

    Form1->show();
    Form2->show();
    Form3->show();
    PlaceWindows();
    Form14->hide();
}

void StartSession(const QStringList &arguments)
{
    // The first run (no settings written yet) fills an empty browser list
    // with the browsers this machine has.
    FillBrowserListOnFirstStart(!QFileInfo::exists(ConfigPath()));
    try {
        LoadConfig();
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Nastavení se nepodařilo načíst, platí výchozí hodnoty."), e);
    }
    // Reopen the last project or file, only when the command line is empty.
    if (arguments.isEmpty() && Form13->Openlastproject->isChecked()) {
        if (History.ProjectCount >= 1 && LastOpenType == QStringLiteral("projekt")
            && QFileInfo(History.Items[1]).isFile())
            OpenProject(History.Items[1]);
        else if (History.FileCount >= 1 && QFileInfo(History.Items[5]).isFile())
            OpenDocument(History.Items[5]);
    }
    OpenCommandLine(arguments);
}

void OpenCommandLine(const QStringList &arguments)
{
    for (const QString &arg : arguments) {
        const QFileInfo info(arg);
        if (!info.isFile())
            continue;
        const QString name = info.fileName();
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString ext = dot < 0 ? QString() : name.mid(dot);
        // A project replaces everything opened so far and ends the list.
        if (ext == QStringLiteral(".vpq")) {
            OpenProject(arg);
            break;
        }
        OpenDocument(arg);
    }
}

void RaiseProgram()
{
    for (QWidget *w : {static_cast<QWidget *>(Form1), static_cast<QWidget *>(Form3),
                       static_cast<QWidget *>(Form2)}) {
        if (!w)
            continue;
        if (w->isMinimized())
            w->showNormal();
        w->show();
        w->raise();
    }
    if (Form2)
        Form2->activateWindow();
}

void DestroyWindows()
{
    // Working copies belong to open documents only; a test that ends with
    // documents open must not leave them behind.
    delete Form13;
    delete FMapcreate;
    delete FNewMap;
    delete Form10;
    delete Form9;
    delete Form8;
    delete Form7;
    delete Form6;
    delete Form5;
    delete Form4;
    delete FFileConvertor;
    delete FHelpForm;
    delete Form2;
    delete Form3;
    delete AboutVellomy;
    delete Codeassistant;
    delete Form14;
    delete Form1;
    Form13 = nullptr;
    FMapcreate = nullptr;
    FNewMap = nullptr;
    Form10 = nullptr;
    Form9 = nullptr;
    Form8 = nullptr;
    Form7 = nullptr;
    Form6 = nullptr;
    Form5 = nullptr;
    Form4 = nullptr;
    FFileConvertor = nullptr;
    FHelpForm = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    AboutVellomy = nullptr;
    Codeassistant = nullptr;
    Form14 = nullptr;
    Form1 = nullptr;
    Docs.DocStates[0].Loading = false;
    Docs.Reset();
    GridUpdating = false;
    CurrentProject = TProjekt{};
    History = Thistorie{};
}

QStringList CreationOrder()
{
    return Order();
}
