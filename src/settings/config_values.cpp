#include "settings/config_values.h"

#include "settings/ini_file.h"

namespace {

const QString kHistorie = QStringLiteral("Historie");
const QString kOpenconfig = QStringLiteral("Openconfig");
const QString kAdresare = QStringLiteral("Adresare");
const QString kSoubory = QStringLiteral("Soubory");
const QString kCodefiller = QStringLiteral("Codefiller");
const QString kEditor = QStringLiteral("Editor");
const QString kFonty = QStringLiteral("Fonty");

// The two number fields are typed as digits only; a hand-edited file that
// holds anything else falls back to the default instead of reaching the
// undo history or the tab expansion.
QString ReadDigits(const TIniFile &ini, const QString &section, const QString &key,
                   const QString &defaultValue)
{
    const QString v = ini.ReadString(section, key, defaultValue);
    if (v.isEmpty())
        return defaultValue;
    for (QChar ch : v) {
        if (ch < u'0' || ch > u'9')
            return defaultValue;
    }
    return v;
}

TColor ReadColor(const TIniFile &ini, const QString &key, TColor defaultValue)
{
    TColor c = 0;
    if (!TColors::StringToColor(ini.ReadString(kEditor, key, QString()), &c) || c > 0xFFFFFF)
        return defaultValue;
    return c;
}

} // namespace

TConfigValues ReadConfigValues(const TIniFile &ini)
{
    const TConfigValues d;
    TConfigValues v;
    v.Delka = ReadDigits(ini, kHistorie, QStringLiteral("Delka"), d.Delka);
    v.Otevritpristartuprojekt =
        ini.ReadBool(kOpenconfig, QStringLiteral("Otevritpristartuprojekt"), d.Otevritpristartuprojekt);
    v.Projekty = ini.ReadString(kAdresare, QStringLiteral("Projekty"), d.Projekty);
    v.Soubory = ini.ReadString(kAdresare, QStringLiteral("Soubory"), d.Soubory);
    v.Filtr = ini.ReadString(kSoubory, QStringLiteral("Filtr"), d.Filtr);
    v.Posledniotevrtyp = ini.ReadString(kSoubory, QStringLiteral("Posledniotevrtyp"), d.Posledniotevrtyp);
    v.Pouzivat = ini.ReadBool(kCodefiller, QStringLiteral("Používat"), d.Pouzivat);
    v.Cislovatradky = ini.ReadBool(kEditor, QStringLiteral("Cislovatradky"), d.Cislovatradky);
    v.Vkladatvelka = ini.ReadBool(kEditor, QStringLiteral("Vkladatvelka"), d.Vkladatvelka);
    v.Pouzivatzakladni = ini.ReadBool(kFonty, QStringLiteral("Pouzivatzakladni"), d.Pouzivatzakladni);
    v.Vkladatfilenamymalyli =
        ini.ReadBool(kEditor, QStringLiteral("Vkladatfilenamymalyli"), d.Vkladatfilenamymalyli);
    v.pozivatrelatinicesty =
        ini.ReadBool(kEditor, QStringLiteral("pozivatrelatinicesty"), d.pozivatrelatinicesty);
    v.automatickyukladat = ini.ReadBool(kEditor, QStringLiteral("automatickyukladat"), d.automatickyukladat);
    v.defaultpripona = ini.ReadString(kOpenconfig, QStringLiteral("defaultpripona"), d.defaultpripona);
    v.wordwrap = ini.ReadBool(kEditor, QStringLiteral("wordwrap"), d.wordwrap);
    v.usetab = ini.ReadBool(kEditor, QStringLiteral("usetab"), d.usetab);
    v.Zvyraznovani = ini.ReadBool(kEditor, QStringLiteral("Zvyraznovani"), d.Zvyraznovani);
    v.centertext1 = ini.ReadString(kEditor, QStringLiteral("centertext1"), d.centertext1);
    v.centertext2 = ini.ReadString(kEditor, QStringLiteral("centertext2"), d.centertext2);
    v.useStrong = ini.ReadBool(kEditor, QStringLiteral("use<STRONG>"), d.useStrong);
    v.useEm = ini.ReadBool(kEditor, QStringLiteral("use<EM>"), d.useEm);
    v.useparamsep = ini.ReadBool(kCodefiller, QStringLiteral("useparamsep"), d.useparamsep);
    v.Tabsize = ReadDigits(ini, kEditor, QStringLiteral("Tabsize"), d.Tabsize);
    v.BgColor = ReadColor(ini, QStringLiteral("BgColor"), d.BgColor);
    v.TextColor = ReadColor(ini, QStringLiteral("TextColor"), d.TextColor);
    v.Usefulltruefalseparam =
        ini.ReadBool(kEditor, QStringLiteral("Usefulltruefalseparam"), d.Usefulltruefalseparam);
    v.useSlashAtEndOfTag = ini.ReadBool(kEditor, QStringLiteral("use/attheendoftag"), d.useSlashAtEndOfTag);
    return v;
}

