#include "documents/document_commands.h"

#include "app/application.h"
#include "app/dialogs.h"
#include "app/f_main.h"
#include "conversion/text_file.h"
#include "documents/file_filter.h"
#include "documents/history.h"
#include "documents/project_commands.h"
#include "documents/project.h"
#include "documents/working_copy.h"
#include "documents/working_copy_writer.h"
#include "imagemap/imagemap_commands.h"
#include "editor/htmledit.h"
#include "editor/syntax_highlighter.h"
#include "editor/workarea.h"
#include "inspector/tag_hand_off.h"
#include "preview/refreshable_preview.h"
#include "errorreport/io_error.h"
#include "settings/load_config.h"
#include "settings/userconfig.h"
#include "workpanel/workpanel.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableWidget>

#include <optional>

namespace {

THTMLEdit *Editor()
{
    return Form2->HTMLEditor1;
}

QTableWidget *Grid()
{
    return Form3->StringGrid1;
}

void SetGridCell(int row, const QString &text)
{
    QTableWidgetItem *item = Grid()->item(row, 0);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        Grid()->setItem(row, 0, item);
    }
    item->setText(text);
}

void SetGridRow(int row)
{
    QScopedValueRollback guard(GridUpdating, true);
    Grid()->setCurrentCell(row, 0);
}

void ShowFirstPages()
{
    Form2->PageControl1->setCurrentIndex(0);
    Form3->PageControl1->setCurrentIndex(0);
}

// Fills the editor with text (lines joined by LF) as the program's own change.
void FillEditor(const QString &text)
{
    Editor()->ClearLines();
    // Set on the emptied editor, so that the old text is not coloured again.
    SetSyntaxKind(Editor(), SyntaxKindForPath(DocumentPath(Docs.ActiveFile())));
    // The lines in one string, as SetLines would join them.
    Editor()->setPlainText(text);
}

void LoadEditor(const QString &text)
{
    QScopedValueRollback loading(Docs.DocStates[0].Loading, true);
    FillEditor(text);
    Form2->WorkingCopyStale = false; // the editor holds what its working copy holds
}

QString UnwrittenLead(const QString &workingCopy)
{
    return QStringLiteral("Pracovní kopii souboru ") + DocumentPath(workingCopy)
           + QStringLiteral(" se nepodařilo zapsat. Neuložený text zůstává v paměti programu a vrátí se do "
                            "editoru, až dokument znovu zvolíte.");
}

// A working copy handed to the writer could not be written (on the
// user-interface thread, after the switch).
void ReportUnwrittenCopy(const QString &workingCopy, const QString &systemMessage)
{
    if (Docs.HasDocuments() && workingCopy == Docs.ActiveFile()) {
        // The document was chosen again meanwhile: the editor holds the text,
        // and the next pause writes it again.
        WorkingCopyWriter::TakeUnwritten(workingCopy);
        Form2->WorkingCopyStale = true;
        Dialogs().Information(QStringLiteral("Pracovní kopii souboru ") + DocumentPath(workingCopy)
                              + QStringLiteral(" se nepodařilo zapsat. Text zůstává v editoru.\n") + systemMessage);
        return;
    }
    Dialogs().Information(UnwrittenLead(workingCopy) + QStringLiteral("\n") + systemMessage);
}

// The text of document k for the editor: its working copy once a write of it
// still under way has finished, or the text a failed write still holds (then
// *held gets it, the editor being the only place the text is in).
// Throws EInOutError.
QString WorkingCopyText(int k, std::optional<WorkingCopyWriter::TUnwritten> *held)
{
    const QString &wc = Docs.OpenFiles[k];
    // Chosen again while its text is still being written: the text handed
    // over is what the file will hold, so the switch does not wait for the disk.
    if (std::optional<QString> pending = WorkingCopyWriter::PendingText(wc)) {
        held->reset();
        pending->replace(QChar::ParagraphSeparator, u'\n');
        return *pending;
    }
    *held = WorkingCopyWriter::TakeUnwritten(wc);
    if (*held) {
        QString text = (*held)->rawText;
        text.replace(QChar::ParagraphSeparator, u'\n');
        return text;
    }
    return TextFile::ReadJoined(wc, Docs.DocStates[k].Encoding).text;
}

