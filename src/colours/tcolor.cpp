#include "colours/tcolor.h"

namespace TColors {

namespace {

struct Named {
    const char *name;
    TColor value;
};

constexpr Named kStandard[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},  {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},   {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},    {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
};

} // namespace

const QStringList &StandardIdentifiers()
{
    static const QStringList names = [] {
        QStringList l;
        for (const Named &n : kStandard)
            l << QString::fromLatin1(n.name);
        return l;
    }();
    return names;
}

bool StringToColor(const QString &text, TColor *colour)
{
    const QString t = text.trimmed();
    for (const Named &n : kStandard) {
        if (t.compare(QString::fromLatin1(n.name), Qt::CaseInsensitive) == 0) {
            *colour = n.value;
            return true;
        }
    }
    bool ok = false;
    qlonglong v = 0;
    if (t.startsWith(u'$'))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < 0 || v > 0xFFFFFFFFLL)
        return false;
    *colour = static_cast<TColor>(v);
    return true;
}

QString ColorToIdentifier(TColor colour)
{
    for (const Named &n : kStandard) {
        if (n.value == (colour & 0xFFFFFF))
            return QString::fromLatin1(n.name);
    }
    return {};
}

QColor ToQColor(TColor colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace TColors
