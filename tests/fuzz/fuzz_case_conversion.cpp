// Tag case conversion: only ASCII letters ever change, and converting twice
// is converting once.
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "markup/case_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Codec::DecodeWin1250(Fuzz::Bytes(data, size));
    for (bool upper : {true, false}) {
        const QString once = CaseConversion::ConvertTags(text, upper);
        Fuzz::Check(once.size() == text.size(), "same length");
        for (qsizetype i = 0; i < text.size(); ++i)
            Fuzz::Check(once[i] == text[i] || once[i].toLower() == text[i].toLower(), "only letter case changes");
        Fuzz::Check(CaseConversion::ConvertTags(once, upper) == once, "idempotent");
        Fuzz::Check(CaseConversion::ChangeLetters(text, upper).size() == text.size(), "letters keep length");
    }
    return 0;
}
