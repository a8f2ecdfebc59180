#pragma once

#include "picturestore.h"

#include <QImage>
#include <QWidget>
#include <memory>

QT_BEGIN_NAMESPACE
class QTimer;
namespace Ui {
class TForm1;
}
QT_END_NAMESPACE

// The message shown when a frame cannot be copied or drawn.
inline const QString ErrBitmapDisplay =
    QStringLiteral("Bitmap konnte nicht geladen oder angezeigt werden!");

// The main window: picture area on the left, film choice, speed and position
// sliders, close and info buttons on the right. Owns the play state and the
// 74 frame pictures.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    // pictureDirectory is where the stored pictures are read from; the
    // program uses the ones built into it.
    explicit TForm1(QWidget *parent = nullptr,
                    const QString &pictureDirectory = QStringLiteral(":/pictures"));
    ~TForm1() override;

    // Play state.
    qint32 FrameNo = 0;
    qint32 FrameCount = 0;
    qint32 Playing = 0;
    qint32 FilmNo = 0;

    QTimer *const Timer1;

    // Film player.
    void StartFilm();
    void StepFrame();

    // Frame presentation.
    void ShowFrame(qint32 n);
    void ShowFilm1Frame(qint32 n);
    void ShowFilm2Frame(qint32 n);

    // Restoring the stored pictures.
    void DescramblePicture(QImage &picture, qint32 pictureNo);
    void DescrambleFilm1Pictures();
    void DescrambleFilm2Pictures();

    PictureStore &Pictures() { return store_; }

    // The window keeps what is drawn on it, so a frame survives being covered.
    // Filling covers the whole client area, Label1 included.
    void fillClientArea(const QColor &color);
    void drawImageAt(const QPoint &topLeft, const QImage &image);
    const QImage &canvas() const { return canvas_; }

public slots:
    void Timer1Timer();
    void TrackBarPosChange();
    void TrackBarSpeedChange();
    void RadioButton0Click();
    void RadioButton1Click();
    void BitBtn2Click();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showFramePicture(qint32 pictureNo);
    void showBitmapError();

    std::unique_ptr<Ui::TForm1> ui;
    PictureStore store_;
    QImage canvas_;
    bool bitmapErrorOpen_ = false;
};

// The one main window, set by the start-up.
extern TForm1 *Form1;