// After a load from a held text: it is written again at the next pause, and
// the user hears of the failure once.
void AfterHeldTextLoaded(const std::optional<WorkingCopyWriter::TUnwritten> &held)
{
    if (!held)
        return;
    Form2->WorkingCopyStale = true;
    if (!held->reported)
        ReportUnwrittenCopy(held->path, held->systemMessage); // the document is the active one now
}

// The switch does not wait for the text of the document left to reach the
// disk: the writer thread encodes and syncs it while the other one loads.
void HandOverActiveWorkingCopy()
{
    if (!Form2->WorkingCopyStale && QFileInfo::exists(Docs.ActiveFile()))
        return;
    WorkingCopyWriter::SetFailureHandler(&ReportUnwrittenCopy);
    WorkingCopyWriter::Enqueue(Docs.ActiveFile(), Editor()->RawText(), Docs.Active().Encoding);
    Form2->WorkingCopyStale = false;
    Form2->WorkingCopyAgeMs = 0;
}

void ShowInactive()
{
    QScopedValueRollback loading(Docs.DocStates[0].Loading, true);
    Editor()->ClearLines();
    SetSyntaxKind(Editor(), TSyntaxKind::Html);
    Editor()->AddLine(InactiveWorkspaceText());
}

// Copies a document's working copy back onto its own file; reports failure.
bool CopyBack(int i)
{
    const QString wc = Docs.OpenFiles[i];
    try {
        WorkingCopyWriter::Flush(wc); // a text a failed write still holds goes first
        CopyFileContents(wc, DocumentPath(wc));
        return true;
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Soubor ") + DocumentPath(wc) + QStringLiteral(" se nepodařilo uložit."), e);
        return false;
    }
}

QString DefaultExtension()
{
    return Form13 ? Form13->defaultextension->text() : QStringLiteral("htm");
}

QString FileFolder()
{
    return Form13 ? Form13->Filefolder->text() : QString();
}

bool AutoSaveOnSwitch()
{
    return Form13 && Form13->Useautosaveall->isChecked();
}

// Step 12 of a switch: length panel and the caret-move handling, caret unmoved.
void AfterSwitch()
{
    // The inspector reads the tag afresh; the map command waits for a MAP tag.
    LastTag1.clear();
    if (Form1)
        Form1->EditovatImageMapu1->setEnabled(false);
    Form2->ShowLength();
    Form2->HTMLEditor1SelectionChange();
}

} // namespace

const QString &InactiveWorkspaceText()
{
    static const QString text = QStringLiteral(
        "Pokud není žadný soubor otevřen, je pracovní plocha neaktviní. Pro otevření souboru zvolte "
        "nabídku Soubor, Otevřít.");
    return text;
}

void ReportIoError(const QString &lead, const EInOutError &error)
{
    Dialogs().Information(lead + QStringLiteral("\n") + error.systemMessage());
}

bool StoreActiveWorkingCopy()
{
    if (!Docs.HasDocuments())
        return true;
    // Unchanged since it was loaded or last written: the file holds it (once
    // a write still under way from a switch is done, for whoever reads it next).
    if (!Form2->WorkingCopyStale && QFileInfo::exists(Docs.ActiveFile())) {
        WorkingCopyWriter::Wait(Docs.ActiveFile());
        return true;
    }
    try {
        Form2->Ulozsoubor(Docs.ActiveFile());
        return true;
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Pracovní kopii souboru ") + DocumentPath(Docs.ActiveFile())
                          + QStringLiteral(" se nepodařilo zapsat. Text zůstává v editoru."),
                      e);
        return false;
    }
}

