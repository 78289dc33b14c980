#include "window_fixture.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/program_dir.h"
#include "documents/working_copy_writer.h"
#include "preview/web_browser.h"
#include "scripted_dialogs.h"

#include <QDir>
#include <QFile>

namespace {

// The tag inspector reads its files on every caret move into a tag; a
// program folder without them would end in the error report.
void InstallShippedInspectorData(const QString &programDir)
{
    const QString from = QStringLiteral(SHIPPED_DATA_DIR "/Data/");
    const QString to = programDir + QStringLiteral("/Data/");
    QDir().mkpath(to + QStringLiteral("Taginspektor"));
    QFile::copy(from + QStringLiteral("basefonts.dat"), to + QStringLiteral("basefonts.dat"));
    const QDir tags(from + QStringLiteral("Taginspektor"));
    for (const QString &name : tags.entryList(QDir::Files))
        QFile::copy(tags.filePath(name), to + QStringLiteral("Taginspektor/") + name);
}

} // namespace

TWindowFixture::TWindowFixture(bool createNow)
{
    PrepareWebEngineEnvironment();
    SetProgramDir(m_program.path());
    InstallShippedInspectorData(m_program.path());
    dialogs = InstallScriptedDialogs();
    if (createNow)
        create();
}

void TWindowFixture::create()
{
    CreateWindows();
}

TWindowFixture::~TWindowFixture()
{
    // Nothing may still be written into the folders about to go, nor a
    // failure of this test's reported in the next one.
    WorkingCopyWriter::DiscardAll();
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
    // A reader of a working copy waits for a write of it still under way.
    WorkingCopyWriter::Wait(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
