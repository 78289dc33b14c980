#include "conversion/text_file.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
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
    void readsAndWritesBackWithCrLf_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("crlf kept") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lf becomes crlf") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("last line gains a break") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("windows-1250 bytes") << QByteArray("\x8A\x9E\xA0\r\n") << QByteArray("\x8A\x9E\xA0\r\n");
        QTest::newRow("utf-8 stays utf-8") << QByteArray("\xC5\xBE\r\n") << QByteArray("\xC5\xBE\r\n");
    }
    void readsAndWritesBackWithCrLf()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, written);
        const QString path = write(QStringLiteral("doc.htm"), bytes);
        const TTextFileContent c = TextFile::Read(path);
        TextFile::Write(path, c.lines, c.encoding);
        QCOMPARE(read(path), written);
    }

    void failedWriteLeavesTheFileAlone()
    {
        // A folder where the temporary file would go cannot take it: the
        // target's folder does not exist.
        const QString missing = dir.filePath(QStringLiteral("no/such/folder/doc.htm"));
        QVERIFY_THROWS_EXCEPTION(EInOutError,
                                 TextFile::Write(missing, {QStringLiteral("x")},
                                                 Codec::TextEncoding::Windows1250));
        // A directory in place of the file: the rename fails and the
        // directory is untouched.
        const QString blocked = dir.filePath(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked));
        QVERIFY_THROWS_EXCEPTION(EInOutError,
                                 TextFile::Write(blocked, {QStringLiteral("x")},
                                                 Codec::TextEncoding::Windows1250));
        QVERIFY(QFileInfo(blocked).isDir());
    }

    void readingAMissingFileThrowsWithItsPath()
    {
        const QString path = dir.filePath(QStringLiteral("missing.htm"));
        try {
            TextFile::Read(path);
            QFAIL("no exception");
        } catch (const EInOutError &e) {
            QCOMPARE(e.path(), path);
            QVERIFY(!e.systemMessage().isEmpty());
        }
    }

    void binaryDetection()
    {
        QVERIFY(TextFile::LooksBinary(QByteArray("GIF89a\0\0", 8)));
        QVERIFY(!TextFile::LooksBinary(QByteArray("<html>")));
    }
};

QTEST_APPLESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