void OpenDocument(const QString &path, TOpenOptions options)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        Dialogs().Information(QStringLiteral("Tento již soubor neexistuje"));
        return;
    }
    Form2->PageControl1->setEnabled(true);

    if (const int open = Docs.IndexOfDocument(path)) {
        if (open != Docs.ActiveDoc)
            Grid()->setCurrentCell(open - 1, 0);
        return;
    }

    // What cannot be edited as text is refused before anything changes.
    if (info.size() > TextFile::kMaxDocumentBytes) {
        Dialogs().Information(QStringLiteral("Soubor ") + path + QStringLiteral(" je příliš velký (více než 64 MB) a nelze jej otevřít."));
        Form2->PageControl1->setEnabled(Docs.HasDocuments());
        return;
    }
    QByteArray head;
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            Dialogs().Information(QStringLiteral("Soubor ") + path + QStringLiteral(" nelze přečíst.\n") + f.errorString());
            Form2->PageControl1->setEnabled(Docs.HasDocuments());
            return;
        }
        head = f.read(64 * 1024);
    }
    if (TextFile::LooksBinary(head)) {
        Dialogs().Information(QStringLiteral("Soubor ") + path + QStringLiteral(" není textový soubor a nelze jej otevřít."));
        Form2->PageControl1->setEnabled(Docs.HasDocuments());
        return;
    }

    // A working copy left beside the document (the program ended without
    // closing it) may hold text that was never saved: ask before replacing it.
    const QString wc = WorkingCopyName(path);
    WorkingCopyWriter::Wait(wc);
    bool restore = false;
    if (QFileInfo(wc).isFile() && !SameFileContents(path, wc)) {
        const TAnswer a = Dialogs().Confirm(
            QStringLiteral("U souboru ") + path
                + QStringLiteral(" zůstala pracovní kopie s neuloženými změnami (program byl zřejmě ukončen "
                           "nečekaně). Obnovit neuložený text z pracovní kopie?"),
            TButtons::YesNoCancel);
        if (a == TAnswer::Cancel) {
            Form2->PageControl1->setEnabled(Docs.HasDocuments());
            return;
        }
        restore = a == TAnswer::Yes;
    }

    if (!StoreActiveWorkingCopy())
        return;

    TTextFileText content;
    try {
        if (!restore)
            CopyFileContents(path, wc, /*synced=*/false); // the document itself is on disk
        content = TextFile::ReadJoined(wc);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Soubor ") + path
                          + QStringLiteral(" nelze otevřít: vedle něj nelze vytvořit pracovní kopii (složka musí "
                           "umožňovat zápis)."),
                      e);
        Form2->PageControl1->setEnabled(Docs.HasDocuments());
        return;
    }

    if (Docs.HasDocuments())
        Grid()->setRowCount(Grid()->rowCount() + 1);
    TDocState state;
    state.Encoding = content.encoding;
    const int n = Docs.Append(wc, state);
    Docs.ActiveDoc = n;

    LoadEditor(content.text);
    SetGridCell(n - 1, ExtractFileName(path));
    Form2->setWindowTitle(QStringLiteral("Pracovní plocha - ") + ExtractFileName(path));
    ShowFirstPages();
    if (options.addToHistory)
        AddToHistory(Thistorie::File, path);

    TDocState &s = Docs.DocStates[n];
    s.Modified = restore;
    s.CaretPos = Editor()->SelStart();
    s.Bookmarks.fill(-1);
    Form2->ShowModifiedMark();
    PreviewFollowActiveDocument();
    MarkProjectModified(QStringLiteral(" "));
    Form2->ResetHistory();
    DisableMapEditCommand();

    SetGridRow(Grid()->rowCount() - 1);
    AfterSwitch();
    Editor()->SetModified(true);
}

