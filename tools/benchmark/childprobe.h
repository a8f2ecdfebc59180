#pragma once

#include <QHash>
#include <QString>
#include <optional>

// Starts the benchmark itself in child mode and collects what it reports.
class ChildProbe
{
public:
    struct Report
    {
        qint64 launchNs = 0; // monotonic time just before the process was started
        QHash<QString, qint64> values;

        qint64 value(const QString &key) const { return values.value(key, -1); }
    };

    explicit ChildProbe(QString programPath);

    // Empty when the child failed, timed out or reported nothing.
    std::optional<Report> run(const QString &kind, const QString &task, int timeoutMs) const;

private:
    QString programPath_;
};
