#include "paintwatcher.h"

#include <QEvent>

PaintWatcher::PaintWatcher(QObject *parent)
    : QObject(parent)
{
}

bool PaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && ++paintCount_ == 1)
        QMetaObject::invokeMethod(this, &PaintWatcher::firstPaintHandled, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}
