#pragma once

#include <QString>
#include <vector>

// The printed result: one row per figure, its floor and whether the target
// was met.
class ResultTable
{
public:
    struct Row
    {
        QString figure;
        QString measured;
        QString floor;
        QString comparison; // ratio or difference to the floor
        QString target;
        bool met = false;
    };

    void add(Row row);
    // A figure that could not be measured counts as missed.
    void addUnmeasured(const QString &figure, const QString &target);
    void print() const;
    int missedCount() const;

private:
    std::vector<Row> rows_;
};
