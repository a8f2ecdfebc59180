#include "descrambler.h"

#include <cstring>
#include <stdexcept>

namespace Descrambler {

QImage descramblePicture(const QImage &picture, qint32 pictureNo)
{
    if (picture.isNull())
        return picture;
    if (picture.format() != QImage::Format_Indexed8)
        throw std::invalid_argument("descramblePicture: the picture is not 8-bit indexed");
    // A negative number would give a negative key index.
    if (pictureNo < 0)
        throw std::invalid_argument("descramblePicture: negative picture number");

    const QImage &source = picture;
    QImage target = picture.copy();
    const int w = blockWidth(source.width());
    int k = startKeyIndex(pictureNo);

    for (int y = 0; y < source.height(); ++y) {
        const uchar *src = source.constScanLine(y);
        uchar *dst = target.scanLine(y);
        const int a = SwapStartA[k] * w;
        const int b = (SwapStartB[k] + 20) * w;
        const int n = SwapLength[k] * w;
        // Both segments are read from the untouched source, so for w == 0,
        // where they coincide, the byte is simply kept.
        std::memcpy(dst + a, src + b, size_t(n) + 1);
        std::memcpy(dst + b, src + a, size_t(n) + 1);
        k = k == 9 ? 0 : k + 1;
    }
    return target;
}

} // namespace Descrambler
