#include "kalmoraapplication.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <exception>

KalmoraApplication::KalmoraApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    // Fusion looks the same on every desktop. The window layout was made for
    // an 8 pt sans serif with Arial's metrics; fontconfig would map a generic
    // request to the much wider DejaVu Sans, so the family is named.
    setStyle(QStringLiteral("Fusion"));
    setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    setWindowIcon(QIcon(QStringLiteral(":/resources/kalmora.ico")));
}

bool KalmoraApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        showError(QString::fromUtf8(e.what()));
    } catch (...) {
        showError(unknownErrorMessage());
    }
    return false;
}

void KalmoraApplication::showError(const QString &message)
{
    QMessageBox::critical(nullptr, applicationName(), message);
}

QString KalmoraApplication::unknownErrorMessage()
{
    return QStringLiteral("Unbekannter Fehler – das Programm kann nicht fortgesetzt werden.");
}
