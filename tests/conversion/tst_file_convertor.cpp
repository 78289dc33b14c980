#include "app/application.h"
#include "app/f_main.h"
#include "conversion/fileconvertor.h"
#include "conversion/gp_text_file.h"
#include "scripted_dialogs.h"
#include "settings/ini_file.h"
#include "settings/load_config.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

using namespace Qt::StringLiterals;

class TestFileConvertor : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    TFFileConvertor *form() { return FFileConvertor; }

    QString outDir()
    {
        QDir(fx->docDir()).mkpath(u"out"_s);
        return fx->docDir() + u"/out/"_s;
    }
    // The messages shown, without the file dialogs.
    QStringList infos() const
    {
        QStringList shown;
        for (const QString &a : std::as_const(fx->dialogs->asked))
            if (a.startsWith(u"info: "_s))
                shown << a;
        return shown;
    }
    void addFiles(const QStringList &paths)
    {
        fx->dialogs->openAnswers << paths;
        form()->Button1Click();
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        form()->FormShow();
        fx->dialogs->asked.clear();
    }
    void cleanup() { fx.reset(); }

    void windowAsDesigned()
    {
        QCOMPARE(form()->windowTitle(), u"Kovertor Souborů"_s);
        QCOMPARE(form()->size(), QSize(493, 437));
        QVERIFY(form()->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(form()->Memo1->toPlainText(),
                 u"Tento nástroj vám umožňuje konvertovat vaše webové i jiné soubory do formátu\n"
                 u"Unicode. Tím se vyhnete problémům se znakovými sadami."_s);
        QVERIFY(form()->Memo1->isReadOnly());
        QCOMPARE(form()->Memo1->document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter,
                 Qt::AlignHCenter);
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
        QVERIFY(form()->Memo2->isReadOnly());
        QStringList buttons;
        for (const QPushButton *b : form()->findChildren<QPushButton *>())
            buttons << b->text();
        for (const QString &caption : {u"Přidat..."_s, u"Odebrat"_s, u"Vymazat Vše"_s, u"Konvertovat"_s, u"Zpět"_s})
            QVERIFY2(buttons.contains(caption), qPrintable(caption));
    }

    void menuOpensItModally()
    {
        WriteConverterOutput(outDir());
        QWidget *shown = nullptr;
        QTimer::singleShot(0, this, [&shown] {
            shown = QApplication::activeModalWidget();
            if (shown)
                shown->close();
        });
        Form1->KonvertorSoubor2->trigger();
        QCOMPARE(shown, static_cast<QWidget *>(form()));
        QCOMPARE(form()->Edit1->text(), outDir());
        QVERIFY(infos().isEmpty());
    }

    void addListsEachFileOnceWithItsKind()
    {
        const QString a = fx->writeDoc(u"a.htm"_s, "a\r\n");
        const QString u = fx->writeDoc(u"u.htm"_s, "\xFF\xFE\x61\x00");
        const QString m = fx->writeDoc(u"m.htm"_s, "\xEF\xBB\xBF\x61");
        addFiles({a, u});
        addFiles({a, m});
        QCOMPARE(form()->Lines(), (QStringList{u"Ascii   - "_s + a, u"Unicode - "_s + u, u"Unicode - "_s + m}));
        const TFileRequest &r = fx->dialogs->requests.first();
        QVERIFY(r.multiSelect);
        QCOMPARE(r.filter, FileFilter);
        // A path inside another listed path is a different file.
        const QString longer = fx->writeDoc(u"xa.htm"_s, "x");
        addFiles({longer});
        QCOMPARE(form()->Lines().size(), 4);
    }

    void addCancelledKeepsNone()
    {
        addFiles({});
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
    }

    void removeAndClear()
    {
        const QString a = fx->writeDoc(u"a.htm"_s, "a");
        const QString b = fx->writeDoc(u"b.htm"_s, "b");
        addFiles({a, b});
        QTextCursor c(form()->Memo2->document()->findBlockByNumber(1));
        form()->Memo2->setTextCursor(c);
        form()->Button2Click();
        QCOMPARE(form()->Lines(), QStringList{u"Ascii   - "_s + a});
        form()->Button2Click();
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
        form()->Button2Click(); // "Žádné" itself stays
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
        addFiles({a, b});
        form()->Button3Click();
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
    }

    void convertsBothWaysAndEmptiesTheList()
    {
        const QString a = fx->writeDoc(u"a.htm"_s, "a\r\nb");
        const QString m = fx->writeDoc(u"m.htm"_s, "\xEF\xBB\xBF\xC3\xA1\n");
        addFiles({a, m});
        form()->Edit1->setText(outDir());
        QCOMPARE(form()->OutputDir(), outDir());
        form()->Button4Click();
        QCOMPARE(ReadBytes(outDir() + u"a.htm"_s),
                 QByteArray("\xFF\xFE\x61\x00\x0D\x00\x0A\x00\x62\x00\x0D\x00\x0A\x00", 14));
        QCOMPARE(ReadBytes(outDir() + u"m.htm"_s), QByteArray("\xE1\r\n"));
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
        QVERIFY(infos().isEmpty());
    }

    void folderWithoutFinalSeparatorIsJoined()
    {
        const QString a = fx->writeDoc(u"a.htm"_s, "a");
        addFiles({a});
        form()->Edit1->setText(fx->docDir() + u"/out"_s);
        outDir();
        form()->Button4Click();
        QVERIFY(QFile::exists(outDir() + u"a.htm"_s));
    }

    void overwriteIsRefusedAndTheOthersConverted()
    {
        const QString same = fx->writeDoc(u"same.htm"_s, "x");
        QDir(fx->docDir()).mkpath(u"in"_s);
        const QString other = fx->docDir() + u"/in/other.htm"_s;
        QFile f(other);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("y");
        f.close();
        addFiles({same, other});
        form()->Edit1->setText(fx->docDir() + u"/"_s);
        form()->Button4Click();
        QCOMPARE(infos(),
                 QStringList{u"info: Nelze zapisovat i číst do jednoho souboru - Zvolte prosím jiný výstupní adresář"_s});
        QCOMPARE(ReadBytes(same), QByteArray("x"));
        QCOMPARE(ReadBytes(fx->docDir() + u"/other.htm"_s), QByteArray("\xFF\xFE\x79\x00\x0D\x00\x0A\x00", 8));
        QCOMPARE(form()->Lines(), QStringList{u"Žádné"_s});
    }

    void emptyListIsReported()
    {
        form()->Edit1->setText(outDir());
        form()->Button4Click();
        QCOMPARE(infos(), QStringList{u"info: Nejsou vybrány žádné soubory!"_s});
    }

    void missingOutputFolderFallsBackToHome_data()
    {
        QTest::addColumn<int>("when");
        QTest::newRow("converting") << 0;
        QTest::newRow("opening") << 1;
        QTest::newRow("browsing") << 2;
    }
    void missingOutputFolderFallsBackToHome()
    {
        QFETCH(int, when);
        const QString missing = fx->docDir() + u"/no/such/"_s;
        if (when == 0) {
            form()->Edit1->setText(missing);
            form()->Button4Click();
        } else if (when == 1) {
            WriteConverterOutput(missing);
            form()->FormShow();
        } else {
            fx->dialogs->openAnswers << QStringList{missing + u"none.txt"_s};
            form()->SpeedButton1Click();
        }
        QCOMPARE(infos().value(0), u"info: Nastavený adresář neexistuje!"_s);
        QCOMPARE(form()->Edit1->text(), QDir::homePath() + u'/');
        QCOMPARE(form()->OutputDir(), QDir::homePath() + u'/');
    }

    void browseTakesTheFolderOfTheNamedFile()
    {
        fx->dialogs->openAnswers << QStringList{outDir() + u"none.txt"_s};
        form()->SpeedButton1Click();
        QCOMPARE(form()->Edit1->text(), outDir());
        const TFileRequest &r = fx->dialogs->requests.first();
        QCOMPARE(r.filter, u"Všechny soubory(*.*)|*.*"_s);
        QCOMPARE(r.fileName, u"none.txt"_s);
        QVERIFY(!r.mustExist);
        QVERIFY(infos().isEmpty());
    }

    void outputFolderIsRememberedInConfig()
    {
        {
            QFile ini(fx->programDir() + u"/config.ini"_s);
            QVERIFY(ini.open(QIODevice::WriteOnly));
            ini.write("[Nastaveni]\r\nDelka=7\r\n");
        }
        form()->Edit1->setText(outDir());
        form()->reject(); // "Zpět" and the close box end here
        TIniFile ini;
        QVERIFY(ini.Load(fx->programDir() + u"/config.ini"_s));
        QCOMPARE(ini.ReadString(u"Konvertor"_s, u"Output"_s, QString()), outDir());
        QCOMPARE(ini.ReadString(u"Nastaveni"_s, u"Delka"_s, QString()), u"7"_s);
        form()->Edit1->clear();
        form()->FormShow();
        QCOMPARE(form()->Edit1->text(), outDir());
        QVERIFY(fx->dialogs->asked.isEmpty());
    }

    void failedFileStopsAndKeepsTheList()
    {
        const QString gone = fx->writeDoc(u"gone.htm"_s, "a");
        const QString b = fx->writeDoc(u"b.htm"_s, "b");
        addFiles({gone, b});
        const QStringList listed = form()->Lines();
        QFile::remove(gone);
        form()->Edit1->setText(outDir());
        QVERIFY_THROWS_EXCEPTION(EGpTextFile, form()->Button4Click());
        QCOMPARE(form()->Lines(), listed);
        QVERIFY(!QFile::exists(outDir() + u"b.htm"_s));
    }
};

QTEST_MAIN(TestFileConvertor)
#include "tst_file_convertor.moc"
