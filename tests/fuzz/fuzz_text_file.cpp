// Document bytes: every byte of 8-bit text survives decoding and encoding,
// and a detected UTF-8 text comes back as it was.
#include "conversion/codec.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    Fuzz::Check(Codec::EncodeWin1250(Codec::DecodeWin1250(bytes)) == bytes, "8-bit text round trip");
    const Codec::TextEncoding encoding = Codec::DetectEncoding(bytes);
    const QString text = Codec::Decode(bytes, encoding);
    const QStringList lines = Codec::SplitLines(text);
    const QString joined = Codec::JoinLinesCrLf(lines);
    Fuzz::Check(Codec::SplitLines(joined) == lines, "lines survive joining");
    Codec::Encode(joined, encoding);
    return 0;
}
