#include "preview/browser_list.h"

#include "app/program_dir.h"
#include "conversion/text_file.h"
#include "errorreport/io_error.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace BrowserList {

QString FilePath()
{
    return ProgramDir() + QStringLiteral("Userconfig/browsers.dat");
}

bool Read(const QString &path, QList<TBrowser> *browsers, QString *error)
{
    browsers->clear();
    TTextFileContent content;
    try {
        content = TextFile::Read(path);
    } catch (const EInOutError &e) {
        *error = QStringLiteral("Seznam prohlížečů ") + path + QStringLiteral(" nelze přečíst.\n") + e.systemMessage();
        return false;
    }
    bool ok = false;
    const int n = content.lines.isEmpty() ? 0 : content.lines[0].trimmed().toInt(&ok);
    if (!ok || n < 0) {
        *error = QStringLiteral("Seznam prohlížečů ") + path + QStringLiteral(" je poškozen: první řádek musí udávat jejich počet.");
        return false;
    }
    for (int k = 0; k < n && 2 + 2 * k < content.lines.size(); ++k)
        browsers->append({content.lines[1 + 2 * k], content.lines[2 + 2 * k]});
    return true;
}

void Write(const QString &path, const QList<TBrowser> &browsers)
{
    QStringList lines{QString::number(browsers.size())};
    for (const TBrowser &b : browsers)
        lines << b.name << b.path;
    TextFile::Write(path, lines, TextFile::OwnFileEncoding(lines));
}

QList<TBrowser> Detect()
{
    static const struct {
        const char *program;
        const char *name;
    } known[] = {{"firefox", "Firefox"},
                 {"chromium", "Chromium"},
                 {"google-chrome", "Google Chrome"},
                 {"epiphany", "Epiphany"}};
    QList<TBrowser> found;
    for (const auto &k : known) {
        const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(k.program));
        if (!exe.isEmpty())
            found.append({QString::fromLatin1(k.name), exe});
    }
    return found;
}

} // namespace BrowserList
