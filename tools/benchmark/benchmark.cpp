#include "benchmark.h"

#include "processclock.h"

#include "frametables.h"
#include "mainwindow.h"
#include "picturestore.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QRadioButton>
#include <malloc.h>
#include <sys/mman.h>
#include <cstdio>
#include <cstring>
#include <memory>

using ProcessClock::median;

namespace {
constexpr int StartupRuns = 15;
constexpr int RestoringRuns = 11;
constexpr int FrameCalls = 1000;
constexpr int StartupTimeoutMs = 60'000;
constexpr int PlayTimeoutMs = 60'000;

constexpr double StartupRatioTarget = 2.0;
constexpr double RestoringRatioTarget = 3.0;
constexpr double FrameRatioTarget = 2.0;
constexpr double MemoryExtraTargetMiB = 20.0;
constexpr double PlayingShareTarget = 5.0; // percent of one core
constexpr qint64 ExecutableSizeTarget = 3'000'000;

QString ms(double ns) { return QStringLiteral("%1 ms").arg(ns / 1e6, 0, 'f', 2); }
QString us(double ns) { return QStringLiteral("%1 us").arg(ns / 1e3, 0, 'f', 1); }
QString mib(double kib) { return QStringLiteral("%1 MiB").arg(kib / 1024, 0, 'f', 1); }
QString times(double ratio) { return QStringLiteral("%1x").arg(ratio, 0, 'f', 2); }
QString percent(double share) { return QStringLiteral("%1 %").arg(share, 0, 'f', 2); }

// Keeps the compiler from dropping a copy whose result is never read.
volatile char sink;

void progress(const char *what)
{
    std::fprintf(stderr, "measuring %s ...\n", what);
}
} // namespace

Benchmark::Benchmark(const QString &selfPath, const QString &viewerPath)
    : probe_(selfPath)
    , viewerPath_(viewerPath)
{
}

void Benchmark::run()
{
    measureStartupAndMemory();
    measureRestoring();
    measureFrame();
    measurePlaying();
    measureExecutable();
    std::printf("\n");
    table_.print();
    const int missed = table_.missedCount();
    std::printf("\n%s\n", missed == 0 ? "All targets met."
                                      : qPrintable(QStringLiteral("%1 target(s) MISSED.").arg(missed)));
}

// Start-up and memory come from the same children: each reports the moment
// its main window's first paint was handled and its peak memory by then.
void Benchmark::measureStartupAndMemory()
{
    progress("start-up and memory");
    std::vector<qint64> viewerNs, bareNs, viewerKiB, bareKiB;
    // One unrecorded run each first, so both find the libraries in the page cache.
    for (int i = -1; i < StartupRuns; ++i) {
        for (const bool viewer : {true, false}) {
            const auto report = probe_.run(viewer ? QStringLiteral("viewer") : QStringLiteral("bare"),
                                           QStringLiteral("startup"), StartupTimeoutMs);
            if (!report || report->value(QStringLiteral("paint_ns")) < 0) {
                table_.addUnmeasured(QStringLiteral("start-up"), QStringLiteral("<= 2.00x"));
                table_.addUnmeasured(QStringLiteral("memory at first paint"), QStringLiteral("<= +20 MiB"));
                return;
            }
            if (i < 0)
                continue;
            (viewer ? viewerNs : bareNs).push_back(report->value(QStringLiteral("paint_ns")) - report->launchNs);
            (viewer ? viewerKiB : bareKiB).push_back(report->value(QStringLiteral("peak_rss_kib")));
        }
    }
    const double viewer = median(viewerNs), bare = median(bareNs);
    table_.add({QStringLiteral("start-up (to first paint)"), ms(viewer), ms(bare), times(viewer / bare),
                QStringLiteral("<= %1x").arg(StartupRatioTarget, 0, 'f', 2),
                viewer / bare <= StartupRatioTarget});

    const double viewerMem = median(viewerKiB), bareMem = median(bareKiB);
    const double extraMiB = (viewerMem - bareMem) / 1024;
    table_.add({QStringLiteral("memory at first paint (peak RSS)"), mib(viewerMem), mib(bareMem),
                QStringLiteral("%1%2 MiB").arg(extraMiB >= 0 ? "+" : "").arg(extraMiB, 0, 'f', 1),
                QStringLiteral("<= +%1 MiB").arg(MemoryExtraTargetMiB, 0, 'f', 0),
                extraMiB <= MemoryExtraTargetMiB});
}

