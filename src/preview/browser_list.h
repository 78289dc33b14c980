// The external browsers: Userconfig/browsers.dat, a count then name and
// program path per browser.
#pragma once

#include <QList>
#include <QString>

struct TBrowser {
    QString name;
    QString path;
};

namespace BrowserList {

QString FilePath(); // ProgramDir + "Userconfig/browsers.dat"

// false, with a Czech message naming the file, when it is missing,
// unreadable or its first line is not a count.
bool Read(const QString &path, QList<TBrowser> *browsers, QString *error);
// Throws EInOutError; the file is replaced only once complete.
void Write(const QString &path, const QList<TBrowser> &browsers);

// Browsers found on this machine's PATH, for a first start with an empty list.
QList<TBrowser> Detect();

} // namespace BrowserList
