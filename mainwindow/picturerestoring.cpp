// The stored pictures have their rows scrambled; the constructor restores
// them once, in place, before the window first shows.

#include "mainwindow.h"

#include "descrambler.h"
#include "frametables.h"

void TForm1::DescramblePicture(QImage &picture, qint32 pictureNo)
{
    // In place: the store holds the only reference, so no picture is copied.
    Descrambler::descrambleInPlace(picture, pictureNo);
}

void TForm1::DescrambleFilm1Pictures()
{
    for (qint32 p = 1; p <= FrameTables::Film1FrameCount; ++p)
        DescramblePicture(store_.picture(p), p);
}

void TForm1::DescrambleFilm2Pictures()
{
    for (qint32 p = 51; p <= 50 + FrameTables::Film2FrameCount; ++p)
        DescramblePicture(store_.picture(p), p);
}
