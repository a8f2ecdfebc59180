#pragma once

#include "childprobe.h"
#include "resulttable.h"

#include <QString>

// Measures each figure next to its floor in the same run, so that the
// machine's own speed and noise cancel out, and prints the table.
class Benchmark
{
public:
    Benchmark(const QString &selfPath, const QString &viewerPath);

    void run();

private:
    void measureStartupAndMemory();
    void measureRestoring();
    void measureFrame();
    void measurePlaying();
    void measureExecutable();

    ChildProbe probe_;
    QString viewerPath_;
    ResultTable table_;
};
