#pragma once

#include <QImage>
#include <array>

// The stored pictures have two byte segments of every pixel row exchanged.
// The exchange is its own inverse: the same call scrambles a plain picture
// and restores a scrambled one.
namespace Descrambler {

// The key shared by the stored pictures and the program. Every entry lies
// in 0..9, which keeps both segments inside the row and apart.
inline constexpr std::array<qint32, 10> SwapStartA{3, 7, 1, 9, 5, 0, 8, 2, 6, 4};
inline constexpr std::array<qint32, 10> SwapStartB{6, 2, 9, 4, 0, 7, 3, 8, 1, 5};
inline constexpr std::array<qint32, 10> SwapLength{4, 9, 2, 7, 0, 5, 8, 1, 6, 3};

// Block width: width * 0.025 truncated, i.e. width / 40.
constexpr int blockWidth(int width) { return width / 40; }

// Key index of the top row of picture p (p >= 0).
constexpr int startKeyIndex(qint32 pictureNo) { return pictureNo % 10; }

// Exchanges segment A and segment B of every row of the 8-bit picture;
// row y (from the top) uses key index (p + y) mod 10. Throws
// std::invalid_argument for a picture that is not 8-bit indexed or a
// negative picture number, and then leaves the picture as it was.
void descrambleInPlace(QImage &picture, qint32 pictureNo);

// The same exchange on a copy; the picture passed in stays as it is.
QImage descramblePicture(const QImage &picture, qint32 pictureNo);

} // namespace Descrambler
