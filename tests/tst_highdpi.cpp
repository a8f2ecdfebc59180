// At twice the scale the window doubles in size and the 8-bit frames are
// drawn pixel-doubled, not smoothed.

#include "mainwindow.h"
#include "testsupport.h"

#include <QTest>

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void framesArePixelDoubled();
};

void TestHighDpi::framesArePixelDoubled()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), 2.0);

    form.fillClientArea(form.palette().color(QPalette::Window));
    form.FilmNo = 0;
    form.ShowFrame(14);

    QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    shot.setDevicePixelRatio(1.0);
    QCOMPARE(shot.size(), QSize(1444, 920));
    const QImage picture = form.Pictures().picture(14).convertToFormat(QImage::Format_RGB32);
    const QImage expected = picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(shot.copy(QRect(QPoint(20, 20), expected.size())), expected);
}

KALMORA_TEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
