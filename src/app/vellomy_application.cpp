#include "app/vellomy_application.h"

#include "app/program_dir.h"
#include "errorreport/crash_handler.h"
#include "errorreport/error_log.h"
#include "errorreport/error_report.h"

#include <QDebug>

TVellomyApplication::TVellomyApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vellomy"));
    setApplicationVersion(QString::fromLatin1(VELLOMY_VERSION));
    InstallCrashHandlers(ErrLogPath(ProgramDir(), applicationFilePath()));
}

TVellomyApplication::~TVellomyApplication()
{
    RemoveCrashHandlers();
}

bool TVellomyApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        TErrorInfo info = ErrorInfoFrom(e);
        qWarning().noquote() << info.className << info.message;
        if (info.stack.isEmpty()) {
            // Unwound already: the stack of the handler is the nearest there is.
            const QList<void *> here = CaptureStackAddresses(0);
            info.stack = SymbolizeStack(here);
            if (!here.isEmpty())
                info.address = quintptr(here.first());
        }
        ShowErrorReport(info);
    } catch (...) {
        TErrorInfo info;
        info.className = QStringLiteral("unknown");
        info.message = QStringLiteral("Neznámá chyba");
        info.stack = CaptureStack(0);
        ShowErrorReport(info);
    }
    return false;
}
