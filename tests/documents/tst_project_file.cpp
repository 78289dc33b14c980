#include "documents/project_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProjectFile : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString touch(const QString &relative)
    {
        const QString path = QDir::cleanPath(dir.path() + u'/' + relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("x");
        return path;
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }

private slots:
    void relativePaths_data()
    {
        QTest::addColumn<QString>("project");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("stored");
        QTest::newRow("same folder") << QStringLiteral("/w/site.vpq") << QStringLiteral("/w/index.htm") << QStringLiteral("index.htm");
        QTest::newRow("sub-folder") << QStringLiteral("/w/site.vpq") << QStringLiteral("/w/css/a.htm") << QStringLiteral("css/a.htm");
        QTest::newRow("above") << QStringLiteral("/w/p/site.vpq") << QStringLiteral("/w/css/a.htm") << QStringLiteral("../css/a.htm");
        QTest::newRow("another root") << QStringLiteral("/home/u/site.vpq") << QStringLiteral("/srv/a.htm") << QStringLiteral("/srv/a.htm");
        QTest::newRow("project at the root") << QStringLiteral("/site.vpq") << QStringLiteral("/w/a.htm") << QStringLiteral("w/a.htm");
    }
    void relativePaths()
    {
        QFETCH(QString, project);
        QFETCH(QString, document);
        QFETCH(QString, stored);
        QCOMPARE(ProjectFile::RelativePath(project, document), stored);
        QCOMPARE(ProjectFile::ResolvePath(project, stored), document);
    }

    void storedLinesWrittenElsewhere_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("resolved");
        QTest::newRow("windows separators") << QStringLiteral("..\\css\\a.htm") << QStringLiteral("/w/css/a.htm");
        QTest::newRow("mixed") << QStringLiteral("sub\\b/c.htm") << QStringLiteral("/w/p/sub/b/c.htm");
        QTest::newRow("drive letter kept") << QStringLiteral("D:\\css\\a.htm") << QStringLiteral("D:/css/a.htm");
        QTest::newRow("absolute") << QStringLiteral("/srv/a.htm") << QStringLiteral("/srv/a.htm");
    }
    void storedLinesWrittenElsewhere()
    {
        QFETCH(QString, stored);
        QFETCH(QString, resolved);
        QCOMPARE(ProjectFile::ResolvePath(QStringLiteral("/w/p/site.vpq"), stored), resolved);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("documents");
        QTest::addColumn<QStringList>("notes");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no notes") << QStringList{QStringLiteral("p/index.htm")} << QStringList()
                                  << QByteArray("1\r\nindex.htm\r\n");
        QTest::newRow("one note line") << QStringList{QStringLiteral("p/index.htm"), QStringLiteral("css/a.htm")}
                                       << QStringList{QStringLiteral("Dokončit menu")}
                                       << QByteArray("2\r\nindex.htm\r\n../css/a.htm\r\nDokon\xE8it menu\r\n");
        QTest::newRow("many notes with blanks") << QStringList{QStringLiteral("p/sub/b.htm")}
                                                << QStringList{QStringLiteral("a"), QString(), QStringLiteral("3")}
                                                << QByteArray("1\r\nsub/b.htm\r\na\r\n\r\n3\r\n");
    }
    void roundTrip()
    {
        QFETCH(QStringList, documents);
        QFETCH(QStringList, notes);
        QFETCH(QByteArray, bytes);
        TProjectFile p;
        for (const QString &d : documents)
            p.documents << touch(d);
        p.notes = notes;
        const QString path = dir.path() + QStringLiteral("/p/site.vpq");
        ProjectFile::Write(path, p);
        QCOMPARE(read(path), bytes);
        TProjectFile back;
        QString error;
        QVERIFY2(ProjectFile::Read(path, &back, &error), qPrintable(error));
        QCOMPARE(back.documents, p.documents);
        QCOMPARE(back.notes, notes);
    }

    void badFilesAreNamedInTheMessage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        QTest::newRow("first line no number") << QByteArray("index.htm\r\n") << QStringLiteral("není platný projekt");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("není platný projekt");
        QTest::newRow("count past the end") << QByteArray("3\r\na.htm\r\n") << QStringLiteral("není platný projekt");
        QTest::newRow("no documents") << QByteArray("0\r\nnotes\r\n") << QStringLiteral("neobsahuje žádné soubory");
        QTest::newRow("a document is gone") << QByteArray("1\r\ngone.htm\r\n") << QStringLiteral("gone.htm");
    }
    void badFilesAreNamedInTheMessage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        const QString path = dir.filePath(QStringLiteral("bad.vpq"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        TProjectFile p;
        QString error;
        QVERIFY(!ProjectFile::Read(path, &p, &error));
        QVERIFY2(error.contains(path) && error.contains(says), qPrintable(error));
        QVERIFY(!ProjectFile::Read(dir.filePath(QStringLiteral("none.vpq")), &p, &error));
        QVERIFY(error.contains(QStringLiteral("nelze přečíst")));
    }
};

QTEST_APPLESS_MAIN(TestProjectFile)
#include "tst_project_file.moc"
