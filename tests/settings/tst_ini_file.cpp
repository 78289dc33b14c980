// The private-profile rules of config.ini: lookup, values, in-place updates
// and a byte-exact file.
#include "conversion/codec.h"
#include "errorreport/io_error.h"
#include "settings/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileIsEmpty();
    void unreadableFileIsReported();
    void lookup_data();
    void lookup();
    void integers_data();
    void integers();
    void booleans_data();
    void booleans();
    void writeUpdatesInPlace();
    void writeAppendsToItsSection();
    void writeAppendsNewSectionAtEnd();
    void valueRoundTrip_data();
    void valueRoundTrip();
    void untouchedLinesSurviveByteForByte();
    void savesWindows1250WithCrLf();
    void characterOutsideCodePageSurvives();
    void saveToMissingFolderThrows();

private:
    QByteArray ReadBytes(const QString &path) const;
    QString WriteBytes(const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestIniFile::ReadBytes(const QString &path) const
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString TestIniFile::WriteBytes(const QByteArray &bytes) const
{
    const QString path = m_dir->filePath(u"config.ini"_s);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
    return path;
}

void TestIniFile::missingFileIsEmpty()
{
    TIniFile ini;
    QVERIFY(ini.Load(m_dir->filePath(u"nothing.ini"_s)));
    QVERIFY(ini.Lines().isEmpty());
    QCOMPARE(ini.ReadString(u"Historie"_s, u"Delka"_s, u"10"_s), u"10"_s);
}

void TestIniFile::unreadableFileIsReported()
{
    // A folder by the file's name exists but cannot be read as a file.
    const QString path = m_dir->filePath(u"config.ini"_s);
    QVERIFY(QDir().mkpath(path));
    TIniFile ini;
    QString message;
    QVERIFY(!ini.Load(path, &message));
    QVERIFY(!message.isEmpty());
}

void TestIniFile::lookup_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // "<default>" when not found

    const QByteArray file = "; settings\r\n"
                            "Delka=99\r\n" // before any section: in none
                            "[Editor]\r\n"
                            "Tabsize=3\r\n"
                            "  usetab =  1  \r\n"
                            "garbage line\r\n"
                            "[ Historie ]\r\n"
                            "DELKA=20\r\n"
                            "Delka=30\r\n"
                            "[editor]\r\n"
                            "Tabsize=7\r\n"
                            "wordwrap=1\r\n";
    QTest::newRow("key in first section") << file << u"Editor"_s << u"Tabsize"_s << u"3"_s;
    QTest::newRow("section letter case") << file << u"EDITOR"_s << u"Tabsize"_s << u"3"_s;
    QTest::newRow("key letter case") << file << u"Historie"_s << u"delka"_s << u"20"_s;
    QTest::newRow("blanks around key and value") << file << u"Editor"_s << u"usetab"_s << u"1"_s;
    QTest::newRow("blanks inside brackets") << file << u"historie"_s << u"Delka"_s << u"20"_s;
    QTest::newRow("only the first section counts") << file << u"Editor"_s << u"wordwrap"_s
                                                   << u"<default>"_s;
    QTest::newRow("key of another section") << file << u"Editor"_s << u"Delka"_s << u"<default>"_s;
    QTest::newRow("garbage is no key") << file << u"Editor"_s << u"garbage line"_s << u"<default>"_s;
    QTest::newRow("missing section") << file << u"Fonty"_s << u"Tabsize"_s << u"<default>"_s;
    QTest::newRow("LF only") << QByteArray("[A]\nk=v\n") << u"a"_s << u"K"_s << u"v"_s;
    QTest::newRow("Czech key, other case")
        << Codec::EncodeWin1250(u"[Codefiller]\r\nPOUŽÍVAT=0\r\n"_s) << u"Codefiller"_s
        << u"Používat"_s << u"0"_s;
    QTest::newRow("key with brackets") << QByteArray("[Editor]\r\nuse<strong>=1\r\n") << u"Editor"_s
                                       << u"use<STRONG>"_s << u"1"_s;
    QTest::newRow("key with slash") << QByteArray("[Editor]\r\nuse/attheendoftag=1\r\n")
                                    << u"Editor"_s << u"use/attheendoftag"_s << u"1"_s;
    QTest::newRow("empty value") << QByteArray("[S]\r\nk=\r\n") << u"S"_s << u"k"_s << QString();
}

void TestIniFile::lookup()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TIniFile ini;
    QVERIFY(ini.Load(WriteBytes(file)));
    QCOMPARE(ini.ReadString(section, key, u"<default>"_s), expected);
}

void TestIniFile::integers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << u"42"_s << 42;
    QTest::newRow("negative") << u"-3"_s << -3;
    QTest::newRow("plus sign") << u"+3"_s << 3;
    QTest::newRow("blanks") << u"  7  "_s << 7;
    QTest::newRow("dollar hex") << u"$1F"_s << 31;
    QTest::newRow("0x hex") << u"0x10"_s << 16;
    QTest::newRow("quoted") << u"\"5\""_s << 5;
    QTest::newRow("text") << u"ano"_s << -99;
    QTest::newRow("digits then text") << u"12abc"_s << -99;
    QTest::newRow("empty") << QString() << -99;
    QTest::newRow("sign alone") << u"-"_s << -99;
    QTest::newRow("inner blank") << u"1 2"_s << -99;
    QTest::newRow("too large") << u"99999999999"_s << -99;
    QTest::newRow("hex digits in decimal") << u"1F"_s << -99;
}

void TestIniFile::integers()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    TIniFile ini;
    QVERIFY(ini.Load(WriteBytes("[S]\r\nk=" + Codec::EncodeWin1250(value) + "\r\n")));
    QCOMPARE(ini.ReadInteger(u"S"_s, u"k"_s, -99), expected);
}

