#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Writes Windows icon files with palette images (4 or 8 bits per pixel) and
// a 1-bit AND mask. Qt's own ICO plugin only writes 32-bit images, which the
// old-style consumers of these icons cannot use, so the layout is done here.
class IcoWriter
{
public:
    // Queues one image. Pixels with alpha below 128 become transparent (set
    // in the AND mask, index 0 in the colour bitmap); all others are mapped to
    // the nearest colour of the standard palette for bitsPerPixel (4 or 8).
    void addImage(const QImage &picture, int bitsPerPixel);

    // The whole .ico file: ICONDIR, one ICONDIRENTRY per image, then each
    // image as BITMAPINFOHEADER, colour table, colour rows and mask rows.
    QByteArray data() const;

private:
    struct Entry {
        int width;
        int height;
        int bitsPerPixel;
        QByteArray bitmap; // everything from BITMAPINFOHEADER on
    };
    QList<Entry> m_entries;
};
