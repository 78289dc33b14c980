// The translator's code clean-up over any markup: the BODY comes out of the
// text, nothing is dropped, and on markup without quotes of its own a second
// pass changes nothing (a stray quote in hand-broken markup may pair up
// differently the second time).
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "translator/body_code.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const QString html = Codec::DecodeWin1250(Fuzz::Bytes(data + 1, size - 1));
    const QString body = ExtractBody(html);
    Fuzz::Check(body.size() <= html.size(), "the body is part of the text");
    for (bool upper : {true, false}) {
        const QString once = NormalizeMarkup(body, upper);
        Fuzz::Check(once.size() >= body.size(), "nothing is dropped");
        if (!body.contains(u'"') && !body.contains(u'\''))
            Fuzz::Check(NormalizeMarkup(once, upper) == once, "idempotent");
    }
    ApplyEmphasisStyle(body, data[0] & 1, data[0] & 2);
    BodyCodeFromDocument(html, data[0] & 1, data[0] & 2, data[0] & 4);
    return 0;
}
