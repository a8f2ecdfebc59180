#include "resulttable.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>

void ResultTable::add(Row row)
{
    rows_.push_back(std::move(row));
}

void ResultTable::addUnmeasured(const QString &figure, const QString &target)
{
    add({figure, QStringLiteral("n/a"), QStringLiteral("n/a"), QStringLiteral("n/a"), target, false});
}

void ResultTable::print() const
{
    const QStringList header{QStringLiteral("Figure"), QStringLiteral("Measured"),
                             QStringLiteral("Floor"), QStringLiteral("vs floor"),
                             QStringLiteral("Target"), QStringLiteral("Result")};
    std::vector<QStringList> lines{header};
    for (const Row &r : rows_)
        lines.push_back({r.figure, r.measured, r.floor, r.comparison, r.target,
                         r.met ? QStringLiteral("OK") : QStringLiteral("MISSED")});

    std::vector<qsizetype> widths(size_t(header.size()), 0);
    for (const QStringList &line : lines)
        for (qsizetype c = 0; c < line.size(); ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], line[c].size());

    const auto printLine = [&](const QStringList &line) {
        QString text;
        for (qsizetype c = 0; c < line.size(); ++c)
            text += line[c].leftJustified(widths[size_t(c)] + 2);
        std::printf("%s\n", qPrintable(text.trimmed()));
    };
    printLine(lines.front());
    qsizetype total = 0;
    for (qsizetype w : widths)
        total += w + 2;
    std::printf("%s\n", qPrintable(QString(total - 2, QLatin1Char('-'))));
    for (size_t i = 1; i < lines.size(); ++i)
        printLine(lines[i]);
    std::fflush(stdout);
}

int ResultTable::missedCount() const
{
    return int(std::count_if(rows_.begin(), rows_.end(), [](const Row &r) { return !r.met; }));
}
