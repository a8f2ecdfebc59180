// Draws frame n of the chosen film at (10, 10). Nothing is cached between
// calls: every frame is copied from the store and drawn afresh.

#include "mainwindow.h"

#include "frametables.h"

#include <QMessageBox>
#include <stdexcept>

namespace {
const QPoint FramePosition(10, 10);
}

void TForm1::ShowFrame(qint32 n)
{
    if (FilmNo == FrameTables::Film1Code)
        ShowFilm1Frame(n);
    else if (FilmNo == FrameTables::Film2Code)
        ShowFilm2Frame(n);
}

void TForm1::ShowFilm1Frame(qint32 n)
{
    showFramePicture(FrameTables::film1PictureNo(n));
}

void TForm1::ShowFilm2Frame(qint32 n)
{
    showFramePicture(FrameTables::film2PictureNo(n));
}

// pictureNo 0 means "not a frame of this film": an empty picture is drawn,
// which changes nothing on screen.
void TForm1::showFramePicture(qint32 pictureNo)
{
    QImage frame;
    try {
        if (pictureNo != 0) {
            frame = store_.picture(pictureNo);
            if (frame.isNull())
                throw std::runtime_error("empty picture");
        }
        drawImageAt(FramePosition, frame);
    } catch (...) {
        showBitmapError();
    }
}

void TForm1::showBitmapError()
{
    // While the message is open the timer keeps drawing; a frame that fails
    // again must not stack up a further box on every tick.
    if (bitmapErrorOpen_)
        return;
    bitmapErrorOpen_ = true;
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), ErrBitmapDisplay, QMessageBox::Ok, this);
    box.exec();
    bitmapErrorOpen_ = false;
}