void SelectDocument(int row)
{
    if (Docs.OpenDocCount == 0 || GridUpdating) {
        AfterSwitch();
        return;
    }
    const int k = row + 1;
    const int leaving = Docs.ActiveDoc;
    Docs.Active().CaretPos = Editor()->SelStart();
    if (AutoSaveOnSwitch()) {
        // Saving copies the working copy onto the document: it is written here.
        if (!StoreActiveWorkingCopy()) {
            SetGridRow(leaving - 1);
            return;
        }
        SaveCommand();
    } else {
        HandOverActiveWorkingCopy();
    }
    if (k > Docs.OpenDocCount || k < 1)
        return;

    QString text;
    std::optional<WorkingCopyWriter::TUnwritten> held;
    try {
        text = WorkingCopyText(k, &held);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Pracovní kopii souboru ") + DocumentPath(Docs.OpenFiles[k]) + QStringLiteral(" nelze přečíst."), e);
        Form2->WorkingCopyStale = true; // the editor keeps the text; the next pause writes it again
        SetGridRow(leaving - 1);
        return;
    }

    Form2->setWindowTitle(QStringLiteral("Pracovní plocha - ") + ExtractFileName(DocumentPath(Docs.OpenFiles[k])));
    Docs.ActiveDoc = k;
    PreviewFollowActiveDocument();
    {
        QScopedValueRollback loading(Docs.DocStates[0].Loading, true);
        FillEditor(text);
        text.clear(); // the editor's document holds the text now
        Form2->PageControl1->setCurrentIndex(0);
        Editor()->SetSelStart(Docs.DocStates[k].CaretPos);
        Editor()->ScrollCaret();
        Form2->WorkingCopyStale = false;
    }
    Form2->ShowModifiedMark();
    Form2->ResetHistory();
    DisableMapEditCommand();
    AfterSwitch();
    AfterHeldTextLoaded(held);
}

void OpenCommand()
{
    TFileRequest r;
    r.title = QStringLiteral("Otevřít Soubor");
    r.defaultExtension = DefaultExtension();
    r.filter = FileFilter;
    r.initialDir = FileFolder();
    r.multiSelect = true;
    for (const QString &path : Dialogs().GetOpenFileNames(r))
        OpenDocument(path);
}

void SaveCommand()
{
    if (!Docs.HasDocuments())
        return;
    if (!StoreActiveWorkingCopy())
        return;
    if (!CopyBack(Docs.ActiveDoc))
        return;
    Docs.Active().Modified = false;
    Form2->SetPanelText(1, QString());
}

void SaveAsCommand()
{
    if (!Docs.HasDocuments())
        return;
    TFileRequest r;
    r.title = QStringLiteral("Uložit Jako");
    r.defaultExtension = DefaultExtension();
    r.filter = FileFilter;
    r.initialDir = FileFolder();
    const auto choice = Dialogs().GetSaveFileName(r);
    if (!choice)
        return;
    const QString name = AddExtensionFromFilter(choice->fileName, FileFilter, choice->filterIndex,
                                                DefaultExtension());
    SaveDocumentAs(name);
    MarkProjectModified(QStringLiteral(" "));
}

bool SaveDocumentAs(const QString &newPath)
{
    if (!Docs.HasDocuments())
        return false;
    const QString oldWc = Docs.ActiveFile();
    const QString newWc = WorkingCopyName(newPath);
    const bool ownPath = newWc == oldWc;
    // Another open document's file would end up with two entries sharing one
    // working copy; closing either would delete it under the other.
    if (!ownPath && Docs.IndexOfDocument(newPath)) {
        Dialogs().Information(QStringLiteral("Soubor ") + newPath
                              + QStringLiteral(" je právě otevřen jako jiný dokument. Nejprve jej zavřete."));
        return false;
    }
    if (QFileInfo::exists(newPath)
        && Dialogs().Confirm(QStringLiteral("Soubor již existuje.Přepsat?"), TButtons::YesNo)
               != TAnswer::Yes)
        return false;
    if (!StoreActiveWorkingCopy())
        return false;
    try {
        CopyFileContents(oldWc, newPath);
        if (!ownPath)
            CopyFileContents(oldWc, newWc);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Soubor ") + newPath + QStringLiteral(" se nepodařilo uložit."), e);
        return false;
    }
    AddToHistory(Thistorie::File, newPath);
    Docs.OpenFiles[Docs.ActiveDoc] = newWc;
    Docs.Active().Modified = false;
    if (SyntaxKindForPath(newPath) != SyntaxKindForPath(DocumentPath(oldWc)))
        SetSyntaxKind(Editor(), SyntaxKindForPath(newPath)); // e.g. a page saved as .php
    if (!ownPath) {
        try {
            DeleteWorkingCopy(oldWc);
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Starou pracovní kopii ") + oldWc + QStringLiteral(" se nepodařilo smazat."), e);
        }
    }
    SetGridCell(Docs.ActiveDoc - 1, ExtractFileName(newPath));
    Form2->PageControl1->setCurrentIndex(0);
    Form2->setWindowTitle(QStringLiteral("Pracovní plocha - ") + ExtractFileName(newPath));
    return true;
}

