// Syntax colouring rules: every character gets a class, the buffer is never
// overrun, states stay valid and the same line from the same state gives the
// same result.
#include "conversion/codec.h"
#include "editor/syntax_rules.h"
#include "fuzz_support.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Codec::DecodeWin1250(Fuzz::Bytes(data, size));
    const QStringList lines = Codec::SplitLines(text);
    for (TSyntaxKind kind : {TSyntaxKind::Html, TSyntaxKind::JavaScript, TSyntaxKind::Css, TSyntaxKind::Php}) {
        int state = InitialSyntaxState(kind);
        for (const QString &line : lines) {
            // Exactly the line's length, so an overrun shows under the sanitizer.
            std::vector<TSyntaxClass> a(size_t(line.size()), TSyntaxClass::Count);
            std::vector<TSyntaxClass> b(size_t(line.size()), TSyntaxClass::Count);
            const int end = ClassifyLine(line, state, kind, a.data());
            Fuzz::Check(end >= 0, "state is valid");
            Fuzz::Check(ClassifyLine(line, state, kind, b.data()) == end && a == b, "deterministic");
            for (TSyntaxClass c : a)
                Fuzz::Check(c != TSyntaxClass::Count, "every character classified");
            state = end;
        }
    }
    return 0;
}
