#include "app/program_dir.h"

#include <QCoreApplication>

namespace {
QString &Stored()
{
    static QString dir;
    return dir;
}
} // namespace

const QString &ProgramDir()
{
    QString &d = Stored();
    if (d.isEmpty())
        SetProgramDir(QCoreApplication::applicationDirPath());
    return d;
}

void SetProgramDir(const QString &dir)
{
    QString d = dir;
    if (!d.endsWith(u'/'))
        d += u'/';
    Stored() = d;
}
