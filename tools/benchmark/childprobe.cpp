#include "childprobe.h"

#include "childmode.h"
#include "processclock.h"

#include <QProcess>
#include <cstdio>

ChildProbe::ChildProbe(QString programPath)
    : programPath_(std::move(programPath))
{
}

std::optional<ChildProbe::Report> ChildProbe::run(const QString &kind, const QString &task,
                                                  int timeoutMs) const
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Report report;
    report.launchNs = ProcessClock::nowNs();
    child.start(programPath_, {ChildMode::option(), kind, task});
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        std::fprintf(stderr, "child %s/%s did not finish\n", qPrintable(kind), qPrintable(task));
        return std::nullopt;
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "child %s/%s failed (exit code %d)\n", qPrintable(kind),
                     qPrintable(task), child.exitCode());
        return std::nullopt;
    }
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0)
            report.values.insert(QString::fromLatin1(line.left(eq)), line.mid(eq + 1).toLongLong());
    }
    if (report.values.isEmpty())
        return std::nullopt;
    return report;
}
