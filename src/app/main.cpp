// Vellomy: an editor for hand-written web pages.
#include "app/application.h"
#include "app/vellomy_application.h"
#include "preview/web_browser.h"


int main(int argc, char *argv[])
{
    PrepareWebEngineEnvironment();
    // Window placement needs X11; Wayland gives clients no say in it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qgetenv("XDG_SESSION_TYPE") == "wayland")
        qputenv("QT_QPA_PLATFORM", "xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    TVellomyApplication app(argc, argv);
    CreateWindows();
    StartSession(app.arguments().mid(1));
    return app.exec();
}
