#pragma once

#include <QImage>

// The info button's glyph: two 16 x 16 pictures side by side on olive, which
// the button treats as transparent. Left the normal state, a red question
// mark with a grey shadow on a yellow and white dithered disc; right the
// disabled state, disc and question mark embossed in grey and white.
class InfoGlyph
{
public:
    static constexpr int CellSize = 16;

    // A 32 x 16 Format_Indexed8 image whose indices and colour table are
    // those of Palette::standard16().
    static QImage render();
};
