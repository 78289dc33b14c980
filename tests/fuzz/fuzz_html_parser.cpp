// The HTML tag parser over any bytes: every item a view inside the buffer,
// parameters split on first read (no handler) equal to those split at the parse,
// and a second parse of the same buffer alike.
#include "fuzz_support.h"
#include "imagemap/html_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    THTMLParser parser;
    parser.OnError = [](const QString &, const QString &) {};
    parser.Source = Fuzz::Bytes(data, size);
    parser.Parse();
    const size_t first = parser.ItemList.size();
    for (const auto &entry : parser.ItemList) {
        if (const auto *item = dynamic_cast<const THTMLItem *>(entry.get())) {
            Fuzz::Check(item->Start < 0 || (item->Start + qMax(item->Len, 0) <= parser.Source.size()),
                        "an item lies inside the buffer");
            item->GetText();
        } else if (const auto *tag = dynamic_cast<const THTMLTag *>(entry.get())) {
            tag->GetName();
        }
    }
    // Without a handler the parameters are split on first read: the same.
    THTMLParser lazy;
    lazy.Source = parser.Source;
    lazy.Parse();
    Fuzz::Check(lazy.ItemList.size() == first, "as many items without a handler");
    for (size_t i = 0; i < first; ++i) {
        const auto *a = dynamic_cast<const THTMLTag *>(parser.ItemList[i].get());
        const auto *b = dynamic_cast<const THTMLTag *>(lazy.ItemList[i].get());
        Fuzz::Check(!a == !b, "the same kind of item");
        if (!a)
            continue;
        Fuzz::Check(a->Name.Start == b->Name.Start && a->Name.Len == b->Name.Len, "the same name");
        Fuzz::Check(a->Params.size() == b->Params.size(), "as many parameters");
        for (size_t k = 0; k < a->Params.size(); ++k) {
            const THTMLParam *p = a->Params[k];
            const THTMLParam *q = b->Params[k];
            Fuzz::Check(p->Whole.Start == q->Whole.Start && p->Whole.Len == q->Whole.Len
                            && p->Key.Start == q->Key.Start && p->Key.Len == q->Key.Len
                            && p->Value.Start == q->Value.Start && p->Value.Len == q->Value.Len,
                        "the same parameter");
        }
    }
    parser.ClearItems();
    parser.ResetState();
    parser.Parse();
    Fuzz::Check(parser.ItemList.size() == first, "parsing again gives as many items");
    parser.LooksLikeHtml();
    return 0;
}
