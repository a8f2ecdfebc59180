#pragma once

#include <QByteArray>
#include <QImage>

// Writes 4-bit Windows bitmaps with the standard 16-colour palette. Qt would
// save an indexed image with 8 bits per pixel, so the few bytes are laid out
// here.
class BmpWriter
{
public:
    // image must be Format_Indexed8 with every index below 16; the indices
    // refer to Palette::standard16() whatever colour table the image carries.
    static QByteArray encode4(const QImage &image);
};
