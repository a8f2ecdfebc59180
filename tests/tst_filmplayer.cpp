// The film player: choosing, stepping, stopping by hand and resuming. Ticks
// are driven by calling the handler, not by waiting.

#include "infowindow.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QRadioButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QTest>

namespace {

// A main window with its controls and a log of every frame that lands on
// the canvas, in order.
struct Player
{
    TForm1 form;
    FrameIdentifier frames{form};
    QSlider *position = form.findChild<QSlider *>("TrackBarPos");
    QSlider *speed = form.findChild<QSlider *>("TrackBarSpeed");
    QRadioButton *film1 = form.findChild<QRadioButton *>("RadioButton0");
    QRadioButton *film2 = form.findChild<QRadioButton *>("RadioButton1");
    QList<int> drawn;

    Player()
    {
        // Connected after the window's own handler, so it sees what that drew.
        QObject::connect(position, &QSlider::valueChanged, position, [this] { record(); });
    }

    void record() { drawn << frames.shownFrame(form, form.FilmNo); }
    void tick()
    {
        const QImage before = form.canvas();
        form.Timer1Timer();
        if (form.canvas() != before)
            record();
    }
    int shown() const { return frames.shownFrame(form, form.FilmNo); }
};

QList<int> range(int from, int to)
{
    QList<int> r;
    for (int i = from; i <= to; ++i)
        r << i;
    return r;
}

} // namespace

class TestFilmPlayer : public QObject
{
    Q_OBJECT

private slots:
    void firstFilmAfterStartup_data();
    void firstFilmAfterStartup();
    void switchWithSliderAtOneDrawsNothingUntilTick();
    void stopAndResume();
    void filmTwoToOneWithSliderAboveNewEnd_data();
    void filmTwoToOneWithSliderAboveNewEnd();
    void filmOneToTwoDrawsOnlyFrameOne();
    void tickSetsIntervalFromSpeed_data();
    void tickSetsIntervalFromSpeed();
    void selectedFilmClickedAgainChangesNothing();
    void keyboardChoosesFilm();
    void arrowKeysMoveSliders();
    void playsOnWhileInfoWindowIsOpen();
    void randomEvents();
};

void TestFilmPlayer::firstFilmAfterStartup_data()
{
    QTest::addColumn<bool>("secondFilm");
    QTest::newRow("film I") << false;
    QTest::newRow("film II") << true;
}

void TestFilmPlayer::firstFilmAfterStartup()
{
    QFETCH(bool, secondFilm);
    Player p;
    auto *label = p.form.findChild<QWidget *>("Label1");

    (secondFilm ? p.film2 : p.film1)->click();
    const int count = secondFilm ? 38 : 36;
    QCOMPARE(p.form.FrameCount, count);
    QCOMPARE(p.form.FilmNo, secondFilm ? 5 : 0);
    QVERIFY(p.position->isEnabled());
    QVERIFY(p.speed->isEnabled());
    QVERIFY(label->isHidden());
    QCOMPARE(p.position->maximum(), count);
    QCOMPARE(p.position->value(), 1);
    QCOMPARE(p.drawn, QList<int>{1});
    QCOMPARE(p.form.FrameNo, 1);
    QCOMPARE(p.form.Playing, 1);

    // Frames 2..N, then 2 again; playback never moves the slider.
    for (int i = 0; i < count + 1; ++i)
        p.tick();
    QCOMPARE(p.drawn, QList<int>{1} + range(2, count) + range(2, 3));
    QCOMPARE(p.position->value(), 1);
}

void TestFilmPlayer::switchWithSliderAtOneDrawsNothingUntilTick()
{
    Player p;
    p.film1->click();
    for (int i = 0; i < 5; ++i)
        p.tick();
    p.drawn.clear();

    p.film2->click();
    QVERIFY(p.drawn.isEmpty());
    QCOMPARE(p.shown(), FrameIdentifier::Blank);
    QCOMPARE(p.form.Playing, 1);
    p.tick();
    QCOMPARE(p.drawn, QList<int>{2});
    QCOMPARE(p.shown(), 2);
}

