// Inspector definition files: any lines give rows or a clear error.
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "inspector/tag_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = Codec::SplitLines(Codec::DecodeWin1250(Fuzz::Bytes(data, size)));
    try {
        const QList<TDefinitionRow> rows =
            ParseTagDefinition(lines, QStringLiteral("/x/a.if"), [] { return QStringList{QStringLiteral("Arial")}; });
        Fuzz::Check(rows.size() <= lines.size() + 64, "rows come from lines");
    } catch (const ETagDefinitionError &e) {
        Fuzz::Check(!e.text().isEmpty(), "the error says what is wrong");
    }
    return 0;
}
