#include "infoiconpainter.h"

#include "palette.h"

#include <QPainter>
#include <QRegion>

#include <cmath>
#include <stdexcept>

namespace {

// Buildings left to right, as fractions of the icon: left edge, right edge,
// roof height. Alternating shades tell neighbouring buildings apart.
struct Building {
    double left;
    double right;
    double top;
};

constexpr Building Skyline[] = {
    {0.00, 0.19, 0.50}, {0.19, 0.31, 0.28}, {0.31, 0.44, 0.56}, {0.44, 0.56, 0.38},
    {0.56, 0.69, 0.60}, {0.69, 0.81, 0.22}, {0.81, 1.00, 0.44},
};

QColor standard(Palette::Index i)
{
    return QColor::fromRgb(Palette::standard16().at(i));
}

int px(double fraction, int size)
{
    return int(std::lround(fraction * size));
}

void drawSkyline(QPainter &p, int size, bool richColours)
{
    const QColor edge = richColours ? QColor(0, 0, 102) : standard(Palette::Navy);
    // The dark rim is drawn first, one pixel larger, so the silhouette stands
    // out; at 32 pixels a seam of it also parts neighbouring buildings, at 16
    // there is no room for that.
    const int seam = size >= 32 ? 1 : 0;
    for (const Building &b : Skyline) {
        const QRect r(QPoint(px(b.left, size) - 1, px(b.top, size) - 1), QPoint(px(b.right, size), size - 1));
        p.fillRect(r, edge);
    }
    int i = 0;
    for (const Building &b : Skyline) {
        const QRect r(QPoint(px(b.left, size), px(b.top, size)),
                      QPoint(px(b.right, size) - 1 - seam, size - 1));
        QColor fill;
        if (richColours)
            fill = i % 2 ? QColor(51, 102, 255) : QColor(0, 51, 204);
        else
            fill = standard(i % 2 || size < 32 ? Palette::Blue : Palette::Navy);
        p.fillRect(r, fill);
        // Lit windows on the wider buildings at 32 pixels.
        if (size >= 32 && r.width() >= 4) {
            const QColor light = richColours ? QColor(153, 204, 255) : standard(Palette::Aqua);
            for (int y = r.top() + 2; y + 1 < r.bottom(); y += 3)
                for (int x = r.left() + 1; x + 1 < r.right(); x += 3)
                    p.fillRect(QRect(x, y, 1, 1), light);
        }
        ++i;
    }
}

// The letter on a 16-unit grid: dot, stem, the serif on the stem's top left
// and the foot. At 32 pixels the dot loses its corners to look round.
QList<QRect> letterShape(int unit)
{
    QList<QRect> parts;
    const QRect dot(6 * unit, 1 * unit, 3 * unit, 3 * unit);
    if (unit > 1) {
        parts.append(dot.adjusted(1, 0, -1, 0));
        parts.append(dot.adjusted(0, 1, 0, -1));
    } else {
        parts.append(dot);
    }
    parts.append(QRect(6 * unit, 5 * unit, 3 * unit, 8 * unit));
    parts.append(QRect(5 * unit, 5 * unit, 1 * unit, 2 * unit));
    parts.append(QRect(4 * unit, 12 * unit, 7 * unit, 2 * unit));
    return parts;
}

void drawLetter(QPainter &p, int size, bool richColours)
{
    const int unit = size / 16;
    const QList<QRect> shape = letterShape(unit);

    // A dark edge one pixel wide all round lets the yellow stand out from
    // the blue behind it and from a light window title bar.
    for (const QRect &r : shape)
        p.fillRect(r.adjusted(-1, -1, 1, 1), standard(Palette::Black));
    for (const QRect &r : shape)
        p.fillRect(r, standard(Palette::Yellow));

    // With 256 colours the letter gets a pale highlight along its left
    // edges and a deeper yellow along its right ones, so it looks raised.
    if (richColours) {
        QRegion letter;
        for (const QRect &r : shape)
            letter += r;
        const QColor light(255, 255, 153);
        const QColor deep(255, 204, 0);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (!letter.contains(QPoint(x, y)))
                    continue;
                if (!letter.contains(QPoint(x - unit, y)))
                    p.fillRect(QRect(x, y, 1, 1), light);
                else if (!letter.contains(QPoint(x + unit, y)))
                    p.fillRect(QRect(x, y, 1, 1), deep);
            }
        }
    }
}

} // namespace

QImage InfoIconPainter::render(int size, int bitsPerPixel)
{
    if ((size != 16 && size != 32) || (bitsPerPixel != 4 && bitsPerPixel != 8))
        throw std::invalid_argument("the info icon comes in 16 and 32 pixels, 4 and 8 bits");
    const bool rich = bitsPerPixel == 8;

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawSkyline(p, size, rich);
    drawLetter(p, size, rich);
    p.end();
    return image;
}
