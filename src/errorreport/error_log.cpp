#include "errorreport/error_log.h"

#include "conversion/codec.h"

#include <QFile>
#include <QFileInfo>

QString FormatReportTime(const QDateTime &when)
{
    return when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString ReportRule(QChar c)
{
    return QString(100, c);
}

QString ErrLogPath(const QString &programDir, const QString &executablePath)
{
    QString dir = programDir;
    if (!dir.isEmpty() && !dir.endsWith(u'/'))
        dir += u'/';
    return dir + QFileInfo(executablePath).completeBaseName() + QStringLiteral("_Err.log");
}

QByteArray TrimmedCrLfLines(const QString &text)
{
    QByteArray out;
    const QStringList lines = Codec::SplitLines(text);
    for (const QString &line : lines) {
        qsizetype end = line.size();
        while (end > 0 && (line.at(end - 1) == u' ' || line.at(end - 1) == u'\t'))
            --end;
        out += Codec::EncodeWin1250(line.left(end));
        out += "\r\n";
    }
    return out;
}

QByteArray ErrLogBlock(const QDateTime &when, const QString &labelText, const QString &details,
                       bool fileIsEmpty)
{
    QByteArray out;
    if (!fileIsEmpty)
        out += "\r\n";
    const QString rule = ReportRule(u'=');
    const QString stamp = QStringLiteral("= ") + FormatReportTime(when).leftJustified(96, u' ')
                          + QStringLiteral(" =");
    out += TrimmedCrLfLines(rule + QStringLiteral("\r\n") + stamp + QStringLiteral("\r\n") + rule);
    out += TrimmedCrLfLines(labelText + QStringLiteral("\r\n") + details);
    return out;
}

QByteArray DebugLogBlock(const QString &details, bool fileIsEmpty)
{
    QByteArray out;
    if (!fileIsEmpty)
        out += "\r\n";
    out += TrimmedCrLfLines(details);
    return out;
}

namespace {
template <typename MakeBlock>
bool AppendBlock(const QString &path, MakeBlock make)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray block = make(file.size() == 0);
    const bool ok = file.write(block) == block.size();
    file.close();
    return ok && file.error() == QFileDevice::NoError;
}
} // namespace

bool AppendErrLog(const QString &path, const QDateTime &when, const QString &labelText,
                  const QString &details)
{
    return AppendBlock(path, [&](bool empty) { return ErrLogBlock(when, labelText, details, empty); });
}

bool AppendDebugLog(const QString &path, const QString &details)
{
    return AppendBlock(path, [&](bool empty) { return DebugLogBlock(details, empty); });
}
