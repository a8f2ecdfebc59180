// The pure picture logic: the row descrambler, the bitmap file layout and
// the frame tables.

#include "bmplayout.h"
#include "descrambler.h"
#include "frametables.h"

#include <QTest>
#include <QRandomGenerator>
#include <QtEndian>

using namespace Descrambler;

namespace {

QImage randomPicture(int width, int height, quint32 seed)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> colors;
    for (int i = 0; i < 256; ++i)
        colors << qRgb(i, 255 - i, (i * 7) % 256);
    image.setColorTable(colors);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < image.bytesPerLine(); ++x)
            line[x] = uchar(random.bounded(256));
    }
    return image;
}

// Which bytes of a row of the given width can the exchange touch for key k?
QList<bool> movedBytes(int width, int k)
{
    const int w = blockWidth(width);
    QList<bool> moved(width, false);
    const int a = SwapStartA[k] * w;
    const int b = (SwapStartB[k] + 20) * w;
    for (int t = 0; t <= SwapLength[k] * w; ++t)
        moved[a + t] = moved[b + t] = true;
    return moved;
}

} // namespace

class TestPictureCore : public QObject
{
    Q_OBJECT

private slots:
    void keyTablesScramble();
    void exchangesSegmentsPerRow_data();
    void exchangesSegmentsPerRow();
    void isItsOwnInverse();
    void keepsSizePaletteAndRowPadding();
    void emptyAndInvalidPictures();
    void bmpRoundTripAndHeader_data();
    void bmpRoundTripAndHeader();
    void bmpRejectsOtherLayouts_data();
    void bmpRejectsOtherLayouts();
    void bmpRejectsTruncatedFiles();
    void frameTables();
};

void TestPictureCore::keyTablesScramble()
{
    for (const auto *table : {&SwapStartA, &SwapStartB, &SwapLength}) {
        QVERIFY(std::all_of(table->begin(), table->end(), [](qint32 v) { return v >= 0 && v <= 9; }));
        QVERIFY(std::adjacent_find(table->begin(), table->end(), std::not_equal_to<>()) != table->end());
    }
}

void TestPictureCore::exchangesSegmentsPerRow_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("pictureNo");
    QTest::addColumn<int>("height");

    QTest::newRow("narrow: nothing moves") << 39 << 7 << 12;
    QTest::newRow("width 40: block 1") << 40 << 3 << 23;
    QTest::newRow("width 79: block 1") << 79 << 0 << 10;
    QTest::newRow("film I picture 36") << 510 << 36 << 430;
    QTest::newRow("film II picture 51") << 510 << 51 << 428;
    QTest::newRow("film II picture 80") << 510 << 80 << 428;
}

// Checks every byte of every row against an independent model of the
// exchange: row y uses key (p + y) mod 10, segments A and B swap, all else
// stays.
void TestPictureCore::exchangesSegmentsPerRow()
{
    QFETCH(int, width);
    QFETCH(int, pictureNo);
    QFETCH(int, height);

    const QImage plain = randomPicture(width, height, quint32(width * 1000 + pictureNo));
    const QImage scrambled = descramblePicture(plain, pictureNo);
    const int w = width / 40;
    QImage inPlace = plain.copy();
    descrambleInPlace(inPlace, pictureNo);
    QCOMPARE(inPlace, scrambled);

    for (int y = 0; y < height; ++y) {
        const int k = (pictureNo + y) % 10;
        const uchar *in = plain.constScanLine(y);
        const uchar *out = scrambled.constScanLine(y);
        const int a = SwapStartA[k] * w;
        const int b = (SwapStartB[k] + 20) * w;
        const int n = SwapLength[k] * w + 1;
        for (int x = 0; x < width; ++x) {
            uchar expected = in[x];
            if (w > 0 && x >= a && x < a + n)
                expected = in[b + (x - a)];
            else if (w > 0 && x >= b && x < b + n)
                expected = in[a + (x - b)];
            if (out[x] != expected)
                QFAIL(qPrintable(QStringLiteral("row %1 byte %2").arg(y).arg(x)));
        }
    }
    if (w == 0)
        QCOMPARE(scrambled, plain);
    else
        QVERIFY(scrambled != plain);
}

void TestPictureCore::isItsOwnInverse()
{
    for (int p : {1, 36, 51, 88}) {
        const QImage plain = randomPicture(510, FrameTables::pictureHeight(p), quint32(p));
        QCOMPARE(descramblePicture(descramblePicture(plain, p), p), plain);
    }
}

void TestPictureCore::keepsSizePaletteAndRowPadding()
{
    const QImage plain = randomPicture(510, 430, 5);
    const QImage scrambled = descramblePicture(plain, 5);
    QCOMPARE(scrambled.size(), plain.size());
    QCOMPARE(scrambled.colorTable(), plain.colorTable());
    QCOMPARE(scrambled.format(), QImage::Format_Indexed8);
    // Bytes 457 to 509 lie beyond every segment of a 510-pixel row.
    for (int y = 0; y < 430; ++y) {
        QVERIFY(std::equal(plain.constScanLine(y) + 457, plain.constScanLine(y) + 510,
                           scrambled.constScanLine(y) + 457));
        for (int k = 0; k < 10; ++k)
            QVERIFY(!movedBytes(510, k).mid(457).contains(true));
    }
    // A zero length still exchanges exactly one byte each way.
    const int k0 = int(std::find(SwapLength.begin(), SwapLength.end(), 0) - SwapLength.begin());
    QVERIFY(k0 < 10);
    const QList<bool> moved = movedBytes(40, k0);
    QCOMPARE(moved.count(true), 2);
}

