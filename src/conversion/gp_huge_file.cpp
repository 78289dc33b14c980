#include "conversion/gp_huge_file.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

EGpHugeFile::EGpHugeFile(const QString &fileName, const QString &message, int helpContext)
    : EInOutError(fileName, message), m_helpContext(helpContext)
{
}

TGpHugeFile::TGpHugeFile(QString fileName) : m_fileName(std::move(fileName)) {}

TGpHugeFile::~TGpHugeFile()
{
    // An unfinished write is dropped (QSaveFile without commit); a reader
    // just closes.
    m_writer.reset();
    m_reader.reset();
}

bool TGpHugeFile::IsOpen() const
{
    return m_reader || m_writer;
}

void TGpHugeFile::Raise(int helpContext, const QString &pattern) const
{
    throw EGpHugeFile(m_fileName, QString(pattern).arg(m_fileName), helpContext);
}

void TGpHugeFile::RaiseSystem(const QString &operation, int code, const QString &text) const
{
    const QString lead = QStringLiteral("TGpHugeFile.%1(%2) failed. ").arg(operation, m_fileName);
    if (code == 0)
        throw EGpHugeFile(m_fileName, lead + QStringLiteral("A call to an OS function failed"), 1002);
    throw EGpHugeFile(m_fileName,
                      lead + QStringLiteral("System Error.  Code: %1.\r\n%2").arg(code).arg(text),
                      1001);
}

namespace {

// The code and text of the failure that just happened: errno when the
// system set it, else nothing (which gives the 1002 message).
int TakeErrno()
{
    const int code = errno;
    errno = 0;
    return code;
}

QString SystemText(int code)
{
    return code ? QString::fromLocal8Bit(std::strerror(code)) : QString();
}

} // namespace

void TGpHugeFile::CheckOpen() const
{
    if (!IsOpen())
        Raise(1004, QStringLiteral("TGpHugeFile(%1):File not open!"));
}

void TGpHugeFile::AllocBuffer(qint64 bufferSize)
{
    if (bufferSize <= 0)
        bufferSize = DefaultBufferSize;
    // Whole blocks only, at least one.
    bufferSize = qMax(m_blockSize, bufferSize / m_blockSize * m_blockSize);
    try {
        m_buffer = QByteArray(bufferSize, Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        Raise(1005, QStringLiteral("TGpHugeFile(%1):Failed to allocate buffer!"));
    }
    m_bufferStart = 0;
    m_bufferFill = 0;
}

void TGpHugeFile::ResetBuffered(qint64 blockSize, qint64 bufferSize)
{
    Close();
    if (blockSize <= 0)
        Raise(1003, QStringLiteral("TGpHugeFile(%1):BlockSize must be greater than zero!"));
    m_blockSize = blockSize;
    auto file = std::make_unique<QFile>(m_fileName);
    errno = 0;
    if (!file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        const int code = TakeErrno();
        RaiseSystem(QStringLiteral("Reset"), code, code ? SystemText(code) : file->errorString());
    }
    m_reader = std::move(file);
    m_size = m_reader->size();
    m_position = 0;
    AllocBuffer(bufferSize);
    m_mode = TBufferMode::Read;
}

void TGpHugeFile::RewriteBuffered(qint64 blockSize, qint64 bufferSize)
{
    Close();
    if (blockSize <= 0)
        Raise(1003, QStringLiteral("TGpHugeFile(%1):BlockSize must be greater than zero!"));
    m_blockSize = blockSize;
    auto file = std::make_unique<QSaveFile>(m_fileName);
    errno = 0;
    if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int code = TakeErrno();
        RaiseSystem(QStringLiteral("Rewrite"), code, code ? SystemText(code) : file->errorString());
    }
    m_writer = std::move(file);
    m_size = 0;
    m_position = 0;
    AllocBuffer(bufferSize);
    m_mode = TBufferMode::Write;
}

