#include "settings/load_config.h"

#include "app/application.h"
#include "app/program_dir.h"
#include "assistant/code_vocabulary.h"
#include "colours/tcolor.h"
#include "conversion/codec.h"
#include "documents/project.h"
#include "editor/htmledit.h"
#include "editor/syntax_highlighter.h"
#include "editor/workarea.h"
#include "errorreport/io_error.h"
#include "settings/config_values.h"
#include "settings/ini_file.h"
#include "settings/userconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The memo may be written back only when it holds what the file held (or
// the file did not exist): a file that could not be read must not be
// replaced by an empty or stale memo.
bool VocabularyWritable = false;

// Fills Memo1 from the vocabulary file; returns whether saving may replace it.
bool LoadVocabularyMemo(TForm13 *form)
{
    const QString path = VocabularyPath();
    QFile f(path);
    if (!f.exists()) {
        form->SetVocabularyLines({});
        return true;
    }
    QByteArray bytes;
    bool readable = f.open(QIODevice::ReadOnly);
    if (readable) {
        bytes = f.readAll();
        readable = f.error() == QFileDevice::NoError;
    }
    // NUL bytes: not a text file, so not the vocabulary the memo can edit.
    if (!readable || bytes.contains('\0')) {
        form->SetVocabularyLines({});
        return false;
    }
    form->SetVocabularyLines(Codec::SplitLines(Codec::DecodeWin1250(bytes)));
    return true;
}

void SaveVocabularyMemo(const TForm13 *form)
{
    TCodeVocabulary::SaveVocabulary(VocabularyPath(), form->VocabularyLines());
}

void ApplyToEditors(const TConfigValues &v)
{
    if (!Form2)
        return;
    Form2->SetGutterVisible(v.Cislovatradky);
    if (Form2->HTMLEditor1) {
        Form2->HTMLEditor1->SetWordWrap(v.wordwrap);
        Form2->HTMLEditor1->SetWantTabs(v.usetab);
    }
    for (THTMLEdit *editor : {Form2->HTMLEditor1, Form2->HTMLEditor2}) {
        if (!editor)
            continue;
        QPalette p = editor->palette();
        p.setColor(QPalette::Base, TColors::ToQColor(v.BgColor));
        p.setColor(QPalette::Text, TColors::ToQColor(v.TextColor));
        editor->setPalette(p);
        ApplySyntaxColouring(editor, v.Zvyraznovani, TColors::ToQColor(v.BgColor));
    }
}

} // namespace

QString ConfigPath()
{
    return ProgramDir() + u"config.ini"_s;
}

QString VocabularyPath()
{
    return ProgramDir() + u"Data/Codefiller/tags.vcq"_s;
}

void LoadConfig()
{
    // An unreadable file reads as a missing one: the defaults apply, as the
    // profile functions give them. SaveConfig refuses to replace it.
    TIniFile ini;
    ini.Load(ConfigPath());
    const TConfigValues v = ReadConfigValues(ini);

    if (Form13) {
        Form13->SetValues(v);
        VocabularyWritable = LoadVocabularyMemo(Form13);
    }
    ApplyToEditors(v);
    LastOpenType = v.Posledniotevrtyp;
    FileFilter = v.Filtr;
}

void SaveConfig()
{
    if (!Form13)
        return;
    const QString path = ConfigPath();
    // Keys of other parts (the converter's folder) and the user's comments
    // stay: the file is updated, not rewritten from scratch.
    TIniFile ini;
    QString error;
    if (!ini.Load(path, &error))
        throw EInOutError(path, error);
    const TConfigValues v = Form13->Values();
    WriteConfigValues(ini, v, CurrentProject.IsOpen);
    ini.Save(path);
    FileFilter = v.Filtr;

    // After config.ini, so that a vocabulary that cannot be written does not
    // cost the settings.
    if (VocabularyWritable)
        SaveVocabularyMemo(Form13);
}

QString ReadConverterOutput()
{
    TIniFile ini;
    if (!ini.Load(ConfigPath()))
        return {};
    return ini.ReadString(u"Konvertor"_s, u"Output"_s, QString());
}

void WriteConverterOutput(const QString &folder)
{
    const QString path = ConfigPath();
    TIniFile ini;
    QString error;
    if (!ini.Load(path, &error))
        throw EInOutError(path, error);
    ini.WriteString(u"Konvertor"_s, u"Output"_s, folder);
    ini.Save(path);
}
