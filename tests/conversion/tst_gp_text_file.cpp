#include "conversion/file_conversion.h"
#include "conversion/gp_huge_file.h"
#include "conversion/gp_text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray Utf16(const QString &text)
{
    QByteArray bytes;
    for (const QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

const QByteArray Bom16("\xFF\xFE", 2);
const QByteArray Crlf16("\x0D\x00\x0A\x00", 4);

} // namespace

class TestGpTextFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int counter = 0;

    QString write(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("f%1.txt").arg(++counter));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void readsLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<int>("codePage");

        QTest::newRow("empty file") << QByteArray() << QStringList() << false << 1250;
        QTest::newRow("FF FE only: UTF-16, no lines") << Bom16 << QStringList() << true << 1200;
        QTest::newRow("one byte: 8-bit") << QByteArray("a") << QStringList{u"a"_s} << false << 1250;
        QTest::newRow("a CR LF b, no final break")
            << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s} << false << 1250;
        QTest::newRow("final break adds no line")
            << QByteArray("a\r\n") << QStringList{u"a"_s} << false << 1250;
        QTest::newRow("lone CR in 8-bit") << QByteArray("a\rb") << QStringList{u"a"_s, u"b"_s} << false << 1250;
        QTest::newRow("lone LF in 8-bit") << QByteArray("a\nb") << QStringList{u"a"_s, u"b"_s} << false << 1250;
        QTest::newRow("LF CR is one break")
            << QByteArray("a\n\rb") << QStringList{u"a"_s, u"b"_s} << false << 1250;
        QTest::newRow("CR CR are two breaks")
            << QByteArray("a\r\rb") << QStringList{u"a"_s, QString(), u"b"_s} << false << 1250;
        QTest::newRow("windows-1250 letters")
            << QByteArray("\x9A\x9E\xE1") << QStringList{u"šžá"_s} << false << 1250;
        QTest::newRow("EF BB without BF is 8-bit")
            << QByteArray("\xEF\xBB\x41") << QStringList{u"ď»A"_s} << false << 1250;
        QTest::newRow("EF BB alone is 8-bit") << QByteArray("\xEF\xBB") << QStringList{u"ď»"_s} << false << 1250;
        QTest::newRow("UTF-16 CR LF")
            << Bom16 + Utf16(u"a"_s) + Crlf16 + Utf16(u"b"_s) << QStringList{u"a"_s, u"b"_s} << true << 1200;
        QTest::newRow("UTF-16 lone LF stays in the line")
            << Bom16 + Utf16(u"a\nb"_s) << QStringList{u"a\nb"_s} << true << 1200;
        QTest::newRow("UTF-16 lone CR stays in the line")
            << Bom16 + Utf16(u"a\rb"_s) << QStringList{u"a\rb"_s} << true << 1200;
        QTest::newRow("UTF-16 U+2028")
            << Bom16 + Utf16(u"a\u2028b"_s) << QStringList{u"a"_s, u"b"_s} << true << 1200;
        QByteArray reversed("\xFE\xFF\x00\x61\x00\x0D\x00\x0A\x01\x61", 10);
        QTest::newRow("UTF-16 high byte first")
            << reversed << QStringList{u"a"_s, u"š"_s} << true << 1200;
        QTest::newRow("UTF-8 C3 A1") << QByteArray("\xEF\xBB\xBF\xC3\xA1") << QStringList{u"á"_s} << true << 65001;
        QTest::newRow("UTF-8 three bytes")
            << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC\r\nx") << QStringList{u"€"_s, u"x"_s} << true << 65001;
        QTest::newRow("UTF-8 stops where bytes run out")
            << QByteArray("\xEF\xBB\xBF\x61\xE2\x82") << QStringList{u"a"_s} << true << 65001;

        // Breaks that straddle the 1026-byte read blocks are still one break.
        QTest::newRow("CR LF across a block")
            << QByteArray(1025, 'x') + "\r\ny" << QStringList{QString(1025, u'x'), u"y"_s} << false << 1250;
        QTest::newRow("UTF-16 CR LF across a block")
            << Bom16 + Utf16(QString(512, u'x')) + Crlf16 + Utf16(u"y"_s)
            << QStringList{QString(512, u'x'), u"y"_s} << true << 1200;
        QTest::newRow("line over several blocks")
            << QByteArray(3000, 'a') + "\nb" << QStringList{QString(3000, u'a'), u"b"_s} << false << 1250;
    }
    void readsLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(bool, unicode);
        QFETCH(int, codePage);
        TGpTextFile f(write(bytes));
        f.OpenForReading();
        QCOMPARE(f.UnicodeFile(), unicode);
        QCOMPARE(f.FileCodePage(), codePage);
        QStringList got;
        while (!f.AtEnd() && got.size() <= lines.size())
            got << f.ReadLine();
        QCOMPARE(got, lines);
        QVERIFY(f.AtEnd());
        f.Close();
    }

    void writesBytes_data()
    {
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-16 ab") << true << QStringList{u"ab"_s}
                                   << QByteArray("\xFF\xFE\x61\x00\x62\x00\x0D\x00\x0A\x00", 10);
        QTest::newRow("UTF-16, no lines: only the mark") << true << QStringList() << Bom16;
        QTest::newRow("UTF-16 Czech") << true << QStringList{u"š"_s}
                                      << QByteArray("\xFF\xFE\x61\x01\x0D\x00\x0A\x00", 8);
        QTest::newRow("8-bit ab") << false << QStringList{u"ab"_s} << QByteArray("ab\r\n");
        QTest::newRow("8-bit empty line") << false << QStringList{QString()} << QByteArray("\r\n");
        QTest::newRow("8-bit windows-1250") << false << QStringList{u"šá€"_s, u"x"_s}
                                            << QByteArray("\x9A\xE1\x80\r\nx\r\n");
        QTest::newRow("8-bit unmapped is ?") << false << QStringList{u"a中b"_s} << QByteArray("a?b\r\n");
        QTest::newRow("8-bit one ? for a pair") << false << QStringList{u"😀"_s} << QByteArray("?\r\n");
        QTest::newRow("8-bit base and accent compose")
            << false << QStringList{u"a\u0301"_s} << QByteArray("\xE1\r\n");
    }
    void writesBytes()
    {
        QFETCH(bool, unicode);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        const QString path = dir.filePath(QStringLiteral("out%1.txt").arg(++counter));
        TGpTextFile f(path);
        f.CreateForWriting(unicode);
        QCOMPARE(f.UnicodeFile(), unicode);
        for (const QString &line : lines)
            f.WriteLine(line);
        f.Close();
        f.Close(); // closing a closed file does nothing
        QCOMPARE(read(path), bytes);
    }

    void unclosedWriteLeavesTheOldFile()
    {
        const QString path = write("old");
        {
            TGpTextFile f(path);
            f.CreateForWriting(false);
            f.WriteLine(u"new"_s);
        }
        QCOMPARE(read(path), QByteArray("old"));
    }

    void readOnlyFileCanBeRead()
    {
        const QString path = write("ro\r\n");
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        TGpTextFile f(path);
        f.OpenForReading();
        QCOMPARE(f.ReadLine(), u"ro"_s);
    }

    void textFileErrors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("missing file") << 0 << 2004 << u"TGpTextFile(%1):Failed to reset file."_s;
        QTest::newRow("folder missing") << 1 << 2005 << u"TGpTextFile(%1):Failed to rewrite file."_s;
        QTest::newRow("reversed file") << 2 << 2007 << u"TGpTextFile(%1):Cannot write to reversed Unicode file."_s;
        QTest::newRow("line after close") << 3 << 2000 << u"TGpHugeFile(%1):File not open!"_s;
    }
    void textFileErrors()
    {
        QFETCH(int, kind);
        QFETCH(int, helpContext);
        QFETCH(QString, pattern);
        QString path;
        switch (kind) {
        case 0: path = dir.filePath(u"none.txt"_s); break;
        case 1: path = dir.filePath(u"no/such/out.txt"_s); break;
        case 2: path = write(QByteArray("\xFE\xFF\x00\x61", 4)); break;
        case 3: path = write("a"); break;
        }
        TGpTextFile f(path);
        try {
            switch (kind) {
            case 0: f.OpenForReading(); break;
            case 1: f.CreateForWriting(true); break;
            case 2:
                f.OpenForReading();
                QVERIFY(f.ReversedFile());
                f.CreateForWriting(true);
                break;
            case 3:
                f.OpenForReading();
                f.Close();
                f.ReadLine();
                break;
            }
            QFAIL("no error raised");
        } catch (const EGpTextFile &e) {
            QCOMPARE(e.HelpContext(), helpContext);
            QCOMPARE(e.Message(), pattern.arg(path));
        }
    }

    void hugeFileErrors_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("helpContext");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("block size 0") << 0 << 1003 << u"TGpHugeFile(%1):BlockSize must be greater than zero!"_s;
        QTest::newRow("not open") << 1 << 1004 << u"TGpHugeFile(%1):File not open!"_s;
        QTest::newRow("write while reading") << 2 << 1006 << u"TGpHugeFile(%1):Write while in buffered read mode!"_s;
        QTest::newRow("read while writing") << 3 << 1007 << u"TGpHugeFile(%1):Read while in buffered write mode!"_s;
    }
    void hugeFileErrors()
    {
        QFETCH(int, kind);
        QFETCH(int, helpContext);
        QFETCH(QString, pattern);
        const QString path = write("abc");
        TGpHugeFile f(path);
        char buffer[4] = {};
        try {
            switch (kind) {
            case 0: f.ResetBuffered(0); break;
            case 1: f.BlockRead(buffer, 1); break;
            case 2: f.ResetBuffered(); f.BlockWrite(buffer, 1); break;
            case 3: f.RewriteBuffered(); f.BlockRead(buffer, 1); break;
            }
            QFAIL("no error raised");
        } catch (const EGpHugeFile &e) {
            QCOMPARE(e.HelpContext(), helpContext);
            QCOMPARE(e.Message(), pattern.arg(path));
        }
    }

    void systemErrorNamesOperationAndCode()
    {
        const QString path = dir.filePath(u"missing.bin"_s);
        TGpHugeFile f(path);
        try {
            f.ResetBuffered();
            QFAIL("no error raised");
        } catch (const EGpHugeFile &e) {
            QCOMPARE(e.HelpContext(), 1001);
            QCOMPARE(e.Message(), u"TGpHugeFile.Reset(%1) failed. System Error.  Code: %2.\r\n%3"_s.arg(
                                      path, QString::number(ENOENT), QString::fromLocal8Bit(strerror(ENOENT))));
        }
    }

    void hugeFileReadsAndSeeksInBlocks()
    {
        QByteArray bytes;
        for (int i = 0; i < 200000; ++i)
            bytes.append(char(i % 251));
        const QString path = write(bytes);
        TGpHugeFile f(path);
        f.ResetBuffered(4, 1000);
        QCOMPARE(f.FileSize(), 50000);
        QByteArray got(8, Qt::Uninitialized);
        f.Seek(30000);
        QCOMPARE(f.BlockRead(got.data(), 2), 2);
        QCOMPARE(got, bytes.mid(120000, 8));
        QCOMPARE(f.FilePos(), 30002);
        f.Seek(49999);
        QCOMPARE(f.BlockRead(got.data(), 2), 1); // one block left
    }

    void convertsFiles_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        const QByteArray ab16 = Bom16 + Utf16(u"a"_s) + Crlf16 + Utf16(u"b"_s) + Crlf16;
        QTest::newRow("8-bit a, b to UTF-16") << QByteArray("a\r\nb\r\n") << ab16;
        QTest::newRow("last line gets a break") << QByteArray("a\r\nb") << ab16;
        QTest::newRow("windows-1250 to UTF-16") << QByteArray("\x9E\n") << Bom16 + Utf16(u"ž"_s) + Crlf16;
        QTest::newRow("empty file gives one empty line") << QByteArray() << Bom16 + Crlf16;
        QTest::newRow("UTF-8 with mark to 8-bit")
            << QByteArray("\xEF\xBB\xBF\x61\n\xC3\xA1") << QByteArray("a\r\n\xE1\r\n");
        QTest::newRow("UTF-16 to 8-bit") << Bom16 + Utf16(u"a"_s) + Crlf16 + Utf16(u"š"_s)
                                         << QByteArray("a\r\n\x9A\r\n");
        QTest::newRow("FF FE only gives one empty line") << Bom16 << QByteArray("\r\n");
        QTest::newRow("UTF-8 without mark is read as UTF-8")
            << QByteArray("\xC5\xBE\x6C\r\n") << Bom16 + Utf16(u"žl"_s) + Crlf16;
    }
    void convertsFiles()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const QString in = write(input);
        QDir(dir.path()).mkpath(u"out"_s);
        const QString target = FileConversion::TargetPath(dir.filePath(u"out"_s), in);
        QCOMPARE(target, dir.filePath(u"out/"_s) + QFileInfo(in).fileName());
        FileConversion::ConvertFile(in, target);
        QCOMPARE(read(target), output);
        QCOMPARE(read(in), input);
    }

    void listLines_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("unicode");
        QTest::addColumn<QString>("line");
        QTest::newRow("ascii") << u"/a b/x.htm"_s << false << u"Ascii   - /a b/x.htm"_s;
        QTest::newRow("unicode") << u"/x.htm"_s << true << u"Unicode - /x.htm"_s;
    }
    void listLines()
    {
        QFETCH(QString, path);
        QFETCH(bool, unicode);
        QFETCH(QString, line);
        QCOMPARE(FileConversion::ListLine(path, unicode), line);
        QCOMPARE(FileConversion::PathOfListLine(line), path);
    }

    void sameFileIsFoundBehindAnotherSpelling()
    {
        const QString in = write("x");
        QVERIFY(FileConversion::SameFile(in, dir.path() + u"/./"_s + QFileInfo(in).fileName()));
        QVERIFY(FileConversion::SameFile(in, dir.path() + u"//"_s + QFileInfo(in).fileName()));
        QVERIFY(!FileConversion::SameFile(in, dir.filePath(u"other.txt"_s)));
    }
};

QTEST_GUILESS_MAIN(TestGpTextFile)
#include "tst_gp_text_file.moc"
