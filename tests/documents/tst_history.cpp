#include "documents/history.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList Files(const Thistorie &h)
{
    QStringList l;
    for (int i = 5; i < 5 + h.FileCount; ++i)
        l << h.Items[i];
    return l;
}

QStringList Projects(const Thistorie &h)
{
    QStringList l;
    for (int i = 1; i <= h.ProjectCount; ++i)
        l << h.Items[i];
    return l;
}

QString P(int n)
{
    return QStringLiteral("/w/f%1.htm").arg(n);
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString write(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("history.dat"));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

private slots:
    void newestFirstAndDistinct()
    {
        Thistorie h;
        for (int i = 1; i <= 3; ++i)
            h.AddToHistory(Thistorie::File, P(i));
        QCOMPARE(Files(h), (QStringList{P(3), P(2), P(1)}));
        h.AddToHistory(Thistorie::File, P(1)); // listed third moves to the top
        QCOMPARE(Files(h), (QStringList{P(1), P(3), P(2)}));
        h.AddToHistory(Thistorie::File, P(1));
        QCOMPARE(Files(h), (QStringList{P(1), P(3), P(2)}));
    }

    void eighthFileDropsTheOldest()
    {
        Thistorie h;
        for (int i = 1; i <= 8; ++i)
            h.AddToHistory(Thistorie::File, P(i));
        QCOMPARE(h.FileCount, 7);
        QCOMPARE(Files(h), (QStringList{P(8), P(7), P(6), P(5), P(4), P(3), P(2)}));
        // The one pushed out still sits in the hidden slot and comes back to the top.
        QCOMPARE(h.Items[12], P(1));
        h.AddToHistory(Thistorie::File, P(1));
        QCOMPARE(Files(h).first(), P(1));
        QCOMPARE(h.FileCount, 7);
    }

    void projectsKeepThree()
    {
        Thistorie h;
        for (int i = 1; i <= 4; ++i)
            h.AddToHistory(Thistorie::Project, QStringLiteral("/p%1.vpq").arg(i));
        QCOMPARE(Projects(h), (QStringList{QStringLiteral("/p4.vpq"), QStringLiteral("/p3.vpq"), QStringLiteral("/p2.vpq")}));
        QVERIFY(Files(h).isEmpty());
    }

    void menuHoldsProjectsSeparatorFiles()
    {
        Thistorie h;
        QCOMPARE(h.RefreshMenuPaths(), 1);
        QCOMPARE(h.MenuPaths[0], QStringLiteral("-"));
        h.AddToHistory(Thistorie::File, P(1));
        h.AddToHistory(Thistorie::File, P(2));
        QCOMPARE(h.RefreshMenuPaths(), 3);
        QCOMPARE(h.MenuPaths[0], QStringLiteral("-"));
        QCOMPARE(h.MenuPaths[1], P(2));
        h.AddToHistory(Thistorie::Project, QStringLiteral("/x.vpq"));
        QCOMPARE(h.RefreshMenuPaths(), 4);
        QCOMPARE(h.MenuPaths[0], QStringLiteral("/x.vpq"));
        QCOMPARE(h.MenuPaths[1], QStringLiteral("-"));
    }

    void writesAndReadsBack()
    {
        Thistorie h;
        h.AddToHistory(Thistorie::Project, QStringLiteral("/w/site.vpq"));
        h.AddToHistory(Thistorie::File, QStringLiteral("/w/index.htm"));
        h.AddToHistory(Thistorie::File, QStringLiteral("/w/kůň.htm"));
        const QString path = dir.filePath(QStringLiteral("history.dat"));
        h.Save(path);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("1\r\n/w/site.vpq\r\n2\r\n/w/k\xF9\xF2.htm\r\n/w/index.htm\r\n"));
        f.close();
        Thistorie back;
        QVERIFY(back.Read(path));
        QCOMPARE(Files(back), Files(h));
        QCOMPARE(Projects(back), Projects(h));
    }

    void pathOutsideTheCodePageSurvives()
    {
        Thistorie h;
        const QString odd = QStringLiteral("/w/\u0416\u0443\u0440\u043D\u0430\u043B.htm");
        h.AddToHistory(Thistorie::File, odd);
        const QString path = dir.filePath(QStringLiteral("h2.dat"));
        h.Save(path);
        Thistorie back;
        QVERIFY(back.Read(path));
        QCOMPARE(Files(back), QStringList{odd});
    }

    void oddFilesStayWithinTheSlots_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("projects");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("zero and zero") << QByteArray("0\r\n0\r\n") << QStringList() << QStringList();
        QTest::newRow("empty file") << QByteArray() << QStringList() << QStringList();
        QTest::newRow("negative count") << QByteArray("-4\r\n1\r\n/a\r\n") << QStringList() << QStringList{QStringLiteral("/a")};
        QTest::newRow("not a number") << QByteArray("x\r\n/a\r\n") << QStringList() << QStringList();
        QTest::newRow("counts above the menu") << QByteArray("4\r\n/1\r\n/2\r\n/3\r\n/4\r\n0\r\n")
                                               << QStringList{QStringLiteral("/1"), QStringLiteral("/2"), QStringLiteral("/3")} << QStringList();
        QTest::newRow("huge count") << QByteArray("999999\r\n/1\r\n/2\r\n") << QStringList{QStringLiteral("/1"), QStringLiteral("/2")} << QStringList();
        QByteArray many("0\r\n12\r\n");
        QStringList seven;
        for (int i = 0; i < 12; ++i) {
            many += "/f" + QByteArray::number(i) + "\r\n";
            if (i < 7)
                seven << QStringLiteral("/f%1").arg(i);
        }
        QTest::newRow("surplus file lines") << many << QStringList() << seven;
        QTest::newRow("fewer lines than counted") << QByteArray("2\r\n/p\r\n") << QStringList{QStringLiteral("/p")} << QStringList();
    }
    void oddFilesStayWithinTheSlots()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, projects);
        QFETCH(QStringList, files);
        Thistorie h;
        QVERIFY(h.Read(write(bytes)));
        QCOMPARE(Projects(h), projects);
        QCOMPARE(Files(h), files);
        QVERIFY(h.ProjectCount <= 3 && h.FileCount <= 7);
    }

    void missingFileIsAnEmptyHistory()
    {
        Thistorie h;
        QVERIFY(h.Read(dir.filePath(QStringLiteral("nothing.dat"))));
        QCOMPARE(h.ProjectCount, 0);
        QCOMPARE(h.FileCount, 0);
    }
};

QTEST_APPLESS_MAIN(TestHistory)
#include "tst_history.moc"
