#pragma once

#include "frametables.h"
#include "picturememory.h"

#include <QImage>
#include <QString>
#include <array>

// The 74 frame pictures of both films, loaded at once when the main window is
// built and held for the whole run. A picture is reached by its number
// (1-36, 51-88); each is an 8-bit indexed QImage whose pixels live in the
// store, so a copy of one must not outlive it.
class PictureStore
{
public:
    // Loads ImageNN.bmp for every picture number from directory (a resource
    // path in the program, any directory in tests). Throws std::runtime_error
    // naming the picture when one is missing or not as expected.
    explicit PictureStore(const QString &directory = QStringLiteral(":/pictures"));

    // Throws std::out_of_range for a number that has no picture.
    QImage &picture(qint32 pictureNo);
    const QImage &picture(qint32 pictureNo) const;

private:
    static int slot(qint32 pictureNo);

    // Declared first, so the pictures that live in it go before it does.
    PictureMemory memory_;
    std::array<QImage, FrameTables::PictureCount> pictures_;
};
