#include "descrambler.h"

#include <algorithm>
#include <stdexcept>

namespace Descrambler {

void descrambleInPlace(QImage &picture, qint32 pictureNo)
{
    if (picture.isNull())
        return;
    if (picture.format() != QImage::Format_Indexed8)
        throw std::invalid_argument("descramblePicture: the picture is not 8-bit indexed");
    // A negative number would give a negative key index.
    if (pictureNo < 0)
        throw std::invalid_argument("descramblePicture: negative picture number");

    const int w = blockWidth(picture.width());
    int k = startKeyIndex(pictureNo);

    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = picture.scanLine(y);
        const int a = SwapStartA[k] * w;
        const int b = (SwapStartB[k] + 20) * w;
        const int n = SwapLength[k] * w;
        // Segment A ends by 18w + 1 and segment B starts at 20w or later, so
        // they never overlap; for w == 0 they are the same byte, which stays.
        std::swap_ranges(row + a, row + a + n + 1, row + b);
        k = k == 9 ? 0 : k + 1;
    }
}

QImage descramblePicture(const QImage &picture, qint32 pictureNo)
{
    QImage target = picture.copy();
    descrambleInPlace(target, pictureNo);
    return target;
}

} // namespace Descrambler
