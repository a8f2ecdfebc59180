#pragma once

// Shared by the test suites: closing the modal boxes the program opens, and
// telling which frame the main window's canvas shows.

#include "frametables.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QMessageBox>
#include <QTimer>

// Watches for modal dialogs while a test runs; each one found is recorded and
// closed, after an optional callback has run inside its modal loop.
class ModalCloser : public QObject
{
public:
    explicit ModalCloser(std::function<void(QWidget *)> whileOpen = {})
        : whileOpen_(std::move(whileOpen))
    {
        connect(&timer_, &QTimer::timeout, this, &ModalCloser::poll);
        timer_.start(5);
    }

    QStringList texts;
    QList<QWidget *> dialogs;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || (!dialogs.isEmpty() && dialogs.constLast() == modal && !modal->isVisible()))
            return;
        if (busy_)
            return;
        busy_ = true;
        dialogs << modal;
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            texts << box->text();
        if (whileOpen_)
            whileOpen_(modal);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        busy_ = false;
    }

    std::function<void(QWidget *)> whileOpen_;
    QTimer timer_;
    bool busy_ = false;
};

// Identifies the frame shown at (10, 10) on a main window's canvas by
// comparing hashes of the drawn area with those of the restored pictures.
class FrameIdentifier
{
public:
    static constexpr int Blank = 0;
    static constexpr int Unknown = -1;

    explicit FrameIdentifier(TForm1 &form)
    {
        for (int film : {FrameTables::Film1Code, FrameTables::Film2Code}) {
            const int count = film == FrameTables::Film1Code ? FrameTables::Film1FrameCount
                                                             : FrameTables::Film2FrameCount;
            for (int n = 1; n <= count; ++n) {
                const qint32 p = film == FrameTables::Film1Code ? FrameTables::film1PictureNo(n)
                                                                : FrameTables::film2PictureNo(n);
                const QImage rgb = form.Pictures().picture(p).convertToFormat(
                    QImage::Format_ARGB32_Premultiplied);
                frames_[film].insert(areaHash(rgb, QPoint(0, 0), rgb.height()), n);
            }
        }
    }

    // The frame number of film `film` that the canvas shows, Blank when the
    // picture area is empty, Unknown for anything else.
    int shownFrame(const TForm1 &form, int film) const
    {
        const QImage &canvas = form.canvas();
        if (canvas.isNull())
            return Blank;
        const int height = film == FrameTables::Film1Code ? FrameTables::Film1PictureHeight
                                                          : FrameTables::Film2PictureHeight;
        const auto found = frames_.value(film).constFind(areaHash(canvas, QPoint(10, 10), height));
        if (found != frames_.value(film).constEnd())
            return found.value();
        return isBlank(canvas, form.palette().color(QPalette::Window)) ? Blank : Unknown;
    }

    static bool isBlank(const QImage &canvas, const QColor &background)
    {
        const QRgb bg = background.rgba();
        for (int y = 0; y < 440; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
            for (int x = 0; x < 520; ++x) {
                if (line[x] != bg)
                    return false;
            }
        }
        return true;
    }

private:
    static size_t areaHash(const QImage &image, QPoint topLeft, int height)
    {
        size_t seed = 0;
        for (int y = 0; y < height; ++y) {
            const uchar *row = image.constScanLine(topLeft.y() + y) + topLeft.x() * 4;
            seed = qHashBits(row, FrameTables::PictureWidth * 4, seed);
        }
        return seed;
    }

    QHash<int, QHash<size_t, int>> frames_;
};

#include "kalmoraapplication.h"

// Like QTEST_MAIN, but with the program's own application object, so tests
// see its style, font and error reporting.
#define KALMORA_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        KalmoraApplication app(argc, argv);                                                        \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