void TestPictureCore::emptyAndInvalidPictures()
{
    QImage empty(510, 0, QImage::Format_Indexed8);
    QVERIFY(descramblePicture(empty, 3).isNull());

    QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                             descramblePicture(QImage(510, 10, QImage::Format_RGB32), 3));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, descramblePicture(randomPicture(510, 10, 1), -1));

    QImage rgb(510, 10, QImage::Format_RGB32);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, descrambleInPlace(rgb, 3));
    QImage negative = randomPicture(510, 10, 1);
    const QImage before = negative.copy();
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, descrambleInPlace(negative, -1));
    QCOMPARE(negative, before);
}

void TestPictureCore::bmpRoundTripAndHeader_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fileSize");
    QTest::newRow("film I") << 430 << 221238;
    QTest::newRow("film II") << 428 << 220214;
}

void TestPictureCore::bmpRoundTripAndHeader()
{
    QFETCH(int, height);
    QFETCH(int, fileSize);

    const QImage image = randomPicture(510, height, 9);
    const QByteArray file = BmpLayout::encode(image);
    QCOMPARE(file.size(), fileSize);

    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    QCOMPARE(file.left(2), QByteArray("BM"));
    QCOMPARE(u32(2), quint32(fileSize));
    QCOMPARE(u32(6), 0u);
    QCOMPARE(u32(10), 1078u);
    QCOMPARE(u32(14), 40u);
    QCOMPARE(u32(18), 510u);
    QCOMPARE(u32(22), quint32(height));
    QCOMPARE(u16(26), quint16(1));
    QCOMPARE(u16(28), quint16(8));
    QCOMPARE(u32(30), 0u);
    QCOMPARE(u32(34), quint32(512 * height));
    QCOMPARE(u32(38), 0u);
    QCOMPARE(u32(42), 0u);
    QCOMPARE(u32(46), 256u);
    QCOMPARE(u32(50), 0u);
    // Blue, green, red, zero.
    QCOMPARE(file.mid(54 + 4 * 3, 4), QByteArray::fromHex("15fc0300"));
    // Rows bottom-up, padded with zeros.
    QCOMPARE(file.mid(1078, 510), QByteArray(reinterpret_cast<const char *>(image.constScanLine(height - 1)), 510));
    for (int row = 0; row < height; ++row)
        QCOMPARE(file.mid(1078 + 512 * row + 510, 2), QByteArray(2, '\0'));

    QString error;
    QCOMPARE(BmpLayout::decode(file, &error), image);
    QVERIFY(error.isEmpty());
}

void TestPictureCore::bmpRejectsOtherLayouts_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    QTest::newRow("signature") << 0 << QByteArray("XM") << "keine BMP-Datei";
    QTest::newRow("24 bits") << 28 << QByteArray::fromHex("1800") << "24 Bit";
    QTest::newRow("compressed") << 30 << QByteArray::fromHex("01000000") << "komprimiert";
    QTest::newRow("16 colours") << 46 << QByteArray::fromHex("10000000") << "16 Farben";
    QTest::newRow("pixel offset") << 10 << QByteArray::fromHex("00010000") << "falscher Stelle";
    QTest::newRow("negative height") << 22 << QByteArray::fromHex("feffffff") << "Größe";
}

void TestPictureCore::bmpRejectsOtherLayouts()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    QByteArray file = BmpLayout::encode(randomPicture(64, 4, 2));
    file.replace(offset, bytes.size(), bytes);
    QString error;
    QVERIFY(BmpLayout::decode(file, &error).isNull());
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void TestPictureCore::bmpRejectsTruncatedFiles()
{
    const QByteArray good = BmpLayout::encode(randomPicture(64, 4, 2));
    for (qsizetype size : {qsizetype(0), qsizetype(53), qsizetype(1078), good.size() - 1}) {
        QString error;
        QVERIFY(BmpLayout::decode(good.left(size), &error).isNull());
        QVERIFY2(error.contains(QStringLiteral("zu kurz")), qPrintable(error));
    }
}

void TestPictureCore::frameTables()
{
    QCOMPARE(FrameTables::film1PictureNo(1), 1);
    QCOMPARE(FrameTables::film1PictureNo(36), 36);
    QCOMPARE(FrameTables::film2PictureNo(1), 51);
    QCOMPARE(FrameTables::film2PictureNo(38), 88);
    for (qint32 n : {0, -1, 37, 39, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()}) {
        QCOMPARE(FrameTables::film1PictureNo(n), 0);
        if (n != 37)
            QCOMPARE(FrameTables::film2PictureNo(n), 0);
    }
    QCOMPARE(FrameTables::film2PictureNo(37), 87);
    for (qint32 p = 37; p <= 50; ++p)
        QVERIFY(!FrameTables::isPictureNo(p));
    QCOMPARE(FrameTables::pictureNoAt(0), 1);
    QCOMPARE(FrameTables::pictureNoAt(35), 36);
    QCOMPARE(FrameTables::pictureNoAt(36), 51);
    QCOMPARE(FrameTables::pictureNoAt(73), 88);
}

QTEST_APPLESS_MAIN(TestPictureCore)
#include "tst_picturecore.moc"
