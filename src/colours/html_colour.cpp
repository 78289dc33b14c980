#include "colours/html_colour.h"

#include <array>

namespace {

struct TNamedColour {
    const char *name;
    TColor value;
};

constexpr std::array<TNamedColour, 16> NamedColours{{
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
}};

bool IsHexDigits(QStringView text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F')))
            return false;
    }
    return true;
}

} // namespace

const QStringList &HtmlColourNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const TNamedColour &c : NamedColours)
            list << QString::fromLatin1(c.name);
        return list;
    }();
    return names;
}

const QStringList &HtmlColourNamesSorted()
{
    static const QStringList names = [] {
        QStringList list = HtmlColourNames();
        list.sort();
        return list;
    }();
    return names;
}

QString ColorToHtml(TColor colour)
{
    colour &= 0xFFFFFF;
    for (const TNamedColour &c : NamedColours)
        if (c.value == colour)
            return QString::fromLatin1(c.name);
    const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool IsHtmlColour(const QString &text)
{
    if (text.size() == 7 && text.startsWith(QLatin1Char('#')))
        return IsHexDigits(QStringView(text).mid(1));
    for (const TNamedColour &c : NamedColours)
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

TColor HtmlToColor(const QString &text)
{
    if (text.startsWith(QLatin1Char('#')) && text.size() >= 7) {
        const QString six = text.right(6);
        if (!IsHexDigits(six))
            return 0;
        const TColor r = six.mid(0, 2).toUInt(nullptr, 16);
        const TColor g = six.mid(2, 2).toUInt(nullptr, 16);
        const TColor b = six.mid(4, 2).toUInt(nullptr, 16);
        return r | (g << 8) | (b << 16);
    }
    for (const TNamedColour &c : NamedColours)
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    return 0;
}

TColor ToTColor(const QColor &colour)
{
    return TColor(colour.red()) | (TColor(colour.green()) << 8) | (TColor(colour.blue()) << 16);
}
