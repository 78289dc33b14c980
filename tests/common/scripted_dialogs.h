// Answers the program's prompts from a script and records every prompt.
#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

class TScriptedDialogs : public TDialogs
{
public:
    // What was asked, in order: "info: <text>", "confirm: <text>",
    // "open: <title>", "save: <title>", "color", "font", "printer".
    QStringList asked;
    // Queued answers, taken in order by each kind of prompt.
    QList<TAnswer> answers;
    QList<QStringList> openAnswers;
    QList<TSaveChoice> saveAnswers;
    QList<TFileRequest> requests;

    void Information(const QString &text) override;
    TAnswer Confirm(const QString &text, TButtons buttons) override;
    QStringList GetOpenFileNames(const TFileRequest &request) override;
    std::optional<TSaveChoice> GetSaveFileName(const TFileRequest &request) override;
    std::optional<QColor> GetColor(const QColor &initial) override;
    std::optional<QFont> GetFont(const QFont &initial) override;
    bool PrinterSetup(QPrinter *printer) override;
};

// Installs a fresh scripted instance and returns it (owned by the program).
TScriptedDialogs *InstallScriptedDialogs();
