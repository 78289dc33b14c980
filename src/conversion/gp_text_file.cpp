#include "conversion/gp_text_file.h"

#include "conversion/codec.h"

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

} // namespace

int GpCodePage::SystemAnsi()
{
    return Windows1250;
}

TGpTextFile::TGpTextFile(QString fileName, int codePage)
    : TGpHugeFile(std::move(fileName)), m_requestedCodePage(codePage)
{
}

void TGpTextFile::RaiseText(int helpContext, const QString &pattern) const
{
    throw EGpTextFile(FileName(), QString(pattern).arg(FileName()), helpContext);
}

void TGpTextFile::OpenForReading()
{
    m_unicode = false;
    m_reversed = false;
    m_codePage = m_requestedCodePage ? m_requestedCodePage : GpCodePage::SystemAnsi();
    if (m_codePage != GpCodePage::Windows1250 && m_codePage != GpCodePage::Utf8)
        RaiseText(2004, QStringLiteral("TGpTextFile(%1):Failed to reset file."));
    try {
        ResetBuffered(1);
        if (FileSize() >= 2) {
            char mark[3] = {};
            BlockRead(mark, 2);
            const auto b0 = uchar(mark[0]);
            const auto b1 = uchar(mark[1]);
            if (b0 == 0xFF && b1 == 0xFE) {
                m_unicode = true;
                m_codePage = GpCodePage::Utf16;
                return;
            }
            if (b0 == 0xFE && b1 == 0xFF) {
                m_unicode = true;
                m_reversed = true;
                m_codePage = GpCodePage::Utf16;
                return;
            }
            if (b0 == 0xEF && b1 == 0xBB && FileSize() >= 3) {
                BlockRead(mark + 2, 1);
                if (uchar(mark[2]) == 0xBF) {
                    m_unicode = true;
                    m_codePage = GpCodePage::Utf8;
                    return;
                }
            }
        }
        Seek(0);
    } catch (const EGpHugeFile &) {
        Close();
        RaiseText(2004, QStringLiteral("TGpTextFile(%1):Failed to reset file."));
    }
}

void TGpTextFile::CreateForWriting(bool unicode)
{
    if (m_reversed)
        RaiseText(2007, QStringLiteral("TGpTextFile(%1):Cannot write to reversed Unicode file."));
    try {
        RewriteBuffered(1);
        if (unicode) {
            BlockWrite("\xFF\xFE", 2);
            m_unicode = true;
            m_codePage = GpCodePage::Utf16;
        } else {
            m_unicode = false;
            m_codePage = m_requestedCodePage ? m_requestedCodePage : GpCodePage::SystemAnsi();
        }
    } catch (const EGpHugeFile &) {
        RaiseText(2005, QStringLiteral("TGpTextFile(%1):Failed to rewrite file."));
    }
}

bool TGpTextFile::AtEnd() const
{
    return FilePos() >= FileSize();
}

QString TGpTextFile::DecodeUtf8Simple(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = p[i];
        if (c < 0x80) {
            out += QChar(char16_t(c));
            ++i;
        } else if ((c & 0xE0) == 0xC0) {
            if (i + 1 >= n)
                break;
            out += QChar(char16_t(((c & 0x1F) << 6) | (p[i + 1] & 0x3F)));
            i += 2;
        } else {
            if (i + 2 >= n)
                break;
            out += QChar(char16_t(((c & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F)));
            i += 3;
        }
    }
    return out;
}

QString TGpTextFile::BytesToText(const QByteArray &bytes) const
{
    if (m_codePage == GpCodePage::Utf16) {
        // A dangling odd byte at the very end of a file is no character.
        return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
    }
    if (m_unicode) // UTF-8 with its mark
        return DecodeUtf8Simple(bytes);
    if (m_codePage == GpCodePage::Utf8)
        return QString::fromUtf8(bytes);
    return Codec::DecodeWin1250(bytes);
}

