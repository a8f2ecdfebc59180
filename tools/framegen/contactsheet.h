#pragma once

#include "fontset.h"

#include <QImage>
#include <QList>

// All frames of a film as small numbered thumbnails on one picture.
class ContactSheet
{
public:
    static QImage make(const QList<QImage> &frames, const QList<QRgb> &table, const QString &title,
                       const FontSet &fonts);
};
