// config.ini as settings values: defaults, odd values, the layout of a new
// file and the filter text of the extension table.
#include "conversion/codec.h"
#include "settings/config_values.h"
#include "settings/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

using TRows = QList<QPair<QString, QString>>;

class TestConfigValues : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void missingFileGivesDefaults();
    void newFileMatchesGolden_data();
    void newFileMatchesGolden();
    void editedFileIsRead();
    void oddValues_data();
    void oddValues();
    void saveKeepsOtherKeysAndComments();
    void changedValuesRoundTrip();
    void filterRowsFromText_data();
    void filterRowsFromText();
    void filterTextFromRows_data();
    void filterTextFromRows();

private:
    static QByteArray ReadBytes(const QString &path);
    TIniFile LoadBytes(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestConfigValues::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestConfigValues::ReadBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

TIniFile TestConfigValues::LoadBytes(const QByteArray &bytes)
{
    const QString path = m_dir->filePath(u"config.ini"_s);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
    f.close();
    TIniFile ini;
    if (!ini.Load(path))
        qFatal("cannot read the fixture");
    return ini;
}

void TestConfigValues::missingFileGivesDefaults()
{
    TIniFile ini;
    QVERIFY(ini.Load(m_dir->filePath(u"config.ini"_s)));
    const TConfigValues v = ReadConfigValues(ini);
    QCOMPARE(v.Delka, u"10"_s);
    QCOMPARE(v.Otevritpristartuprojekt, false);
    QCOMPARE(v.Filtr, u"Soubor HTML(*.htm;*.html)|*.htm;*.html|Skriptové Soubory(*.php;*.js;*.vbs)|"
                      u"*.php;*.js;*.vbs|Všechny Soubory(*.*)|*.*"_s);
    QCOMPARE(FilterRowsFromText(v.Filtr).size(), 3);
    QCOMPARE(v.BgColor, TColor(0xFFFFFF));
    QCOMPARE(v.TextColor, TColor(0x000000));
    QCOMPARE(v.Tabsize, u"5"_s);
    QCOMPARE(v.defaultpripona, u"htm"_s);
    QCOMPARE(v.centertext1, u"<P ALIGN=\"CENTER\">"_s);
    QCOMPARE(v.centertext2, u"</P>"_s);
    QCOMPARE(v.Pouzivat, true);
    QCOMPARE(v.Cislovatradky, true);
    QCOMPARE(v.Vkladatvelka, true);
    QCOMPARE(v.pozivatrelatinicesty, true);
    QCOMPARE(v.useparamsep, true);
    QCOMPARE(v.useStrong, false);
    QCOMPARE(v.useEm, false);
    QCOMPARE(v.Posledniotevrtyp, QString());
    QCOMPARE(v.Projekty, QString());
}

void TestConfigValues::newFileMatchesGolden_data()
{
    QTest::addColumn<bool>("projectOpen");
    QTest::addColumn<QByteArray>("lastOpenLine");
    QTest::newRow("no project") << false << QByteArray("Posledniotevrtyp=\r\n");
    QTest::newRow("project open") << true << QByteArray("Posledniotevrtyp=projekt\r\n");
}

void TestConfigValues::newFileMatchesGolden()
{
    QFETCH(bool, projectOpen);
    QFETCH(QByteArray, lastOpenLine);
    TIniFile ini;
    TConfigValues v;
    v.Posledniotevrtyp = u"ignored"_s; // the open project decides, not the value
    WriteConfigValues(ini, v, projectOpen);
    const QString path = m_dir->filePath(u"config.ini"_s);
    ini.Save(path);

    QByteArray expected = ReadBytes(QStringLiteral(CONFIG_DATA_DIR "/new_defaults.ini"));
    QVERIFY(!expected.isEmpty());
    expected.replace("Posledniotevrtyp=\r\n", lastOpenLine);
    QCOMPARE(ReadBytes(path), expected);
}

void TestConfigValues::editedFileIsRead()
{
    TIniFile ini;
    QVERIFY(ini.Load(QStringLiteral(CONFIG_DATA_DIR "/edited.ini")));
    const TConfigValues v = ReadConfigValues(ini);
    QCOMPARE(v.usetab, true);
    QCOMPARE(v.Tabsize, u"8"_s);
    QCOMPARE(v.BgColor, TColor(0x800000));   // clNavy
    QCOMPARE(v.TextColor, TColor(0x00FFFF)); // 65535 = clYellow
    QCOMPARE(v.useStrong, true);             // any integer other than 0
    QCOMPARE(v.useEm, false);                // not an integer: the default
    QCOMPARE(v.centertext1, u"<DIV ALIGN=\"CENTER\">"_s);
    QCOMPARE(v.Filtr, u"Stránky(*.htm)|*.htm"_s);
    QCOMPARE(v.Posledniotevrtyp, u"projekt"_s);
    QCOMPARE(v.Delka, u"25"_s);
    QCOMPARE(v.wordwrap, false); // absent
}

void TestConfigValues::oddValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<TColor>("bgColor");
    QTest::addColumn<bool>("useStrong");
    QTest::addColumn<bool>("lineNumbers");
    QTest::addColumn<QString>("delka");

    const TColor white = 0xFFFFFF;
    QTest::newRow("identifier in capitals")
        << QByteArray("[Editor]\r\nBgColor=CLRED\r\n") << TColor(0x0000FF) << false << true << u"10"_s;
    QTest::newRow("colour as decimal number")
        << QByteArray("[Editor]\r\nBgColor=255\r\n") << TColor(0x0000FF) << false << true << u"10"_s;
    QTest::newRow("colour as hex number")
        << QByteArray("[Editor]\r\nBgColor=$00FF00\r\n") << TColor(0x00FF00) << false << true << u"10"_s;
    QTest::newRow("number of no standard colour")
        << QByteArray("[Editor]\r\nBgColor=1193046\r\n") << TColor(0x123456) << false << true << u"10"_s;
    QTest::newRow("unknown colour text")
        << QByteArray("[Editor]\r\nBgColor=bílá\r\n") << white << false << true << u"10"_s;
    QTest::newRow("system colour number")
        << QByteArray("[Editor]\r\nBgColor=-16777211\r\n") << white << false << true << u"10"_s;
    QTest::newRow("boolean as word")
        << QByteArray("[Editor]\r\nuse<STRONG>=yes\r\nCislovatradky=no\r\n") << white << false << true
        << u"10"_s;
    QTest::newRow("boolean zero") << QByteArray("[Editor]\r\nuse<STRONG>=0\r\nCislovatradky=0\r\n")
                                  << white << false << false << u"10"_s;
    QTest::newRow("boolean other integer")
        << QByteArray("[Editor]\r\nuse<STRONG>=-1\r\n") << white << true << true << u"10"_s;
    QTest::newRow("history length not digits")
        << QByteArray("[Historie]\r\nDelka=deset\r\n") << white << false << true << u"10"_s;
    QTest::newRow("history length empty")
        << QByteArray("[Historie]\r\nDelka=\r\n") << white << false << true << u"10"_s;
    QTest::newRow("history length negative")
        << QByteArray("[Historie]\r\nDelka=-5\r\n") << white << false << true << u"10"_s;
}

