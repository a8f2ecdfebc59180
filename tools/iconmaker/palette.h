#pragma once

#include <QList>
#include <QRgb>

// The fixed colour tables the assets are stored with. Both are fixed rather
// than fitted to each picture so that the files never change unless the
// drawing does.
class Palette
{
public:
    // Indices of the 16-colour Windows/VGA palette used by name in the drawings.
    enum Index {
        Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
        Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White
    };

    // The standard 16 colours in their usual order.
    static const QList<QRgb> &standard16();

    // 256 colours: the 16 standard ones first, then a 6x6x6 colour cube and a
    // ramp of 24 greys for the soft edges of antialiased drawings.
    static const QList<QRgb> &standard256();

    // The table for 4 or 8 bits per pixel.
    static const QList<QRgb> &forDepth(int bitsPerPixel);

    // The entry closest to colour (alpha ignored); the lowest index wins a tie.
    static int nearest(const QList<QRgb> &table, QRgb colour);
};
