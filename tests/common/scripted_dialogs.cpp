#include "scripted_dialogs.h"

void TScriptedDialogs::Information(const QString &text)
{
    asked << QStringLiteral("info: ") + text;
}

TAnswer TScriptedDialogs::Confirm(const QString &text, TButtons)
{
    asked << QStringLiteral("confirm: ") + text;
    // An unscripted question is answered Cancel, the answer that changes least.
    return answers.isEmpty() ? TAnswer::Cancel : answers.takeFirst();
}

QStringList TScriptedDialogs::GetOpenFileNames(const TFileRequest &request)
{
    asked << QStringLiteral("open: ") + request.title;
    requests << request;
    return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
}

std::optional<TSaveChoice> TScriptedDialogs::GetSaveFileName(const TFileRequest &request)
{
    asked << QStringLiteral("save: ") + request.title;
    requests << request;
    if (saveAnswers.isEmpty())
        return std::nullopt;
    return saveAnswers.takeFirst();
}

std::optional<QColor> TScriptedDialogs::GetColor(const QColor &)
{
    asked << QStringLiteral("color");
    return std::nullopt;
}

std::optional<QFont> TScriptedDialogs::GetFont(const QFont &)
{
    asked << QStringLiteral("font");
    return std::nullopt;
}

bool TScriptedDialogs::PrinterSetup(QPrinter *)
{
    asked << QStringLiteral("printer");
    return false;
}

TScriptedDialogs *InstallScriptedDialogs()
{
    auto d = std::make_unique<TScriptedDialogs>();
    TScriptedDialogs *raw = d.get();
    SetDialogs(std::move(d));
    return raw;
}
