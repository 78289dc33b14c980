// config.ini and the vocabulary file through the settings dialog: what a
// start loads, what a save writes, and what a save must never destroy.
#include "app/application.h"
#include "app/program_dir.h"
#include "conversion/codec.h"
#include "documents/project.h"
#include "errorreport/io_error.h"
#include "scripted_dialogs.h"
#include "settings/ini_file.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestLoadConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startWithoutConfig();
    void editedConfigFillsControls();
    void lastOpenType_data();
    void lastOpenType();
    void saveKeepsConverterFolder();
    void vocabularySortedByBytes();
    void missingVocabularyIsCreated();
    void garbledVocabularyIsNotOverwritten();
    void unreadableConfigIsNotReplaced();

private:
    QString Path(const QString &relative) const { return m_dir->filePath(relative); }
    void WriteFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray ReadFile(const QString &relative) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLoadConfig::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SetProgramDir(m_dir->path());
    InstallScriptedDialogs();
    Form13 = new TForm13;
    CurrentProject = TProjekt();
    FileFilter = FileFilterText::Default();
    LastOpenType.clear();
}

void TestLoadConfig::cleanup()
{
    delete Form13;
    Form13 = nullptr;
    SetDialogs(nullptr);
}

void TestLoadConfig::WriteFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(Path(relative)).absolutePath());
    QFile f(Path(relative));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write the fixture");
}

