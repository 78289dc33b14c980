// Vellomy: an editor for hand-written web pages.
#include "app/application.h"
#include "app/dialogs.h"
#include "app/program_dir.h"
#include "app/single_instance.h"
#include "app/user_data.h"
#include "app/vellomy_application.h"
#include "preview/web_browser.h"

#include <QDir>
#include <QFileInfo>


int main(int argc, char *argv[])
{
    PrepareWebEngineEnvironment();
    // Window placement needs X11; Wayland gives clients no say in it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    TVellomyApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);

    // A program already running on this display takes the files (or, with
    // none, just comes to the front); this start then ends.
    QStringList absolute;
    for (const QString &arg : arguments)
        absolute << QFileInfo(arg).absoluteFilePath();
    TInstanceServer instance;
    switch (instance.Start(InstanceServerName(ProgramDir()), absolute)) {
    case THandOff::Delivered:
        return 0;
    case THandOff::Failed:
        Dialogs().Information(QStringLiteral("Vellomy už běží, ale neodpovídá. Soubory se neotevřely."));
        return 1;
    case THandOff::NoInstance:
        break;
    }

    QStringList dataProblems;
    if (!app.ShippedData().isEmpty()) {
        if (ProgramDir() == app.ShippedData() + u'/')
            dataProblems << QStringLiteral("Složku %1 se nepodařilo vytvořit; nastavení se neuloží.")
                                .arg(QDir::toNativeSeparators(UserDataDir()));
        else
            dataProblems = SyncUserData(app.ShippedData(), UserDataDir());
    }

    CreateWindows();
    if (!dataProblems.isEmpty())
        Dialogs().Information(QStringLiteral("Data programu nejsou úplná:\n") + dataProblems.join(u'\n'));
    StartSession(arguments);
    instance.SetReady([](const QStringList &paths) {
        OpenCommandLine(paths);
        RaiseProgram();
    });
    return app.exec();
}