// The constructor's restoring pass: load every stored picture, then restore
// each in the same order with the window's own step. The floor copies as
// many bytes into fresh memory, page faults included.
void Benchmark::measureRestoring()
{
    progress("restoring pass");
    TForm1 form;
    qsizetype bytes = 0;
    std::vector<qint64> passNs, copyNs;
    std::vector<char> source;
    for (int run = 0; run < RestoringRuns; ++run) {
        // At start-up the pictures land in memory the process never touched;
        // handing freed memory back first keeps it so on every run.
        malloc_trim(0);
        const qint64 t0 = ProcessClock::nowNs();
        auto store = std::make_unique<PictureStore>();
        for (int i = 0; i < FrameTables::PictureCount; ++i) {
            const qint32 p = FrameTables::pictureNoAt(i);
            form.DescramblePicture(store->picture(p), p);
        }
        passNs.push_back(ProcessClock::nowNs() - t0);
        if (bytes == 0)
            for (int i = 0; i < FrameTables::PictureCount; ++i)
                bytes += store->picture(FrameTables::pictureNoAt(i)).sizeInBytes();
        store.reset();

        source.assign(size_t(bytes), char(run));
        const qint64 t1 = ProcessClock::nowNs();
        void *target = mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (target == MAP_FAILED) {
            table_.addUnmeasured(QStringLiteral("restoring pass (74 pictures)"), QStringLiteral("<= 3.00x"));
            return;
        }
        std::memcpy(target, source.data(), size_t(bytes));
        copyNs.push_back(ProcessClock::nowNs() - t1);
        sink = static_cast<const char *>(target)[bytes - 1];
        munmap(target, size_t(bytes));
    }
    const double pass = median(passNs), copy = median(copyNs);
    table_.add({QStringLiteral("restoring pass (74 pictures)"), ms(pass),
                QStringLiteral("%1 (memcpy %2 MiB)").arg(ms(copy)).arg(double(bytes) / (1 << 20), 0, 'f', 1),
                times(pass / copy), QStringLiteral("<= %1x").arg(RestoringRatioTarget, 0, 'f', 2),
                pass / copy <= RestoringRatioTarget});
}

// ShowFrame against a bare drawImage of the same picture onto an image of
// the window's size, call by call in turn so that drift hits both alike.
void Benchmark::measureFrame()
{
    progress("one frame");
    TForm1 form;
    form.show();
    QApplication::processEvents();
    auto *film1 = form.findChild<QRadioButton *>(QStringLiteral("RadioButton0"));
    if (!film1) {
        table_.addUnmeasured(QStringLiteral("one frame (ShowFrame)"), QStringLiteral("<= 2.00x"));
        return;
    }
    film1->click();
    QApplication::processEvents();

    QImage target(form.size(), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    std::vector<qint64> showNs, drawNs;
    for (int i = 0; i < FrameCalls; ++i) {
        const qint32 n = 1 + i % FrameTables::Film1FrameCount;
        const qint64 t0 = ProcessClock::nowNs();
        form.ShowFrame(n);
        const qint64 t1 = ProcessClock::nowNs();
        QPainter painter(&target);
        painter.drawImage(QPoint(10, 10), form.Pictures().picture(FrameTables::film1PictureNo(n)));
        painter.end();
        const qint64 t2 = ProcessClock::nowNs();
        showNs.push_back(t1 - t0);
        drawNs.push_back(t2 - t1);
    }
    const double show = median(showNs), draw = median(drawNs);
    table_.add({QStringLiteral("one frame (ShowFrame)"), us(show), us(draw), times(show / draw),
                QStringLiteral("<= %1x").arg(FrameRatioTarget, 0, 'f', 2), show / draw <= FrameRatioTarget});
}

// CPU time over a stretch of playback of film I at speed 1, as a share of
// one core; the bare window idling over the same stretch is the floor.
void Benchmark::measurePlaying()
{
    progress("playing (two children, about 12 s each)");
    const auto viewer = probe_.run(QStringLiteral("viewer"), QStringLiteral("play"), PlayTimeoutMs);
    const auto bare = probe_.run(QStringLiteral("bare"), QStringLiteral("play"), PlayTimeoutMs);
    const auto share = [](const ChildProbe::Report &r) {
        return 100.0 * double(r.value(QStringLiteral("cpu_ns"))) / double(r.value(QStringLiteral("wall_ns")));
    };
    if (!viewer || !bare || viewer->value(QStringLiteral("wall_ns")) <= 0
        || bare->value(QStringLiteral("wall_ns")) <= 0) {
        table_.addUnmeasured(QStringLiteral("playing film I, speed 1"), QStringLiteral("<= 5 % of a core"));
        return;
    }
    const double played = share(*viewer), idle = share(*bare);
    const double seconds = double(viewer->value(QStringLiteral("wall_ns"))) / 1e9;
    table_.add({QStringLiteral("playing film I, speed 1 (CPU)"),
                QStringLiteral("%1 (%2 paints/s)")
                    .arg(percent(played))
                    .arg(double(viewer->value(QStringLiteral("paints"))) / seconds, 0, 'f', 1),
                QStringLiteral("%1 (idle)").arg(percent(idle)),
                QStringLiteral("%1%2 points").arg(played >= idle ? "+" : "").arg(played - idle, 0, 'f', 2),
                QStringLiteral("<= %1 of a core").arg(percent(PlayingShareTarget)),
                played <= PlayingShareTarget});
}

void Benchmark::measureExecutable()
{
    const QFileInfo info(viewerPath_);
    if (!info.isFile()) {
        std::fprintf(stderr, "no executable at %s\n", qPrintable(viewerPath_));
        table_.addUnmeasured(QStringLiteral("executable size"), QStringLiteral("< 3 MB"));
        return;
    }
    const double mb = double(info.size()) / 1e6;
    table_.add({QStringLiteral("executable size (%1)").arg(info.fileName()),
                QStringLiteral("%1 MB").arg(mb, 0, 'f', 2), QStringLiteral("-"), QStringLiteral("-"),
                QStringLiteral("< %1 MB").arg(double(ExecutableSizeTarget) / 1e6, 0, 'f', 0),
                info.size() < ExecutableSizeTarget});
}
