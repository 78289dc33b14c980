#include "window_fixture.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/program_dir.h"
#include "preview/web_browser.h"
#include "scripted_dialogs.h"

#include <QFile>

TWindowFixture::TWindowFixture()
{
    PrepareWebEngineEnvironment();
    SetProgramDir(m_program.path());
    dialogs = InstallScriptedDialogs();
    CreateWindows();
}

TWindowFixture::~TWindowFixture()
{
    DestroyWindows();
    SetDialogs(nullptr);
}

QString TWindowFixture::writeDoc(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_docs.path() + u'/' + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