QString ColorToConfigText(TColor colour)
{
    const QString id = TColors::ColorToIdentifier(colour);
    return id.isEmpty() ? QString::number(colour) : id;
}

void WriteConfigValues(TIniFile &ini, const TConfigValues &v, bool projectOpen)
{
    ini.WriteString(kHistorie, QStringLiteral("Delka"), v.Delka);
    ini.WriteBool(kOpenconfig, QStringLiteral("Otevritpristartuprojekt"), v.Otevritpristartuprojekt);
    ini.WriteString(kAdresare, QStringLiteral("Projekty"), v.Projekty);
    ini.WriteString(kAdresare, QStringLiteral("Soubory"), v.Soubory);
    ini.WriteString(kSoubory, QStringLiteral("Filtr"), v.Filtr);
    ini.WriteString(kSoubory, QStringLiteral("Posledniotevrtyp"),
                    projectOpen ? QStringLiteral("projekt") : QString());
    ini.WriteBool(kCodefiller, QStringLiteral("Používat"), v.Pouzivat);
    ini.WriteBool(kEditor, QStringLiteral("Cislovatradky"), v.Cislovatradky);
    ini.WriteBool(kEditor, QStringLiteral("Vkladatvelka"), v.Vkladatvelka);
    ini.WriteBool(kFonty, QStringLiteral("Pouzivatzakladni"), v.Pouzivatzakladni);
    ini.WriteBool(kEditor, QStringLiteral("Vkladatfilenamymalyli"), v.Vkladatfilenamymalyli);
    ini.WriteBool(kEditor, QStringLiteral("pozivatrelatinicesty"), v.pozivatrelatinicesty);
    ini.WriteBool(kEditor, QStringLiteral("automatickyukladat"), v.automatickyukladat);
    ini.WriteString(kOpenconfig, QStringLiteral("defaultpripona"), v.defaultpripona);
    ini.WriteBool(kEditor, QStringLiteral("wordwrap"), v.wordwrap);
    ini.WriteBool(kEditor, QStringLiteral("usetab"), v.usetab);
    ini.WriteBool(kEditor, QStringLiteral("Zvyraznovani"), v.Zvyraznovani);
    ini.WriteString(kEditor, QStringLiteral("centertext1"), v.centertext1);
    ini.WriteString(kEditor, QStringLiteral("centertext2"), v.centertext2);
    ini.WriteBool(kEditor, QStringLiteral("use<STRONG>"), v.useStrong);
    ini.WriteBool(kEditor, QStringLiteral("use<EM>"), v.useEm);
    ini.WriteBool(kCodefiller, QStringLiteral("useparamsep"), v.useparamsep);
    ini.WriteString(kEditor, QStringLiteral("Tabsize"), v.Tabsize);
    ini.WriteString(kEditor, QStringLiteral("BgColor"), ColorToConfigText(v.BgColor));
    ini.WriteString(kEditor, QStringLiteral("TextColor"), ColorToConfigText(v.TextColor));
    ini.WriteBool(kEditor, QStringLiteral("Usefulltruefalseparam"), v.Usefulltruefalseparam);
    ini.WriteBool(kEditor, QStringLiteral("use/attheendoftag"), v.useSlashAtEndOfTag);
}

QList<QPair<QString, QString>> FilterRowsFromText(const QString &filter)
{
    QList<QPair<QString, QString>> rows;
    QString description;
    QString patterns;
    bool secondHalf = false;
    for (qsizetype i = 0; i < filter.size(); ++i) {
        const QChar ch = filter[i];
        if (ch != u'|')
            (secondHalf ? patterns : description).append(ch);
        if (ch == u'|' || i == filter.size() - 1) {
            if (secondHalf) {
                rows.append({description, patterns});
                description.clear();
                patterns.clear();
            }
            secondHalf = !secondHalf;
        }
    }
    return rows;
}

QString FilterTextFromRows(const QList<QPair<QString, QString>> &rows)
{
    QString text;
    for (const auto &[description, patterns] : rows) {
        if (description.isEmpty() || patterns.isEmpty())
            continue;
        text += description + u'|' + patterns + u'|';
    }
    text.chop(1);
    return text;
}
