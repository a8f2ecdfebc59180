#include "startup.h"

#include "infowindow.h"
#include "kalmoraapplication.h"
#include "mainwindow.h"

#include <exception>

WindowFactory defaultWindowFactory()
{
    return {
        [] { return std::make_unique<TForm1>(); },
        [] { return std::make_unique<TFormInfoHilfe>(); },
    };
}

int runKalmora(const WindowFactory &factory)
{
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<TFormInfoHilfe> infoWindow;
    int status = 0;
    bool failed = false;
    QString failure;
    try {
        mainWindow = factory.createMainWindow();
        Form1 = mainWindow.get();
        // The info button only shows this one object, so it exists before
        // the loop starts.
        infoWindow = factory.createInfoWindow();
        FormInfoHilfe = infoWindow.get();
        mainWindow->show();
        status = QApplication::exec();
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
        failed = true;
    } catch (...) {
        failure = KalmoraApplication::unknownErrorMessage();
        failed = true;
    }

    // The windows are destroyed here, so nothing may reach them afterwards.
    Form1 = nullptr;
    FormInfoHilfe = nullptr;
    infoWindow.reset();
    mainWindow.reset();

    if (failed) {
        KalmoraApplication::showError(failure);
        // A failed start must not be reported as success.
        return 1;
    }
    return status;
}
