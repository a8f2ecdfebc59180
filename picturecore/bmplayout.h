#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The file layout of the stored pictures: uncompressed 8-bit Windows
// bitmaps with a 256-entry colour table, rows bottom-up, each row padded
// with zero bytes to a multiple of four.
namespace BmpLayout {

inline constexpr int FileHeaderSize = 14;
inline constexpr int InfoHeaderSize = 40;
inline constexpr int ColorCount = 256;
inline constexpr int ColorTableSize = ColorCount * 4;
inline constexpr int PixelOffset = FileHeaderSize + InfoHeaderSize + ColorTableSize; // 1078

constexpr int rowStride(int width) { return (width + 3) & ~3; }
constexpr int fileSize(int width, int height) { return PixelOffset + rowStride(width) * height; }

// Writes an 8-bit indexed image with exactly 256 colours as a BMP file.
// Throws std::invalid_argument for any other image.
QByteArray encode(const QImage &image);

// Reads a BMP file of this layout into a Format_Indexed8 image. Anything
// else (another depth, compression, palette size, a short file) gives a null
// image and a German reason in *error.
QImage decode(const QByteArray &file, QString *error = nullptr);

// The two halves of decode, for a caller that provides the image's memory:
// the size of a valid file (an invalid size and the reason otherwise), and
// copying colour table and rows into an 8-bit image of exactly that size.
QSize readSize(const QByteArray &file, QString *error = nullptr);
void readInto(const QByteArray &file, QImage &image);

} // namespace BmpLayout
