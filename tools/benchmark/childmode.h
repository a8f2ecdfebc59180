#pragma once

#include <QString>

class QWidget;

// The benchmark started again as its own child: builds one window the way
// the program does (the viewer) or only the controls from the same form
// (the bare window), and prints what it measured as "key=value" lines.
class ChildMode
{
public:
    // Task "startup": report the first paint of the main window and exit.
    // Task "play": after the first paint, play film I at speed 1 (the viewer)
    // or stay idle (the bare window) and report the CPU time used.
    ChildMode(const QString &kind, const QString &task);

    // The command-line switch that selects this mode.
    static QString option() { return QStringLiteral("--child"); }

    int run(const char *programPath);

private:
    int runViewer();
    int runBare();
    void firstPaintHandled(QWidget *window);
    void startPlaying(QWidget *window);
    void measurePlayback();

    QString kind_;
    QString task_;
    class PaintWatcher *watcher_ = nullptr;
};
