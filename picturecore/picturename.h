#pragma once

#include <QString>
#include <QtGlobal>

namespace FrameTables {

// The name a stored picture goes by, without extension: "Image07".
QString pictureName(qint32 pictureNo);

} // namespace FrameTables