void TestFilmPlayer::stopAndResume()
{
    Player p;
    p.film1->click();
    for (int i = 0; i < 9; ++i)
        p.tick();
    QCOMPARE(p.form.FrameNo, 10);
    p.drawn.clear();

    // Dragging through 23, 24, 25 draws each and stops.
    for (int v : {23, 24, 25})
        p.position->setValue(v);
    QCOMPARE(p.drawn, QList<int>({23, 24, 25}));
    QCOMPARE(p.form.Playing, 0);
    QCOMPARE(p.form.FrameNo, 10);
    p.tick();
    p.tick();
    QCOMPARE(p.shown(), 25);

    // Pressing the thumb without a change resumes nothing; a new speed does,
    // from the frame playback had reached.
    p.speed->setValue(p.speed->value());
    QCOMPARE(p.form.Playing, 0);
    p.speed->setValue(p.speed->value() + 1);
    QCOMPARE(p.form.Playing, 1);
    p.tick();
    p.tick();
    QCOMPARE(p.drawn, QList<int>({23, 24, 25, 11, 12}));
}

void TestFilmPlayer::filmTwoToOneWithSliderAboveNewEnd_data()
{
    QTest::addColumn<int>("slider");
    QTest::newRow("37") << 37;
    QTest::newRow("38") << 38;
}

void TestFilmPlayer::filmTwoToOneWithSliderAboveNewEnd()
{
    QFETCH(int, slider);
    Player p;
    p.film2->click();
    p.position->setValue(slider);
    p.drawn.clear();

    // The lowered maximum pulls the slider to 36 (frame 36 of film I), then
    // the start puts it on 1.
    p.film1->click();
    QCOMPARE(p.drawn, QList<int>({36, 1}));
    QCOMPARE(p.position->value(), 1);
    QCOMPARE(p.form.Playing, 1);
    p.tick();
    QCOMPARE(p.drawn.last(), 2);
}

void TestFilmPlayer::filmOneToTwoDrawsOnlyFrameOne()
{
    Player p;
    p.film1->click();
    p.position->setValue(30);
    p.drawn.clear();

    p.film2->click();
    QCOMPARE(p.drawn, QList<int>{1});
    QCOMPARE(p.position->maximum(), 38);
    // Nothing of film I is left below film II's shorter pictures.
    const QColor window = p.form.palette().color(QPalette::Window);
    for (int x = 0; x < 722; x += 7) {
        QCOMPARE(p.form.canvas().pixelColor(x, 438), window);
        QCOMPARE(p.form.canvas().pixelColor(x, 439), window);
    }
}

void TestFilmPlayer::tickSetsIntervalFromSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    QTest::newRow("1") << 1 << 25;
    QTest::newRow("8") << 8 << 200;
    QTest::newRow("20") << 20 << 500;
}

void TestFilmPlayer::tickSetsIntervalFromSpeed()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    Player p;
    p.film1->click();
    p.tick();
    QCOMPARE(p.form.Timer1->interval(), 200);

    // A new speed takes effect at the next tick, not before.
    p.speed->setValue(speed);
    QCOMPARE(p.form.Timer1->interval(), 200);
    p.tick();
    QCOMPARE(p.form.Timer1->interval(), interval);
    QVERIFY(p.form.Timer1->isActive());

    // Idle or stopped, a tick only sets the interval.
    Player idle;
    idle.speed->setValue(speed);
    idle.form.Playing = 0;
    idle.tick();
    QCOMPARE(idle.form.Timer1->interval(), interval);
    QVERIFY(idle.drawn.isEmpty());
    QCOMPARE(idle.form.FrameNo, 0);
}

void TestFilmPlayer::selectedFilmClickedAgainChangesNothing()
{
    Player p;
    p.film1->click();
    for (int i = 0; i < 4; ++i)
        p.tick();
    p.position->setValue(20);
    const QImage canvas = p.form.canvas();

    p.film1->click();
    QVERIFY(p.film1->isChecked());
    QCOMPARE(p.form.FrameNo, 5);
    QCOMPARE(p.form.Playing, 0);
    QCOMPARE(p.position->value(), 20);
    QCOMPARE(p.form.canvas(), canvas);
}

void TestFilmPlayer::keyboardChoosesFilm()
{
    Player p;
    p.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form));
    p.film1->setFocus();
    QTest::keyClick(p.film1, Qt::Key_Space);
    QCOMPARE(p.form.FrameCount, 36);
    QCOMPARE(p.drawn, QList<int>{1});

    // The arrow key moves the choice to the other film.
    QTest::keyClick(p.film1, Qt::Key_Down);
    QVERIFY(p.film2->isChecked());
    QCOMPARE(p.form.FrameCount, 38);
    QCOMPARE(p.form.FilmNo, 5);
}

