#include "picturename.h"

namespace FrameTables {

QString pictureName(qint32 pictureNo)
{
    return QStringLiteral("Image%1").arg(pictureNo, 2, 10, QLatin1Char('0'));
}

} // namespace FrameTables
