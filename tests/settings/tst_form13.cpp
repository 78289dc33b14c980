// The settings dialog on its own: digit fields, OK's check, the extension
// table, the folder pickers and the move of values in and out.
#include "scripted_dialogs.h"
#include "settings/userconfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

class TestForm13 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void digitField_data();
    void digitField();
    void okRejectsEmptyNumberField_data();
    void okRejectsEmptyNumberField();
    void okRebuildsFilterFromRows();
    void setValuesRebuildsTable();
    void valuesRoundTrip();
    void exactlyOneRadioPerPair_data();
    void exactlyOneRadioPerPair();
    void opensOnFirstTab();
    void folderPicker_data();
    void folderPicker();
    void vocabularyLinesKeepTheirCharacters_data();
    void vocabularyLinesKeepTheirCharacters();

private:
    QLineEdit *Field(const QString &name) const;

    TForm13 *m_form = nullptr;
    TScriptedDialogs *m_dialogs = nullptr;
};

void TestForm13::init()
{
    m_dialogs = InstallScriptedDialogs();
    m_form = new TForm13;
}

void TestForm13::cleanup()
{
    delete m_form;
    m_form = nullptr;
    SetDialogs(nullptr);
}

QLineEdit *TestForm13::Field(const QString &name) const
{
    return name == u"Historylength" ? m_form->Historylength : m_form->tabulsize;
}

void TestForm13::digitField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("messages");
    for (const QString &field : {u"Historylength"_s, u"tabulsize"_s}) {
        const QByteArray f = field.toLatin1();
        QTest::newRow(f + ": letter") << field << u"a"_s << u"1"_s << 1;
        QTest::newRow(f + ": digits then letter") << field << u"25x"_s << u"1"_s << 1;
        QTest::newRow(f + ": minus sign") << field << u"-3"_s << u"13"_s << 1;
        QTest::newRow(f + ": digits") << field << u"250"_s << u"250"_s << 0;
    }
}

void TestForm13::digitField()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(int, messages);
    QLineEdit *edit = Field(field);
    edit->clear();
    QVERIFY(m_dialogs->asked.isEmpty()); // an empty field passes
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), expected);
    QCOMPARE(m_dialogs->asked.size(), messages);
    for (const QString &asked : m_dialogs->asked)
        QCOMPARE(asked, u"info: Je třeba zadat celé číslo!"_s);
}

void TestForm13::okRejectsEmptyNumberField_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("history length") << u"Historylength"_s;
    QTest::newRow("tab size") << u"tabulsize"_s;
}

void TestForm13::okRejectsEmptyNumberField()
{
    QFETCH(QString, field);
    m_form->open();
    Field(field)->clear();
    m_form->Button1->click();
    QCOMPARE(m_dialogs->asked, QStringList(
        u"info: Některá ze zadaných hodnot není korektní, zkontrolujte prosím nastavení"_s));
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->result(), int(QDialog::Rejected));

    Field(field)->setText(u"4"_s);
    m_form->Button1->click();
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_form->result(), int(QDialog::Accepted));
}

void TestForm13::okRebuildsFilterFromRows()
{
    TConfigValues v;
    v.Filtr = u"A|*.a|B|*.b"_s;
    m_form->SetValues(v);
    QTableWidget *table = m_form->ValueListEditor1;
    QCOMPARE(table->rowCount(), 2);
    table->item(0, 1)->setText(QString()); // an emptied row is dropped
    m_form->Button5->click();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(m_form->FilterRows().last(), (QPair<QString, QString>()));
    m_form->Button5->click(); // left empty
    table->item(2, 0)->setText(u"C"_s);
    table->item(2, 1)->setText(u"*.c;*.cc"_s);

    // Until OK, the kept text is what was loaded.
    QCOMPARE(m_form->Values().Filtr, u"A|*.a|B|*.b"_s);
    m_form->open();
    m_form->Button1->click();
    QCOMPARE(m_form->result(), int(QDialog::Accepted));
    QCOMPARE(m_form->FilterText(), u"B|*.b|C|*.c;*.cc"_s);
    QCOMPARE(m_form->Values().Filtr, u"B|*.b|C|*.c;*.cc"_s);
}

void TestForm13::setValuesRebuildsTable()
{
    m_form->Button5->click(); // a row left over from an earlier opening
    TConfigValues v;
    v.Filtr = u"Text(*.txt)|*.txt"_s;
    m_form->SetValues(v);
    QCOMPARE(m_form->FilterRows(), (QList<QPair<QString, QString>>{{u"Text(*.txt)"_s, u"*.txt"_s}}));

    v.Filtr.clear();
    m_form->SetValues(v);
    QCOMPARE(m_form->ValueListEditor1->rowCount(), 0);
    m_form->open();
    m_form->Button1->click();
    QCOMPARE(m_form->FilterText(), QString());
}

