#pragma once

#include <QImage>

// Draws the info window's icon: a yellow letter "i" with a dark edge in
// front of a blue city skyline, on a transparent background. The letter is
// built from rectangles on a 16-pixel grid so it stays sharp at 16 and 32
// pixels instead of depending on how a font hints at those sizes.
class InfoIconPainter
{
public:
    // size is 16 or 32; bitsPerPixel 4 keeps to the 16 standard colours with
    // hard edges, 8 adds shades of blue and yellow.
    static QImage render(int size, int bitsPerPixel);
};