void SaveAllCommand()
{
    if (Docs.HasDocuments() && !StoreActiveWorkingCopy())
        return;
    if (CurrentProject.IsOpen)
        SaveProject(false, CurrentProject.Path);
    for (int i = 1; i <= Docs.OpenDocCount; ++i) {
        if (CopyBack(i))
            Docs.DocStates[i].Modified = false;
    }
    Form2->ResetHistory();
    Form2->ShowModifiedMark();
}

void CloseDocument()
{
    if (!Docs.HasDocuments())
        return;
    if (!StoreActiveWorkingCopy())
        return;
    const QString wc = Docs.ActiveFile();
    if (Docs.Active().Modified) {
        const TAnswer a = Dialogs().Confirm(QStringLiteral("Soubor ") + DocumentPath(wc) + QStringLiteral(" se zmenil.Uložit?"),
                                            TButtons::YesNoCancel);
        if (a == TAnswer::Cancel)
            return;
        if (a == TAnswer::Yes && !CopyBack(Docs.ActiveDoc))
            return;
    }
    try {
        DeleteWorkingCopy(wc);
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Pracovní kopii ") + wc + QStringLiteral(" se nepodařilo smazat."), e);
    }

    {
        QScopedValueRollback guard(GridUpdating, true);
        for (int r = 0; r < Grid()->rowCount(); ++r)
            SetGridCell(r, QStringLiteral(" "));
        if (Grid()->rowCount() > 1)
            Grid()->setRowCount(Grid()->rowCount() - 1);
        Grid()->setCurrentCell(0, 0);
    }
    Docs.Remove(Docs.ActiveDoc);
    for (int i = 1; i <= Docs.OpenDocCount; ++i)
        SetGridCell(i - 1, ExtractFileName(DocumentPath(Docs.OpenFiles[i])));
    ShowFirstPages();
    Docs.ActiveDoc = 1;

    std::optional<WorkingCopyWriter::TUnwritten> held;
    if (Docs.HasDocuments()) {
        QString text;
        try {
            text = WorkingCopyText(1, &held);
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii souboru ") + DocumentPath(Docs.OpenFiles[1]) + QStringLiteral(" nelze přečíst."), e);
        }
        LoadEditor(text);
    } else {
        ShowInactive();
        {
            QScopedValueRollback guard(GridUpdating, true);
            SetGridCell(0, QStringLiteral("Žádný Otevřený Soubor"));
        }
    }

    Form1->setWindowTitle(QStringLiteral("Vellomy"));
    if (Docs.HasDocuments()) {
        Form2->setWindowTitle(QStringLiteral("Pracovní Plocha - ") + ExtractFileName(DocumentPath(Docs.OpenFiles[1])));
    } else {
        Form2->setWindowTitle(QStringLiteral("Pracovni Plocha"));
        Form2->PageControl1->setEnabled(false);
        Editor()->SetModified(false);
    }
    MarkProjectModified(QString());
    Form2->ResetHistory();
    DisableMapEditCommand();
    // The marker follows the document now shown.
    Form2->ShowModifiedMark();
    Form2->ShowLength();
    AfterHeldTextLoaded(held);
}

void CloseAllDocuments()
{
    if (!Docs.HasDocuments())
        return;
    if (!StoreActiveWorkingCopy())
        return;
    if (!OfferToSaveModified())
        return;
    for (int i = 1; i <= Docs.OpenDocCount; ++i) {
        try {
            DeleteWorkingCopy(Docs.OpenFiles[i]);
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii ") + Docs.OpenFiles[i] + QStringLiteral(" se nepodařilo smazat."), e);
        }
    }
    ResetToInactive();
}

