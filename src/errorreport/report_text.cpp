#include "errorreport/report_text.h"

#include "errorreport/error_log.h"
#include "errorreport/io_error.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QRegularExpression>
#include <QScreen>
#include <QSysInfo>
#include <QThread>

#include <cxxabi.h>
#include <execinfo.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace {
QString Hex8(quint64 value)
{
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0'));
}
} // namespace

QStringList ReportHeadLines(const TErrorInfo &error)
{
    QStringList lines;
    lines << QStringLiteral("Exception class: %1").arg(error.className);
    if (!error.threadName.isEmpty())
        lines << QStringLiteral("Thread: %1").arg(error.threadName);
    else
        lines << QStringLiteral("Exception address: %1").arg(Hex8(error.address));
    // The label is replaced by the fixed text before the log is written, so
    // the message has to be kept here or no log would hold it.
    lines << QStringLiteral("Exception message: %1").arg(error.message);
    lines << ReportRule(u'-');
    return lines;
}

QStringList StackSection(const QDateTime &when, const QStringList &frames)
{
    QStringList lines;
    lines << QStringLiteral("Stack list, generated %1").arg(FormatReportTime(when));
    lines << frames;
    lines << ReportRule(u'-');
    return lines;
}

QStringList SystemSection(const TSystemInfo &s)
{
    QStringList lines;
    lines << QStringLiteral("System   : %1 %2, Version: %3.%4, Build: %5, \"%6\"")
                 .arg(s.productName, s.kernelType)
                 .arg(s.major)
                 .arg(s.minor)
                 .arg(s.build, 0, 16)
                 .arg(s.description);
    lines << QStringLiteral("Processor: %1, %2, %3 MHz %4%5")
                 .arg(s.architecture, s.processorName)
                 .arg(s.megahertz)
                 .arg(s.vendor, s.extra);
    lines << QStringLiteral("Display  : %1x%2 pixels, %3 bpp")
                 .arg(s.screenWidth)
                 .arg(s.screenHeight)
                 .arg(s.bitsPerPixel);
    lines << ReportRule(u'-');
    return lines;
}

QStringList ModuleSection(QList<TModuleInfo> modules)
{
    std::stable_sort(modules.begin(), modules.end(),
                     [](const TModuleInfo &a, const TModuleInfo &b) { return a.address < b.address; });
    QStringList lines;
    lines << QStringLiteral("List of loaded modules:");
    for (const TModuleInfo &m : modules) {
        lines << QStringLiteral("[%1] %2 %3")
                     .arg(Hex8(m.address), m.path,
                          m.version.isEmpty() ? QStringLiteral("(no version info)") : m.version);
    }
    lines << ReportRule(u'-');
    return lines;
}

QStringList ControlsSection(const QList<TControlInfo> &controls)
{
    QStringList lines;
    lines << QStringLiteral("Active Controls hiearchy:");
    for (const TControlInfo &c : controls)
        lines << QStringLiteral("%1 \"%2\"").arg(c.className, c.name);
    lines << ReportRule(u'-');
    return lines;
}

QString DemangleName(const char *mangled)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> out(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                               std::free);
    if (status == 0 && out)
        return QString::fromLocal8Bit(out.get());
    return QString::fromLocal8Bit(mangled);
}

QString DemangleFrameLine(const QByteArray &symbolLine)
{
    // "module(symbol+0xoff) [0xaddr]"; the symbol part may be missing.
    const qsizetype open = symbolLine.indexOf('(');
    const qsizetype close = open < 0 ? -1 : symbolLine.indexOf(')', open);
    if (open < 0 || close < 0)
        return QString::fromLocal8Bit(symbolLine);
    const QByteArray inner = symbolLine.mid(open + 1, close - open - 1);
    const qsizetype plus = inner.lastIndexOf('+');
    const QByteArray name = plus < 0 ? inner : inner.left(plus);
    const QByteArray offset = plus < 0 ? QByteArray() : inner.mid(plus);
    if (name.isEmpty())
        return QString::fromLocal8Bit(symbolLine);
    return QString::fromLocal8Bit(symbolLine.left(open)) + u'(' + DemangleName(name.constData())
           + QString::fromLatin1(offset) + u')' + QString::fromLocal8Bit(symbolLine.mid(close + 1));
}

