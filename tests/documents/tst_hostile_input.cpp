// Input made to hurt: each document or project opens or is refused with a
// message, and nothing else changes.
#include "app/application.h"
#include "documents/document_commands.h"
#include "documents/document_table.h"
#include "documents/history.h"
#include "documents/project_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray Page(int approxBytes)
{
    QByteArray line = "<TR><TD CLASS=\"c\"><A HREF=\"a.htm\">Odkaz \xE8\xED\xB9</A></TD><TD>123</TD></TR>\r\n";
    QByteArray page = "<HTML><BODY><TABLE>\r\n";
    page.reserve(approxBytes + 256);
    while (page.size() < approxBytes)
        page += line;
    return page + "</TABLE></BODY></HTML>\r\n";
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void documents_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::newRow("NUL bytes") << QByteArray("<P>a\0b</P>\r\n", 13) << false << QStringLiteral("není textový soubor");
        QTest::newRow("invalid UTF-8") << QByteArray("<P>\xC3\x28 \xE2\x82 \xFF\xFE</P>\r\n") << true << QString();
        QTest::newRow("a line of 5 MB") << QByteArray(5 * 1024 * 1024, 'x') << true << QString();
        QByteArray tags;
        for (int i = 0; i < 100000; ++i)
            tags += "<P CLASS=\"x\"><B>" + QByteArray::number(i) + "</B></P>\r\n";
        QTest::newRow("100 000 lines of tags") << tags << true << QString();
        QTest::newRow("50 MB") << Page(50 * 1024 * 1024) << true << QString();
        QTest::newRow("empty") << QByteArray() << true << QString();
        QTest::newRow("only line breaks") << QByteArray(100000, '\r') << true << QString();
    }
    void documents()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        const QString other = fx->writeDoc(QStringLiteral("other.htm"), "<P>kept</P>\r\n");
        OpenDocument(other);
        Form2->HTMLEditor1->SetSelText(QStringLiteral("typed "));
        const QString path = fx->writeDoc(QStringLiteral("hostile.htm"), bytes);
        OpenDocument(path);
        QCOMPARE(ReadBytes(path), bytes); // opening never writes the document
        if (opens) {
            QCOMPARE(Docs.OpenDocCount, 2);
            QCOMPARE(ReadBytes(WorkingCopyName(path)), bytes);
            QCOMPARE(fx->dialogs->asked, QStringList());
            SelectDocument(0);
        } else {
            QCOMPARE(Docs.OpenDocCount, 1);
            QCOMPARE(fx->dialogs->asked.size(), 1);
            QVERIFY2(fx->dialogs->asked[0].contains(message), qPrintable(fx->dialogs->asked[0]));
            QVERIFY(!QFile::exists(WorkingCopyName(path)));
        }
        QCOMPARE(Form2->HTMLEditor1->Text(), QStringLiteral("typed <P>kept</P>"));
    }

    void aProjectOfTenThousandOddNames()
    {
        const QString folder = fx->docDir() + QStringLiteral("/a \"quoted\" folder; rm -rf x");
        QVERIFY(QDir().mkpath(folder));
        QByteArray project = "10000\r\n";
        for (int i = 0; i < 10000; ++i) {
            const QString name = QStringLiteral("str\u00e1nka \"%1\" 'x';.htm").arg(i);
            QFile f(folder + u'/' + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<P>" + QByteArray::number(i) + "</P>\r\n");
            project += (QStringLiteral("a \"quoted\" folder; rm -rf x/") + name).toUtf8() + "\r\n";
        }
        const QString vpq = fx->writeDoc(QStringLiteral("big.vpq"), "\xEF\xBB\xBF" + project);
        QVERIFY(OpenProject(vpq));
        QCOMPARE(Docs.OpenDocCount, 10000);
        QCOMPARE(fx->dialogs->asked, QStringList());
        QVERIFY(Form2->HTMLEditor1->Text().startsWith(QStringLiteral("<P>")));
    }

    void garbageProjectsAndHistory_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        static const char garbage[] = "\x01\x02\xFF\xFE garbage \0\0\r\n\r";
        QTest::newRow("random bytes") << QByteArray(garbage, sizeof garbage - 1);
        QTest::newRow("huge count") << QByteArray("2147483647\r\na.htm\r\n");
        QTest::newRow("negative count") << QByteArray("-5\r\n");
        QTest::newRow("binary") << QByteArray(4096, '\0');
    }
    void garbageProjectsAndHistory()
    {
        QFETCH(QByteArray, bytes);
        const QString kept = fx->writeDoc(QStringLiteral("kept.htm"), "<P>kept</P>\r\n");
        OpenDocument(kept);
        const QString vpq = fx->writeDoc(QStringLiteral("bad.vpq"), bytes);
        QVERIFY(!OpenProject(vpq));
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY2(fx->dialogs->asked[0].contains(vpq), qPrintable(fx->dialogs->asked[0]));
        QCOMPARE(Docs.OpenDocCount, 1);
        QCOMPARE(ReadBytes(vpq), bytes);

        Thistorie history;
        const QString dat = fx->writeDoc(QStringLiteral("history.dat"), bytes);
        history.Read(dat);
        QVERIFY(history.ProjectCount <= 4 && history.FileCount <= 8);
        history.RefreshMenuPaths();
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
