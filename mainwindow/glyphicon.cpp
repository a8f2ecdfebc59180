#include "glyphicon.h"

#include <QPixmap>

QIcon glyphIcon(const QImage &glyphs, int numGlyphs)
{
    if (glyphs.isNull() || numGlyphs < 1)
        return {};

    QImage image = glyphs.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == background)
                line[x] = qRgba(0, 0, 0, 0);
        }
    }

    const int width = image.width() / numGlyphs;
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image.copy(0, 0, width, image.height())), QIcon::Normal);
    if (numGlyphs > 1)
        icon.addPixmap(QPixmap::fromImage(image.copy(width, 0, width, image.height())), QIcon::Disabled);
    return icon;
}
