// history.dat: any bytes read within the twelve slots, and the menu built.
#include "documents/history.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Thistorie history;
    history.Read(Fuzz::AsFile("history.dat", data, size));
    Fuzz::Check(history.ProjectCount >= 0 && history.ProjectCount <= 4, "project count in range");
    Fuzz::Check(history.FileCount >= 0 && history.FileCount <= 8, "file count in range");
    const int items = history.RefreshMenuPaths();
    Fuzz::Check(items >= 0 && items <= int(history.MenuPaths.size()), "menu within its items");
    history.AddToHistory(Thistorie::File, QStringLiteral("/tmp/a.htm"));
    history.AddToHistory(Thistorie::Project, QStringLiteral("/tmp/p.vpq"));
    history.RefreshMenuPaths();
    return 0;
}
