// The code assistant's vocabulary: any lines load, and words are found.
#include "assistant/code_vocabulary.h"
#include "conversion/codec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = Codec::SplitLines(Codec::DecodeWin1250(Fuzz::Bytes(data, size)));
    TCodeVocabulary vocabulary;
    vocabulary.SetLines(lines);
    Fuzz::Check(vocabulary.Count() <= lines.size(), "one entry at most per line");
    for (const QString &line : lines.mid(0, 16)) {
        Tcodeassistantword word;
        TCodeVocabulary::ParseLine(line, &word);
        vocabulary.FindWord(line.left(8));
        TCodeVocabulary::CountChar(line, u'"');
    }
    vocabulary.LoadVocabulary(Fuzz::AsFile("tags.vcq", data, size));
    return 0;
}
