#include "errorreport/crash_handler.h"

#include <QFile>

#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Prepared outside the handler: only plain memory is touched inside it.
char g_logPath[4096];
bool g_installed = false;
struct sigaction g_oldSegv;
struct sigaction g_oldAbrt;

void WriteAll(int fd, const char *text, size_t length)
{
    while (length > 0) {
        const ssize_t n = write(fd, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= size_t(n);
    }
}

void WriteText(int fd, const char *text)
{
    WriteAll(fd, text, strlen(text));
}

void WriteRule(int fd, char c)
{
    char line[102];
    memset(line, c, 100);
    line[100] = '\r';
    line[101] = '\n';
    WriteAll(fd, line, sizeof line);
}

void OnFatalSignal(int sig)
{
    const int fd = open(g_logPath, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd >= 0) {
        struct stat st;
        if (fstat(fd, &st) == 0 && st.st_size > 0)
            WriteText(fd, "\r\n");
        const char *name = sig == SIGSEGV ? "SIGSEGV" : "SIGABRT";
        char header[101];
        memset(header, ' ', 100);
        header[0] = '=';
        header[99] = '=';
        const char *prefix = "Fatal signal ";
        memcpy(header + 2, prefix, strlen(prefix));
        memcpy(header + 2 + strlen(prefix), name, strlen(name));
        header[100] = '\0';
        WriteRule(fd, '=');
        WriteText(fd, header);
        WriteText(fd, "\r\n");
        WriteRule(fd, '=');
        WriteText(fd, "Exception class: ");
        WriteText(fd, name);
        WriteText(fd, "\r\nStack list:\r\n");
        void *frames[128];
        const int n = backtrace(frames, 128);
        backtrace_symbols_fd(frames, n, fd);
        WriteRule(fd, '-');
        close(fd);
    }
    // The handler was installed with SA_RESETHAND, so this ends the process
    // with the default action once the handler returns.
    raise(sig);
}
} // namespace

void InstallCrashHandlers(const QString &logPath)
{
    const QByteArray path = QFile::encodeName(logPath);
    const size_t length = std::min(size_t(path.size()), sizeof g_logPath - 1);
    memcpy(g_logPath, path.constData(), length);
    g_logPath[length] = '\0';
    // backtrace() loads its unwinder on first use; do that outside a handler.
    void *warm[2];
    backtrace(warm, 2);
    if (g_installed)
        return;
    struct sigaction sa;
    memset(&sa, 0, sizeof sa);
    sa.sa_handler = OnFatalSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESETHAND;
    sigaction(SIGSEGV, &sa, &g_oldSegv);
    sigaction(SIGABRT, &sa, &g_oldAbrt);
    g_installed = true;
}

void RemoveCrashHandlers()
{
    if (!g_installed)
        return;
    sigaction(SIGSEGV, &g_oldSegv, nullptr);
    sigaction(SIGABRT, &g_oldAbrt, nullptr);
    g_installed = false;
}
