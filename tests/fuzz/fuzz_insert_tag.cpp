// The insertion rewriting: any open, close and document texts with any
// selection give an insertion inside the document.
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "markup/insert_tag.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const int flags = data[0];
    const QList<QByteArray> parts = Fuzz::Parts(data + 3, size - 3, 3);
    const QString open = Codec::DecodeWin1250(parts[0]);
    const QString close = Codec::DecodeWin1250(parts[1]);
    const QString text = NormalizeLineBreaks(Codec::DecodeWin1250(parts[2]));
    TMarkupStyle style;
    style.upperCase = flags & 1;
    style.useStrong = flags & 2;
    style.useEm = flags & 4;
    style.slashEnd = flags & 8;
    const int mode = (flags >> 4) & 1;
    CloseEmptyTags(open, close);
    LowerMarkupCase(open);
    RewriteTagTexts(open, close, mode, style);
    const int selStart = text.isEmpty() ? 0 : data[1] % (text.size() + 1);
    const int selLength = (text.size() - selStart) == 0 ? 0 : data[2] % (text.size() - selStart + 1);
    const TInsertion plan = PlanInsertion(open, close, mode, style, selStart, selLength, text.mid(selStart, selLength));
    Fuzz::Check(plan.start >= 0 && plan.start + plan.replaced <= text.size(), "insertion inside the text");
    const QString result = ApplyInsertion(text, plan);
    Fuzz::Check(plan.caret >= 0 && plan.caret <= result.size(), "caret inside the result");
    return 0;
}