void TestConfigValues::oddValues()
{
    QFETCH(QByteArray, file);
    QFETCH(TColor, bgColor);
    QFETCH(bool, useStrong);
    QFETCH(bool, lineNumbers);
    QFETCH(QString, delka);
    const TConfigValues v = ReadConfigValues(LoadBytes(Codec::EncodeWin1250(QString::fromUtf8(file))));
    QCOMPARE(v.BgColor, bgColor);
    QCOMPARE(v.useStrong, useStrong);
    QCOMPARE(v.Cislovatradky, lineNumbers);
    QCOMPARE(v.Delka, delka);
}

void TestConfigValues::saveKeepsOtherKeysAndComments()
{
    const QString path = m_dir->filePath(u"config.ini"_s);
    QVERIFY(QFile::copy(QStringLiteral(CONFIG_DATA_DIR "/edited.ini"), path));
    TIniFile ini;
    QVERIFY(ini.Load(path));
    WriteConfigValues(ini, ReadConfigValues(ini), false);
    ini.Save(path);

    TIniFile again;
    QVERIFY(again.Load(path));
    QCOMPARE(again.ReadString(u"Konvertor"_s, u"Output"_s, QString()), u"C:\\Převody\\"_s);
    QCOMPARE(again.Lines().first(), u"; edited by hand"_s);
    // Existing keys keep their place and spelling; the rest is appended.
    QCOMPARE(again.Lines().at(5), u"usetab=1"_s);
    QCOMPARE(again.Lines().at(6), u"tabsize=8"_s);
    QCOMPARE(again.Lines().filter(u"[Editor]"_s, Qt::CaseInsensitive).size(), 1);
    QCOMPARE(ReadConfigValues(again).Posledniotevrtyp, QString());
    TConfigValues expected = ReadConfigValues(ini);
    expected.Posledniotevrtyp.clear();
    QCOMPARE(ReadConfigValues(again), expected);
}

