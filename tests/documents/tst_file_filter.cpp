#include "documents/file_filter.h"

#include <QTest>

class TestFileFilter : public QObject
{
    Q_OBJECT

private slots:
    void addsTheChosenEntrysExtension_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        const QString def = FileFilterText::Default();
        QTest::newRow("first entry") << QStringLiteral("index") << def << 1 << QStringLiteral("index.htm");
        QTest::newRow("second entry") << QStringLiteral("index") << def << 2 << QStringLiteral("index.php");
        QTest::newRow("wildcard entry") << QStringLiteral("index") << def << 3 << QStringLiteral("index.txt");
        QTest::newRow("has an extension") << QStringLiteral("/w/page.html") << def << 2 << QStringLiteral("/w/page.html");
        QTest::newRow("dot only in the folder") << QStringLiteral("/w.x/page") << def << 1 << QStringLiteral("/w.x/page.htm");
        QTest::newRow("no bar in filter") << QStringLiteral("a") << QStringLiteral("*.htm") << 1 << QStringLiteral("a.txt");
        QTest::newRow("index past the entries") << QStringLiteral("a") << def << 7 << QStringLiteral("a");
        QTest::newRow("long pattern") << QStringLiteral("a") << QStringLiteral("X|*.abcdef") << 1 << QStringLiteral("a.txt");
        QTest::newRow("five characters") << QStringLiteral("a") << QStringLiteral("X|*.shtm") << 1 << QStringLiteral("a.shtm");
        QTest::newRow("single pair") << QStringLiteral("a") << QStringLiteral("Styly|*.css") << 1 << QStringLiteral("a.css");
    }
    void addsTheChosenEntrysExtension()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, filter);
        QFETCH(int, index);
        QFETCH(QString, expected);
        QCOMPARE(AddExtensionFromFilter(fileName, filter, index, QStringLiteral("txt")), expected);
    }

    void qtFiltersKeepOrderAndPatterns()
    {
        const QStringList f = FileFilterText::ToQtFilters(FileFilterText::Default());
        QCOMPARE(f.size(), 3);
        QCOMPARE(f[0], QStringLiteral("Soubor HTML(*.htm;*.html) (*.htm *.html)"));
        QCOMPARE(f[1], QStringLiteral("Skriptové Soubory(*.php;*.js;*.vbs) (*.php *.js *.vbs)"));
        QCOMPARE(f[2], QStringLiteral("Všechny Soubory(*.*) (*)"));
        QCOMPARE(FileFilterText::ToQtFilters(QString()), QStringList{QStringLiteral("* (*)")});
    }
};

QTEST_APPLESS_MAIN(TestFileFilter)
#include "tst_file_filter.moc"
