#include "conversion/codec.h"

#include <algorithm>
#include <array>
#include <cstring>


namespace Codec {

namespace {

// Upper half of Windows-1250 (0x80..0xFF); unassigned bytes keep their value.
constexpr char16_t kHigh[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// Characters up to U+21FF hold every one the upper half maps from (the
// highest is U+2122); one byte per character, 0 where none maps: a flat
// table keeps writing a page to one load per non-ASCII character.
constexpr char16_t kReverseLimit = 0x2200;

const std::array<unsigned char, kReverseLimit> &ReverseTable()
{
    static const std::array<unsigned char, kReverseLimit> table = [] {
        std::array<unsigned char, kReverseLimit> t{};
        for (int i = 0; i < 128; ++i) {
            Q_ASSERT(kHigh[i] < kReverseLimit);
            t[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
        }
        return t;
    }();
    return table;
}

bool IsValidUtf8(const QByteArray &bytes, bool *hasNonAscii)
{
    *hasNonAscii = false;
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        *hasNonAscii = true;
        int extra;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= n || (p[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10FFFF
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

} // namespace

char16_t Win1250ToUnicode(unsigned char byte)
{
    return byte < 0x80 ? char16_t(byte) : kHigh[byte - 0x80];
}

bool UnicodeToWin1250(char16_t ch, unsigned char *byte)
{
    if (ch < 0x80) {
        *byte = static_cast<unsigned char>(ch);
        return true;
    }
    if (ch >= kReverseLimit)
        return false;
    const unsigned char b = ReverseTable()[ch];
    if (b == 0)
        return false;
    *byte = b;
    return true;
}

QString DecodeWin1250(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = QChar(Win1250ToUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

namespace {

// Windows-1250 bytes of text; with paragraphBreaks, U+2029 becomes CR LF.
QByteArray Win1250Bytes(const QString &text, bool paragraphBreaks)
{
    // One byte per character is the rule; the output grows only for line
    // breaks and characters written as numeric references.
    QByteArray out(text.size(), Qt::Uninitialized);
    char *o = out.data();
    qsizetype n = 0;
    const char16_t *p = reinterpret_cast<const char16_t *>(text.constData());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t ch = p[i];
        unsigned char b;
        if (ch < 0x80) {
            o[n++] = static_cast<char>(ch);
            continue;
        }
        if (UnicodeToWin1250(ch, &b)) {
            o[n++] = static_cast<char>(b);
            continue;
        }
        if (paragraphBreaks && ch == QChar::ParagraphSeparator) {
            const qsizetype need = n + 2 + (size - i - 1);
            if (need > out.size()) {
                out.resize(std::max(need, out.size() + out.size() / 4));
                o = out.data();
            }
            o[n++] = '\r';
            o[n++] = '\n';
            continue;
        }
        char32_t cp = ch;
        if (QChar::isHighSurrogate(ch) && i + 1 < size && QChar::isLowSurrogate(p[i + 1])) {
            cp = QChar::surrogateToUcs4(ch, p[i + 1]);
            ++i;
        }
        const QByteArray ref = "&#" + QByteArray::number(static_cast<qulonglong>(cp)) + ';';
        // Room for the reference and one byte for each character still to come.
        const qsizetype need = n + ref.size() + (size - i - 1);
        if (need > out.size()) {
            out.resize(std::max(need, out.size() + out.size() / 4));
            o = out.data();
        }
        std::memcpy(o + n, ref.constData(), size_t(ref.size()));
        n += ref.size();
    }
    out.resize(n);
    return out;
}

} // namespace

QByteArray EncodeWin1250(const QString &text)
{
    return Win1250Bytes(text, false);
}

QByteArray EncodeEditorText(const QString &rawText, TextEncoding encoding)
{
    if (rawText.isEmpty())
        return {};
    if (encoding == TextEncoding::Windows1250) {
        QByteArray bytes = Win1250Bytes(rawText, true);
        bytes.append("\r\n");
        return bytes;
    }
    QString text = rawText;
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.append(QStringLiteral("\r\n"));
    return Encode(text, encoding);
}

TextEncoding DetectEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return TextEncoding::Utf8Bom;
    bool nonAscii = false;
    if (IsValidUtf8(bytes, &nonAscii) && nonAscii)
        return TextEncoding::Utf8;
    return TextEncoding::Windows1250;
}

QString Decode(const QByteArray &bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1250:
        return DecodeWin1250(bytes);
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf8Bom:
        return QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    }
    return {};
}

QByteArray Encode(const QString &text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1250:
        return EncodeWin1250(text);
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    return {};
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    const QChar *p = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString JoinedLines(QString text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return text;
    char16_t *p = reinterpret_cast<char16_t *>(text.data());
    qsizetype o = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t c = p[i];
        if (c == u'\r') {
            c = u'\n';
            if (i + 1 < n && p[i + 1] == u'\n')
                ++i;
        }
        p[o++] = c;
    }
    if (p[o - 1] == u'\n')
        --o;
    text.truncate(o);
    return text;
}

QString JoinLinesCrLf(const QStringList &lines)
{
    QString out;
    qsizetype size = 0;
    for (const QString &l : lines)
        size += l.size() + 2;
    out.reserve(size);
    for (const QString &l : lines) {
        out.append(l);
        out.append(QStringLiteral("\r\n"));
    }
    return out;
}

} // namespace Codec
