#include "bmpwriter.h"

#include "palette.h"

#include <QDataStream>
#include <QIODevice>

#include <stdexcept>

QByteArray BmpWriter::encode4(const QImage &image)
{
    if (image.format() != QImage::Format_Indexed8 || image.isNull())
        throw std::invalid_argument("BmpWriter::encode4 needs an indexed image");

    constexpr int FileHeaderSize = 14;
    constexpr int InfoHeaderSize = 40;
    const QList<QRgb> &table = Palette::standard16();
    const int w = image.width();
    const int h = image.height();
    const int rowBytes = ((w * 4 + 31) / 32) * 4;
    const int pixelOffset = FileHeaderSize + InfoHeaderSize + int(table.size()) * 4;

    QByteArray pixels(rowBytes * h, '\0');
    for (int y = 0; y < h; ++y) {
        const uchar *line = image.constScanLine(y);
        char *out = pixels.data() + (h - 1 - y) * rowBytes; // bottom row first
        for (int x = 0; x < w; ++x) {
            if (line[x] > 15)
                throw std::invalid_argument("BmpWriter::encode4: index above 15");
            out[x / 2] = char(out[x / 2] | (x % 2 ? line[x] : line[x] << 4));
        }
    }

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << quint32(pixelOffset + pixels.size())
        << quint16(0) << quint16(0) << quint32(pixelOffset);
    out << quint32(InfoHeaderSize) << qint32(w) << qint32(h)
        << quint16(1) << quint16(4)
        << quint32(0) // BI_RGB
        << quint32(pixels.size())
        << qint32(0) << qint32(0)
        << quint32(table.size()) << quint32(0);
    for (QRgb c : table)
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    out.writeRawData(pixels.constData(), int(pixels.size()));
    return file;
}
