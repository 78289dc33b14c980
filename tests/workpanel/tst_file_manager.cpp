#include "app/application.h"
#include "documents/document_commands.h"
#include "documents/document_table.h"
#include "documents/project.h"
#include "documents/working_copy.h"
#include "scripted_dialogs.h"
#include "window_fixture.h"
#include "workpanel/file_manager.h"
#include "workpanel/workpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestFileManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<TWindowFixture> fx;
    QTemporaryDir dataHome; // the trash of these tests, never the user's
    QList<QUrl> shown;

    TFileManager *fm() { return Form3->FileManager; }
    QString mkdir(const QString &name)
    {
        QDir(fx->docDir()).mkpath(name);
        return fx->docDir() + u'/' + name;
    }
    // Where the trash put a folder of that name, or empty.
    QString trashed(const QString &name)
    {
        QStringList trashes{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                            + u"/Trash/files"_s};
        const QString top = QStorageInfo(fx->docDir()).rootPath();
        trashes << top + u"/.Trash-%1/files"_s.arg(getuid()) << top + u"/.Trash/%1/files"_s.arg(getuid());
        for (const QString &t : trashes) {
            QDirIterator it(t, {name + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot);
            if (it.hasNext())
                return it.next();
        }
        return {};
    }

public slots:
    void openFile(const QUrl &url) { shown << url; }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        QDesktopServices::setUrlHandler(u"file"_s, this, "openFile");
    }
    void init()
    {
        fx = std::make_unique<TWindowFixture>();
        QVERIFY(fm()->SetTreeRoot(fx->docDir()));
        fx->dialogs->asked.clear();
        shown.clear();
    }
    void cleanup() { fx.reset(); }

    void secondTabOfTheWorkPanel()
    {
        QCOMPARE(Form3->PageControl1->tabText(1), u"Správce souborů"_s);
        QCOMPARE(Form3->PageControl1->widget(1), fm());
        QCOMPARE(fm()->StringGrid2->horizontalHeaderItem(0)->text(), u"Soubor"_s);
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen->availableGeometry().height() < 768)
            QCOMPARE(fm()->StringGrid2->height(), 140);
    }

    void startsOnTheHomeFolder()
    {
        TForm3 panel;
        QCOMPARE(panel.FileManager->TreeRoot(), QDir::homePath());
        QCOMPARE(panel.FileManager->ListedFolder(), QDir::homePath() + u'/');
        QCOMPARE(panel.FileManager->ShellComboBox1->itemData(0).toString(), QDir::homePath());
    }

    void listsWebFilesByMask()
    {
        for (const char *name : {"x.js", "b.htm", "a.htm", "C.HTM", "page.html", "s.php", "s.php3", "v.vbs",
                                 "p.vpq", "readme.txt", "img.png", ".hidden.htm"})
            fx->writeDoc(QString::fromLatin1(name), "x");
        fx->writeDoc(ExtractFileName(WorkingCopyName(fx->docDir() + u"/a.htm"_s)), "copy");
        mkdir(u"folder.htm"_s);
        fm()->ListFolderFiles(fx->docDir() + u'/');
        QCOMPARE(fm()->ListedNames(),
                 (QStringList{u".hidden.htm"_s, u"a.htm"_s, u"b.htm"_s, u"C.HTM"_s, u"x.js"_s, u"page.html"_s,
                              u"s.php"_s, u"s.php3"_s, u"v.vbs"_s, u"p.vpq"_s}));
    }

    void treeSelectionAndComboListTheirFolder()
    {
        const QString sub = mkdir(u"sub"_s);
        fx->writeDoc(u"sub/in.htm"_s, "x");
        fx->writeDoc(u"top.htm"_s, "x");
        QVERIFY(fm()->SelectFolder(sub));
        QCOMPARE(fm()->SelectedFolder(), sub);
        QCOMPARE(fm()->ListedNames(), QStringList{u"in.htm"_s});
        // A pick in the box makes its folder the root and lists it.
        fm()->ShellComboBox1->addItem(u"docs"_s, fx->docDir());
        fm()->ShellComboBox1Click(fm()->ShellComboBox1->count() - 1);
        QCOMPARE(fm()->TreeRoot(), fx->docDir());
        QCOMPARE(fm()->ListedNames(), QStringList{u"top.htm"_s});
        // A folder the tree cannot take keeps the old root and list.
        fm()->ShellComboBox1->addItem(u"gone"_s, fx->docDir() + u"/gone"_s);
        fm()->ShellComboBox1Click(fm()->ShellComboBox1->count() - 1);
        QCOMPARE(fm()->TreeRoot(), fx->docDir());
        QCOMPARE(fm()->ListedNames(), QStringList{u"top.htm"_s});
    }

    void emptyRowDoesNothing()
    {
        fx->writeDoc(u"notes.txt"_s, "x");
        fm()->ListFolderFiles(fx->docDir() + u'/');
        QCOMPARE(fm()->ListedNames(), QStringList{QString()});
        fm()->Otevt1Click();
        fm()->Zobrazit1Click();
        fm()->Odstranit1Click();
        fm()->Vlastnosti3Click();
        QVERIFY(fx->dialogs->asked.isEmpty());
        QVERIFY(!Docs.HasDocuments());
        QVERIFY(shown.isEmpty());
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<int>("answerValue");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("yes deletes") << int(TAnswer::Yes) << true;
        QTest::newRow("no keeps") << int(TAnswer::No) << false;
        QTest::newRow("closed box keeps") << int(TAnswer::Cancel) << false;
    }
    void deleteAsksFirst()
    {
        QFETCH(int, answerValue);
        const TAnswer answer = TAnswer(answerValue);
        QFETCH(bool, deleted);
        const QString a = fx->writeDoc(u"a.htm"_s, "x");
        fx->writeDoc(u"b.htm"_s, "x");
        fm()->ListFolderFiles(fx->docDir() + u'/');
        QVERIFY(fm()->SelectFile(u"a.htm"_s));
        fx->dialogs->answers << answer;
        fm()->Odstranit1Click();
        QCOMPARE(fx->dialogs->asked, QStringList{u"confirm: Opravdu chcete soubor a.htm smazat?"_s});
        QCOMPARE(QFile::exists(a), !deleted);
        QCOMPARE(fm()->ListedNames(), deleted ? QStringList{u"b.htm"_s} : (QStringList{u"a.htm"_s, u"b.htm"_s}));
        // Not into the trash: the file is gone for good.
        if (deleted)
            QVERIFY(trashed(u"a.htm"_s).isEmpty());
    }

    void openTakesProjectsByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("project");
        QTest::newRow("page") << u"page.htm"_s << false;
        QTest::newRow("project") << u"site.vpq"_s << true;
        QTest::newRow("project in capitals") << u"SITE2.VPQ"_s << true;
    }
    void openTakesProjectsByExtension()
    {
        QFETCH(QString, name);
        QFETCH(bool, project);
        fx->writeDoc(u"page.htm"_s, "<P>x</P>");
        fx->writeDoc(name, project ? "1\r\npage.htm\r\n" : "<P>x</P>");
        fm()->ListFolderFiles(fx->docDir() + u'/');
        QVERIFY(fm()->SelectFile(name));
        fm()->Otevt1Click();
        QVERIFY(Docs.HasDocuments());
        QCOMPARE(DocumentPath(Docs.ActiveFile()), fx->docDir() + u"/page.htm"_s);
        QCOMPARE(CurrentProject.IsOpen, project);
    }

    void viewOpensTheAssociatedProgram()
    {
        const QString a = fx->writeDoc(u"a.htm"_s, "x");
        fm()->ListFolderFiles(fx->docDir() + u'/');
        QVERIFY(fm()->SelectFile(u"a.htm"_s));
        fm()->Zobrazit1Click();
        QCOMPARE(shown, QList<QUrl>{QUrl::fromLocalFile(a)});
    }

    void propertiesShowTheFileSheet_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("file") << false;
        QTest::newRow("folder") << true;
    }
    void propertiesShowTheFileSheet()
    {
        QFETCH(bool, folder);
        fx->writeDoc(u"a.htm"_s, "x");
        const QString sub = mkdir(u"sub"_s);
        QString title;
        QTimer::singleShot(0, this, [&title] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                title = w->windowTitle();
                w->close();
            }
        });
        if (folder) {
            QVERIFY(fm()->SelectFolder(sub));
            fm()->Vlasnosti1Click();
        } else {
            fm()->ListFolderFiles(fx->docDir() + u'/');
            QVERIFY(fm()->SelectFile(u"a.htm"_s));
            fm()->Vlastnosti3Click();
        }
        QCOMPARE(title, folder ? u"Vlastnosti - sub"_s : u"Vlastnosti - a.htm"_s);
    }

    void createFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QString>("message");
        QTest::newRow("new") << u"nova"_s << true << QString();
        QTest::newRow("Czech name") << u"Složka č. 1"_s << true << QString();
        QTest::newRow("empty does nothing") << QString() << false << QString();
        QTest::newRow("exists") << u"sub"_s << false << u"info: Adresář %1/sub/sub již existuje!"_s;
        QTest::newRow("slash") << u"a/b"_s << false
                               << u"info: Název adresáře nesmí obsahovat znak / ani být . nebo ..!"_s;
        QTest::newRow("dot dot") << u".."_s << false
                                 << u"info: Název adresáře nesmí obsahovat znak / ani být . nebo ..!"_s;
    }
    void createFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, created);
        QFETCH(QString, message);
        const QString sub = mkdir(u"sub"_s);
        mkdir(u"sub/sub"_s);
        QVERIFY(fm()->SelectFolder(sub));
        QCOMPARE(fm()->CreateFolder(name), created);
        QCOMPARE(fx->dialogs->asked, message.isEmpty() ? QStringList() : QStringList{message.arg(fx->docDir())});
        if (created) {
            QVERIFY(QFileInfo(sub + u'/' + name).isDir());
            // The tree shows it under the selected node straight away.
            QVERIFY(fm()->FolderModel->index(sub + u'/' + name).isValid());
            QCOMPARE(fm()->FolderModel->index(sub + u'/' + name).parent(), fm()->FolderModel->index(sub));
        }
        QVERIFY(!QFileInfo::exists(fx->docDir() + u"/a"_s));
    }

    void createFolderAsksForTheName()
    {
        const QString sub = mkdir(u"sub"_s);
        QVERIFY(fm()->SelectFolder(sub));
        QList<std::optional<QString>> names{u"z prompt"_s, std::nullopt};
        fm()->AskFolderName = [&names] { return names.takeFirst(); };
        fm()->VytvoitAdres1Click();
        QVERIFY(QFileInfo(sub + u"/z prompt"_s).isDir());
        fm()->VytvoitAdres1Click(); // cancelled
        QCOMPARE(QDir(sub).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"z prompt"_s});
    }

    void deleteFolderGoesToTheTrash_data()
    {
        QTest::addColumn<int>("answerValue");
        QTest::newRow("yes") << int(TAnswer::Yes);
        QTest::newRow("no") << int(TAnswer::No);
    }
    void deleteFolderGoesToTheTrash()
    {
        QFETCH(int, answerValue);
        const TAnswer answer = TAnswer(answerValue);
        const QString name = u"old%1"_s.arg(int(answer));
        const QString old = mkdir(name);
        fx->writeDoc(name + u"/keep.htm"_s, "page");
        QVERIFY(fm()->SelectFolder(old));
        fx->dialogs->answers << answer;
        fm()->SmazatAdres1Click();
        QCOMPARE(fx->dialogs->asked, QStringList{u"confirm: Opravdu chcete smazat adresář %1?"_s.arg(old)});
        if (answer == TAnswer::Yes) {
            QVERIFY(!QFileInfo::exists(old));
            const QString inTrash = trashed(name);
            QVERIFY2(!inTrash.isEmpty(), "not in the trash");
            QCOMPARE(ReadBytes(inTrash + u"/keep.htm"_s), QByteArray("page"));
            // The parent is selected and listed in its place.
            QCOMPARE(fm()->SelectedFolder(), fx->docDir());
            QCOMPARE(fm()->ListedFolder(), fx->docDir() + u'/');
            QDir(inTrash).removeRecursively();
        } else {
            QVERIFY(QFileInfo::exists(old + u"/keep.htm"_s));
            QCOMPARE(fm()->SelectedFolder(), old);
        }
    }

    void treeRootIsNotDeleted()
    {
        QVERIFY(fm()->SelectFolder(fx->docDir()));
        fm()->SmazatAdres1Click();
        QCOMPARE(fx->dialogs->asked,
                 QStringList{u"info: Adresář %1 je kořenem stromu, nelze jej smazat."_s.arg(fx->docDir())});
        QVERIFY(QFileInfo(fx->docDir()).isDir());
    }
};

QTEST_MAIN(TestFileManager)
#include "tst_file_manager.moc"
