#include "icowriter.h"

#include "palette.h"

#include <QDataStream>
#include <QIODevice>

#include <stdexcept>

namespace {

constexpr int DirSize = 6;
constexpr int DirEntrySize = 16;
constexpr int InfoHeaderSize = 40;

int paddedRowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

} // namespace

void IcoWriter::addImage(const QImage &picture, int bitsPerPixel)
{
    const QList<QRgb> &table = Palette::forDepth(bitsPerPixel);
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    if (w < 1 || h < 1 || w > 256 || h > 256)
        throw std::invalid_argument("icon images must be 1 to 256 pixels wide and high");

    const int colourRow = paddedRowBytes(w, bitsPerPixel);
    const int maskRow = paddedRowBytes(w, 1);
    QByteArray colours(colourRow * h, '\0');
    QByteArray mask(maskRow * h, '\0');

    // Both bitmaps are stored bottom row first.
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        char *colourLine = colours.data() + (h - 1 - y) * colourRow;
        char *maskLine = mask.data() + (h - 1 - y) * maskRow;
        for (int x = 0; x < w; ++x) {
            int index = 0;
            if (qAlpha(line[x]) < 128)
                maskLine[x / 8] = char(maskLine[x / 8] | (0x80 >> (x % 8)));
            else
                index = Palette::nearest(table, line[x]);
            if (bitsPerPixel == 8)
                colourLine[x] = char(index);
            else
                colourLine[x / 2] = char(colourLine[x / 2] | (x % 2 ? index : index << 4));
        }
    }

    QByteArray bitmap;
    QDataStream out(&bitmap, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(InfoHeaderSize) << qint32(w)
        << qint32(2 * h) // colour bitmap and mask stacked
        << quint16(1) << quint16(bitsPerPixel)
        << quint32(0) // BI_RGB
        << quint32(colours.size() + mask.size())
        << qint32(0) << qint32(0)
        << quint32(table.size()) << quint32(0);
    for (QRgb c : table)
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    out.writeRawData(colours.constData(), int(colours.size()));
    out.writeRawData(mask.constData(), int(mask.size()));

    m_entries.append({w, h, bitsPerPixel, bitmap});
}

QByteArray IcoWriter::data() const
{
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(m_entries.size());

    quint32 offset = DirSize + DirEntrySize * quint32(m_entries.size());
    for (const Entry &e : m_entries) {
        // 256 is stored as 0; the colour count is 0 for 256 colours too.
        out << quint8(e.width & 0xff) << quint8(e.height & 0xff)
            << quint8(e.bitsPerPixel == 4 ? 16 : 0) << quint8(0)
            << quint16(1) << quint16(e.bitsPerPixel)
            << quint32(e.bitmap.size()) << offset;
        offset += quint32(e.bitmap.size());
    }
    for (const Entry &e : m_entries)
        out.writeRawData(e.bitmap.constData(), int(e.bitmap.size()));
    return file;
}
