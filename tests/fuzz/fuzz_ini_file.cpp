// config.ini: loading any bytes, reading keys, and the lines surviving a
// save and a second load.
#include "fuzz_support.h"
#include "settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TIniFile ini;
    ini.Load(Fuzz::AsFile("config.ini", data, size));
    ini.ReadString(QStringLiteral("Nastaveni"), QStringLiteral("Historylength"), QString());
    ini.ReadInteger(QStringLiteral("Nastaveni"), QStringLiteral("tabulsize"), 5);
    ini.ReadBool(QStringLiteral("Konvertor"), QStringLiteral("Output"), false);
    ini.WriteString(QStringLiteral("Nastaveni"), QStringLiteral("Filefolder"), QStringLiteral("/tmp"));
    const QString saved = Fuzz::AsFile("saved.ini", nullptr, 0);
    ini.Save(saved);
    TIniFile again;
    again.Load(saved);
    Fuzz::Check(again.Lines() == ini.Lines(), "a saved file reads back line for line");
    Fuzz::Check(again.ReadString(QStringLiteral("Nastaveni"), QStringLiteral("Filefolder"), QString())
                    == QStringLiteral("/tmp"),
                "a written key reads back");
    return 0;
}
