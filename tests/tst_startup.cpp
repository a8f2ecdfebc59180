// Start-up: the order the windows are made in, and a failed start.

#include "infowindow.h"
#include "mainwindow.h"
#include "startup.h"
#include "testsupport.h"

#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void createsWindowsInOrderAndEndsWithZero();
    void failedStartShowsOneBoxAndReturnsOne_data();
    void failedStartShowsOneBoxAndReturnsOne();
    void failureInEventHandlerIsReportedAndLoopGoesOn();
};

namespace {
// Fails in its event handler, as a slot or handler of the program might.
class FailingObject : public QObject
{
public:
    bool standardException = true;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (standardException)
            throw std::runtime_error("Zeichnen fehlgeschlagen");
        throw 7;
    }
};
} // namespace

void TestStartup::createsWindowsInOrderAndEndsWithZero()
{
    QStringList created;
    bool mainVisible = false;
    bool infoHidden = false;
    bool infoIsGlobal = false;

    QTimer::singleShot(0, [&] {
        mainVisible = Form1 && Form1->isVisible();
        infoHidden = FormInfoHilfe && !FormInfoHilfe->isVisible();
        infoIsGlobal = FormInfoHilfe != nullptr;
        Form1->close();
    });
    const int status = runKalmora({
        [&] {
            created << "main";
            return std::make_unique<TForm1>();
        },
        [&] {
            created << (Form1 ? "info" : "info before Form1 was set");
            return std::make_unique<TFormInfoHilfe>();
        },
    });

    QCOMPARE(status, 0);
    QCOMPARE(created, QStringList({"main", "info"}));
    QVERIFY(mainVisible);
    QVERIFY(infoIsGlobal);
    QVERIFY(infoHidden);
    QVERIFY(!Form1);
    QVERIFY(!FormInfoHilfe);
}

void TestStartup::failedStartShowsOneBoxAndReturnsOne_data()
{
    QTest::addColumn<QString>("failingWindow");
    QTest::addColumn<bool>("standardException");
    QTest::addColumn<QString>("message");

    QTest::newRow("main window") << "main" << true << "Bild Image07 fehlt: äöüß";
    QTest::newRow("info window") << "info" << true << "Infofenster kaputt";
    QTest::newRow("not a std::exception")
        << "main" << false << "Unbekannter Fehler – das Programm kann nicht fortgesetzt werden.";
}

void TestStartup::failedStartShowsOneBoxAndReturnsOne()
{
    QFETCH(QString, failingWindow);
    QFETCH(bool, standardException);
    QFETCH(QString, message);

    auto fail = [&] {
        if (standardException)
            throw std::runtime_error(message.toStdString());
        throw 42;
    };
    bool infoCreated = false;
    bool windowShownAtBox = true;
    const ModalCloser closer([&](QWidget *) {
        windowShownAtBox = false;
        for (QWidget *w : QApplication::topLevelWidgets())
            windowShownAtBox |= w->isVisible() && !qobject_cast<QMessageBox *>(w);
    });

    const int status = runKalmora({
        [&] {
            if (failingWindow == "main")
                fail();
            return std::make_unique<TForm1>();
        },
        [&] {
            infoCreated = true;
            if (failingWindow == "info")
                fail();
            return std::make_unique<TFormInfoHilfe>();
        },
    });

    QCOMPARE(status, 1);
    QCOMPARE(closer.texts, QStringList{message});
    QVERIFY(!windowShownAtBox);
    QCOMPARE(infoCreated, failingWindow == "info");
}

void TestStartup::failureInEventHandlerIsReportedAndLoopGoesOn()
{
    FailingObject failing;
    const ModalCloser closer;

    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QTRY_COMPARE(closer.texts, QStringList{"Zeichnen fehlgeschlagen"});

    failing.standardException = false;
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QTRY_COMPARE(closer.texts.size(), 2);
    QCOMPARE(closer.texts.last(), QStringLiteral("Unbekannter Fehler – das Programm kann nicht fortgesetzt werden."));

    // The loop still delivers events afterwards.
    bool loopWentOn = false;
    QTimer::singleShot(0, [&] { loopWentOn = true; });
    QTRY_VERIFY(loopWentOn);
}

KALMORA_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
