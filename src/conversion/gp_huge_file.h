// A buffered file with 64-bit positions over the system's file calls, the
// base of the converter's line-oriented text file.
#pragma once

#include "errorreport/io_error.h"

#include <QByteArray>
#include <QString>
#include <memory>

class QFile;
class QSaveFile;

// A failure of TGpHugeFile, with its help-context number (1000 … 1009).
class EGpHugeFile : public EInOutError
{
public:
    EGpHugeFile(const QString &fileName, const QString &message, int helpContext);

    const QString &Message() const { return systemMessage(); }
    int HelpContext() const { return m_helpContext; }

private:
    int m_helpContext;
};

class TGpHugeFile
{
public:
    static constexpr qint64 DefaultBufferSize = 65536;

    // Nothing is opened yet.
    explicit TGpHugeFile(QString fileName);
    // Closes the file. A file being written that was never closed is
    // discarded, so an interrupted write never replaces an older file.
    virtual ~TGpHugeFile();

    TGpHugeFile(const TGpHugeFile &) = delete;
    TGpHugeFile &operator=(const TGpHugeFile &) = delete;

    const QString &FileName() const { return m_fileName; }
    bool IsOpen() const;

    // Opens an existing file for buffered reading. The file is only read,
    // so read-only files can be converted too.
    void ResetBuffered(qint64 blockSize = 1, qint64 bufferSize = 0);
    // Creates or empties the file for buffered writing. The bytes go to a
    // temporary file beside it that replaces the file at Close.
    void RewriteBuffered(qint64 blockSize = 1, qint64 bufferSize = 0);

    // Count in blocks; returns the blocks read (fewer at the end of file).
    qint64 BlockRead(char *buffer, qint64 count);
    void BlockWrite(const char *buffer, qint64 count);

    // Positions and sizes in blocks.
    void Seek(qint64 position);
    qint64 FilePos() const;
    qint64 FileSize() const;

    // Flushes the write buffer, frees the buffer and closes the handle;
    // closing a closed file does nothing.
    void Close();

    // The last system error code seen, 0 for none.
    int LastError() const { return m_lastError; }

protected:
    [[noreturn]] void Raise(int helpContext, const QString &pattern) const;
    // 1001 with the system's code and text, 1002 when the system gave none.
    [[noreturn]] void RaiseSystem(const QString &operation, int code, const QString &text) const;

private:
    enum class TBufferMode { None, Read, Write };

    void CheckOpen() const;
    void AllocBuffer(qint64 bufferSize);
    void FlushWriteBuffer();
    qint64 RawRead(char *buffer, qint64 bytes, const char *operation);
    void RawWrite(const char *buffer, qint64 bytes, const char *operation);

    QString m_fileName;
    std::unique_ptr<QFile> m_reader;
    std::unique_ptr<QSaveFile> m_writer;
    qint64 m_blockSize = 1;
    QByteArray m_buffer;
    TBufferMode m_mode = TBufferMode::None;
    // Read mode: m_buffer holds the bytes [m_bufferStart, m_bufferStart + m_bufferFill)
    // of the file. Write mode: the first m_bufferFill bytes wait to be written.
    qint64 m_bufferStart = 0;
    qint64 m_bufferFill = 0;
    qint64 m_position = 0; // in bytes
    qint64 m_size = 0;     // in bytes
    int m_lastError = 0;
};
