// Every message box, question and common dialog of the program goes through
// this interface, so tests can answer prompts from a script.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;

enum class TAnswer { Yes, No, Cancel, YesToAll };

enum class TButtons {
    YesNo,
    YesNoCancel,
    YesNoCancelYesToAll,
};

// An open or save dialog as the program sets it up. filter is in the stored
// "desc|*.a;*.b" form; filterIndex counts from 1.
struct TFileRequest {
    QString title;
    QString defaultExtension;
    QString filter;
    int filterIndex = 1;
    QString initialDir;
    QString fileName;
    bool multiSelect = false;
    bool mustExist = true;
};

struct TSaveChoice {
    QString fileName;
    int filterIndex = 1; // the entry the user left chosen, from 1
};

class TDialogs
{
public:
    virtual ~TDialogs() = default;

    // The plain message box with the program's title.
    virtual void Information(const QString &text) = 0;
    // The confirmation box captioned "Confirm".
    virtual TAnswer Confirm(const QString &text, TButtons buttons) = 0;
    // Chosen paths in the dialog's order; empty when cancelled.
    virtual QStringList GetOpenFileNames(const TFileRequest &request) = 0;
    virtual std::optional<TSaveChoice> GetSaveFileName(const TFileRequest &request) = 0;
    virtual std::optional<QColor> GetColor(const QColor &initial) = 0;
    virtual std::optional<QFont> GetFont(const QFont &initial) = 0;
    // The printer setup dialog on printer; false when cancelled.
    virtual bool PrinterSetup(QPrinter *printer) = 0;
};

// The dialogs in use; the Qt ones unless a test installed others.
TDialogs &Dialogs();
// Takes ownership; nullptr restores the Qt dialogs.
void SetDialogs(std::unique_ptr<TDialogs> dialogs);

// QMessageBox and the Qt common dialogs.
class TQtDialogs : public TDialogs
{
public:
    void Information(const QString &text) override;
    TAnswer Confirm(const QString &text, TButtons buttons) override;
    QStringList GetOpenFileNames(const TFileRequest &request) override;
    std::optional<TSaveChoice> GetSaveFileName(const TFileRequest &request) override;
    std::optional<QColor> GetColor(const QColor &initial) override;
    std::optional<QFont> GetFont(const QFont &initial) override;
    bool PrinterSetup(QPrinter *printer) override;
};
