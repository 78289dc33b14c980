#include "app/vellomy_application.h"

#include "app/program_dir.h"
#include "app/user_data.h"
#include "errorreport/crash_handler.h"
#include "errorreport/error_log.h"
#include "errorreport/error_report.h"

#include <QDebug>
#include <QDir>
#include <QIcon>

TVellomyApplication::TVellomyApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Vellomy"));
    setApplicationVersion(QString::fromLatin1(VELLOMY_VERSION));
    setDesktopFileName(QStringLiteral("vellomy"));
    // The icon the install puts into the icon theme (none in a build folder).
    setWindowIcon(QIcon::fromTheme(QStringLiteral("vellomy")));
    // An installed program works in the user's copy of its data; one run
    // from its build folder keeps using that folder.
    m_shippedData = InstalledDataDir(applicationDirPath(), QString::fromUtf8(VELLOMY_SHARE_RELATIVE));
    if (!m_shippedData.isEmpty()) {
        const QString user = UserDataDir();
        SetProgramDir(QDir().mkpath(user) ? user : m_shippedData);
    }
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
