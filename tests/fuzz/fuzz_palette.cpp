// Palette files: any bytes parse or are refused, and a parsed palette can
// be shown without running out of memory.
#include "colours/palette_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TPalette palette;
    if (!PaletteFile::Parse(Fuzz::Bytes(data, size), &palette))
        return 0;
    Fuzz::Check(palette.Colours.size() <= qMax(palette.Count, 0), "no more colours than counted");
    PaletteGrid::PassColours(palette, 0, 12);
    PaletteGrid::PassColours(palette, qMax(palette.Count - 1, 0), 12);
    palette.ColourAt(palette.Count);
    TPalette again;
    Fuzz::Check(PaletteFile::Parse(PaletteFile::Format(palette.Colours), &again), "a written palette reads");
    Fuzz::Check(again.Colours == palette.Colours, "and holds the same colours");
    return 0;
}
