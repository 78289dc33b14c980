#include "app/dialogs.h"

#include "documents/file_filter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

std::unique_ptr<TDialogs> &Current()
{
    static std::unique_ptr<TDialogs> dialogs;
    return dialogs;
}

QWidget *Parent()
{
    return QApplication::activeWindow();
}

void Prepare(QFileDialog &dlg, const TFileRequest &r)
{
    dlg.setWindowTitle(r.title);
    dlg.setOption(QFileDialog::HideNameFilterDetails, true);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true); // the program asks itself
    const QStringList filters = FileFilterText::ToQtFilters(r.filter);
    dlg.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size())
        dlg.selectNameFilter(filters[r.filterIndex - 1]);
    dlg.setDefaultSuffix(QString()); // extensions come from AddExtensionFromFilter
    if (!r.initialDir.isEmpty())
        dlg.setDirectory(r.initialDir);
    if (!r.fileName.isEmpty())
        dlg.selectFile(r.fileName);
}

} // namespace

TDialogs &Dialogs()
{
    auto &d = Current();
    if (!d)
        d = std::make_unique<TQtDialogs>();
    return *d;
}

void SetDialogs(std::unique_ptr<TDialogs> dialogs)
{
    Current() = std::move(dialogs);
}

void TQtDialogs::Information(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vellomy"), text, QMessageBox::Ok, Parent());
    box.exec();
}

TAnswer TQtDialogs::Confirm(const QString &text, TButtons buttons)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    Parent());
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton *cancel = nullptr;
    QPushButton *all = nullptr;
    if (buttons != TButtons::YesNo)
        cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    if (buttons == TButtons::YesNoCancelYesToAll)
        all = box.addButton(QStringLiteral("Yes to &All"), QMessageBox::YesRole);
    box.setDefaultButton(yes);
    if (cancel)
        box.setEscapeButton(cancel);
    else
        box.setEscapeButton(no);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (clicked == yes)
        return TAnswer::Yes;
    if (clicked == no)
        return TAnswer::No;
    if (all && clicked == all)
        return TAnswer::YesToAll;
    return cancel ? TAnswer::Cancel : TAnswer::No;
}

QStringList TQtDialogs::GetOpenFileNames(const TFileRequest &request)
{
    QFileDialog dlg(Parent());
    Prepare(dlg, request);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles
                                        : (request.mustExist ? QFileDialog::ExistingFile
                                                             : QFileDialog::AnyFile));
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.selectedFiles();
}

std::optional<TSaveChoice> TQtDialogs::GetSaveFileName(const TFileRequest &request)
{
    QFileDialog dlg(Parent());
    Prepare(dlg, request);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    TSaveChoice choice;
    choice.fileName = dlg.selectedFiles().first();
    choice.filterIndex = int(dlg.nameFilters().indexOf(dlg.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1)
        choice.filterIndex = 1;
    return choice;
}

std::optional<QColor> TQtDialogs::GetColor(const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, Parent());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<QFont> TQtDialogs::GetFont(const QFont &initial)
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial, Parent());
    if (!ok)
        return std::nullopt;
    return f;
}

bool TQtDialogs::PrinterSetup(QPrinter *printer)
{
    QPrintDialog dlg(printer, Parent());
    return dlg.exec() == QDialog::Accepted;
}
