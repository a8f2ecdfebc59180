#include "infoglyph.h"

#include "palette.h"

namespace {

// The normal state, one character per pixel:
//   .  background (olive, transparent)
//   k  black rim of the disc
//   :  disc, dithered yellow and white in a checkerboard
//   r  red question mark
// The grey shadow is added where a disc pixel lies one step down and right
// of the question mark, so the two always match.
constexpr const char *NormalRows[InfoGlyph::CellSize] = {
    ".....kkkkk......",
    "...kk:::::kk....",
    "..k:::::::::k...",
    ".k:::rrrr::::k..",
    ".k::rr::rr:::k..",
    "k:::::::rr::::k.",
    "k::::::rr:::::k.",
    "k:::::rr::::::k.",
    "k:::::rr::::::k.",
    "k:::::::::::::k.",
    ".k::::rr:::::k..",
    ".k::::rr:::::k..",
    "..k:::::::::k...",
    "...kk:::::kk....",
    ".....kkkkk......",
    "................",
};

char at(int x, int y)
{
    if (x < 0 || y < 0 || x >= InfoGlyph::CellSize || y >= InfoGlyph::CellSize)
        return '.';
    return NormalRows[y][x];
}

Palette::Index normalPixel(int x, int y)
{
    switch (at(x, y)) {
    case 'k':
        return Palette::Black;
    case 'r':
        return Palette::Red;
    case ':':
        if (at(x - 1, y - 1) == 'r')
            return Palette::Grey;
        return (x + y) % 2 == 0 ? Palette::Yellow : Palette::White;
    default:
        return Palette::Olive;
    }
}

// The usual disabled look: every line of the picture (rim and question
// mark) turns grey, with a white copy one pixel down and right behind it
// as if pressed into the button face. The dithered fill goes away.
Palette::Index disabledPixel(int x, int y)
{
    const auto isLine = [](int px, int py) {
        const char c = at(px, py);
        return c == 'k' || c == 'r';
    };
    if (isLine(x, y))
        return Palette::Grey;
    if (isLine(x - 1, y - 1))
        return Palette::White;
    return Palette::Olive;
}

} // namespace

QImage InfoGlyph::render()
{
    QImage image(2 * CellSize, CellSize, QImage::Format_Indexed8);
    image.setColorTable(Palette::standard16());
    for (int y = 0; y < CellSize; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < CellSize; ++x) {
            line[x] = uchar(normalPixel(x, y));
            line[CellSize + x] = uchar(disabledPixel(x, y));
        }
    }
    return image;
}
