#include "picturestore.h"

#include "bmplayout.h"
#include "picturename.h"

#include <QFile>
#include <stdexcept>

namespace {

constexpr int Stride = BmpLayout::rowStride(FrameTables::PictureWidth);

std::size_t pictureBytes(qint32 pictureNo)
{
    return std::size_t(Stride) * std::size_t(FrameTables::pictureHeight(pictureNo));
}

std::size_t allPictureBytes()
{
    std::size_t bytes = 0;
    for (int i = 0; i < FrameTables::PictureCount; ++i)
        bytes += pictureBytes(FrameTables::pictureNoAt(i));
    return bytes;
}

} // namespace

PictureStore::PictureStore(const QString &directory)
    : memory_(allPictureBytes())
{
    // The pictures are linked in from a static library, where the resource
    // must be registered by hand.
    Q_INIT_RESOURCE(pictures);

    uchar *pixels = memory_.data();
    for (int i = 0; i < FrameTables::PictureCount; ++i) {
        const qint32 p = FrameTables::pictureNoAt(i);
        const QString name = FrameTables::pictureName(p);
        QFile file(directory + QLatin1Char('/') + name + QStringLiteral(".bmp"));
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(
                QStringLiteral("Bild %1 fehlt: %2").arg(name, file.fileName()).toStdString());

        // Decoded straight from where the file lies (for a picture built into
        // the program, from the buffer it was unpacked into) rather than
        // from one more copy; a file that cannot be mapped is read instead.
        const qint64 size = file.size();
        const uchar *mapped = size > 0 ? file.map(0, size) : nullptr;
        const QByteArray data = mapped ? QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), size)
                                       : file.readAll();
        QString why;
        const QSize found = BmpLayout::readSize(data, &why);
        const QSize expected(FrameTables::PictureWidth, FrameTables::pictureHeight(p));
        if (found.isValid() && found != expected)
            why = QStringLiteral("Größe %1 x %2 statt %3 x %4")
                      .arg(found.width())
                      .arg(found.height())
                      .arg(expected.width())
                      .arg(expected.height());
        if (found != expected)
            throw std::runtime_error(
                QStringLiteral("Bild %1 ist beschädigt: %2").arg(name, why).toStdString());

        QImage image(pixels, expected.width(), expected.height(), Stride, QImage::Format_Indexed8);
        BmpLayout::readInto(data, image);
        pictures_[size_t(i)] = std::move(image);
        pixels += pictureBytes(p);
    }
}

int PictureStore::slot(qint32 pictureNo)
{
    if (FrameTables::isFilm1Picture(pictureNo))
        return pictureNo - FrameTables::Film1FirstPicture;
    if (FrameTables::isFilm2Picture(pictureNo))
        return FrameTables::Film1FrameCount + pictureNo - FrameTables::Film2FirstPicture;
    throw std::out_of_range("no picture with number " + std::to_string(pictureNo));
}

QImage &PictureStore::picture(qint32 pictureNo)
{
    return pictures_[size_t(slot(pictureNo))];
}

const QImage &PictureStore::picture(qint32 pictureNo) const
{
    return pictures_[size_t(slot(pictureNo))];
}
