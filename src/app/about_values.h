// The figures the about box and the splash show: the product version, the
// build date and the physical memory. Pure functions, plus the one place
// that asks the system for its memory (replaceable for tests).
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

// The version as four decimal numbers joined by dots ("1.0.0.1"). The build
// gives up to four parts; missing ones count as 0. Anything that is not such
// a version (empty, a part that is no number or over 65535, more than four
// parts) gives an empty text, as a program file without a version would.
QString VersionText(const QString &buildVersion);

// Total and available physical memory in bytes; total 0 when unknown.
struct TMemoryStatus {
    quint64 totalPhys = 0;
    quint64 availPhys = 0;
};

// MemTotal and MemAvailable (or, on old kernels, MemFree + Buffers + Cached)
// of /proc/meminfo; nothing when MemTotal is missing.
std::optional<TMemoryStatus> ParseMeminfo(const QByteArray &text);

// The memory of this machine, or what a test put in its place.
TMemoryStatus CurrentMemoryStatus();
using TMemoryStatusSource = std::function<TMemoryStatus()>;
// An empty source restores the system's.
void SetMemoryStatusSource(TMemoryStatusSource source);

// Total memory in kilobytes as "#,### KB": thousands grouped by three with
// the locale's separator, no decimals. Empty-memory figures give "nezjištěno".
QString MemorySizeText(const TMemoryStatus &status, const QLocale &locale);
// The share in use, rounded to an integer (ties to even), then " %".
QString MemoryUseText(const TMemoryStatus &status);

// The general date-time form: the locale's short date and long time (without
// a time zone); the time is left out when it is exactly midnight.
QString GeneralDateTimeText(const QDateTime &when, const QLocale &locale);
