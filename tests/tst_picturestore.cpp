// The built-in pictures as the program loads and restores them, and what a
// damaged picture does to the start of the program.

#include "bmplayout.h"
#include "descrambler.h"
#include "infowindow.h"
#include "mainwindow.h"
#include "picturename.h"
#include "picturestore.h"
#include "startup.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPictureStore : public QObject
{
    Q_OBJECT

private slots:
    void loadsEveryPicture();
    void windowHoldsRestoredPictures();
    void damagedPictureStopsStartup_data();
    void damagedPictureStopsStartup();
    void unknownPictureNumbers();
};

void TestPictureStore::loadsEveryPicture()
{
    const PictureStore store;
    QList<QRgb> film1Colors, film2Colors;
    for (int i = 0; i < FrameTables::PictureCount; ++i) {
        const qint32 p = FrameTables::pictureNoAt(i);
        const QImage &picture = store.picture(p);
        QCOMPARE(picture.format(), QImage::Format_Indexed8);
        QCOMPARE(picture.colorCount(), 256);
        QCOMPARE(picture.size(), QSize(510, FrameTables::isFilm1Picture(p) ? 430 : 428));
        QList<QRgb> &filmColors = FrameTables::isFilm1Picture(p) ? film1Colors : film2Colors;
        if (filmColors.isEmpty())
            filmColors = picture.colorTable();
        QCOMPARE(picture.colorTable(), filmColors);
    }
    QCOMPARE(FrameTables::pictureName(7), QStringLiteral("Image07"));
    QCOMPARE(FrameTables::pictureName(88), QStringLiteral("Image88"));
}

// The constructor restores every picture once: what the window holds is the
// stored picture descrambled, and differs from it.
void TestPictureStore::windowHoldsRestoredPictures()
{
    const PictureStore stored;
    TForm1 form;
    for (int i = 0; i < FrameTables::PictureCount; ++i) {
        const qint32 p = FrameTables::pictureNoAt(i);
        const QImage &restored = form.Pictures().picture(p);
        QVERIFY(restored != stored.picture(p));
        QCOMPARE(restored, Descrambler::descramblePicture(stored.picture(p), p));
    }
}

void TestPictureStore::damagedPictureStopsStartup_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing" << "fehlt";
    QTest::newRow("truncated") << "truncated" << "zu kurz";
    QTest::newRow("film II size") << "wrong size" << "510 x 428 statt 510 x 430";
    QTest::newRow("not a bitmap") << "garbage" << "keine BMP-Datei";
}

void TestPictureStore::damagedPictureStopsStartup()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (int i = 0; i < FrameTables::PictureCount; ++i) {
        const QString name = FrameTables::pictureName(FrameTables::pictureNoAt(i)) + ".bmp";
        QVERIFY(QFile::copy(":/pictures/" + name, dir.filePath(name)));
        QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    // Picture 7 belongs to film I; a film II picture has two rows fewer.
    QFile file(dir.filePath("Image07.bmp"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    if (damage == "missing") {
        QVERIFY(file.remove());
    } else {
        if (damage == "truncated") {
            bytes.chop(1000);
        } else if (damage == "wrong size") {
            QFile other(":/pictures/Image60.bmp");
            QVERIFY(other.open(QIODevice::ReadOnly));
            bytes = other.readAll();
        } else {
            bytes.fill('x');
        }
        QVERIFY(file.resize(0));
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
    }

    const ModalCloser closer;
    const int status = runKalmora({
        [&] { return std::make_unique<TForm1>(nullptr, dir.path()); },
        [] { return std::make_unique<TFormInfoHilfe>(); },
    });
    QCOMPARE(status, 1);
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY2(closer.texts.first().contains("Image07"), qPrintable(closer.texts.first()));
    QVERIFY2(closer.texts.first().contains(reason), qPrintable(closer.texts.first()));
}

void TestPictureStore::unknownPictureNumbers()
{
    const PictureStore store;
    for (qint32 p : {0, 37, 50, 89, -1})
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, store.picture(p));
}

KALMORA_TEST_MAIN(TestPictureStore)
#include "tst_picturestore.moc"
