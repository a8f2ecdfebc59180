#include "framegenerator.h"

#include "bmplayout.h"
#include "contactsheet.h"
#include "descrambler.h"
#include "framepainter.h"
#include "palettebuilder.h"
#include "picturename.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

void writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void makeDir(const QString &dir)
{
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot create directory " + dir.toStdString());
}

} // namespace

FrameGenerator::FrameGenerator(const FontSet &fonts) : m_fonts(fonts) {}

QString FrameGenerator::fileName(int pictureNo)
{
    return FrameTables::pictureName(pictureNo) + QStringLiteral(".bmp");
}

FrameGenerator::FilmOutput FrameGenerator::render(const Film &film) const
{
    const FramePainter painter(m_fonts);
    QList<QImage> full;
    PaletteBuilder palette;
    for (int n = 1; n <= film.frameCount(); ++n) {
        full.append(painter.paint(film, n));
        palette.add(full.last());
    }
    FilmOutput out;
    out.table = palette.build();
    for (int n = 1; n <= film.frameCount(); ++n) {
        const QImage plain = PaletteBuilder::quantise(full[n - 1], out.table);
        out.plain.append(plain);
        out.stored.append(BmpLayout::encode(Descrambler::descramblePicture(plain, film.pictureNo(n))));
    }
    return out;
}

void FrameGenerator::writeAll(const QString &outDir, const QString &plainDir, const QString &sheetDir) const
{
    makeDir(outDir);
    if (!plainDir.isEmpty())
        makeDir(plainDir);
    if (!sheetDir.isEmpty())
        makeDir(sheetDir);
    for (const Film &film : {Storyboard::film1(), Storyboard::film2()}) {
        const FilmOutput out = render(film);
        for (int n = 1; n <= film.frameCount(); ++n) {
            const QString name = fileName(film.pictureNo(n));
            writeFile(QDir(outDir).filePath(name), out.stored[n - 1]);
            if (!plainDir.isEmpty()) {
                const QString png = QDir(plainDir).filePath(QString(name).replace(QLatin1String(".bmp"), QLatin1String(".png")));
                if (!out.plain[n - 1].save(png, "PNG"))
                    throw std::runtime_error("cannot write " + png.toStdString());
            }
        }
        if (!sheetDir.isEmpty()) {
            const QString title = film.number == 1 ? QStringLiteral("Film I – Ausfall Bremskreis I (Bilder 1–36)")
                                                   : QStringLiteral("Film II – Ausfall Bremskreis II (Bilder 51–88)");
            const QImage sheet = ContactSheet::make(out.plain, out.table, title, m_fonts);
            const QString path = QDir(sheetDir).filePath(QStringLiteral("film%1-contact-sheet.png").arg(film.number));
            if (!sheet.save(path, "PNG"))
                throw std::runtime_error("cannot write " + path.toStdString());
        }
    }
}
