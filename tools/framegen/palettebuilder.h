#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QRgb>

// One 256-colour table for all pictures of a film. Colours are counted over
// every frame; the flat colours the drawing uses come first, then the
// colours that would otherwise be matched worst (weighted by how often they
// occur) until the table is full. Every colour maps to its nearest entry,
// without dithering, so flat areas stay flat.
class PaletteBuilder
{
public:
    void add(const QImage &image); // 32-bit image
    QList<QRgb> build() const;

    // The image in 8 bits with the given table.
    static QImage quantise(const QImage &image, const QList<QRgb> &table);
    static int distance(QRgb a, QRgb b);

private:
    QHash<QRgb, qint64> m_counts;
};
