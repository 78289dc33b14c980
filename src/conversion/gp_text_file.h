// A line-oriented text file over TGpHugeFile: recognises 8-bit, UTF-8 and
// UTF-16 files by their byte-order mark and hands lines over as UTF-16.
#pragma once

#include "conversion/gp_huge_file.h"

#include <QString>

// A failure of TGpTextFile: 2004 reset, 2005 rewrite, 2007 reversed file,
// 2000 anything else inside a line operation.
class EGpTextFile : public EGpHugeFile
{
public:
    using EGpHugeFile::EGpHugeFile;
};

namespace GpCodePage {
constexpr int Utf16 = 1200;
constexpr int Utf8 = 65001;
constexpr int Windows1250 = 1250;
// The code page that 0 stands for. The program's 8-bit text is
// Windows-1250 everywhere, so that is the "system's ANSI code page" here.
int SystemAnsi();
} // namespace GpCodePage

class TGpTextFile : public TGpHugeFile
{
public:
    // Block size of ReadLine's search.
    static constexpr qint64 ReadBlockSize = 1026;

    // codePage 0 means GpCodePage::SystemAnsi(); 8-bit files support
    // Windows-1250 and, for files known to be UTF-8 without a mark, 65001.
    explicit TGpTextFile(QString fileName, int codePage = 0);

    // Opens an existing file and detects its encoding by the byte-order mark.
    // Throws EGpTextFile 2004 when it cannot be opened.
    void OpenForReading();
    // Creates or empties the file: UTF-16 low byte first with FF FE when
    // unicode, else 8-bit text in the code page. Throws EGpTextFile 2007 for
    // a reversed file, 2005 for any other failure.
    void CreateForWriting(bool unicode);

    bool UnicodeFile() const { return m_unicode; }
    bool ReversedFile() const { return m_reversed; }
    int FileCodePage() const { return m_codePage; }

    // The next line without its line break.
    QString ReadLine();
    // The text, then the line break.
    void WriteLine(const QString &line);
    bool AtEnd() const;

    // The simple UTF-8 decoder of ReadLine: one byte below 128, two for a lead
    // 110xxxxx, three for any other byte from 128; stops where too few remain.
    static QString DecodeUtf8Simple(const QByteArray &bytes);

private:
    [[noreturn]] void RaiseText(int helpContext, const QString &pattern) const;
    QString BytesToText(const QByteArray &bytes) const;

    bool m_unicode = false;
    bool m_reversed = false;
    int m_codePage = 0;
    int m_requestedCodePage = 0;
};
