// Templates: the placeholders, how a line is filled, the list and new names.
#include "conversion/text_file.h"
#include "templates/template_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

TTemplateFields SomeFields()
{
    TTemplateFields f;
    f.Author = u"Jan Novák"_s;
    f.Language = u"cs"_s;
    f.Keywords = u"kola, opravy"_s;
    f.Description = u"Opravy kol"_s;
    f.Robots = u"index,nofollow"_s;
    return f;
}

void Touch(const QString &path, const QByteArray &bytes = "popis\r\n")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestTemplateFile : public QObject
{
    Q_OBJECT

private slots:
    void robots_data()
    {
        QTest::addColumn<bool>("index");
        QTest::addColumn<bool>("follow");
        QTest::addColumn<QString>("text");
        QTest::newRow("both") << true << true << u"index,follow"_s;
        QTest::newRow("index only") << true << false << u"index,nofollow"_s;
        QTest::newRow("follow only") << false << true << u"noindex,follow"_s;
        QTest::newRow("neither") << false << false << u"noindex,nofollow"_s;
    }
    void robots()
    {
        QFETCH(bool, index);
        QFETCH(bool, follow);
        QFETCH(QString, text);
        QCOMPARE(TemplateFile::RobotsText(index, follow), text);
    }

    void fillLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("filled");
        QTest::newRow("author") << u"<META name=\"author\" content=\"<*a*>\">"_s
                                << u"<META name=\"author\" content=\"Jan Novák\">"_s;
        QTest::newRow("language") << u"<HTML lang=\"<*j*>\">"_s << u"<HTML lang=\"cs\">"_s;
        QTest::newRow("keywords") << u"<*k*>"_s << u"kola, opravy"_s;
        QTest::newRow("description") << u"x<*p*>y"_s << u"xOpravy koly"_s;
        QTest::newRow("robots") << u"content=\"<*r*>\""_s << u"content=\"index,nofollow\""_s;
        QTest::newRow("only the first of two") << u"<*a*> <*k*>"_s << u"Jan Novák <*k*>"_s;
        QTest::newRow("first is the leftmost") << u"<*k*> <*a*>"_s << u"kola, opravy <*a*>"_s;
        QTest::newRow("other letters stay, scan goes on") << u"<*x*><*a*>"_s << u"<*x*>Jan Novák"_s;
        QTest::newRow("capital is no placeholder") << u"<*A*>"_s << u"<*A*>"_s;
        QTest::newRow("cut off at the end") << u"text <*a*"_s << u"text <*a*"_s;
        QTest::newRow("short line") << u"<*a"_s << u"<*a"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void fillLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, filled);
        QCOMPARE(TemplateFile::FillLine(line, SomeFields()), filled);
    }

    void fillDoesNotRescanTheValue()
    {
        TTemplateFields f = SomeFields();
        f.Author = u"<*k*>"_s;
        QCOMPARE(TemplateFile::FillLine(u"<*a*>!"_s, f), u"<*k*>!"_s);
    }

    void placeholdersAnywhereInAnyLine()
    {
        const QStringList lines{u"Popis <*j*>"_s, u"<p><*a*></p><*a*>"_s, u"<*r"_s, u"*>"_s, u"<*z*>"_s};
        const QSet<QChar> found = TemplateFile::PlaceholdersIn(lines);
        QCOMPARE(found, (QSet<QChar>{u'j', u'a'}));
        QVERIFY(TemplateFile::PlaceholdersIn({u"<*p*><*k*><*r*>"_s}).contains(u'r'));
    }

    void listReadsDescriptionsInNaturalOrder()
    {
        QTemporaryDir dir;
        Touch(dir.filePath(u"Sablona10.vtq"_s), "Desátá\r\n<HTML>\r\n");
        Touch(dir.filePath(u"Sablona2.vtq"_s), "Druhá\r\n<HTML>\r\n");
        Touch(dir.filePath(u"Prazdna.vtq"_s), "");
        Touch(dir.filePath(u"aktual.htm"_s), "<HTML>\r\n");
        const QList<TTemplateEntry> list = TemplateFile::List(dir.path());
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].FileName, u"Prazdna.vtq"_s);
        QCOMPARE(list[0].Description, QString());
        QCOMPARE(list[1].FileName, u"Sablona2.vtq"_s);
        QCOMPARE(list[1].Description, u"Druhá"_s);
        QCOMPARE(list[2].Description, u"Desátá"_s);
    }

    void nextTemplateName_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("next");
        QTest::newRow("none") << QStringList{} << u"Sablona1.vtq"_s;
        QTest::newRow("three") << QStringList{u"a.vtq"_s, u"b.vtq"_s, u"c.vtq"_s} << u"Sablona4.vtq"_s;
        QTest::newRow("gap: 3 taken") << QStringList{u"Sablona1.vtq"_s, u"Sablona3.vtq"_s} << u"Sablona4.vtq"_s;
        QTest::newRow("gap: 3 and 4 taken")
            << QStringList{u"Sablona3.vtq"_s, u"Sablona4.vtq"_s, u"x.vtq"_s} << u"Sablona5.vtq"_s;
        QTest::newRow("other files not counted") << QStringList{u"aktual.htm"_s} << u"Sablona1.vtq"_s;
    }
    void nextTemplateName()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, next);
        QTemporaryDir dir;
        for (const QString &name : present)
            Touch(dir.filePath(name));
        QCOMPARE(TemplateFile::NextTemplateName(dir.path()), next);
    }

    void pageEncoding_data()
    {
        using E = Codec::TextEncoding;
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("templateEncoding");
        QTest::addColumn<int>("page");
        QTest::newRow("8-bit stays") << QStringList{u"<META charset=windows-1250>"_s} << int(E::Windows1250)
                                     << int(E::Windows1250);
        QTest::newRow("declares utf-8") << QStringList{u"<meta charset=\"UTF-8\">"_s} << int(E::Windows1250)
                                        << int(E::Utf8);
        QTest::newRow("content type") << QStringList{u"content=\"text/html; charset=utf-8\""_s}
                                      << int(E::Windows1250) << int(E::Utf8);
        QTest::newRow("xml declaration") << QStringList{u"<?xml version=\"1.0\" encoding=\"utf-8\"?>"_s}
                                         << int(E::Windows1250) << int(E::Utf8);
        QTest::newRow("utf-8 template") << QStringList{u"x"_s} << int(E::Utf8) << int(E::Utf8);
    }
    void pageEncoding()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, templateEncoding);
        QFETCH(int, page);
        QCOMPARE(int(TemplateFile::PageEncoding(lines, Codec::TextEncoding(templateEncoding))), page);
    }
};

QTEST_GUILESS_MAIN(TestTemplateFile)
#include "tst_template_file.moc"
