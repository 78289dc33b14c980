#include "app/about_values.h"

#include <QFile>
#include <algorithm>
#include <QStringList>
#include <cmath>

#include <sys/sysinfo.h>

using namespace Qt::StringLiterals;

namespace {

TMemoryStatusSource &Source()
{
    static TMemoryStatusSource source;
    return source;
}

TMemoryStatus SystemMemoryStatus()
{
    QFile f(u"/proc/meminfo"_s);
    if (f.open(QIODevice::ReadOnly)) {
        if (const auto parsed = ParseMeminfo(f.readAll()))
            return *parsed;
    }
    struct sysinfo info {};
    if (sysinfo(&info) != 0)
        return {};
    const quint64 unit = info.mem_unit ? info.mem_unit : 1;
    return {quint64(info.totalram) * unit, quint64(info.freeram + info.bufferram) * unit};
}

QString Unknown()
{
    return u"nezjištěno"_s;
}

// The time part of the locale's long format without its time-zone field.
QString TimeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == u'\'')
            quoted = !quoted;
        if (!quoted && ch == u't')
            continue;
        out += ch;
    }
    return out.trimmed();
}

} // namespace

QString VersionText(const QString &buildVersion)
{
    const QStringList parts = buildVersion.split(u'.');
    if (buildVersion.isEmpty() || parts.size() > 4)
        return {};
    QStringList numbers;
    for (const QString &part : parts) {
        bool ok = false;
        const uint n = part.toUInt(&ok);
        if (!ok || part.isEmpty() || !part.front().isDigit() || n > 0xFFFF)
            return {};
        numbers << QString::number(n);
    }
    while (numbers.size() < 4)
        numbers << u"0"_s;
    return numbers.join(u'.');
}

std::optional<TMemoryStatus> ParseMeminfo(const QByteArray &text)
{
    std::optional<quint64> total, available, free, buffers, cached;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray key = line.left(colon).trimmed();
        QByteArray value = line.mid(colon + 1).trimmed();
        quint64 factor = 1;
        if (value.endsWith(" kB")) {
            value.chop(3);
            factor = 1024;
        }
        bool ok = false;
        const quint64 n = value.trimmed().toULongLong(&ok);
        if (!ok)
            continue;
        const quint64 bytes = n * factor;
        if (key == "MemTotal")
            total = bytes;
        else if (key == "MemAvailable")
            available = bytes;
        else if (key == "MemFree")
            free = bytes;
        else if (key == "Buffers")
            buffers = bytes;
        else if (key == "Cached")
            cached = bytes;
    }
    if (!total)
        return std::nullopt;
    quint64 avail = available ? *available : free.value_or(0) + buffers.value_or(0) + cached.value_or(0);
    return TMemoryStatus{*total, std::min(avail, *total)};
}

TMemoryStatus CurrentMemoryStatus()
{
    return Source() ? Source()() : SystemMemoryStatus();
}

void SetMemoryStatusSource(TMemoryStatusSource source)
{
    Source() = std::move(source);
}

QString MemorySizeText(const TMemoryStatus &status, const QLocale &locale)
{
    if (status.totalPhys == 0)
        return Unknown();
    // Kilobytes rounded half up, as a number format without decimals does.
    const quint64 kb = (status.totalPhys + 512) / 1024;
    const QString digits = QString::number(kb);
    // Grouped here rather than by QLocale::toString, which leaves the
    // separators out in the C locale: the pattern always groups.
    const QString separator = locale.groupSeparator();
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped + u" KB"_s;
}

QString MemoryUseText(const TMemoryStatus &status)
{
    if (status.totalPhys == 0)
        return Unknown();
    const quint64 used = status.totalPhys - std::min(status.availPhys, status.totalPhys);
    const double percent = double(used) / double(status.totalPhys) * 100.0;
    // nearbyint rounds in the default mode, to nearest with ties to even.
    return QString::number(qint64(std::nearbyint(percent))) + u" %"_s;
}

QString GeneralDateTimeText(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time().msecsSinceStartOfDay() == 0)
        return date;
    return date + u' ' + locale.toString(when.time(), TimeFormatWithoutZone(locale));
}
