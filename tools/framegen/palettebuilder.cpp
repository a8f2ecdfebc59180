#include "palettebuilder.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

constexpr int TableSize = 256;
// A colour that covers this many pixels over the whole film counts as a
// drawn flat colour and gets an exact entry.
constexpr qint64 FlatCount = 600;
constexpr int MaxFlat = 160;

} // namespace

void PaletteBuilder::add(const QImage &image)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            ++m_counts[line[x] | 0xff000000u];
    }
}

int PaletteBuilder::distance(QRgb a, QRgb b)
{
    // Weighted like the eye: green differences show most, blue least.
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

QList<QRgb> PaletteBuilder::build() const
{
    struct Entry { QRgb rgb; qint64 count; qint64 best; };
    std::vector<Entry> colours;
    colours.reserve(size_t(m_counts.size()));
    for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
        colours.push_back({it.key(), it.value(), std::numeric_limits<qint64>::max()});
    // A fixed order makes the result independent of the hash order.
    std::sort(colours.begin(), colours.end(), [](const Entry &a, const Entry &b) {
        return a.count != b.count ? a.count > b.count : a.rgb < b.rgb;
    });

    QList<QRgb> table;
    auto take = [&](QRgb c) {
        table.append(c);
        for (Entry &e : colours)
            e.best = std::min<qint64>(e.best, distance(e.rgb, c));
    };
    for (const Entry &e : colours) {
        if (table.size() >= MaxFlat || e.count < FlatCount)
            break;
        take(e.rgb);
    }
    while (table.size() < TableSize) {
        qint64 worst = 0;
        const Entry *pick = nullptr;
        for (const Entry &e : colours) {
            const qint64 cost = e.best * e.count;
            if (cost > worst) {
                worst = cost;
                pick = &e;
            }
        }
        if (!pick)
            break; // every colour has an exact entry
        take(pick->rgb);
    }
    while (table.size() < TableSize)
        table.append(qRgb(0, 0, 0));
    return table;
}

QImage PaletteBuilder::quantise(const QImage &image, const QList<QRgb> &table)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    QImage out(img.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    QHash<QRgb, uchar> cache;
    for (int y = 0; y < img.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            auto it = cache.constFind(c);
            if (it == cache.cend()) {
                int best = std::numeric_limits<int>::max();
                int index = 0;
                for (int i = 0; i < table.size(); ++i) {
                    const int d = distance(c, table[i]);
                    if (d < best) {
                        best = d;
                        index = i;
                    }
                }
                it = cache.insert(c, uchar(index));
            }
            dst[x] = *it;
        }
    }
    return out;
}