void TestIniFile::booleans_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << QByteArray("k=1") << false << true;
    QTest::newRow("0") << QByteArray("k=0") << true << false;
    QTest::newRow("other integer") << QByteArray("k=-2") << false << true;
    QTest::newRow("text, default false") << QByteArray("k=true") << false << false;
    QTest::newRow("text, default true") << QByteArray("k=false") << true << true;
    QTest::newRow("empty, default true") << QByteArray("k=") << true << true;
    QTest::newRow("missing, default true") << QByteArray("other=0") << true << true;
}

void TestIniFile::booleans()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    TIniFile ini;
    QVERIFY(ini.Load(WriteBytes("[S]\r\n" + line + "\r\n")));
    QCOMPARE(ini.ReadBool(u"S"_s, u"k"_s, defaultValue), expected);
}

void TestIniFile::writeUpdatesInPlace()
{
    TIniFile ini;
    QVERIFY(ini.Load(WriteBytes("[Editor]\r\n; note\r\n  TABSIZE = 3\r\nusetab=1\r\n")));
    ini.WriteString(u"editor"_s, u"Tabsize"_s, u"8"_s);
    // The line stays where it was and keeps the file's spelling of the key.
    QCOMPARE(ini.Lines(), QStringList({u"[Editor]"_s, u"; note"_s, u"TABSIZE=8"_s, u"usetab=1"_s}));
}

void TestIniFile::writeAppendsToItsSection()
{
    TIniFile ini;
    QVERIFY(ini.Load(WriteBytes("[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n")));
    ini.WriteString(u"a"_s, u"z"_s, u"3"_s);
    ini.WriteBool(u"B"_s, u"w"_s, false);
    QCOMPARE(ini.Lines(), QStringList({u"[A]"_s, u"x=1"_s, u"z=3"_s, QString(), u"[B]"_s, u"y=2"_s,
                                       u"w=0"_s}));
}

void TestIniFile::writeAppendsNewSectionAtEnd()
{
    TIniFile ini;
    QVERIFY(ini.Load(WriteBytes("[A]\r\nx=1\r\n")));
    ini.WriteBool(u"C"_s, u"k"_s, true);
    QCOMPARE(ini.Lines(), QStringList({u"[A]"_s, u"x=1"_s, QString(), u"[C]"_s, u"k=1"_s}));

    TIniFile empty;
    empty.WriteString(u"C"_s, u"k"_s, u"v"_s);
    QCOMPARE(empty.Lines(), QStringList({u"[C]"_s, u"k=v"_s}));
}

void TestIniFile::valueRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("tag with quotes") << u"<P ALIGN=\"CENTER\">"_s;
    QTest::newRow("closing tag") << u"</P>"_s;
    QTest::newRow("equals sign") << u"a=b"_s;
    QTest::newRow("enclosed in quotes") << u"\"quoted\""_s;
    QTest::newRow("leading and trailing blanks") << u"  padded "_s;
    QTest::newRow("one quote") << u"\""_s;
    QTest::newRow("semicolon first") << u";not a comment"_s;
    QTest::newRow("Czech") << u"Všechny Soubory(*.*)|*.*"_s;
    QTest::newRow("empty") << QString();
}

void TestIniFile::valueRoundTrip()
{
    QFETCH(QString, value);
    TIniFile ini;
    ini.WriteString(u"Editor"_s, u"centertext1"_s, value);
    const QString path = m_dir->filePath(u"config.ini"_s);
    ini.Save(path);
    TIniFile again;
    QVERIFY(again.Load(path));
    QCOMPARE(again.ReadString(u"Editor"_s, u"centertext1"_s, u"<default>"_s), value);
}

void TestIniFile::untouchedLinesSurviveByteForByte()
{
    const QByteArray bytes = "; Vellomy\r\n"
                             "[Konvertor]\r\n"
                             "Output=/home/u/\xE8\x9A/\r\n" // "čš" in the code page
                             "  odd line without equals\r\n"
                             "[broken\r\n"
                             "\r\n"
                             "[Editor]\r\n"
                             "Tabsize=5\r\n";
    const QString path = WriteBytes(bytes);
    TIniFile ini;
    QVERIFY(ini.Load(path));
    ini.WriteString(u"Editor"_s, u"Tabsize"_s, u"5"_s);
    ini.Save(path);
    QCOMPARE(ReadBytes(path), bytes);
}

void TestIniFile::savesWindows1250WithCrLf()
{
    TIniFile ini;
    ini.WriteBool(u"Codefiller"_s, u"Používat"_s, true);
    const QString path = m_dir->filePath(u"config.ini"_s);
    ini.Save(path);
    // "ž" is 0x9E and "í" 0xED in Windows-1250.
    QCOMPARE(ReadBytes(path), QByteArray("[Codefiller]\r\nPou\x9E\xEDvat=1\r\n"));
}

void TestIniFile::characterOutsideCodePageSurvives()
{
    // A folder name the code page cannot hold.
    const QString folder = u"/home/Иван/"_s;
    TIniFile ini;
    ini.WriteString(u"Adresare"_s, u"Projekty"_s, folder);
    const QString path = m_dir->filePath(u"config.ini"_s);
    ini.Save(path);
    TIniFile again;
    QVERIFY(again.Load(path));
    QCOMPARE(again.ReadString(u"Adresare"_s, u"Projekty"_s, QString()), folder);
}

void TestIniFile::saveToMissingFolderThrows()
{
    TIniFile ini;
    ini.WriteString(u"A"_s, u"k"_s, u"v"_s);
    const QString path = m_dir->filePath(u"no/such/folder/config.ini"_s);
    QVERIFY_THROWS_EXCEPTION(EInOutError, ini.Save(path));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
