#include "errorreport/error_report.h"

#include "app/dialogs.h"
#include "errorreport/exception_dialog.h"

#include <QApplication>

namespace {
bool g_showing = false;
} // namespace

bool ErrorReportShowing()
{
    return g_showing;
}

void ShowErrorReport(const TErrorInfo &error)
{
    if (g_showing) {
        Dialogs().Information(error.message);
        return;
    }
    g_showing = true;
    auto *dialog = new TExceptionDialog(error, QApplication::activeWindow());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, [] { g_showing = false; });
    QObject::connect(dialog, &QObject::destroyed, [] { g_showing = false; });
    TErrorReportTesting::lastDialog = dialog;
    QApplication::beep();
    if (TErrorReportTesting::noModalLoop) {
        dialog->setModal(true);
        dialog->show();
    } else {
        dialog->exec();
    }
}
