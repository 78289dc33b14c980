// Templates: any lines fill without losing a line.
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "templates/template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = Codec::SplitLines(Codec::DecodeWin1250(Fuzz::Bytes(data, size)));
    TTemplateFields fields;
    fields.Author = QStringLiteral("Autor <*a*>");
    fields.Language = QStringLiteral("cs");
    fields.Keywords = QStringLiteral("a, b");
    fields.Description = QStringLiteral("Popis");
    fields.Robots = TemplateFile::RobotsText(true, false);
    const QStringList filled = TemplateFile::Fill(lines, fields);
    Fuzz::Check(filled.size() <= lines.size(), "no line is added");
    TemplateFile::PlaceholdersIn(lines);
    TemplateFile::PageEncoding(lines, Codec::TextEncoding::Windows1250);
    return 0;
}
