// Project files: any bytes are read or refused with a message.
#include "documents/project_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::AsFile("project.vpq", data, size);
    TProjectFile project;
    QString error;
    if (!ProjectFile::Read(path, &project, &error))
        Fuzz::Check(!error.isEmpty(), "a refused project says why");
    for (const QByteArray &line : Fuzz::Bytes(data, size).split('\n'))
        ProjectFile::ResolvePath(path, QString::fromLatin1(line));
    return 0;
}