qint64 TGpHugeFile::RawRead(char *buffer, qint64 bytes, const char *operation)
{
    errno = 0;
    if (!m_reader->seek(m_bufferStart))
        RaiseSystem(QStringLiteral("_Seek"), TakeErrno(), m_reader->errorString());
    qint64 total = 0;
    while (total < bytes) {
        errno = 0;
        const qint64 got = m_reader->read(buffer + total, bytes - total);
        if (got < 0) {
            const int code = TakeErrno();
            RaiseSystem(QString::fromLatin1(operation), code,
                        code ? SystemText(code) : m_reader->errorString());
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

void TGpHugeFile::RawWrite(const char *buffer, qint64 bytes, const char *operation)
{
    qint64 total = 0;
    while (total < bytes) {
        errno = 0;
        const qint64 put = m_writer->write(buffer + total, bytes - total);
        if (put < 0) {
            const int code = TakeErrno();
            RaiseSystem(QString::fromLatin1(operation), code,
                        code ? SystemText(code) : m_writer->errorString());
        }
        if (put == 0)
            Raise(1009, QStringLiteral("TGpHugeFile(%1):Write failed!"));
        total += put;
    }
}

qint64 TGpHugeFile::BlockRead(char *buffer, qint64 count)
{
    CheckOpen();
    if (m_mode == TBufferMode::Write)
        Raise(1007, QStringLiteral("TGpHugeFile(%1):Read while in buffered write mode!"));
    qint64 wanted = qMin(count * m_blockSize, qMax<qint64>(0, m_size - m_position));
    qint64 done = 0;
    while (done < wanted) {
        const qint64 inBuffer = m_bufferStart + m_bufferFill - m_position;
        if (m_position >= m_bufferStart && inBuffer > 0) {
            const qint64 take = qMin(inBuffer, wanted - done);
            std::memcpy(buffer + done, m_buffer.constData() + (m_position - m_bufferStart),
                        size_t(take));
            done += take;
            m_position += take;
            continue;
        }
        // Refill from the current position (the "Fetch" of the buffer).
        m_bufferStart = m_position;
        m_bufferFill = RawRead(m_buffer.data(), m_buffer.size(), "Fetch");
        if (m_bufferFill == 0)
            break; // the file shrank under us: what is there is all
    }
    return done / m_blockSize;
}

void TGpHugeFile::BlockWrite(const char *buffer, qint64 count)
{
    CheckOpen();
    if (m_mode == TBufferMode::Read)
        Raise(1006, QStringLiteral("TGpHugeFile(%1):Write while in buffered read mode!"));
    const qint64 bytes = count * m_blockSize;
    if (m_bufferFill + bytes > m_buffer.size())
        FlushWriteBuffer();
    if (bytes > m_buffer.size()) {
        RawWrite(buffer, bytes, "BlockWrite");
    } else {
        std::memcpy(m_buffer.data() + m_bufferFill, buffer, size_t(bytes));
        m_bufferFill += bytes;
    }
    m_position += bytes;
    m_size = qMax(m_size, m_position);
}

void TGpHugeFile::FlushWriteBuffer()
{
    if (m_mode != TBufferMode::Write || m_bufferFill == 0)
        return;
    RawWrite(m_buffer.constData(), m_bufferFill, "BlockWrite");
    m_bufferFill = 0;
}

void TGpHugeFile::Seek(qint64 position)
{
    CheckOpen();
    const qint64 bytes = position * m_blockSize;
    if (bytes < 0)
        RaiseSystem(QStringLiteral("Seek"), EINVAL, SystemText(EINVAL));
    if (m_mode == TBufferMode::Write) {
        FlushWriteBuffer();
        errno = 0;
        if (!m_writer->seek(bytes))
            RaiseSystem(QStringLiteral("Seek"), TakeErrno(), m_writer->errorString());
    }
    // In read mode the buffer is refilled when the position leaves it.
    m_position = bytes;
}

qint64 TGpHugeFile::FilePos() const
{
    CheckOpen();
    return m_position / m_blockSize;
}

qint64 TGpHugeFile::FileSize() const
{
    CheckOpen();
    return m_size / m_blockSize;
}

void TGpHugeFile::Close()
{
    if (!IsOpen())
        return;
    if (m_writer) {
        // Taken out first: a failing flush or commit leaves the object closed.
        std::unique_ptr<QSaveFile> writer;
        try {
            FlushWriteBuffer();
        } catch (...) {
            m_writer.reset();
            m_buffer.clear();
            m_mode = TBufferMode::None;
            throw;
        }
        writer = std::move(m_writer);
        m_buffer.clear();
        m_mode = TBufferMode::None;
        errno = 0;
        if (!writer->commit()) {
            const int code = TakeErrno();
            RaiseSystem(QStringLiteral("FreeBuffer"), code,
                        code ? SystemText(code) : writer->errorString());
        }
        return;
    }
    m_reader.reset();
    m_buffer.clear();
    m_mode = TBufferMode::None;
}