QString TGpTextFile::ReadLine()
{
    try {
        const bool wide = m_codePage == GpCodePage::Utf16;
        QByteArray line;
        QByteArray block(ReadBlockSize, Qt::Uninitialized);
        for (;;) {
            const qint64 start = FilePos();
            const qint64 n = BlockRead(block.data(), ReadBlockSize);
            const bool full = n == ReadBlockSize;
            char *b = block.data();
            if (ReversedFile()) {
                for (qint64 i = 0; i + 1 < n; i += 2)
                    std::swap(b[i], b[i + 1]);
            }
            qint64 at = -1;     // where the break starts
            qint64 length = 0;  // its length in bytes
            qint64 holdAt = -1; // a break that the next block must decide
            if (wide) {
                for (qint64 i = 0; i + 1 < n && at < 0 && holdAt < 0; i += 2) {
                    const char16_t u = char16_t(uchar(b[i]) | (uchar(b[i + 1]) << 8));
                    if (u == 0x2028) {
                        at = i;
                        length = 2;
                    } else if (u == 0x000D) {
                        if (i + 3 < n) {
                            if (b[i + 2] == LF && b[i + 3] == 0) {
                                at = i;
                                length = 4;
                            }
                        } else if (full) {
                            holdAt = i;
                        }
                    }
                }
            } else {
                for (qint64 i = 0; i < n && at < 0 && holdAt < 0; ++i) {
                    const char c = b[i];
                    if (c != CR && c != LF)
                        continue;
                    if (i + 1 < n) {
                        const char next = b[i + 1];
                        at = i;
                        length = ((c == CR && next == LF) || (c == LF && next == CR)) ? 2 : 1;
                    } else if (full) {
                        holdAt = i;
                    } else {
                        at = i;
                        length = 1;
                    }
                }
            }
            if (at >= 0) {
                line.append(b, at);
                Seek(start + at + length);
                break;
            }
            if (holdAt >= 0) {
                // A CR (or LF) at the end of a full block: its partner may
                // start the next one, so it is read again there.
                line.append(b, holdAt);
                Seek(start + holdAt);
                continue;
            }
            line.append(b, n);
            Seek(start + n);
            if (!full)
                break;
        }
        return BytesToText(line);
    } catch (const EGpTextFile &) {
        throw;
    } catch (const EGpHugeFile &e) {
        throw EGpTextFile(FileName(), e.Message(), 2000);
    }
}

void TGpTextFile::WriteLine(const QString &text)
{
    try {
        if (m_codePage == GpCodePage::Utf16) {
            QByteArray bytes;
            bytes.reserve((text.size() + 2) * 2);
            for (const QChar ch : text) {
                bytes.append(char(ch.unicode() & 0xFF));
                bytes.append(char(ch.unicode() >> 8));
            }
            bytes.append("\r\0\n\0", 4);
            BlockWrite(bytes.constData(), bytes.size());
            return;
        }
        QByteArray bytes;
        if (m_codePage == GpCodePage::Utf8) {
            bytes = text.toUtf8();
        } else {
            // Composed first, so a letter written as base + accent still
            // finds its single byte; what the code page lacks becomes its
            // default character, one per character.
            const QString composed = text.normalized(QString::NormalizationForm_C);
            bytes.reserve(composed.size());
            for (qsizetype i = 0; i < composed.size(); ++i) {
                const char16_t u = composed.at(i).unicode();
                unsigned char byte = 0;
                if (QChar::isHighSurrogate(u) && i + 1 < composed.size()
                    && composed.at(i + 1).isLowSurrogate()) {
                    ++i;
                    bytes.append('?');
                } else if (Codec::UnicodeToWin1250(u, &byte)) {
                    bytes.append(char(byte));
                } else {
                    bytes.append('?');
                }
            }
        }
        bytes.append("\r\n", 2);
        BlockWrite(bytes.constData(), bytes.size());
    } catch (const EGpTextFile &) {
        throw;
    } catch (const EGpHugeFile &e) {
        throw EGpTextFile(FileName(), e.Message(), 2000);
    }
}
