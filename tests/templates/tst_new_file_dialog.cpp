// The new-file dialog, save as template and the name prompt on the real windows.
#include "app/application.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "preview/web_browser.h"
#include "scripted_dialogs.h"
#include "settings/userconfig.h"
#include "templates/newfiledialog.h"
#include "templates/savetemplate.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace {

// A template using every placeholder, the author and keywords twice on one line.
const QByteArray FullTemplate = "Plná šablona\r\n"
                                "<HTML lang=\"<*j*>\">\r\n"
                                "<META name=\"author\" content=\"<*a*>\">\r\n"
                                "<META name=\"description\" content=\"<*p*>\">\r\n"
                                "<META name=\"keywords\" content=\"<*k*>\">\r\n"
                                "<META name=\"robots\" content=\"<*r*>\">\r\n"
                                "<!-- <*a*> <*k*> -->\r\n"
                                "</HTML>";

// Runs inside dialog's modal loop; whatever the steps leave open is closed.
void WhileOpen(QDialog *dialog, std::function<void()> steps)
{
    QTimer::singleShot(0, dialog, [dialog, steps] {
        steps();
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

class TestNewFileDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    QString templateFolder() const { return ProgramDir() + u"Sablony/"_s; }

    void writeTemplate(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(templateFolder());
        QFile f(templateFolder() + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

private slots:
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        Form13->Filefolder->setText(fx->docDir() + u'/');
        Form13->defaultextension->setText(u"htm"_s);
    }
    void cleanup() { fx.reset(); }

    void everyPlaceholderFilledAndTheFileOpened()
    {
        writeTemplate(u"Sablona1.vtq"_s, FullTemplate);
        Form4->CheckBox1->setChecked(true);
        Form4->CheckBox2->setChecked(false);
        WhileOpen(Form4, [] {
            QCOMPARE(Form4->ComboBox1->currentText(), u"Plná šablona"_s);
            QVERIFY(Form4->Edit2->isEnabled());
            QVERIFY(Form4->CheckBox1->isEnabled());
            QCOMPARE(Form4->Edit3->text(), u"cz"_s);
            Form4->Edit1->setText(u"nova"_s);
            Form4->Edit2->setText(u"Jan Novák"_s);
            Form4->Edit3->setText(u"cs"_s);
            Form4->Edit4->setText(u"kola"_s);
            Form4->Memo1->setPlainText(u"První řádek\nDruhý"_s);
            Form4->Button1->click();
        });
        Form1->Nov1->trigger();
        const QString target = fx->docDir() + u"/nova.htm"_s;
        // The template is UTF-8, so is the page.
        QCOMPARE(ReadBytes(target), (u"<HTML lang=\"cs\">\r\n"
                                     "<META name=\"author\" content=\"Jan Novák\">\r\n"
                                     "<META name=\"description\" content=\"První řádekDruhý\">\r\n"
                                     "<META name=\"keywords\" content=\"kola\">\r\n"
                                     "<META name=\"robots\" content=\"index,nofollow\">\r\n"
                                     "<!-- Jan Novák <*k*> -->\r\n"
                                     "</HTML>\r\n"_s).toUtf8());
        QVERIFY(!Form4->isVisible());
        QCOMPARE(Docs.OpenDocCount, 1);
        QCOMPARE(DocumentPath(Docs.ActiveFile()), target);
        QCOMPARE(Form2->HTMLEditor1->Line(0), u"<HTML lang=\"cs\">"_s);
        // The preview holds the template unfilled, without its description.
        QCOMPARE(ReadBytes(templateFolder() + u"aktual.htm"_s),
                 FullTemplate.mid(FullTemplate.indexOf('\n') + 1) + "\r\n");
    }

    void fieldsFollowTheTemplate()
    {
        writeTemplate(u"Sablona1.vtq"_s, "Jen jazyk\r\n<HTML lang=\"<*j*>\"><BODY></BODY></HTML>\r\n");
        writeTemplate(u"Sablona2.vtq"_s, FullTemplate);
        Form4->Prepare();
        QCOMPARE(Form4->ComboBox1->count(), 2);
        QCOMPARE(Form4->TemplateFiles, (QStringList{u"Sablona1.vtq"_s, u"Sablona2.vtq"_s}));
        QVERIFY(Form4->Edit3->isEnabled());
        QVERIFY(!Form4->Edit2->isEnabled());
        QCOMPARE(Form4->Edit2->text(), u"Nedostupné v této šabloně"_s);
        QCOMPARE(Form4->Edit4->text(), u"Nedostupné v této šabloně"_s);
        QCOMPARE(Form4->Memo1->toPlainText(), u"Nedostupné v této šabloně"_s);
        QVERIFY(!Form4->Memo1->isEnabled());
        QVERIFY(!Form4->CheckBox1->isEnabled());
        QVERIFY(!Form4->CheckBox2->isEnabled());
        QVERIFY(Form4->Memo2->toPlainText().contains(u"<*j*>"_s));

        Form4->ComboBox1->setCurrentIndex(1);
        Form4->ComboBox1Change();
        QVERIFY(Form4->Edit2->isEnabled());
        QCOMPARE(Form4->Edit2->text(), QString());
        QVERIFY(Form4->CheckBox2->isEnabled());

        // Nothing of the unavailable text reaches the file.
        Form4->ComboBox1->setCurrentIndex(0);
        Form4->ComboBox1Change();
        Form4->Edit1->setText(fx->docDir() + u"/jazyk.htm"_s);
        Form4->Button1Click();
        QCOMPARE(ReadBytes(fx->docDir() + u"/jazyk.htm"_s), QByteArray("<HTML lang=\"cz\"><BODY></BODY></HTML>\r\n"));
    }

    void fileNameRules()
    {
        writeTemplate(u"Sablona1.vtq"_s, "x\r\n<P></P>\r\n");
        Form4->Prepare();
        // Empty: a message, nothing else.
        Form4->Button1Click();
        QCOMPARE(fx->dialogs->asked, (QStringList{u"info: Musíte zadat název souboru!"_s}));
        QCOMPARE(Docs.OpenDocCount, 0);

        // A folder given without its closing separator still counts as the folder.
        Form13->Filefolder->setText(fx->docDir());
        Form4->Edit1->setText(u"index"_s);
        Form4->Button1Click();
        QCOMPARE(ReadBytes(fx->docDir() + u"/index.htm"_s), QByteArray("<P></P>\r\n"));

        // An extension given is kept; a folder given is used as it stands.
        QDir(fx->docDir()).mkdir(u"sub"_s);
        Form4->Edit1->setText(fx->docDir() + u"/sub/skript.php"_s);
        Form4->Button1Click();
        QVERIFY(QFileInfo::exists(fx->docDir() + u"/sub/skript.php"_s));
        QCOMPARE(Docs.OpenDocCount, 2);
    }

    void anExistingFileIsReplacedOnlyOnYes()
    {
        writeTemplate(u"Sablona1.vtq"_s, "x\r\nnew\r\n");
        const QString target = fx->writeDoc(u"old.htm"_s, "old\r\n");
        Form4->Prepare();
        Form4->Edit1->setText(target);
        fx->dialogs->answers = {TAnswer::No};
        Form4->Button1Click();
        QCOMPARE(fx->dialogs->asked.last(), u"confirm: Soubor již existuje.Přepsat?"_s);
        QCOMPARE(ReadBytes(target), QByteArray("old\r\n"));
        QCOMPARE(Docs.OpenDocCount, 0);
        fx->dialogs->answers = {TAnswer::Yes};
        Form4->Button1Click();
        QCOMPARE(ReadBytes(target), QByteArray("new\r\n"));
        QCOMPARE(Docs.OpenDocCount, 1);

        // The open document's file is not written under it.
        fx->dialogs->asked.clear();
        Form4->Prepare();
        Form4->Edit1->setText(target);
        Form4->Button1Click();
        QVERIFY(fx->dialogs->asked.value(0).startsWith(u"info: Soubor "_s));
        QCOMPARE(Docs.OpenDocCount, 1);
    }

    void browseTakesTheFilterExtension()
    {
        writeTemplate(u"Sablona1.vtq"_s, "x\r\ny\r\n");
        Form4->Prepare();
        fx->dialogs->saveAnswers = {TSaveChoice{fx->docDir() + u"/skript"_s, 2}};
        Form4->Button4->click();
        QCOMPARE(fx->dialogs->requests.last().title, u"Vytvořit Soubor"_s);
        QCOMPARE(fx->dialogs->requests.last().initialDir, fx->docDir() + u'/');
        QCOMPARE(Form4->Edit1->text(), fx->docDir() + u"/skript.php"_s);
    }

    void withoutTemplatesNothingIsCreated()
    {
        Form4->Prepare();
        QCOMPARE(Form4->ComboBox1->count(), 0);
        Form4->Edit1->setText(u"a"_s);
        Form4->Button1Click();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].startsWith(u"info: "_s));
        QVERIFY(!QFileInfo::exists(fx->docDir() + u"/a.htm"_s));
    }

    void previewShowsTheTemplateInTheBrowser()
    {
        writeTemplate(u"Sablona1.vtq"_s, "Náhled\r\n<HTML><BODY><P>Ukázka <*a*></P></BODY></HTML>\r\n");
        WhileOpen(Form4, [] {
            Form4->PageControl1->setCurrentIndex(1);
            QWebEngineView *view = Form4->WebBrowser1->View();
            QVERIFY(view);
            QCOMPARE(Form4->WebBrowser1->LocalPath(), TForm4::PreviewPath());
            // The answer may come after this step: it writes into shared storage.
            auto shown = std::make_shared<QString>();
            QTRY_VERIFY_WITH_TIMEOUT((view->page()->toPlainText([shown](const QString &t) { *shown = t; }),
                                      shown->contains(u"Ukázka"_s)),
                                     60000);
        });
        Form1->Nov1->trigger();
    }

    // Every shipped template makes a page with all its placeholders filled.
    void shippedTemplatesFillCompletely()
    {
        const QString shipped = QStringLiteral(TEST_DATA_DIR "/../../data/Sablony");
        const QStringList files = QDir(shipped).entryList({u"*.vtq"_s}, QDir::Files);
        QVERIFY(files.size() >= 6);
        QDir().mkpath(templateFolder());
        for (const QString &f : files)
            QVERIFY(QFile::copy(shipped + u'/' + f, templateFolder() + f));
        Form4->Prepare();
        QCOMPARE(Form4->ComboBox1->count(), files.size());
        for (int i = 0; i < Form4->ComboBox1->count(); ++i) {
            Form4->ComboBox1->setCurrentIndex(i);
            Form4->ComboBox1Change();
            QVERIFY2(!Form4->ComboBox1->currentText().isEmpty(), qPrintable(Form4->TemplateFiles[i]));
            for (QLineEdit *e : {Form4->Edit2, Form4->Edit3, Form4->Edit4})
                QVERIFY2(e->isEnabled(), qPrintable(Form4->TemplateFiles[i]));
            Form4->Edit2->setText(u"Jana Dvořáková"_s);
            Form4->Edit4->setText(u"klíč"_s);
            Form4->Memo1->setPlainText(u"Popis"_s);
            const QString target = fx->docDir() + QStringLiteral("/stranka%1.htm").arg(i);
            Form4->Edit1->setText(target);
            Form4->Button1Click();
            QCOMPARE(DocumentPath(Docs.ActiveFile()), target);
            const QString text = Form2->HTMLEditor1->Text();
            QVERIFY2(!text.contains(u"<*"_s), qPrintable(Form4->TemplateFiles[i]));
            QVERIFY2(text.contains(u"Jana Dvořáková"_s), qPrintable(text));
            QVERIFY2(text.contains(u"index,follow"_s) || !Form4->CheckBox1->isEnabled(), qPrintable(text));
        }
    }

    void saveAsTemplateTakesTheEditorsText()
    {
        writeTemplate(u"Sablona1.vtq"_s, "a\r\n");
        writeTemplate(u"Sablona3.vtq"_s, "c\r\n");
        const QString doc = fx->writeDoc(u"page.htm"_s, "<P>disk</P>\r\n");
        OpenDocument(doc);
        Form2->HTMLEditor1->SetText(u"<P>edited <*a*></P>\r\n<BR>"_s); // unsaved
        WhileOpen(Form5, [] {
            QCOMPARE(Form5->Label1->text(), u"Popis Šablony:"_s);
            QCOMPARE(Form5->windowTitle(), u"Uložit Šablonu"_s);
            QCOMPARE(Form5->Edit2->text(), QString());
            Form5->Edit2->setText(u"Moje šablona"_s);
            Form5->Button1->click();
        });
        Form1->UloitJakoablonu1->trigger();
        QVERIFY(!Form5->isVisible());
        // Two templates: the number would be 3, which is taken.
        QCOMPARE(ReadBytes(templateFolder() + u"Sablona3.vtq"_s), QByteArray("c\r\n"));
        QCOMPARE(ReadBytes(templateFolder() + u"Sablona4.vtq"_s),
                 QByteArray("Moje \x9a\x61\x62lona\r\n<P>edited <*a*></P>\r\n<BR>\r\n"));
        QCOMPARE(ReadBytes(doc), QByteArray("<P>disk</P>\r\n"));
        // Listed at the next opening.
        Form4->Prepare();
        QVERIFY(Form4->TemplateFiles.contains(u"Sablona4.vtq"_s));
    }

    void saveAsTemplateStornoAndNoDocument()
    {
        // No document: no prompt.
        bool shown = false;
        WhileOpen(Form5, [&] { shown = Form5->isVisible(); });
        Form1->UloitJakoablonu1->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!shown);

        OpenDocument(fx->writeDoc(u"p.htm"_s, "x\r\n"));
        WhileOpen(Form5, [] {
            Form5->Edit2->setText(u"nic"_s);
            Form5->Button2->click();
        });
        Form1->UloitJakoablonu1->trigger();
        QVERIFY(!QDir(templateFolder()).exists() || QDir(templateFolder()).entryList({u"*.vtq"_s}).isEmpty());

        // An empty description gives an empty first line.
        WhileOpen(Form5, [] { Form5->Button1->click(); });
        Form1->UloitJakoablonu1->trigger();
        QCOMPARE(ReadBytes(templateFolder() + u"Sablona1.vtq"_s), QByteArray("\r\nx\r\n"));
    }

    void folderPrompt()
    {
        Form5->setWindowTitle(u"Vytvořit Paletu"_s);
        QStringList created;
        WhileOpen(Form5, [&] {
            QCOMPARE(Form5->Label1->text(), u"Název Adresáře:"_s);
            Form5->Button1->click(); // empty: nothing, stays open
            QVERIFY(Form5->isVisible());
            Form5->Edit2->setText(u"obrazky"_s);
            Form5->Button1->click();
        });
        const bool done = Form5->RunFolderPrompt([&](const QString &name) { created << name; });
        QVERIFY(done);
        QCOMPARE(created, QStringList{u"obrazky"_s});
        QCOMPARE(Form5->windowTitle(), u"Vytvořit Paletu"_s); // the caption it had last

        WhileOpen(Form5, [] { Form5->Button2->click(); });
        QVERIFY(!Form5->RunFolderPrompt([&](const QString &name) { created << name; }));
        QCOMPARE(created.size(), 1);
    }
};

QTEST_MAIN(TestNewFileDialog)
#include "tst_new_file_dialog.moc"