QList<TModuleInfo> ParseProcMaps(const QByteArray &maps)
{
    QMap<QString, quint64> lowest;
    QStringList order;
    for (const QByteArray &raw : maps.split('\n')) {
        const QList<QByteArray> fields = raw.simplified().split(' ');
        if (fields.size() < 6 || !fields.at(5).startsWith('/'))
            continue;
        bool ok = false;
        const quint64 start = fields.at(0).split('-').value(0).toULongLong(&ok, 16);
        if (!ok)
            continue;
        // A path may hold blanks: everything from the sixth field on.
        const QString path = QString::fromLocal8Bit(fields.mid(5).join(' '));
        auto it = lowest.find(path);
        if (it == lowest.end())
            lowest.insert(path, start);
        else if (start < *it)
            *it = start;
    }
    QList<TModuleInfo> modules;
    for (auto it = lowest.cbegin(); it != lowest.cend(); ++it)
        modules.append({it.value(), it.key(), VersionFromFileName(it.key())});
    std::sort(modules.begin(), modules.end(),
              [](const TModuleInfo &a, const TModuleInfo &b) { return a.address < b.address; });
    return modules;
}

QString VersionFromFileName(const QString &path)
{
    static const QRegularExpression re(QStringLiteral("\\.so\\.([0-9]+(?:\\.[0-9]+)*)$"));
    const QRegularExpressionMatch m = re.match(QFileInfo(path).fileName());
    return m.hasMatch() ? m.captured(1) : QString();
}

QList<void *> CaptureStackAddresses(int skip)
{
    void *frames[128];
    const int n = backtrace(frames, 128);
    QList<void *> out;
    // One more to leave out this function itself.
    for (int i = skip + 1; i < n; ++i)
        out.append(frames[i]);
    return out;
}

QStringList SymbolizeStack(const QList<void *> &addresses)
{
    QStringList lines;
    if (addresses.isEmpty())
        return lines;
    std::unique_ptr<char *, void (*)(void *)> symbols(
        backtrace_symbols(const_cast<void *const *>(addresses.constData()), int(addresses.size())),
        std::free);
    for (qsizetype i = 0; i < addresses.size(); ++i) {
        lines << (symbols ? DemangleFrameLine(QByteArray(symbols.get()[i]))
                          : QStringLiteral("[%1]").arg(Hex8(quintptr(addresses.at(i)))));
    }
    return lines;
}

QStringList CaptureStack(int skip)
{
    return SymbolizeStack(CaptureStackAddresses(skip + 1));
}

QList<TModuleInfo> LoadedModules()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    return ParseProcMaps(maps.readAll());
}

namespace {
QString CpuInfoValue(const QByteArray &cpuinfo, const QByteArray &key)
{
    for (const QByteArray &line : cpuinfo.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == key)
            return QString::fromLocal8Bit(line.mid(colon + 1).trimmed());
    }
    return {};
}
} // namespace

TSystemInfo CurrentSystemInfo()
{
    TSystemInfo s;
    s.productName = QSysInfo::productType();
    s.kernelType = QSysInfo::kernelType();
    const QStringList parts = QSysInfo::kernelVersion().split(QRegularExpression(QStringLiteral("[^0-9]+")));
    s.major = parts.value(0).toInt();
    s.minor = parts.value(1).toInt();
    s.build = parts.value(2).toInt();
    s.description = QSysInfo::prettyProductName();
    s.architecture = QSysInfo::currentCpuArchitecture();
    QFile cpu(QStringLiteral("/proc/cpuinfo"));
    const QByteArray cpuinfo = cpu.open(QIODevice::ReadOnly) ? cpu.readAll() : QByteArray();
    s.processorName = CpuInfoValue(cpuinfo, "model name");
    s.megahertz = int(CpuInfoValue(cpuinfo, "cpu MHz").toDouble());
    s.vendor = CpuInfoValue(cpuinfo, "vendor_id");
    s.extra = QStringLiteral(", %1 CPU").arg(QThread::idealThreadCount());
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QSize size = screen->size() * screen->devicePixelRatio();
            s.screenWidth = size.width();
            s.screenHeight = size.height();
            s.bitsPerPixel = screen->depth();
        }
    }
    return s;
}

TErrorInfo ErrorInfoFrom(const std::exception &e)
{
    TErrorInfo info;
    if (const auto *io = dynamic_cast<const EInOutError *>(&e)) {
        info.className = QStringLiteral("EInOutError");
        info.message = io->text();
        info.stack = SymbolizeStack(io->stackAddresses());
        if (!io->stackAddresses().isEmpty())
            info.address = quintptr(io->stackAddresses().first());
    } else {
        info.className = DemangleName(typeid(e).name());
        info.message = QString::fromLocal8Bit(e.what());
    }
    return info;
}
