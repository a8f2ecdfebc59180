#pragma once

#include <QImage>

// Draws the application icon: a few office towers of different heights in
// blue and grey with rows of windows, on a transparent background. Every
// size is drawn afresh so that small icons stay crisp and large ones get
// more floors, shading and rooftop detail instead of blurred pixels.
class SkylinePainter
{
public:
    enum class Style {
        Palette16,  // no antialiasing, only the 16 standard colours
        FullColour, // antialiased, shaded, for the PNG icons
    };

    static QImage render(int size, Style style);
};
