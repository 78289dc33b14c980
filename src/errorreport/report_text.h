// The text of the error report: its sections and line formats as pure
// functions, and the gatherers that read the live process and system.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <exception>

// What the report knows of one error.
struct TErrorInfo {
    QString className;
    QString message;
    QString threadName; // set for an error handed over by another thread
    quintptr address = 0; // where it was raised (or caught, when unknown)
    QStringList stack; // one line per frame, innermost first
};

struct TSystemInfo {
    QString productName; // "debian"
    QString kernelType; // "linux"
    int major = 0;
    int minor = 0;
    int build = 0;
    QString description; // "Debian GNU/Linux 12 (bookworm)"
    QString architecture;
    QString processorName;
    int megahertz = 0;
    QString vendor;
    QString extra; // e.g. the core count
    int screenWidth = 0;
    int screenHeight = 0;
    int bitsPerPixel = 0;
};

struct TModuleInfo {
    quint64 address = 0;
    QString path;
    QString version; // empty when unknown
};

struct TControlInfo {
    QString className;
    QString name;
};

// "Exception class", "Thread"/"Exception address", the message, the rule.
QStringList ReportHeadLines(const TErrorInfo &error);
QStringList StackSection(const QDateTime &when, const QStringList &frames);
QStringList SystemSection(const TSystemInfo &system);
QStringList ModuleSection(QList<TModuleInfo> modules);
QStringList ControlsSection(const QList<TControlInfo> &controls);

// One line of backtrace_symbols() with the function name demangled.
QString DemangleFrameLine(const QByteArray &symbolLine);
QString DemangleName(const char *mangled);
// The modules of a /proc/<pid>/maps text: every mapped file once, at its
// lowest address.
QList<TModuleInfo> ParseProcMaps(const QByteArray &maps);
// The version that a shared object's name carries ("libz.so.1.2.13").
QString VersionFromFileName(const QString &path);

// The call stack here, without the innermost skip frames.
QStringList CaptureStack(int skip = 0);
// Raw frame addresses, to be turned into lines later.
QList<void *> CaptureStackAddresses(int skip = 0);
QStringList SymbolizeStack(const QList<void *> &addresses);
QList<TModuleInfo> LoadedModules();
// Needs a QGuiApplication for the display line; zeros without one.
TSystemInfo CurrentSystemInfo();

// The class name and message of a caught exception.
TErrorInfo ErrorInfoFrom(const std::exception &e);
