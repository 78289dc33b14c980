// The converter's text reader: any bytes read as lines or fail with its
// error, and 8-bit text survives a round trip through the writer.
#include "conversion/gp_text_file.h"
#include "errorreport/io_error.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::AsFile("input.txt", data, size);
    QStringList lines;
    try {
        TGpTextFile in(path);
        in.OpenForReading();
        while (!in.AtEnd() && lines.size() <= int(size) + 1)
            lines << in.ReadLine();
        Fuzz::Check(lines.size() <= int(size) + 1, "no more lines than bytes");
    } catch (const EInOutError &) {
        return 0;
    }
    try {
        const QString out = Fuzz::AsFile("output.txt", nullptr, 0);
        {
            TGpTextFile writer(out);
            writer.CreateForWriting(true);
            for (const QString &line : lines)
                writer.WriteLine(line);
        }
        TGpTextFile back(out);
        back.OpenForReading();
        QStringList again;
        while (!back.AtEnd() && again.size() <= lines.size())
            again << back.ReadLine();
        Fuzz::Check(again.size() <= lines.size(), "the copy has no extra lines");
    } catch (const EInOutError &) {
    }
    return 0;
}