void TestForm13::valuesRoundTrip()
{
    const TConfigValues defaults;
    m_form->SetValues(defaults);
    QCOMPARE(m_form->Values(), defaults);
    QCOMPARE(m_form->bgcolor->currentText(), u"clWhite"_s);
    QCOMPARE(m_form->Textcolor->currentText(), u"clBlack"_s);

    TConfigValues v;
    v.Delka = u"3"_s;
    v.Otevritpristartuprojekt = true;
    v.Projekty = u"/p/"_s;
    v.Soubory = u"/s/"_s;
    v.Filtr = u"A|*.a"_s;
    v.Posledniotevrtyp = u"projekt"_s;
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
    v.centertext1 = u"<CENTER>"_s;
    v.centertext2 = u"</CENTER>"_s;
    v.useStrong = true;
    v.useEm = true;
    v.useparamsep = false;
    v.Tabsize = u"12"_s;
    v.BgColor = 0x800000;
    v.TextColor = 0x123456; // no standard colour: shown as an extra entry
    v.Usefulltruefalseparam = true;
    v.useSlashAtEndOfTag = true;
    m_form->SetValues(v);
    QCOMPARE(m_form->Values(), v);
    QCOMPARE(m_form->bgcolor->currentText(), u"clNavy"_s);

    // Back to a standard colour: the extra entry goes again.
    m_form->SetValues(defaults);
    QCOMPARE(m_form->Textcolor->count(), 16);
    QCOMPARE(m_form->Values(), defaults);
}

void TestForm13::exactlyOneRadioPerPair_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<bool>("second");
    QTest::newRow("true then false") << true << false;
    QTest::newRow("false then true") << false << true;
    QTest::newRow("false twice") << false << false;
}

void TestForm13::exactlyOneRadioPerPair()
{
    QFETCH(bool, first);
    QFETCH(bool, second);
    TConfigValues v;
    v.useStrong = first;
    v.useEm = !first;
    m_form->SetValues(v);
    v.useStrong = second;
    v.useEm = !second;
    m_form->SetValues(v);
    QCOMPARE(m_form->usestrong->isChecked(), second);
    QCOMPARE(m_form->RadioButton3->isChecked(), !second);
    QCOMPARE(m_form->useem->isChecked(), !second);
    QCOMPARE(m_form->RadioButton2->isChecked(), second);
}

void TestForm13::opensOnFirstTab()
{
    QStringList tabs;
    for (int i = 0; i < m_form->PageControl1->count(); ++i)
        tabs << m_form->PageControl1->tabText(i);
    QCOMPARE(tabs, QStringList({u"Obecné"_s, u"Klávesové Zkratky"_s, u"Code Filler"_s,
                                u"Soubory a Adresáře"_s, u"Editor Kódu"_s}));
    m_form->PageControl1->setCurrentIndex(3);
    m_form->open();
    QCOMPARE(m_form->PageControl1->currentIndex(), 0);
}

void TestForm13::folderPicker_data()
{
    QTest::addColumn<bool>("projectFolder");
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QString>("expected");
    QTest::newRow("project folder") << true << QStringList(u"/home/u/projekty/none.txt"_s)
                                    << u"/home/u/projekty/"_s;
    QTest::newRow("file folder") << false << QStringList(u"/home/u/www/index.htm"_s) << u"/home/u/www/"_s;
    QTest::newRow("cancelled") << true << QStringList() << u"/stary/"_s;
}

void TestForm13::folderPicker()
{
    QFETCH(bool, projectFolder);
    QFETCH(QStringList, answer);
    QFETCH(QString, expected);
    QLineEdit *field = projectFolder ? m_form->Projectfolder : m_form->Filefolder;
    field->setText(u"/stary/"_s);
    m_dialogs->openAnswers << answer;
    (projectFolder ? m_form->SpeedButton1 : m_form->SpeedButton2)->click();
    QCOMPARE(field->text(), expected);
    QCOMPARE(m_dialogs->requests.size(), 1);
    const TFileRequest &r = m_dialogs->requests.first();
    QCOMPARE(r.fileName, u"none.txt"_s);
    QVERIFY(!r.mustExist);
    QCOMPARE(r.initialDir, u"/stary/"_s);
    if (projectFolder)
        QCOMPARE(r.filter, u"Soubor VPQ(*.vpq)|*.vpq|Všechny soubory(*.*)|*.*"_s);
}

void TestForm13::vocabularyLinesKeepTheirCharacters_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");
    const QStringList kept{u"<B></B>;/;htmltag"_s, QString(), u"a\u00A0b;/;userdefined"_s, u"\tx"_s};
    QTest::newRow("no-break space, tab, empty line") << kept << kept;
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("one empty line is no text") << QStringList{QString()} << QStringList();
    QTest::newRow("two empty lines") << QStringList{QString(), QString()} << QStringList{QString(), QString()};
    QTest::newRow("a soft line break ends a line")
        << QStringList{u"a\u2028b"_s, u"c"_s} << QStringList{u"a"_s, u"b"_s, u"c"_s};
}

// The memo is filled only when the dialog is shown: before that and after
// it the lines read the same.
void TestForm13::vocabularyLinesKeepTheirCharacters()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    m_form->SetVocabularyLines(lines);
    QCOMPARE(m_form->VocabularyLines(), expected);
    m_form->show();
    QCOMPARE(m_form->VocabularyLines(), expected);
    m_form->SetVocabularyLines(lines); // while shown: straight into the memo
    QCOMPARE(m_form->Memo1->document()->blockCount(), std::max(1, int(lines.size())));
    QCOMPARE(m_form->VocabularyLines(), expected);
    m_form->hide();
}

QTEST_MAIN(TestForm13)
#include "tst_form13.moc"
