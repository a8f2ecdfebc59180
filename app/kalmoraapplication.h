#pragma once

#include <QApplication>

// The application object: sets the program-wide look (style, font, icon) and
// reports a C++ exception that escapes an event handler instead of letting
// it cross Qt's event loop.
class KalmoraApplication : public QApplication
{
    Q_OBJECT

public:
    KalmoraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // The standard error box: the failure's own message, one OK button.
    static void showError(const QString &message);

    // For a failure that carries no message of its own.
    static QString unknownErrorMessage();
};
