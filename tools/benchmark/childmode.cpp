#include "childmode.h"

#include "paintwatcher.h"
#include "processclock.h"
#include "ui_mainwindow.h"

#include "infowindow.h"
#include "kalmoraapplication.h"
#include "mainwindow.h"
#include "startup.h"

#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <cstdio>

namespace {
// Lets the speed change reach the timer (the first tick is up to a second
// away) before the measured stretch begins.
constexpr int SettleMs = 1500;
constexpr int MeasuredMs = 10000;

void report(const char *key, qint64 value)
{
    std::printf("%s=%lld\n", key, static_cast<long long>(value));
    std::fflush(stdout);
}
} // namespace

ChildMode::ChildMode(const QString &kind, const QString &task)
    : kind_(kind)
    , task_(task)
{
}

int ChildMode::run(const char *programPath)
{
    // As main() does: Qt gets the program name only.
    char *qtArgv[] = {const_cast<char *>(programPath), nullptr};
    int qtArgc = 1;
    KalmoraApplication app(qtArgc, qtArgv);
    PaintWatcher watcher;
    watcher_ = &watcher;
    if (kind_ == QLatin1String("viewer"))
        return runViewer();
    if (kind_ == QLatin1String("bare"))
        return runBare();
    std::fprintf(stderr, "unknown child kind %s\n", qPrintable(kind_));
    return 2;
}

int ChildMode::runViewer()
{
    // The program's own start-up, with the watcher on the main window.
    WindowFactory factory = defaultWindowFactory();
    auto createMain = factory.createMainWindow;
    factory.createMainWindow = [this, createMain] {
        std::unique_ptr<TForm1> window = createMain();
        window->installEventFilter(watcher_);
        QObject::connect(watcher_, &PaintWatcher::firstPaintHandled, window.get(),
                         [this, w = window.get()] { firstPaintHandled(w); });
        return window;
    };
    return runKalmora(factory);
}

int ChildMode::runBare()
{
    QWidget window;
    Ui::TForm1 ui;
    ui.setupUi(&window);
    window.installEventFilter(watcher_);
    QObject::connect(watcher_, &PaintWatcher::firstPaintHandled, &window,
                     [this, &window] { firstPaintHandled(&window); });
    window.show();
    return QApplication::exec();
}

void ChildMode::firstPaintHandled(QWidget *window)
{
    report("paint_ns", ProcessClock::nowNs());
    report("peak_rss_kib", ProcessClock::peakRssKiB());
    if (task_ == QLatin1String("play")) {
        startPlaying(window);
        QTimer::singleShot(SettleMs, window, [this] { measurePlayback(); });
    } else {
        QApplication::quit();
    }
}

void ChildMode::startPlaying(QWidget *window)
{
    if (kind_ != QLatin1String("viewer"))
        return; // the bare window just idles
    auto *film1 = window->findChild<QRadioButton *>(QStringLiteral("RadioButton0"));
    auto *speed = window->findChild<QSlider *>(QStringLiteral("TrackBarSpeed"));
    if (!film1 || !speed) {
        std::fprintf(stderr, "the main window lacks its film choice or speed slider\n");
        QApplication::exit(3);
        return;
    }
    film1->click();
    speed->setValue(1);
}

void ChildMode::measurePlayback()
{
    const qint64 cpu0 = ProcessClock::cpuNs();
    const qint64 wall0 = ProcessClock::nowNs();
    const int paints0 = watcher_->paintCount();
    QTimer::singleShot(MeasuredMs, [=, this] {
        report("cpu_ns", ProcessClock::cpuNs() - cpu0);
        report("wall_ns", ProcessClock::nowNs() - wall0);
        report("paints", watcher_->paintCount() - paints0);
        QApplication::quit();
    });
}
