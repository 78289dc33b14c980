// The vocabulary file: its word lines, loading, saving and the check list.
#include "assistant/code_vocabulary.h"
#include "conversion/codec.h"
#include "errorreport/io_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using TKind = TCodeVocabulary::TKindWord;
Q_DECLARE_METATYPE(TCodeVocabulary::TKindWord)

namespace {

void WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCodeVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isWord");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("qualifier");
        QTest::addColumn<TKind>("kindWord");
        QTest::newRow("member") << u"write;/;javascript.document"_s << true << u"write"_s
                                << u"javascript.document"_s << u"document"_s << TKind::JavaScript;
        QTest::newRow("second separator stays in the kind")
            << u"a;/;b;/;c"_s << true << u"a"_s << u"b;/;c"_s << QString() << TKind::None;
        QTest::newRow("pair tag") << u"<B></B>;/;htmltag"_s << true << u"<B></B>"_s << u"htmltag"_s
                                  << QString() << TKind::HtmlTag;
        QTest::newRow("kind in capitals") << u"border;/;HTMLPARAM"_s << true << u"border"_s
                                          << u"HTMLPARAM"_s << QString() << TKind::HtmlParam;
        QTest::newRow("tag with a qualifier is no known kind")
            << u"<B>;/;htmltag.x"_s << true << u"<B>"_s << u"htmltag.x"_s << u"x"_s << TKind::None;
        QTest::newRow("type member, qualifier after the first dot")
            << u"src;/;typejavascript.Image.x"_s << true << u"src"_s << u"typejavascript.Image.x"_s
            << u"Image.x"_s << TKind::TypeJavaScript;
        QTest::newRow("script word") << u"var;/;TScript"_s << true << u"var"_s << u"TScript"_s
                                     << QString() << TKind::TScript;
        QTest::newRow("user word") << u"echo;/;userdefined"_s << true << u"echo"_s << u"userdefined"_s
                                   << QString() << TKind::UserDefined;
        QTest::newRow("empty word") << u";/;htmltag"_s << true << QString() << u"htmltag"_s << QString()
                                    << TKind::HtmlTag;
        QTest::newRow("note line") << u"poznámka; bez oddělovače"_s << false << QString() << QString()
                                   << QString() << TKind::None;
        QTest::newRow("blank line") << QString() << false << QString() << QString() << QString()
                                    << TKind::None;
    }
    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, isWord);
        Tcodeassistantword record;
        QCOMPARE(TCodeVocabulary::ParseLine(line, &record), isWord);
        if (!isWord)
            return;
        QFETCH(QString, word);
        QFETCH(QString, kind);
        QFETCH(QString, qualifier);
        QFETCH(TKind, kindWord);
        QCOMPARE(record.Word, word);
        QCOMPARE(record.Kind, kind);
        QCOMPARE(record.Qualifier, qualifier);
        QCOMPARE(TCodeVocabulary::KindWordOf(record.Kind), kindWord);
    }

    void loadKeepsFileOrderAndSkipsNotes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"tags.vcq"_s);
        WriteBytes(path, Codec::EncodeWin1250(u"zebra;/;userdefined\r\npoznámka\r\n\r\n"
                                              u"čára;/;userdefined\r\n<A;/;htmltag\n"_s));
        TCodeVocabulary v;
        v.LoadVocabulary(path);
        QCOMPARE(v.Count(), 3);
        QCOMPARE(v.Entries()[0].Record.Word, u"zebra"_s);
        QCOMPARE(v.Entries()[1].Record.Word, u"čára"_s);
        QCOMPARE(v.Entries()[2].LowerWord, u"<a"_s);
        QCOMPARE(v.FindWord(u"<A"_s), &v.Entries()[2]);
        QCOMPARE(v.FindWord(u"<a"_s), nullptr);

        // Loading again replaces the list; an empty file empties it.
        WriteBytes(path, QByteArray());
        v.LoadVocabulary(path);
        QVERIFY(v.IsEmpty());
    }

    void missingFileIsAnEmptyVocabulary()
    {
        QTemporaryDir dir;
        TCodeVocabulary v;
        v.SetLines({u"a;/;htmltag"_s});
        v.LoadVocabulary(dir.filePath(u"Data/Codefiller/tags.vcq"_s));
        QVERIFY(v.IsEmpty());
    }

    void unreadableFileThrowsAndKeepsTheList()
    {
        QTemporaryDir dir;
        // A folder by the file's name exists and cannot be read as a file.
        const QString path = dir.filePath(u"tags.vcq"_s);
        QVERIFY(QDir().mkpath(path));
        TCodeVocabulary v;
        v.SetLines({u"a;/;htmltag"_s});
        QVERIFY_THROWS_EXCEPTION(EInOutError, v.LoadVocabulary(path));
        QCOMPARE(v.Count(), 1);
    }

    void saveSortsByBytesStably()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Data/Codefiller/tags.vcq"_s);
        TCodeVocabulary::SaveVocabulary(path, {u"body;/;htmltag"_s, u"Body;/;userdefined"_s, u"x"_s,
                                               QString(), u"ábc;/;userdefined"_s, u"x"_s,
                                               u"Zed;/;htmltag"_s});
        // Capitals before small letters, "á" (0xE1) after ASCII; the note
        // and the blank line survive.
        QCOMPARE(ReadAll(path), Codec::EncodeWin1250(u"\r\nBody;/;userdefined\r\nZed;/;htmltag\r\n"
                                                     u"body;/;htmltag\r\nx\r\nx\r\nábc;/;userdefined\r\n"_s));
        TCodeVocabulary v;
        v.LoadVocabulary(path);
        QCOMPARE(v.Entries().first().Record.Word, u"Body"_s);
    }

    void saveIntoUnwritableFolderThrowsAndKeepsTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"tags.vcq"_s);
        WriteBytes(path, "a;/;htmltag\r\n");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile(dir.filePath(u"probe"_s)).open(QIODevice::WriteOnly)) {
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("running with rights that ignore folder permissions");
        }
        QVERIFY_THROWS_EXCEPTION(EInOutError, TCodeVocabulary::SaveVocabulary(path, {u"b;/;htmltag"_s}));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(ReadAll(path), QByteArray("a;/;htmltag\r\n"));
    }

    void checkParameter_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("check");
        QTest::newRow("listed") << u"checked"_s << true;
        QTest::newRow("other case") << u"NOWRAP"_s << true;
        QTest::newRow("not listed") << u"border"_s << false;
        QTest::newRow("part of a line") << u"check"_s << false;
    }
    void checkParameter()
    {
        QFETCH(QString, name);
        QFETCH(bool, check);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"checkindex.if"_s);
        WriteBytes(path, "checked\r\nnowrap\r\nselected\r\n");
        QCOMPARE(TCodeVocabulary::IsCheckParameter(path, name), check);
        // Without the list nothing is a check attribute.
        QCOMPARE(TCodeVocabulary::IsCheckParameter(dir.filePath(u"none.if"_s), name), false);
    }
};

QTEST_GUILESS_MAIN(TestCodeVocabulary)
#include "tst_code_vocabulary.moc"
