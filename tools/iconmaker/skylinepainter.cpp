#include "skylinepainter.h"

#include "palette.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

enum class Kind { Grey, Blue };

// Positions as fractions of the icon size; later towers stand in front.
struct Tower {
    double left;
    double right;
    double top;
    Kind kind;
};

constexpr Tower Towers[] = {
    {0.03, 0.33, 0.34, Kind::Grey},
    {0.55, 0.79, 0.45, Kind::Grey},
    {0.27, 0.59, 0.10, Kind::Blue},
    {0.71, 0.97, 0.25, Kind::Blue},
};

struct Colours {
    QColor outline;
    QColor bodyTop;
    QColor bodyBottom;
    QColor side;
    QColor window;
    QColor litWindow;
};

QColor standard(Palette::Index i)
{
    return QColor::fromRgb(Palette::standard16().at(i));
}

Colours coloursFor(Kind kind, SkylinePainter::Style style)
{
    const bool flat = style == SkylinePainter::Style::Palette16;
    if (kind == Kind::Blue) {
        if (flat)
            return {standard(Palette::Navy), standard(Palette::Blue), standard(Palette::Blue),
                    standard(Palette::Navy), standard(Palette::Aqua), standard(Palette::White)};
        return {QColor(12, 28, 92), QColor(70, 125, 235), QColor(25, 60, 175),
                QColor(18, 40, 125), QColor(150, 215, 255), QColor(235, 248, 255)};
    }
    if (flat)
        return {standard(Palette::Grey), standard(Palette::Silver), standard(Palette::Silver),
                standard(Palette::Grey), standard(Palette::Navy), standard(Palette::Blue)};
    return {QColor(72, 76, 86), QColor(214, 217, 223), QColor(156, 160, 170),
            QColor(112, 116, 126), QColor(45, 70, 135), QColor(85, 125, 205)};
}

// Window and gap sizes grow more slowly than the icon, so larger icons show
// more floors rather than bigger windows.
struct WindowGrid {
    int width;
    int height;
    int gapX;
    int gapY;
};

WindowGrid gridFor(int size)
{
    if (size <= 32)
        return {1, 1, 1, 1};
    const int h = std::max(1, int(std::lround(std::sqrt(double(size)) / 3.2)));
    return {h + h / 2 + 1, h, std::max(1, h / 2 + 1), std::max(1, h - 1)};
}

int px(double fraction, int size)
{
    return int(std::lround(fraction * size));
}

void drawTower(QPainter &p, const Tower &t, int size, SkylinePainter::Style style, int towerIndex)
{
    const Colours c = coloursFor(t.kind, style);
    const bool smooth = style == SkylinePainter::Style::FullColour;
    const QRect whole(QPoint(px(t.left, size), px(t.top, size)), QPoint(px(t.right, size) - 1, size - 1));

    // A dark outline keeps the towers apart from each other and from any
    // desktop background; at 16 pixels it would eat the windows.
    const int line = size < 32 ? 0 : std::max(1, size / 64);
    QRect inner = whole;
    if (line > 0) {
        p.fillRect(whole, c.outline);
        inner = whole.adjusted(line, line, -line, -line);
    }

    const int sideWidth = size < 32 ? 0 : std::max(1, int(std::lround(inner.width() * 0.2)));
    const QRect front(inner.left(), inner.top(), inner.width() - sideWidth, inner.height());
    const QRect side(front.right() + 1, inner.top(), sideWidth, inner.height());

    // At 16 pixels a gradient only washes out the light top of the grey
    // towers against a light desktop, so the darker tone is used flat.
    if (smooth && size >= 32) {
        QLinearGradient g(front.topLeft(), front.bottomRight());
        g.setColorAt(0, c.bodyTop);
        g.setColorAt(1, c.bodyBottom);
        p.fillRect(front, g);
    } else {
        p.fillRect(front, style == SkylinePainter::Style::Palette16 ? c.bodyTop : c.bodyBottom);
    }
    if (sideWidth > 0)
        p.fillRect(side, c.side);

    const WindowGrid grid = gridFor(size);
    const int columns = std::max(1, (front.width() - grid.gapX) / (grid.width + grid.gapX));
    const int usedWidth = columns * grid.width + (columns - 1) * grid.gapX;
    const int x0 = front.left() + (front.width() - usedWidth) / 2;

    // Large icons keep a taller ground floor with an entrance.
    const int groundFloor = size >= 64 ? grid.height * 2 + grid.gapY * 2 : 0;
    const int top = front.top() + grid.gapY;
    const int bottom = front.bottom() - groundFloor - (size >= 32 ? grid.gapY : 0);
    int row = 0;
    for (int y = top; y + grid.height - 1 <= bottom; y += grid.height + grid.gapY, ++row) {
        for (int col = 0; col < columns; ++col) {
            // A fixed scatter of lit windows makes the facade less uniform.
            const bool lit = (row * 7 + col * 3 + towerIndex * 5) % 11 == 0;
            const QRect w(x0 + col * (grid.width + grid.gapX), y, grid.width, grid.height);
            p.fillRect(w, lit ? c.litWindow : c.window);
        }
    }

    if (groundFloor > 0) {
        const int doorWidth = std::max(2, front.width() / 4);
        const int doorHeight = groundFloor - grid.gapY;
        const QRect door(front.left() + (front.width() - doorWidth) / 2, front.bottom() - doorHeight + 1,
                         doorWidth, doorHeight);
        p.fillRect(door, c.outline);
        if (doorWidth >= 6)
            p.fillRect(door.adjusted(doorWidth / 2 - door.width() / 12, 0,
                                     -(doorWidth / 2 - door.width() / 12), 0),
                       c.window);
    }
}

void drawRoof(QPainter &p, const Tower &t, int size, SkylinePainter::Style style)
{
    // The tallest tower carries an antenna; large icons add a roof box.
    const Colours c = coloursFor(t.kind, style);
    const int left = px(t.left, size);
    const int right = px(t.right, size) - 1;
    const int top = px(t.top, size);
    const int centre = (left + right) / 2;
    const int line = std::max(1, size / 64);

    if (size >= 64) {
        const int boxWidth = (right - left) / 3;
        const int boxHeight = std::max(2, size / 40);
        p.fillRect(QRect(centre - boxWidth / 2, top - boxHeight, boxWidth, boxHeight), c.outline);
    }
    if (size >= 32) {
        const int antennaTop = std::max(0, px(0.01, size));
        p.fillRect(QRect(centre - line / 2, antennaTop, line, top - antennaTop), c.outline);
        if (size >= 64 && style == SkylinePainter::Style::FullColour) {
            // A red aircraft warning light on the tip.
            const double r = std::max(1.5, size / 64.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(230, 40, 40));
            p.drawEllipse(QPointF(centre - line / 2 + line / 2.0, antennaTop + r), r, r);
        }
    }
}

} // namespace

QImage SkylinePainter::render(int size, Style style)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, style == Style::FullColour);

    int index = 0;
    for (const Tower &t : Towers) {
        if (t.top <= 0.1)
            drawRoof(p, t, size, style);
        drawTower(p, t, size, style, index++);
    }
    p.end();
    return image;
}
