#pragma once

#include "fontset.h"
#include "storyboard.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Renders the films, builds each film's colour table and writes the stored
// (scrambled) pictures, optionally the plain ones and a contact sheet.
class FrameGenerator
{
public:
    struct FilmOutput {
        QList<QRgb> table;
        QList<QImage> plain; // 8-bit, as the viewer shows them
        QList<QByteArray> stored; // the bitmap files, rows scrambled
    };

    explicit FrameGenerator(const FontSet &fonts);

    FilmOutput render(const Film &film) const;

    // Writes ImageNN.bmp for both films into outDir; plainDir and sheetDir
    // may be empty. Throws std::runtime_error when a file cannot be written.
    void writeAll(const QString &outDir, const QString &plainDir, const QString &sheetDir) const;

    static QString fileName(int pictureNo);

private:
    const FontSet &m_fonts;
};
