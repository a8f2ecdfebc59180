// Checks the committed icons and the info glyph: that Qt reads them with the
// sizes and colour depths the program relies on, and that the icon tool still
// produces exactly the committed bytes.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

const QString SourceDir = QStringLiteral(KALMORA_SOURCE_DIR);

const QStringList GeneratedFiles = {
    QStringLiteral("resources/kalmora.ico"),
    QStringLiteral("resources/icons/hicolor/16x16/apps/kalmora.png"),
    QStringLiteral("resources/icons/hicolor/32x32/apps/kalmora.png"),
    QStringLiteral("resources/icons/hicolor/48x48/apps/kalmora.png"),
    QStringLiteral("resources/icons/hicolor/64x64/apps/kalmora.png"),
    QStringLiteral("resources/icons/hicolor/128x128/apps/kalmora.png"),
    QStringLiteral("resources/icons/hicolor/256x256/apps/kalmora.png"),
    QStringLiteral("infowindow/infoicon.ico"),
    QStringLiteral("resources/infoglyph.bmp"),
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct IcoEntry {
    int width;
    int height;
    int bitsPerPixel;
};

// Qt hands icon images back as 32-bit pictures, so the stored depth is read
// from the file: each directory entry's bit count, cross-checked against
// the bitmap header it points to.
QList<IcoEntry> icoEntries(const QByteArray &file)
{
    QList<IcoEntry> entries;
    if (file.size() < 6)
        return entries;
    const auto *d = reinterpret_cast<const uchar *>(file.constData());
    const int count = qFromLittleEndian<quint16>(d + 4);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= file.size(); ++i) {
        const uchar *e = d + 6 + 16 * i;
        const int bits = qFromLittleEndian<quint16>(e + 6);
        const quint32 offset = qFromLittleEndian<quint32>(e + 12);
        if (offset + 40 > quint32(file.size()) || qFromLittleEndian<quint16>(d + offset + 14) != bits)
            return {};
        entries.append({e[0] ? e[0] : 256, e[1] ? e[1] : 256, bits});
    }
    return entries;
}

QList<QImage> readIcoImages(const QString &path)
{
    QImageReader reader(path);
    QList<QImage> images;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        images.append(reader.read());
    }
    return images;
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void icons_data();
    void icons();
    void desktopIcons();
    void infoGlyph();
    void regenerationReproducesCommittedFiles();
};

void TestIcons::icons_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<int>>("depths");
    QTest::newRow("application") << "resources/kalmora.ico" << QList<int>{32} << QList<int>{4};
    QTest::newRow("info window") << "infowindow/infoicon.ico" << QList<int>{16, 16, 32, 32}
                                 << QList<int>{4, 8, 4, 8};
}

void TestIcons::icons()
{
    QFETCH(QString, file);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, depths);
    const QString path = SourceDir + '/' + file;

    const QList<QImage> images = readIcoImages(path);
    QCOMPARE(images.size(), sizes.size());
    const QList<IcoEntry> entries = icoEntries(readAll(path));
    QCOMPARE(entries.size(), sizes.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage &img = images.at(i);
        QVERIFY2(!img.isNull(), qPrintable(QString("image %1 unreadable").arg(i)));
        QCOMPARE(img.size(), QSize(sizes.at(i), sizes.at(i)));
        QCOMPARE(entries.at(i).bitsPerPixel, depths.at(i));
        // The AND mask must leave the top corners see-through, the picture
        // itself must be there: the skyline reaches the bottom edge.
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(img.width() - 1, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() - 1)), 255);
    }
}

void TestIcons::desktopIcons()
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = SourceDir + QString("/resources/icons/hicolor/%1x%1/apps/kalmora.png").arg(size);
        const QImage img(path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QCOMPARE(img.size(), QSize(size, size));
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(size - 1, 0)), 0);
    }
}

void TestIcons::infoGlyph()
{
    const QImage glyph(SourceDir + "/resources/infoglyph.bmp");
    QVERIFY(!glyph.isNull());
    QCOMPARE(glyph.size(), QSize(32, 16));
    QCOMPARE(glyph.colorCount(), 16);
    const QRgb olive = qRgb(128, 128, 0);
    QCOMPARE(glyph.pixel(0, 15), olive); // the button's transparent colour

    // Normal state in colour, disabled state only in grey and white.
    QSet<QRgb> normal, disabled;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            normal.insert(glyph.pixel(x, y));
            disabled.insert(glyph.pixel(16 + x, y));
        }
    for (QRgb c : {qRgb(255, 0, 0), qRgb(255, 255, 0), qRgb(255, 255, 255), qRgb(128, 128, 128)})
        QVERIFY2(normal.contains(c), qPrintable(QString::number(c, 16)));
    QCOMPARE(disabled, (QSet<QRgb>{olive, qRgb(128, 128, 128), qRgb(255, 255, 255)}));
}

void TestIcons::regenerationReproducesCommittedFiles()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QProcess tool;
    tool.start(QStringLiteral(ICONMAKER_PATH), {out.path()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());

    for (const QString &file : GeneratedFiles) {
        const QByteArray committed = readAll(SourceDir + '/' + file);
        QVERIFY2(!committed.isEmpty(), qPrintable(file + " is missing from the source tree"));
        QVERIFY2(readAll(out.filePath(file)) == committed, qPrintable(file + " differs when regenerated"));
    }
}

QTEST_GUILESS_MAIN(TestIcons)
#include "tst_icons.moc"
