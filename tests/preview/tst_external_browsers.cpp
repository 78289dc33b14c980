// The external browsers: the list file, the dialog and the preview.
#include "app/application.h"
#include "app/program_dir.h"
#include "documents/document_commands.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "preview/browser_list.h"
#include "preview/externalbrowsers.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

class TestExternalBrowsers : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;

    void writeList(const QByteArray &bytes)
    {
        QDir(fx->programDir()).mkpath(QStringLiteral("Userconfig"));
        QFile f(BrowserList::FilePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A "browser" that writes the arguments it was given into a file.
    QString fakeBrowser(const QString &out)
    {
        const QString script = fx->docDir() + QStringLiteral("/fake browser.sh");
        QFile f(script);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + out.toUtf8() + "'\n");
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        return script;
    }
    void add(const QString &name, const QString &path)
    {
        Form7->LabeledEdit1->setText(name);
        Form7->LabeledEdit2->setText(path);
        Form7->Browseradd->click();
    }

private slots:
    void init() { fx = std::make_unique<TWindowFixture>(); }
    void cleanup() { fx.reset(); }

    void dialogWritesTheListAsEdited()
    {
        writeList("0\r\n");
        Form7->show();
        QCOMPARE(Form7->StringGrid1->item(0, 0)->text(), QStringLiteral("Není určen žádný externí prohližeč"));
        add(QStringLiteral(" Firefox "), QStringLiteral("/usr/bin/firefox"));
        add(QStringLiteral("Můj prohlížeč"), QStringLiteral("/opt/my browser/run"));
        QVERIFY(Form7->LabeledEdit1->text().isEmpty());
        Form7->BrowserOk->click();
        QCOMPARE(ReadBytes(BrowserList::FilePath()),
                 QByteArray("2\r\n Firefox \r\n/usr/bin/firefox\r\nM\xF9j prohl\xED\x9E" "e\xE8\r\n/opt/my browser/run\r\n"));
    }

    void moveAndRemove()
    {
        writeList("3\r\nA\r\n/a\r\nB\r\n/b\r\nC\r\n/c\r\n");
        Form7->show();
        Form7->StringGrid1->setCurrentCell(1, 0);
        Form7->browserup->click();
        QCOMPARE(Form7->Browsers().first().name, QStringLiteral("B"));
        QCOMPARE(Form7->CurrentBrowserRow, 0);
        Form7->browserup->click(); // already at the top
        QCOMPARE(Form7->Browsers().first().name, QStringLiteral("B"));
        Form7->Browserdown->click();
        Form7->Browserdown->click();
        QCOMPARE(Form7->Browsers().last().name, QStringLiteral("B"));
        Form7->Browserdelete->click();
        QCOMPARE(Form7->Browsers().size(), 2);
        Form7->Browsercancel->click();
        QCOMPARE(ReadBytes(BrowserList::FilePath()), QByteArray("3\r\nA\r\n/a\r\nB\r\n/b\r\nC\r\n/c\r\n"));
    }

    void removingTheOnlyOneWritesZero()
    {
        writeList("1\r\nX\r\n/x\r\n");
        Form7->show();
        Form7->Browserdelete->click();
        QCOMPARE(Form7->StringGrid1->item(0, 0)->text(), QStringLiteral("Není určen žádný externí prohližeč"));
        Form7->Browserdelete->click(); // the placeholder: nothing
        Form7->BrowserOk->click();
        QCOMPARE(ReadBytes(BrowserList::FilePath()), QByteArray("0\r\n"));
    }

    void emptyFieldsAreRefused()
    {
        writeList("0\r\n");
        Form7->show();
        add(QStringLiteral("  "), QStringLiteral("/x"));
        add(QStringLiteral("N"), QString());
        QCOMPARE(fx->dialogs->asked, (QStringList{QStringLiteral("info: Musíte vyplnit pole Název Prohlížeče"),
                                                  QStringLiteral("info: Musíte vyplnit pole Cesta k Prohlížeči")}));
        QCOMPARE(Form7->LabeledEdit1->text(), QStringLiteral("N"));
        Form7->reject();
    }

    void theOnlyBrowserGetsTheWorkingCopy()
    {
        const QString out = fx->docDir() + QStringLiteral("/args.txt");
        writeList("1\r\nFake\r\n" + fakeBrowser(out).toUtf8() + "\r\n");
        const QString doc = fx->writeDoc(QStringLiteral("a.htm"), "<P>a</P>\r\n");
        OpenDocument(doc);
        QTest::keyClicks(Form2->HTMLEditor1, QStringLiteral("unsaved "));
        ExternalPreview();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out) && !ReadBytes(out).isEmpty(), 10000);
        QCOMPARE(QString::fromUtf8(ReadBytes(out)).trimmed(), WorkingCopyName(doc));
        QVERIFY(ReadBytes(WorkingCopyName(doc)).startsWith("unsaved "));
    }

    void severalBrowsersOfferTheFirstFive()
    {
        QByteArray list("6\r\n");
        for (int i = 1; i <= 6; ++i)
            list += "B" + QByteArray::number(i) + "\r\n/b" + QByteArray::number(i) + "\r\n";
        writeList(list);
        // Without a document only the file is read.
        ExternalPreview();
        QVERIFY(!PreviewPopup()->isVisible());
        OpenDocument(fx->writeDoc(QStringLiteral("a.htm"), "x\r\n"));
        ExternalPreview();
        QStringList shown;
        for (QAction *a : PreviewPopup()->actions()) {
            if (a->isVisible())
                shown << a->text();
        }
        QCOMPARE(shown, (QStringList{QStringLiteral("B1"), QStringLiteral("B2"), QStringLiteral("B3"),
                                     QStringLiteral("B4"), QStringLiteral("B5")}));
        PreviewPopup()->hide();
    }

    void aMissingListIsReported()
    {
        OpenDocument(fx->writeDoc(QStringLiteral("a.htm"), "x\r\n"));
        QFile::remove(BrowserList::FilePath());
        ExternalPreview();
        QCOMPARE(fx->dialogs->asked.size(), 1);
        QVERIFY(fx->dialogs->asked[0].contains(QStringLiteral("browsers.dat")));
    }
};

QTEST_MAIN(TestExternalBrowsers)
#include "tst_external_browsers.moc"
