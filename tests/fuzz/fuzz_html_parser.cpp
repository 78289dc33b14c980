// The HTML tag parser over any bytes: every item a view inside the buffer,
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
    parser.ClearItems();
    parser.ResetState();
    parser.Parse();
    Fuzz::Check(parser.ItemList.size() == first, "parsing again gives as many items");
    parser.LooksLikeHtml();
    return 0;
}
