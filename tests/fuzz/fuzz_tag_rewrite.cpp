// Attribute rewriting in any tag: finding and replacing never reach outside
// the tag, and a plain value written to a plain name reads back.
#include "conversion/codec.h"
#include "fuzz_support.h"
#include "inspector/tag_rewrite.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QList<QByteArray> parts = Fuzz::Parts(data + 2, size - 2, 3);
    const QString tag = Codec::DecodeWin1250(parts[0]);
    const QString name = Codec::DecodeWin1250(parts[1]);
    const QString value = Codec::DecodeWin1250(parts[2]);
    TRewriteOptions options;
    options.upperCase = data[0] & 1;
    options.fullCheckForm = data[0] & 2;
    const bool check = data[0] & 4;
    TagNameOf(tag);
    const int at = FindAttribute(name, tag);
    Fuzz::Check(at >= 0 && at <= tag.size(), "an attribute is found inside the tag (1-based, 0 for none)");
    AttributeValue(tag, name);
    const QString rewritten = ReplaceAttribute(tag, name, value, check, options);
    const auto span = FindTagAtCaret(tag, tag.isEmpty() ? 0 : data[1] % (tag.size() + 1));
    Fuzz::Check(span.first <= tag.size() && span.second <= tag.size() + 1, "the tag at the caret is on the line");

    static const QRegularExpression plainName(QStringLiteral("^[a-z]{1,12}$"));
    static const QRegularExpression plainValue(QStringLiteral("^[A-Za-z0-9]{1,12}$"));
    static const QRegularExpression plainTag(QStringLiteral("^[A-Za-z]{1,8}( [a-z]{1,8}=\"[A-Za-z0-9 ]*\")*$"));
    if (!check && plainName.match(name).hasMatch() && plainValue.match(value).hasMatch()
        && plainTag.match(tag).hasMatch())
        Fuzz::Check(AttributeValue(rewritten, name) == value, "a plain value reads back");
    return 0;
}
