#include "palette.h"

#include <stdexcept>

const QList<QRgb> &Palette::standard16()
{
    static const QList<QRgb> table = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return table;
}

const QList<QRgb> &Palette::standard256()
{
    static const QList<QRgb> table = [] {
        QList<QRgb> t = standard16();
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    t.append(qRgb(r * 51, g * 51, b * 51));
        for (int i = 0; i < 24; ++i) {
            const int v = 8 + i * 10;
            t.append(qRgb(v, v, v));
        }
        return t;
    }();
    return table;
}

const QList<QRgb> &Palette::forDepth(int bitsPerPixel)
{
    if (bitsPerPixel == 4)
        return standard16();
    if (bitsPerPixel == 8)
        return standard256();
    throw std::invalid_argument("only 4 and 8 bits per pixel have a palette");
}

int Palette::nearest(const QList<QRgb> &table, QRgb colour)
{
    int best = 0;
    int bestDistance = 0;
    for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(table[i]) - qRed(colour);
        const int dg = qGreen(table[i]) - qGreen(colour);
        const int db = qBlue(table[i]) - qBlue(colour);
        // Green weighs most and blue least, roughly as the eye sees them.
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (i == 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
