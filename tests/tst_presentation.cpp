// Drawing one frame of the chosen film at (10, 10).

#include "mainwindow.h"
#include "testsupport.h"

#include <QTest>

class TestPresentation : public QObject
{
    Q_OBJECT

private slots:
    void drawsFramePixelExact_data();
    void drawsFramePixelExact();
    void ignoresNumbersOutsideTheFilm_data();
    void ignoresNumbersOutsideTheFilm();
    void failureShowsOneMessageAndNextFrameDraws();
};

void TestPresentation::drawsFramePixelExact_data()
{
    QTest::addColumn<int>("film");
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("picture");

    QTest::newRow("film I, frame 1") << 0 << 1 << 1;
    QTest::newRow("film I, frame 36") << 0 << 36 << 36;
    QTest::newRow("film II, frame 1") << 5 << 1 << 51;
    QTest::newRow("film II, frame 37") << 5 << 37 << 87;
    QTest::newRow("film II, frame 38") << 5 << 38 << 88;
}

void TestPresentation::drawsFramePixelExact()
{
    QFETCH(int, film);
    QFETCH(int, frame);
    QFETCH(int, picture);

    TForm1 form;
    const QColor window = form.palette().color(QPalette::Window);
    form.fillClientArea(window);
    form.FilmNo = film;
    form.ShowFrame(frame);

    const QImage &source = form.Pictures().picture(picture);
    const QImage expected = source.convertToFormat(QImage::Format_RGB32);
    const QImage drawn = form.canvas().copy(QRect(QPoint(10, 10), source.size())).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn, expected);
    // Unscaled: the rows and columns around the picture keep the background.
    QCOMPARE(form.canvas().pixelColor(9, 9), window);
    QCOMPARE(form.canvas().pixelColor(10 + 510, 10), window);
    QCOMPARE(form.canvas().pixelColor(10, 10 + source.height()), window);
}

void TestPresentation::ignoresNumbersOutsideTheFilm_data()
{
    QTest::addColumn<int>("film");
    QTest::addColumn<int>("frame");

    QTest::newRow("film I, 0") << 0 << 0;
    QTest::newRow("film I, -1") << 0 << -1;
    QTest::newRow("film I, 37") << 0 << 37;
    QTest::newRow("film II, 0") << 5 << 0;
    QTest::newRow("film II, 39") << 5 << 39;
    QTest::newRow("film II, min int") << 5 << std::numeric_limits<int>::min();
    QTest::newRow("film code 3, frame 1") << 3 << 1;
    QTest::newRow("film code 1, frame 1") << 1 << 1;
}

void TestPresentation::ignoresNumbersOutsideTheFilm()
{
    QFETCH(int, film);
    QFETCH(int, frame);

    TForm1 form;
    form.fillClientArea(form.palette().color(QPalette::Window));
    form.FilmNo = 0;
    form.ShowFrame(3);
    const QImage before = form.canvas();

    const ModalCloser closer;
    form.FilmNo = film;
    form.ShowFrame(frame);
    QCoreApplication::processEvents();
    QCOMPARE(form.canvas(), before);
    QVERIFY(closer.texts.isEmpty());
}

void TestPresentation::failureShowsOneMessageAndNextFrameDraws()
{
    TForm1 form;
    form.fillClientArea(form.palette().color(QPalette::Window));
    form.FilmNo = 0;
    const FrameIdentifier frames(form);
    form.Pictures().picture(5) = QImage(); // a damaged store

    // While the message is open the same failure comes again, as from the
    // next timer tick; it must not open a second box.
    int framesDrawnBehindBox = 0;
    const ModalCloser closer([&](QWidget *) {
        form.ShowFrame(5);
        form.ShowFrame(7);
        framesDrawnBehindBox = frames.shownFrame(form, 0);
    });
    form.ShowFrame(5);

    QCOMPARE(closer.texts, QStringList{ErrBitmapDisplay});
    QCOMPARE(framesDrawnBehindBox, 7);

    form.ShowFrame(6);
    QCOMPARE(frames.shownFrame(form, 0), 6);
    QCOMPARE(closer.texts.size(), 1);

    // Once the box is closed, a new failure is reported again.
    form.ShowFrame(5);
    QCOMPARE(closer.texts.size(), 2);
}

KALMORA_TEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
