// The two logs of the error report: "<program>_Err.log" with a dated header
// per report, and debug.log that the user sends to support.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The date and time as the report and the log header show them.
QString FormatReportTime(const QDateTime &when);
// A line of 100 copies of c.
QString ReportRule(QChar c);
// "<dir><executable name without extension>_Err.log".
QString ErrLogPath(const QString &programDir, const QString &executablePath);
// Every line of text with trailing blanks removed, each ended by CR LF.
QByteArray TrimmedCrLfLines(const QString &text);
// One report as appended to the _Err.log: a CR LF first when the file is not
// empty, the "=" header with the time, the label text, CR LF, the details.
QByteArray ErrLogBlock(const QDateTime &when, const QString &labelText, const QString &details,
                       bool fileIsEmpty);
// One block of debug.log: a CR LF first when the file is not empty, then the
// details.
QByteArray DebugLogBlock(const QString &details, bool fileIsEmpty);

// Appending never truncates: the file is opened at its end and created when
// missing. False when it could not be written (the report is shown anyway).
bool AppendErrLog(const QString &path, const QDateTime &when, const QString &labelText,
                  const QString &details);
bool AppendDebugLog(const QString &path, const QString &details);