bool OfferToSaveModified()
{
    for (int i = 1; i <= Docs.OpenDocCount; ++i) {
        if (!Docs.DocStates[i].Modified)
            continue;
        const TAnswer a = Dialogs().Confirm(
            QStringLiteral("Soubor ") + DocumentPath(Docs.OpenFiles[i]) + QStringLiteral(" se zmenil.Uložit?"),
            TButtons::YesNoCancel);
        if (a == TAnswer::Cancel)
            return false;
        if (a == TAnswer::Yes) {
            if (!CopyBack(i))
                return false;
            Docs.DocStates[i].Modified = false;
        }
    }
    if (CurrentProject.IsOpen && CurrentProject.Modified) {
        const TAnswer a = Dialogs().Confirm(QStringLiteral("Projekt ") + CurrentProject.Path
                                                + QStringLiteral(" se zmenil.Uložit?"),
                                            TButtons::YesNoCancel);
        if (a == TAnswer::Cancel)
            return false;
        if (a == TAnswer::Yes && !SaveProject(false, CurrentProject.Path))
            return false;
    }
    return true;
}

void ResetToInactive()
{
    {
        QScopedValueRollback guard(GridUpdating, true);
        for (int r = 0; r < Grid()->rowCount(); ++r)
            SetGridCell(r, QStringLiteral(" "));
        Grid()->setRowCount(1);
    }
    ShowFirstPages();
    ShowInactive();
    Editor()->SetModified(false);
    {
        QScopedValueRollback guard(GridUpdating, true);
        SetGridCell(0, QStringLiteral("Žádný Otevřený Soubor"));
    }
    Form2->PageControl1->setEnabled(false);
    Form1->setWindowTitle(QStringLiteral("Vellomy"));
    Form2->setWindowTitle(QStringLiteral("Pracovní Plocha"));
    CurrentProject.Modified = false;
    CurrentProject.IsOpen = false;
    Docs.Reset();
    Form2->ResetHistory();
    DisableMapEditCommand();
    Form2->SetPanelText(1, QString());
    Form2->ShowLength();
    {
        QScopedValueRollback guard(NotesLoading, true);
        Form3->Memo1->clear();
    }
}

bool ExitCleanup(bool windowClose)
{
    if (Docs.HasDocuments() && !StoreActiveWorkingCopy()) {
        // The editor's text could not be secured; ending now would lose it.
        return false;
    }
    for (int i = 1; i <= Docs.OpenDocCount; ++i) {
        if (!Docs.DocStates[i].Modified)
            continue;
        const TAnswer a = Dialogs().Confirm(
            QStringLiteral("Soubor ") + DocumentPath(Docs.OpenFiles[i]) + QStringLiteral(" se změnil.Uložit?"), TButtons::YesNoCancel);
        if (a == TAnswer::Cancel)
            return false;
        if (a == TAnswer::Yes) {
            if (!CopyBack(i))
                return false;
            Docs.DocStates[i].Modified = false;
        }
    }

    if (CurrentProject.IsOpen && CurrentProject.Modified) {
        const TAnswer a = Dialogs().Confirm(QStringLiteral("Projekt ") + CurrentProject.Path
                                                + QStringLiteral(" se změnil.Uložit?"),
                                            TButtons::YesNoCancel);
        if (a == TAnswer::Cancel)
            return false;
        if (a == TAnswer::Yes && !SaveProject(false, CurrentProject.Path))
            return false;
    }

    const auto saveSettings = [] {
        SaveHistory();
        try {
            SaveConfig();
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Nastavení se nepodařilo uložit."), e);
        }
    };
    if (windowClose)
        saveSettings();
    for (int i = 1; i <= Docs.OpenDocCount; ++i) {
        try {
            DeleteWorkingCopy(Docs.OpenFiles[i]);
        } catch (const EInOutError &e) {
            ReportIoError(QStringLiteral("Pracovní kopii ") + Docs.OpenFiles[i] + QStringLiteral(" se nepodařilo smazat."), e);
        }
    }
    if (!windowClose)
        saveSettings();
    return true;
}
