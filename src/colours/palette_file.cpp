#include "colours/palette_file.h"

#include <QDir>
#include <QPainter>
#include <QRegularExpression>

TColor TPalette::ColourAt(int index) const
{
    return index >= 0 && index < Colours.size() ? Colours[index] : TColor(0);
}

QList<TColor> TPalette::AllColours() const
{
    QList<TColor> all = Colours;
    while (all.size() < Count)
        all << TColor(0);
    return all;
}

namespace PaletteFile {

bool Parse(const QByteArray &bytes, TPalette *palette)
{
    *palette = TPalette{};
    const QList<QByteArray> tokens = bytes.simplified().split(' ');
    QList<qlonglong> numbers;
    for (const QByteArray &t : tokens) {
        if (t.isEmpty())
            continue;
        bool ok = false;
        const qlonglong v = t.toLongLong(&ok);
        if (!ok)
            return false;
        numbers << v;
    }
    if (numbers.isEmpty())
        return false;
    if (numbers[0] < 0 || numbers[0] > kMaxColours)
        return false;
    TPalette p;
    p.Count = int(numbers[0]);
    const qsizetype available = numbers.size() - 1;
    for (qsizetype k = 0; k < p.Count && 3 * k < available; ++k) {
        const auto component = [&](qsizetype i) -> TColor {
            const qsizetype at = 1 + 3 * k + i;
            return at < numbers.size() ? TColor(numbers[at] & 0xFF) : TColor(0);
        };
        p.Colours << (component(0) | component(1) << 8 | component(2) << 16);
    }
    *palette = p;
    return true;
}

QByteArray Format(const QList<TColor> &colours)
{
    QByteArray out = QByteArray::number(colours.size()) + "\r\n";
    for (TColor c : colours)
        out += QByteArray::number(c & 0xFF) + ' ' + QByteArray::number((c >> 8) & 0xFF) + ' '
            + QByteArray::number((c >> 16) & 0xFF) + "\r\n";
    return out;
}

QString PathOf(const QString &folder, const QString &name)
{
    QString f = folder;
    if (!f.endsWith(u'/'))
        f += u'/';
    return f + name + QStringLiteral(".vpq");
}

QStringList Names(const QString &folder)
{
    QStringList names;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
    for (const QFileInfo &info : files) {
        const QString file = info.fileName();
        if (file.endsWith(QStringLiteral(".vpq")))
            names << file.left(file.size() - 4);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

bool IsUsableFileName(const QString &name)
{
    if (name.trimmed().isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name)
        if (refused.contains(c) || c.unicode() < 32)
            return false;
    return true;
}

} // namespace PaletteFile

namespace PaletteGrid {

QList<TColor> PassColours(const TPalette &palette, int first, int rows)
{
    QList<TColor> cells;
    const int n = rows * kPassColumns;
    cells.reserve(n);
    for (int k = 0; k < n; ++k)
        cells << (first + k < palette.Count ? palette.ColourAt(first + k) : TColor(0));
    return cells;
}

QImage Draw(const TPalette &palette, int first, int rows)
{
    QImage image(kVisibleColumns * kCell, rows * kCell, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QList<TColor> cells = PassColours(palette, first, rows);
    for (int k = 0; k < cells.size(); ++k) {
        const int column = k / rows, row = k % rows;
        const QRect cell(column * kCell, row * kCell, kCell, kCell);
        painter.fillRect(cell, TColors::ToQColor(cells[k]));
        painter.setPen(Qt::black);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    return image;
}

int CellAt(int x, int y, int rows)
{
    return (x / kCell) * rows + (y / kCell) + 1;
}

} // namespace PaletteGrid

QImage SpectrumImage()
{
    constexpr int width = 47, height = 93;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(127, 127, 127));
    for (int y = 1; y < height; ++y) {
        const QColor hue = QColor::fromHsvF(float(y - 1) / float(height - 1) * 359.0f / 360.0f, 1.0f, 1.0f);
        // Written straight into the row: setPixel checks and converts per
        // call, and an HSV colour converts at each red() or green().
        const int red = hue.red(), green = hue.green(), blue = hue.blue();
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 1; x < width; ++x) {
            // Columns 1 to 23 darken to black, 24 to 46 lighten to white.
            const auto mix = [x](int c) {
                return x <= 23 ? (c * (x - 1) + 11) / 22 : c + ((255 - c) * (x - 23) + 11) / 23;
            };
            row[x] = qRgb(mix(red), mix(green), mix(blue));
        }
    }
    return image;
}

bool NaturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const QString na = a.mid(i, ei - i).remove(QRegularExpression(QStringLiteral("^0+"))),
                          nb = b.mid(j, ej - j).remove(QRegularExpression(QStringLiteral("^0+")));
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (const int c = na.compare(nb); c != 0)
                return c < 0;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return QString::localeAwareCompare(QString(ca), QString(cb)) < 0;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b;
}