QByteArray TestLoadConfig::ReadFile(const QString &relative) const
{
    QFile f(Path(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestLoadConfig::startWithoutConfig()
{
    LoadConfig();
    QVERIFY(!Form13->Openlastproject->isChecked());
    QCOMPARE(Form13->ValueListEditor1->rowCount(), 3);
    QCOMPARE(FileFilter, FileFilterText::Default());
    QCOMPARE(Form13->bgcolor->currentText(), u"clWhite"_s);
    QCOMPARE(Form13->Textcolor->currentText(), u"clBlack"_s);
    QCOMPARE(Form13->tabulsize->text(), u"5"_s);
    QCOMPARE(Form13->Historylength->text(), u"10"_s);
    QVERIFY(Form13->RadioButton3->isChecked());
    QVERIFY(!Form13->usestrong->isChecked());

    SaveConfig();
    QFile golden(QStringLiteral(CONFIG_DATA_DIR "/new_defaults.ini"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(ReadFile(u"config.ini"_s), golden.readAll());
}

void TestLoadConfig::editedConfigFillsControls()
{
    QVERIFY(QFile::copy(QStringLiteral(CONFIG_DATA_DIR "/edited.ini"), Path(u"config.ini"_s)));
    LoadConfig();
    QVERIFY(Form13->usestrong->isChecked());
    QVERIFY(!Form13->RadioButton3->isChecked());
    QVERIFY(Form13->RadioButton2->isChecked());
    QCOMPARE(Form13->bgcolor->currentText(), u"clNavy"_s);
    QCOMPARE(Form13->Textcolor->currentText(), u"clYellow"_s);
    QCOMPARE(Form13->aligncenter1->text(), u"<DIV ALIGN=\"CENTER\">"_s);
    QCOMPARE(Form13->ValueListEditor1->rowCount(), 1);
    QCOMPARE(Form13->ValueListEditor1->item(0, 0)->text(), u"Stránky(*.htm)"_s);
    QCOMPARE(FileFilter, u"Stránky(*.htm)|*.htm"_s);
    QCOMPARE(LastOpenType, u"projekt"_s);
}

void TestLoadConfig::lastOpenType_data()
{
    QTest::addColumn<bool>("projectOpen");
    QTest::addColumn<QString>("expected");
    QTest::newRow("project open") << true << u"projekt"_s;
    QTest::newRow("no project") << false << QString();
}

void TestLoadConfig::lastOpenType()
{
    QFETCH(bool, projectOpen);
    QFETCH(QString, expected);
    WriteFile(u"config.ini"_s, "[Soubory]\r\nPosledniotevrtyp=jiny\r\n");
    LoadConfig();
    CurrentProject.IsOpen = projectOpen;
    SaveConfig();
    TIniFile ini;
    QVERIFY(ini.Load(Path(u"config.ini"_s)));
    QVERIFY(ini.ValueExists(u"Soubory"_s, u"Posledniotevrtyp"_s));
    QCOMPARE(ini.ReadString(u"Soubory"_s, u"Posledniotevrtyp"_s, u"<missing>"_s), expected);
}

void TestLoadConfig::saveKeepsConverterFolder()
{
    WriteFile(u"config.ini"_s,
              Codec::EncodeWin1250(u"; můj soubor\r\n[Konvertor]\r\nOutput=/převody/\r\n"_s));
    LoadConfig();
    Form13->tabulsize->setText(u"9"_s);
    SaveConfig();
    TIniFile ini;
    QVERIFY(ini.Load(Path(u"config.ini"_s)));
    QCOMPARE(ini.Lines().first(), u"; můj soubor"_s);
    QCOMPARE(ini.ReadString(u"Konvertor"_s, u"Output"_s, QString()), u"/převody/"_s);
    QCOMPARE(ini.ReadString(u"Editor"_s, u"Tabsize"_s, QString()), u"9"_s);
}

void TestLoadConfig::vocabularySortedByBytes()
{
    const QString vocabulary = u"Data/Codefiller/tags.vcq"_s;
    // "č" is 0xE8 in the code page: after every ASCII letter.
    WriteFile(vocabulary, Codec::EncodeWin1250(u"b;/;htmltag\r\nčára;/;userdefined\r\n"
                                               u"B;/;htmltag\r\npoznámka bez oddělovače\r\n"
                                               u"<A>;/;htmltag\r\n\r\nb;/;htmlparam\r\n"_s));
    LoadConfig();
    // The memo shows the file unchanged.
    QCOMPARE(Form13->VocabularyLines().first(), u"b;/;htmltag"_s);
    QCOMPARE(Form13->VocabularyLines().size(), 7);
    SaveConfig();
    QCOMPARE(ReadFile(vocabulary),
             Codec::EncodeWin1250(u"\r\n<A>;/;htmltag\r\nB;/;htmltag\r\nb;/;htmlparam\r\n"
                                  u"b;/;htmltag\r\npoznámka bez oddělovače\r\nčára;/;userdefined\r\n"_s));
}

void TestLoadConfig::missingVocabularyIsCreated()
{
    LoadConfig();
    QVERIFY(Form13->VocabularyLines().isEmpty());
    Form13->SetVocabularyLines({u"z;/;htmltag"_s, u"a;/;htmltag"_s});
    SaveConfig();
    QCOMPARE(ReadFile(u"Data/Codefiller/tags.vcq"_s), QByteArray("a;/;htmltag\r\nz;/;htmltag\r\n"));
}

void TestLoadConfig::garbledVocabularyIsNotOverwritten()
{
    const QByteArray garbled("\x00\x01\x02;/;htmltag\r\n\x00", 17);
    WriteFile(u"Data/Codefiller/tags.vcq"_s, garbled);
    LoadConfig();
    QVERIFY(Form13->VocabularyLines().isEmpty());
    SaveConfig();
    QCOMPARE(ReadFile(u"Data/Codefiller/tags.vcq"_s), garbled);
    // config.ini itself is still written.
    QVERIFY(QFile::exists(Path(u"config.ini"_s)));
}

void TestLoadConfig::unreadableConfigIsNotReplaced()
{
    // A folder by the file's name: it exists and cannot be read.
    QVERIFY(QDir().mkpath(Path(u"config.ini"_s)));
    LoadConfig(); // the defaults, quietly
    QCOMPARE(Form13->tabulsize->text(), u"5"_s);
    QVERIFY_THROWS_EXCEPTION(EInOutError, SaveConfig());
    QVERIFY(QFileInfo(Path(u"config.ini"_s)).isDir());
}

QTEST_MAIN(TestLoadConfig)
#include "tst_load_config.moc"
