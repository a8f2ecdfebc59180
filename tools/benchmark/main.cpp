// kalmora-benchmark PATH-TO-KALMORA
// Prints Kalmora's speed and memory figures next to their floors and
// targets. Always exits 0 once it has run: a missed target is reported, not
// failed. Started with --child, it is one of its own measured processes.

#include "benchmark.h"
#include "childmode.h"

#include "kalmoraapplication.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // The windows are never shown to anyone; the children inherit this.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    if (argc == 4 && ChildMode::option() == QLatin1String(argv[1]))
        return ChildMode(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])).run(argv[0]);

    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-KALMORA\n", argc > 0 ? argv[0] : "kalmora-benchmark");
        return 2;
    }
#ifdef KALMORA_BUILD_TYPE
    if (std::strcmp(KALMORA_BUILD_TYPE, "Release") != 0)
        std::fprintf(stderr, "warning: built as '%s', not Release: the figures mean little\n",
                     KALMORA_BUILD_TYPE);
#endif

    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    KalmoraApplication app(qtArgc, qtArgv);
    Benchmark(QCoreApplication::applicationFilePath(), QString::fromLocal8Bit(argv[1])).run();
    return 0;
}
