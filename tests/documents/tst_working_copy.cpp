#include "documents/working_copy.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestWorkingCopy : public QObject
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
    void namesAndTheirInverse_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("workingCopy");
        QTest::newRow("plain") << QStringLiteral("/web/index.htm") << QStringLiteral("/web/~$index.htm~");
        QTest::newRow("windows path") << QStringLiteral("D:\\web\\index.htm") << QStringLiteral("D:\\web\\~$index.htm~");
        QTest::newRow("name holding ~$") << QStringLiteral("/w/x~$y.htm") << QStringLiteral("/w/~$x~$y.htm~");
        QTest::newRow("name ending in ~") << QStringLiteral("/w/backup.htm~") << QStringLiteral("/w/~$backup.htm~~");
        QTest::newRow("name starting with ~$") << QStringLiteral("/w/~$a~") << QStringLiteral("/w/~$~$a~~");
        QTest::newRow("no folder") << QStringLiteral("a.htm") << QStringLiteral("~$a.htm~");
        QTest::newRow("dots in folder") << QStringLiteral("/a.b/c") << QStringLiteral("/a.b/~$c~");
    }
    void namesAndTheirInverse()
    {
        QFETCH(QString, document);
        QFETCH(QString, workingCopy);
        QCOMPARE(WorkingCopyName(document), workingCopy);
        QCOMPARE(DocumentPath(workingCopy), document);
    }

    void copyReplacesTheTargetWhole()
    {
        QByteArray big;
        for (int i = 0; i < 5000; ++i)
            big.append(char(i % 251));
        const QString src = write(QStringLiteral("src.htm"), big);
        const QString dst = write(QStringLiteral("dst.htm"), QByteArray(10000, 'x'));
        CopyFileContents(src, dst);
        QCOMPARE(read(dst), big);
        QVERIFY(SameFileContents(src, dst));
    }

    void failedCopyLeavesTheTargetAsItWas()
    {
        const QString src = dir.filePath(QStringLiteral("gone.htm"));
        const QString dst = write(QStringLiteral("keep.htm"), "precious");
        QVERIFY_THROWS_EXCEPTION(EInOutError, CopyFileContents(src, dst));
        QCOMPARE(read(dst), QByteArray("precious"));

        // A target that cannot be replaced (a folder stands there).
        const QString folder = dir.filePath(QStringLiteral("folder"));
        QDir().mkpath(folder);
        const QString ok = write(QStringLiteral("ok.htm"), "text");
        QVERIFY_THROWS_EXCEPTION(EInOutError, CopyFileContents(ok, folder));
    }

    void deleteIgnoresMissingAndRemovesPresent()
    {
        const QString wc = write(QStringLiteral("~$d.htm~"), "x");
        DeleteWorkingCopy(wc);
        QVERIFY(!QFile::exists(wc));
        DeleteWorkingCopy(wc);
    }

    void sameContents()
    {
        const QString a = write(QStringLiteral("a"), "same");
        const QString b = write(QStringLiteral("b"), "same");
        const QString c = write(QStringLiteral("c"), "diff");
        QVERIFY(SameFileContents(a, b));
        QVERIFY(!SameFileContents(a, c));
        QVERIFY(!SameFileContents(a, dir.filePath(QStringLiteral("none"))));
    }
};

QTEST_APPLESS_MAIN(TestWorkingCopy)
#include "tst_working_copy.moc"
