#include "documents/project_commands.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "app/program_dir.h"
#include "conversion/text_file.h"
#include "documents/document_commands.h"
#include "documents/file_filter.h"
#include "documents/history.h"
#include "documents/project.h"
#include "documents/project_file.h"
#include "documents/working_copy.h"
#include "editor/htmledit.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "settings/userconfig.h"
#include "workpanel/workpanel.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>

namespace {

const QString &ProjectFilter()
{
    static const QString f = QStringLiteral("Soubor VPQ(*.vpq)|*.vpq|Všechny soubory(*.*)|*.*");
    return f;
}

QString ProjectFolder()
{
    return Form13 ? Form13->Projectfolder->text() : QString();
}

QStringList NotesLines()
{
    QStringList lines;
    const QTextDocument *doc = Form3->Memo1->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        lines << b.text();
    if (lines.size() == 1 && lines[0].isEmpty())
        lines.clear();
    return lines;
}

void SetNotes(const QStringList &lines)
{
    QScopedValueRollback guard(NotesLoading, true);
    Form3->Memo1->setPlainText(lines.join(u'\n'));
}

void ShowProjectCaption()
{
    Form1->setWindowTitle(QStringLiteral("Vellomy - ") + CurrentProject.Name);
}

} // namespace

void MarkProjectModified(const QString &separator)
{
    if (!CurrentProject.IsOpen)
        return;
    CurrentProject.Modified = true;
    Form1->setWindowTitle(QStringLiteral("Vellomy - ") + CurrentProject.Name + separator
                          + QStringLiteral("(Změněn)"));
}

void SaveProjectCommand()
{
    if (!Docs.HasDocuments()) {
        Dialogs().Information(QStringLiteral("Nejsou otevřeny žádné soubory!"));
        return;
    }
    if (CurrentProject.IsOpen) {
        SaveProject(false, CurrentProject.Path);
        return;
    }
    TFileRequest r;
    r.title = QStringLiteral("Uložit Projekt");
    r.defaultExtension = QStringLiteral("vpq");
    r.filter = ProjectFilter();
    r.initialDir = ProjectFolder();
    const auto choice = Dialogs().GetSaveFileName(r);
    if (!choice)
        return;
    SaveProject(true, AddExtensionFromFilter(choice->fileName, ProjectFilter(), choice->filterIndex,
                                             QStringLiteral("vpq")));
}

bool SaveProject(bool askOverwrite, const QString &path)
{
    if (askOverwrite && QFileInfo::exists(path)
        && Dialogs().Confirm(QStringLiteral("Soubor již existuje.Přepsat?"), TButtons::YesNo) != TAnswer::Yes)
        return false;
    TProjectFile project;
    for (int i = 1; i <= Docs.OpenDocCount; ++i)
        project.documents << DocumentPath(Docs.OpenFiles[i]);
    project.notes = NotesLines();
    try {
        ProjectFile::Write(path, project);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Projekt ") + path + QStringLiteral(" se nepodařilo uložit."), e);
        return false;
    }
    AddToHistory(Thistorie::Project, path);
    CurrentProject.Name = ExtractFileName(path);
    CurrentProject.Modified = false;
    CurrentProject.IsOpen = true;
    CurrentProject.Path = path;
    ShowProjectCaption();
    return true;
}

void OpenProjectCommand()
{
    TFileRequest r;
    r.title = QStringLiteral("Otevřít Projekt");
    r.defaultExtension = Form13 ? Form13->defaultextension->text() : QStringLiteral("htm");
    r.filter = ProjectFilter();
    r.initialDir = ProjectFolder();
    const QStringList chosen = Dialogs().GetOpenFileNames(r);
    if (!chosen.isEmpty())
        OpenProject(chosen.first());
}

bool OpenProject(const QString &path)
{
    // Read and check first: a project that cannot be opened must not cost
    // the documents that are open now.
    TProjectFile project;
    QString error;
    if (!ProjectFile::Read(path, &project, &error)) {
        Dialogs().Information(error);
        return false;
    }
    if (!StoreActiveWorkingCopy())
        return false;
    if (!OfferToSaveModified())
        return false;

    // Close what is open without further questions, then open the project's
    // documents as ordinary documents.
    for (int i = 1; i <= Docs.OpenDocCount; ++i) {
        try {
            DeleteWorkingCopy(Docs.OpenFiles[i]);
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii ") + Docs.OpenFiles[i]
                              + QStringLiteral(" se nepodařilo smazat."),
                          e);
        }
    }
    ResetToInactive();
    CurrentProject = TProjekt{};
    SetNotes(project.notes);

    TOpenOptions quiet;
    quiet.addToHistory = false;
    for (const QString &doc : project.documents)
        OpenDocument(doc, quiet);
    if (Docs.HasDocuments()) {
        Form3->StringGrid1->setCurrentCell(0, 0);
        Form2->setWindowTitle(QStringLiteral("Pracovní plocha - ")
                              + ExtractFileName(DocumentPath(Docs.OpenFiles[1])));
    }
    Form2->PageControl1->setCurrentIndex(0);
    Form3->PageControl1->setCurrentIndex(0);

    CurrentProject.Name = ExtractFileName(path);
    CurrentProject.Path = path;
    CurrentProject.IsOpen = true;
    CurrentProject.Modified = false;
    ShowProjectCaption();
    AddToHistory(Thistorie::Project, path);
    Form2->HTMLEditor1->SetModified(true);
    return true;
}

QString HistoryPath()
{
    return ProgramDir() + QStringLiteral("history.dat");
}

void AddToHistory(int kind, const QString &path)
{
    History.AddToHistory(kind, path);
    RefreshHistoryMenu();
}

void RefreshHistoryMenu()
{
    const int used = History.RefreshMenuPaths();
    for (int k = 0; k < used && k < Form1->ZnovuOpenItems.size(); ++k) {
        QAction *item = Form1->ZnovuOpenItems[k];
        const QString &p = History.MenuPaths[k];
        item->setVisible(true);
        item->setSeparator(p == QStringLiteral("-"));
        item->setText(p);
    }
}

void OpenHistoryItem(int k)
{
    if (k < 0 || k >= int(History.MenuPaths.size()))
        return;
    const QString path = History.MenuPaths[k];
    if (path.isEmpty() || path == QStringLiteral("-"))
        return;
    const QString name = ExtractFileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0 && name.mid(dot) == QStringLiteral(".vpq"))
        OpenProject(path);
    else
        OpenDocument(path);
}

void LoadHistory()
{
    History = Thistorie{};
    if (!History.Read(HistoryPath()))
        History = Thistorie{};
    RefreshHistoryMenu();
}

void SaveHistory()
{
    try {
        History.Save(HistoryPath());
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Historii naposledy otevřených souborů se nepodařilo uložit."), e);
    }
}
