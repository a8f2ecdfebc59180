#include "picturestore.h"

#include "bmplayout.h"

#include <QFile>
#include <stdexcept>

PictureStore::PictureStore(const QString &directory)
{
    // The pictures are linked in from a static library, where the resource
    // must be registered by hand.
    Q_INIT_RESOURCE(pictures);

    for (int i = 0; i < FrameTables::PictureCount; ++i) {
        const qint32 p = FrameTables::pictureNoAt(i);
        const QString name = pictureName(p);
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
        QImage image = BmpLayout::decode(data, &why);
        if (!image.isNull()
            && (image.width() != FrameTables::PictureWidth
                || image.height() != FrameTables::pictureHeight(p))) {
            why = QStringLiteral("Größe %1 x %2 statt %3 x %4")
                      .arg(image.width())
                      .arg(image.height())
                      .arg(FrameTables::PictureWidth)
                      .arg(FrameTables::pictureHeight(p));
            image = QImage();
        }
        if (image.isNull())
            throw std::runtime_error(
                QStringLiteral("Bild %1 ist beschädigt: %2").arg(name, why).toStdString());
        pictures_[size_t(i)] = std::move(image);
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

QString PictureStore::pictureName(qint32 pictureNo)
{
    return QStringLiteral("Image%1").arg(pictureNo, 2, 10, QLatin1Char('0'));
}
