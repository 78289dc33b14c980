// Helpers shared by the fuzz targets.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {

inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input as a file of the given name in a folder of this process.
inline QString AsFile(const char *name, const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

// A property every input must keep.
inline void Check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// The input cut into parts at each 0x01 byte (for targets taking several texts).
inline QList<QByteArray> Parts(const uint8_t *data, size_t size, int count)
{
    QList<QByteArray> parts = Bytes(data, size).split('\x01');
    while (parts.size() < count)
        parts << QByteArray();
    return parts;
}

} // namespace Fuzz
