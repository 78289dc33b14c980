// The image-map reader and writer over any page: the writer keeps the text
// before the map's start tag and never loses the text after its block.
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "imagemap/html_parser.h"
#include "imagemap/imagemap_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray bytes = Fuzz::Bytes(data + 2, size - 2);
    THTMLParser parser;
    parser.OnError = [](const QString &, const QString &) {};
    const ImageMap::TMapReading reading = ImageMap::ReadMap(parser, bytes, QStringLiteral("m"),
                                                            Codec::TextEncoding::Windows1250);
    const QString text = Codec::DecodeWin1250(bytes);
    const int caret = text.isEmpty() ? 0 : (data[0] * 256 + data[1]) % (text.size() + 1);
    const QString name = ImageMap::MapNameAtCaret(text, caret);
    QList<TImagemapinfo> areas = reading.areas;
    areas << ImageMap::NewArea(int(areas.size()) + 1);
    const ImageMap::TMapWrite written = ImageMap::WriteMap(text, caret, name.isNull() ? QStringLiteral("m") : name,
                                                           areas, data[0] & 1);
    if (written.target != ImageMap::TMapTarget::None)
        Fuzz::Check(written.text.size() >= 0 && written.caretOffset >= 0 && written.caretOffset <= written.text.size(),
                    "the caret stays in the text");
    for (const TImagemapinfo &area : areas)
        ImageMap::AreaLine(area, true);
    QList<int> numbers;
    ImageMap::CoordNumbers(text.left(200), &numbers);
    ImageMap::UnquoteAttribute(ImageMap::QuoteAttribute(text.left(200)));
    return 0;
}
