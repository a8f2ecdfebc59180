// The film player: choosing a film starts it, the timer steps it, the
// position slider stops it on a frame, the speed slider resumes it. The order
// of the steps matters: the sliders run their handlers inside setValue and
// setMaximum.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "frametables.h"

#include <QTimer>

void TForm1::RadioButton0Click()
{
    FrameCount = FrameTables::Film1FrameCount;
    FilmNo = FrameTables::Film1Code;
    StartFilm();
}

void TForm1::RadioButton1Click()
{
    FrameCount = FrameTables::Film2FrameCount;
    FilmNo = FrameTables::Film2Code;
    StartFilm();
}

void TForm1::StartFilm()
{
    fillClientArea(palette().color(QPalette::Window));
    ui->TrackBarSpeed->setEnabled(true);
    ui->TrackBarPos->setEnabled(true);
    // Lowering the maximum below the position moves the slider, which draws
    // that frame of the new film; so does moving it to 1.
    ui->TrackBarPos->setMaximum(FrameCount);
    ui->TrackBarPos->setValue(1);
    FrameNo = 1;
    // Last: the position handler above has cleared it.
    Playing = 1;
}

void TForm1::Timer1Timer()
{
    Timer1->setInterval(25 * ui->TrackBarSpeed->value());
    if (Playing == 1)
        StepFrame();
}

void TForm1::StepFrame()
{
    if (FrameNo >= FrameCount)
        FrameNo = 1;
    FrameNo = FrameNo + 1;
    ShowFrame(FrameNo);
}

void TForm1::TrackBarPosChange()
{
    Playing = 0;
    ShowFrame(ui->TrackBarPos->value());
}

void TForm1::TrackBarSpeedChange()
{
    Playing = 1;
}
