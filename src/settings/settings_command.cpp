#include "settings/settings_command.h"

#include "app/application.h"
#include "assistant/codeassistant.h"
#include "documents/document_commands.h"
#include "errorreport/io_error.h"
#include "inspector/tag_hand_off.h"
#include "inspector/taginsp_panel.h"
#include "settings/config_values.h"
#include "settings/load_config.h"
#include "settings/shortcuts.h"
#include "settings/userconfig.h"

void Uivatelsk1Click()
{
    if (!Form13)
        return;
    // The settings change how the inspector reads and writes: it starts afresh.
    ClearInspector();
    LastTag1.clear();
    LastTag2.clear();
    try {
        LoadConfig(); // the dialog always opens on the saved values
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Nastavení se nepodařilo načíst."), e);
    }
    const TConfigValues before = Form13->Values();
    const QStringList vocabulary = Form13->VocabularyLines();
    FillShortcutList();
    if (Form13->exec() != QDialog::Accepted) {
        // Every part of the program reads the controls when it needs a
        // setting: a cancelled edit must not linger in them.
        Form13->SetValues(before);
        Form13->SetVocabularyLines(vocabulary);
        ApplyShortcuts(); // the menus get the file's shortcuts back
        return;
    }
    try {
        SaveConfig();
        LoadConfig();
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Nastavení se nepodařilo uložit."), e);
    }
    try {
        SaveShortcuts();
    } catch (const EInOutError &e) {
        ReportIoError(QStringLiteral("Klávesové zkratky se nepodařilo uložit."), e);
    }
    ApplyShortcuts();
    ReloadCodeVocabulary();
}
