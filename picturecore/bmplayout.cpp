#include "bmplayout.h"

#include <QtEndian>
#include <cstring>
#include <stdexcept>

namespace BmpLayout {

namespace {

void put16(char *p, quint16 v) { qToLittleEndian(v, p); }
void put32(char *p, quint32 v) { qToLittleEndian(v, p); }
quint16 get16(const char *p) { return qFromLittleEndian<quint16>(p); }
quint32 get32(const char *p) { return qFromLittleEndian<quint32>(p); }
qint32 getS32(const char *p) { return qFromLittleEndian<qint32>(p); }

QSize fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return {};
}

} // namespace

QByteArray encode(const QImage &image)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() != ColorCount)
        throw std::invalid_argument("BmpLayout::encode needs an 8-bit image with 256 colours");

    const int width = image.width();
    const int height = image.height();
    const int stride = rowStride(width);
    QByteArray file(fileSize(width, height), '\0');
    char *d = file.data();

    // File header.
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, quint32(file.size()));
    put32(d + 10, PixelOffset);
    // Info header; resolution stays 0, 0 and "important colours" 0.
    char *info = d + FileHeaderSize;
    put32(info + 0, InfoHeaderSize);
    put32(info + 4, quint32(width));
    put32(info + 8, quint32(height));
    put16(info + 12, 1);
    put16(info + 14, 8);
    put32(info + 16, 0);
    put32(info + 20, quint32(stride * height));
    put32(info + 32, ColorCount);
    // Colour table: blue, green, red, reserved.
    char *table = info + InfoHeaderSize;
    for (int i = 0; i < ColorCount; ++i) {
        const QRgb c = image.color(i);
        table[4 * i + 0] = char(qBlue(c));
        table[4 * i + 1] = char(qGreen(c));
        table[4 * i + 2] = char(qRed(c));
    }
    // Rows bottom-up; the padding bytes stay zero.
    for (int y = 0; y < height; ++y)
        std::memcpy(d + PixelOffset + qsizetype(height - 1 - y) * stride, image.constScanLine(y), size_t(width));
    return file;
}

QSize readSize(const QByteArray &file, QString *error)
{
    if (file.size() < PixelOffset)
        return fail(error, QStringLiteral("Datei zu kurz (%1 Bytes)").arg(file.size()));
    const char *d = file.constData();
    const char *info = d + FileHeaderSize;
    if (d[0] != 'B' || d[1] != 'M')
        return fail(error, QStringLiteral("keine BMP-Datei"));
    if (get32(info) != InfoHeaderSize)
        return fail(error, QStringLiteral("unbekannter Bitmap-Kopf"));

    const qint32 width = getS32(info + 4);
    const qint32 height = getS32(info + 8);
    const quint16 bits = get16(info + 14);
    const quint32 compression = get32(info + 16);
    const quint32 colorsUsed = get32(info + 32);
    const quint32 offset = get32(d + 10);

    if (bits != 8)
        return fail(error, QStringLiteral("%1 Bit je Pixel statt 8").arg(bits));
    if (compression != 0)
        return fail(error, QStringLiteral("komprimierte Bitmap"));
    if (colorsUsed != ColorCount)
        return fail(error, QStringLiteral("%1 Farben statt 256").arg(colorsUsed));
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return fail(error, QStringLiteral("ungültige Größe %1 x %2").arg(width).arg(height));
    if (offset != quint32(PixelOffset))
        return fail(error, QStringLiteral("Bilddaten an falscher Stelle"));
    if (file.size() < fileSize(width, height))
        return fail(error, QStringLiteral("Datei zu kurz (%1 statt %2 Bytes)")
                               .arg(file.size())
                               .arg(fileSize(width, height)));
    return QSize(width, height);
}

void readInto(const QByteArray &file, QImage &image)
{
    const char *table = file.constData() + FileHeaderSize + InfoHeaderSize;
    QList<QRgb> colors(ColorCount);
    for (int i = 0; i < ColorCount; ++i) {
        const auto *entry = reinterpret_cast<const uchar *>(table + 4 * i);
        colors[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    image.setColorTable(colors);

    const int width = image.width();
    const int height = image.height();
    const int stride = rowStride(width);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), file.constData() + PixelOffset + qsizetype(height - 1 - y) * stride,
                    size_t(width));
}

QImage decode(const QByteArray &file, QString *error)
{
    const QSize size = readSize(file, error);
    if (!size.isValid())
        return {};
    QImage image(size, QImage::Format_Indexed8);
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("zu wenig Speicher");
        return {};
    }
    readInto(file, image);
    return image;
}

} // namespace BmpLayout