// With the keyboard the sliders stop and resume the film as with the mouse.
void TestFilmPlayer::arrowKeysMoveSliders()
{
    Player p;
    p.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form));
    p.film1->click();
    p.tick();
    p.tick();
    p.drawn.clear();

    p.position->setFocus();
    QTest::keyClick(p.position, Qt::Key_Right);
    QTest::keyClick(p.position, Qt::Key_Right);
    QCOMPARE(p.drawn, QList<int>({2, 3}));
    QCOMPARE(p.form.Playing, 0);
    QTest::keyClick(p.position, Qt::Key_End);
    QCOMPARE(p.shown(), 36);

    p.speed->setFocus();
    QTest::keyClick(p.speed, Qt::Key_Left);
    QCOMPARE(p.speed->value(), 7);
    QCOMPARE(p.form.Playing, 1);
    p.tick();
    QCOMPARE(p.shown(), 4);
}

void TestFilmPlayer::playsOnWhileInfoWindowIsOpen()
{
    Player p;
    TFormInfoHilfe info;
    FormInfoHilfe = &info;
    p.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form));
    p.film1->click();
    p.speed->setValue(1);
    p.form.Timer1->start(25);

    int framesWhileOpen = 0;
    const ModalCloser closer([&](QWidget *) {
        const int before = p.form.FrameNo;
        QTest::qWait(400);
        framesWhileOpen = p.form.FrameNo - before;
    });
    p.form.BitBtn2Click();
    FormInfoHilfe = nullptr;

    QCOMPARE(closer.dialogs.size(), 1);
    QVERIFY2(framesWhileOpen >= 4, qPrintable(QString::number(framesWhileOpen)));
    QCOMPARE(p.form.Playing, 1);
}

// Thousands of random user events, checked against a model of the player
// after each one.
void TestFilmPlayer::randomEvents()
{
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    Player p;
    p.form.Timer1->stop();

    // The model.
    int film = -1, count = 0, frameNo = 0, playing = 0, lastDrawn = FrameIdentifier::Blank;
    int sliderValue = 2, sliderMax = 10, speedValue = 8;

    for (int step = 0; step < 4000; ++step) {
        // Mostly ticks, so playback runs long enough to wrap around.
        const int roll = int(random.bounded(100));
        const int event = film < 0 ? roll % 2 : roll < 4 ? 0 : roll < 8 ? 1 : roll < 20 ? 2 : roll < 30 ? 3 : 4;
        QString what;
        if (event == 0 || event == 1) {
            const int chosen = event == 0 ? 0 : 5;
            what = QStringLiteral("choose film %1").arg(chosen);
            (event == 0 ? p.film1 : p.film2)->click();
            if (chosen != film) {
                film = chosen;
                count = film == 0 ? 36 : 38;
                lastDrawn = FrameIdentifier::Blank;
                sliderMax = count;
                if (sliderValue > sliderMax)
                    lastDrawn = sliderValue = sliderMax;
                if (sliderValue != 1)
                    lastDrawn = sliderValue = 1;
                frameNo = 1;
                playing = 1;
            }
        } else if (event == 2) {
            const int v = random.bounded(1, count + 1);
            what = QStringLiteral("position %1").arg(v);
            p.position->setValue(v);
            if (v != sliderValue) {
                sliderValue = lastDrawn = v;
                playing = 0;
            }
        } else if (event == 3) {
            const int v = random.bounded(1, 21);
            what = QStringLiteral("speed %1").arg(v);
            p.speed->setValue(v);
            if (v != speedValue) {
                speedValue = v;
                playing = 1;
            }
        } else {
            what = QStringLiteral("tick");
            p.form.Timer1Timer();
            if (playing == 1) {
                if (frameNo >= count)
                    frameNo = 1;
                lastDrawn = ++frameNo;
            }
        }

        const QString where = QStringLiteral("seed %1, step %2 (%3)").arg(seed).arg(step).arg(what);
        QVERIFY2(p.form.FrameNo == frameNo && p.form.Playing == playing, qPrintable(where));
        QVERIFY2(p.position->value() == sliderValue && p.position->maximum() == sliderMax, qPrintable(where));
        QVERIFY2(p.form.FrameNo >= 1 && p.form.FrameNo <= p.form.FrameCount, qPrintable(where));
        QVERIFY2(p.position->value() >= 1 && p.position->value() <= p.form.FrameCount, qPrintable(where));
        QVERIFY2(p.form.Timer1->interval() == (event == 4 ? 25 * speedValue : p.form.Timer1->interval()),
                 qPrintable(where));
        QVERIFY2(p.shown() == lastDrawn, qPrintable(where + QStringLiteral(": shows %1, expected %2").arg(p.shown()).arg(lastDrawn)));
    }
}

KALMORA_TEST_MAIN(TestFilmPlayer)
#include "tst_filmplayer.moc"
