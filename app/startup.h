#pragma once

#include <functional>
#include <memory>

class TForm1;
class TFormInfoHilfe;

// How start-up makes the two windows; tests pass their own.
struct WindowFactory
{
    std::function<std::unique_ptr<TForm1>()> createMainWindow;
    std::function<std::unique_ptr<TFormInfoHilfe>()> createInfoWindow;
};

WindowFactory defaultWindowFactory();

// Creates the main window, then the hidden info window, shows the main window
// and runs the event loop until it is closed. Returns 0 after a normal close.
// A failure during start-up is shown in one error box and returns 1; no
// window is shown then. Needs a KalmoraApplication (or QApplication).
int runKalmora(const WindowFactory &factory = defaultWindowFactory());
