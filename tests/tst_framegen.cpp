#include "bmplayout.h"
#include "descrambler.h"
#include "fontset.h"
#include "framegenerator.h"
#include "frametables.h"
#include "storyboard.h"
#include "valvegeometry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

namespace {

QString committedDir() { return QStringLiteral(KALMORA_SOURCE_DIR "/mainwindow/pictures"); }

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFramegen : public QObject
{
    Q_OBJECT

private slots:
    // Regenerating gives the committed files byte for byte: the pictures
    // are deterministic and nobody forgot to regenerate after a change.
    void regeneratedPicturesEqualCommittedOnes()
    {
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const FontSet fonts;
        FrameGenerator(fonts).writeAll(tmp.path(), QString(), QString());
        const QStringList made = QDir(tmp.path()).entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
        QCOMPARE(made.size(), FrameTables::PictureCount);
        for (int i = 0; i < FrameTables::PictureCount; ++i) {
            const QString name = FrameGenerator::fileName(FrameTables::pictureNoAt(i));
            const QByteArray fresh = readFile(QDir(tmp.path()).filePath(name));
            const QByteArray committed = readFile(QDir(committedDir()).filePath(name));
            QVERIFY2(!fresh.isEmpty(), qPrintable(name));
            QVERIFY2(fresh == committed, qPrintable(name + QStringLiteral(" differs from the committed file;"
                                                                         " run the target regenerate-pictures")));
        }
    }

    // Every committed picture is a valid stored picture: right layout and
    // size, one colour table per film, tables differ between the films, and
    // the stored rows really are scrambled.
    void committedPicturesAreValidStoredPictures()
    {
        QList<QRgb> tables[2];
        for (int i = 0; i < FrameTables::PictureCount; ++i) {
            const qint32 no = FrameTables::pictureNoAt(i);
            const QString name = FrameGenerator::fileName(no);
            const QByteArray file = readFile(QDir(committedDir()).filePath(name));
            QCOMPARE(file.size(), BmpLayout::fileSize(FrameTables::PictureWidth, FrameTables::pictureHeight(no)));
            QString error;
            const QImage stored = BmpLayout::decode(file, &error);
            QVERIFY2(!stored.isNull(), qPrintable(name + QStringLiteral(": ") + error));
            QCOMPARE(stored.width(), FrameTables::PictureWidth);
            QCOMPARE(stored.height(), FrameTables::pictureHeight(no));
            QCOMPARE(BmpLayout::encode(stored), file);

            const int film = FrameTables::isFilm1Picture(no) ? 0 : 1;
            if (tables[film].isEmpty())
                tables[film] = stored.colorTable();
            QVERIFY2(stored.colorTable() == tables[film], qPrintable(name + QStringLiteral(": own colour table")));

            const QImage plain = Descrambler::descramblePicture(stored, no);
            int differing = 0;
            for (int y = 0; y < plain.height(); ++y)
                differing += std::memcmp(plain.constScanLine(y), stored.constScanLine(y), size_t(plain.width())) != 0;
            // A row whose two segments happen to hold the same bytes (flat
            // background) stays the same; most rows must change.
            QVERIFY2(differing > plain.height() / 2, qPrintable(name + QStringLiteral(": rows not scrambled")));
        }
        QVERIFY(tables[0] != tables[1]);
    }

    // The storyboard rows match the films and the piston codes give the
    // valve states they stand for.
    void storyboardRowsAreConsistent()
    {
        const Film f1 = Storyboard::film1(), f2 = Storyboard::film2();
        QCOMPARE(f1.frameCount(), FrameTables::Film1FrameCount);
        QCOMPARE(f2.frameCount(), FrameTables::Film2FrameCount);
        QCOMPARE(f1.height, FrameTables::Film1PictureHeight);
        QCOMPARE(f2.height, FrameTables::Film2PictureHeight);
        for (const Film &f : {f1, f2}) {
            // The loop jumps from the last frame back to frame 2: both ends
            // show the rest position.
            for (const FrameRow &r : {f.rows.first(), f.rows.last()}) {
                const ValveGeometry g(r);
                QCOMPARE(r.pedal, 0);
                QVERIFY(!g.inlet1Open() && g.outlet1Open() && !g.inlet2Open() && g.outlet2Open());
                QCOMPARE(r.labels, unsigned(LabelAll));
                QVERIFY(!r.leaking && !r.lamp1 && !r.lamp2);
            }
            for (int n = 1; n <= f.frameCount(); ++n) {
                const FrameRow &r = f.rows[n - 1];
                const ValveGeometry g(r);
                const QString where = QStringLiteral("film %1 frame %2").arg(f.number).arg(n);
                // An inlet and the outlet of the same circuit are never open together.
                QVERIFY2(!(g.inlet1Open() && g.outlet1Open()), qPrintable(where));
                QVERIFY2(!(g.inlet2Open() && g.outlet2Open()), qPrintable(where));
                // Air escapes only while the leaking circuit's inlet is open.
                const bool inletOpen = f.leakCircuit == 1 ? g.inlet1Open() : g.inlet2Open();
                if (r.leaking)
                    QVERIFY2(inletOpen, qPrintable(where));
                // The pins reach the relay piston exactly in the contact states.
                QCOMPARE(g.pinEnd() >= g.relayTop(), g.touching());
            }
        }
    }
};

QTEST_MAIN(TestFramegen)
#include "tst_framegen.moc"
