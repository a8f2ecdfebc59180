#pragma once

#include <QObject>

// Watches one window's paint events. firstPaintHandled is queued from the
// first one, so it arrives after that paint event has been fully handled.
class PaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit PaintWatcher(QObject *parent = nullptr);

    int paintCount() const { return paintCount_; }

signals:
    void firstPaintHandled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int paintCount_ = 0;
};