void TestConfigValues::changedValuesRoundTrip()
{
    TConfigValues v;
    v.Delka = u"3"_s;
    v.Otevritpristartuprojekt = true;
    v.Projekty = u"/home/uživatel/Projekty/"_s;
    v.Soubory = u"  /mezery na krajích/ "_s;
    v.Filtr = u"Stránky(*.htm)|*.htm"_s;
    v.Pouzivat = false;
    v.Cislovatradky = false;
    v.Vkladatvelka = false;
    v.Pouzivatzakladni = true;
    v.Vkladatfilenamymalyli = true;
    v.pozivatrelatinicesty = false;
    v.automatickyukladat = true;
    v.defaultpripona = u"php"_s;
    v.wordwrap = true;
    v.usetab = true;
    v.centertext1 = u"\"<CENTER>\""_s;
    v.centertext2 = u"</CENTER>"_s;
    v.useStrong = true;
    v.useEm = true;
    v.useparamsep = false;
    v.Tabsize = u"12"_s;
    v.BgColor = 0x123456;
    v.TextColor = 0x808000;
    v.Usefulltruefalseparam = true;
    v.useSlashAtEndOfTag = true;

    TIniFile ini;
    WriteConfigValues(ini, v, true);
    const QString path = m_dir->filePath(u"config.ini"_s);
    ini.Save(path);
    TIniFile again;
    QVERIFY(again.Load(path));
    v.Posledniotevrtyp = u"projekt"_s;
    QCOMPARE(ReadConfigValues(again), v);
    QCOMPARE(again.ReadString(u"Editor"_s, u"TextColor"_s, QString()), u"clTeal"_s);
}

void TestConfigValues::filterRowsFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TRows>("rows");
    QTest::newRow("default filter")
        << u"Soubor HTML(*.htm;*.html)|*.htm;*.html|Skriptové Soubory(*.php;*.js;*.vbs)|"
           u"*.php;*.js;*.vbs|Všechny Soubory(*.*)|*.*"_s
        << TRows{{u"Soubor HTML(*.htm;*.html)"_s, u"*.htm;*.html"_s},
                 {u"Skriptové Soubory(*.php;*.js;*.vbs)"_s, u"*.php;*.js;*.vbs"_s},
                 {u"Všechny Soubory(*.*)"_s, u"*.*"_s}};
    QTest::newRow("single pair") << u"Text(*.txt)|*.txt"_s << TRows{{u"Text(*.txt)"_s, u"*.txt"_s}};
    QTest::newRow("empty") << QString() << TRows{};
    QTest::newRow("description without patterns") << u"a|b|c"_s << TRows{{u"a"_s, u"b"_s}};
    QTest::newRow("trailing bar") << u"a|b|"_s << TRows{{u"a"_s, u"b"_s}};
    QTest::newRow("one character") << u"a"_s << TRows{};
    QTest::newRow("empty patterns") << u"a||b|c"_s << TRows{{u"a"_s, QString()}, {u"b"_s, u"c"_s}};
    QTest::newRow("empty description") << u"|*.x"_s << TRows{{QString(), u"*.x"_s}};
    QTest::newRow("one-character halves") << u"a|b|c|d"_s << TRows{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
}

void TestConfigValues::filterRowsFromText()
{
    QFETCH(QString, text);
    QFETCH(TRows, rows);
    QCOMPARE(FilterRowsFromText(text), rows);
}

void TestConfigValues::filterTextFromRows_data()
{
    QTest::addColumn<TRows>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("two rows") << TRows{{u"A"_s, u"*.a"_s}, {u"B"_s, u"*.b;*.c"_s}}
                              << u"A|*.a|B|*.b;*.c"_s;
    QTest::newRow("single row") << TRows{{u"A"_s, u"*.a"_s}} << u"A|*.a"_s;
    QTest::newRow("empty table") << TRows{} << QString();
    QTest::newRow("no complete row") << TRows{{u"A"_s, QString()}, {QString(), u"*.b"_s}} << QString();
    QTest::newRow("incomplete rows left out")
        << TRows{{QString(), QString()}, {u"A"_s, u"*.a"_s}, {u"B"_s, QString()}, {u"C"_s, u"*.c"_s}}
        << u"A|*.a|C|*.c"_s;
}

void TestConfigValues::filterTextFromRows()
{
    QFETCH(TRows, rows);
    QFETCH(QString, text);
    QCOMPARE(FilterTextFromRows(rows), text);
    // What the table is rebuilt from gives the same rows again.
    TRows complete;
    for (const auto &row : rows) {
        if (!row.first.isEmpty() && !row.second.isEmpty())
            complete.append(row);
    }
    QCOMPARE(FilterRowsFromText(text), complete);
}

QTEST_GUILESS_MAIN(TestConfigValues)
#include "tst_config_values.moc"
