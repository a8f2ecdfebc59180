// Draws Kalmora's icons and the info button's glyph and writes them below
// the directory given on the command line (the source tree when run through
// the regenerate-icons target). The output is the same, byte for byte, on
// every run, so the committed files only change when the drawing does.

#include "bmpwriter.h"
#include "icowriter.h"
#include "infoglyph.h"
#include "infoiconpainter.h"
#include "skylinepainter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

#include <exception>

namespace {

QByteArray png(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

bool writeFile(const QDir &root, const QString &relativePath, const QByteArray &bytes)
{
    const QString path = root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: iconmaker OUTPUT_DIRECTORY\n";
        return 2;
    }
    const QDir root(args.at(1));

    QList<QPair<QString, QByteArray>> files;
    try {
        // The program icon keeps to one 16-colour image for the old icon
        // consumers; the desktop gets a PNG drawn for each size.
        IcoWriter appIcon;
        appIcon.addImage(SkylinePainter::render(32, SkylinePainter::Style::Palette16), 4);
        files.append({QStringLiteral("resources/kalmora.ico"), appIcon.data()});
        for (int size : {16, 32, 48, 64, 128, 256}) {
            files.append({QStringLiteral("resources/icons/hicolor/%1x%1/apps/kalmora.png").arg(size),
                          png(SkylinePainter::render(size, SkylinePainter::Style::FullColour))});
        }

        IcoWriter infoIcon;
        for (int size : {16, 32})
            for (int bits : {4, 8})
                infoIcon.addImage(InfoIconPainter::render(size, bits), bits);
        files.append({QStringLiteral("infowindow/infoicon.ico"), infoIcon.data()});

        files.append({QStringLiteral("resources/infoglyph.bmp"), BmpWriter::encode4(InfoGlyph::render())});
    } catch (const std::exception &e) {
        err << "iconmaker: " << e.what() << "\n";
        return 1;
    }

    for (const auto &[path, bytes] : files) {
        if (!writeFile(root, path, bytes)) {
            err << "iconmaker: cannot write " << root.filePath(path) << "\n";
            return 1;
        }
    }
    return 0;
}
