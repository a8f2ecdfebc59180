// The main window as it first shows, its canvas, and the info window.

#include "infowindow.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void sliders_data();
    void sliders();
    void tabAndStackingOrder();
    void startsIdleAfterSpeedHandlerRan();
    void canvasKeepsWhatIsDrawn();
    void infoWindowTexts_data();
    void infoWindowTexts();
    void infoWindowLayout();
    void infoButtonShowsTheOneInfoWindow();
    void accessibleNames();
};

void TestMainWindow::window()
{
    TForm1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Kalmora"));
    QCOMPARE(form.pos(), QPoint(372, 181));
    QCOMPARE(form.size(), QSize(722, 460));
    QCOMPARE(form.minimumSize(), QSize(722, 460));
    QCOMPARE(form.maximumSize(), QSize(722, 460));
    QCOMPARE(form.FrameNo, 0);
    QCOMPARE(form.FrameCount, 0);
    QCOMPARE(form.FilmNo, 0);
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 1000);
    QCOMPARE(form.Timer1->timerType(), Qt::PreciseTimer);
}

void TestMainWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("Label1") << "Label1" << "Form1" << QRect(232, 128, 112, 13) << "Bitte Film wählen ->" << true;
    QTest::newRow("Panel1") << "Panel1" << "Form1" << QRect(536, 8, 177, 441) << "" << true;
    QTest::newRow("Label3") << "Label3" << "Panel1" << QRect(7, 144, 98, 13) << "Geschwindigkeit:" << true;
    QTest::newRow("Label4") << "Label4" << "Panel1" << QRect(11, 216, 70, 13) << "Bildposition:" << true;
    QTest::newRow("BitBtn2") << "BitBtn2" << "Panel1" << QRect(144, 344, 25, 25) << "" << true;
    QTest::newRow("BitBtn1") << "BitBtn1" << "Form1" << QRect(552, 352, 89, 25) << "&Schließen" << true;
    QTest::newRow("TrackBarPos") << "TrackBarPos" << "Form1" << QRect(544, 248, 145, 25) << "" << false;
    QTest::newRow("TrackBarSpeed") << "TrackBarSpeed" << "Form1" << QRect(544, 168, 145, 25) << "" << false;
    QTest::newRow("RadioGroupFilm") << "RadioGroupFilm" << "Form1" << QRect(544, 16, 161, 113) << "Filmauswahl" << true;
    QTest::newRow("RadioButton1") << "RadioButton1" << "Form1" << QRect(552, 72, 121, 25) << "Ausfall Bremskreis II" << true;
    QTest::newRow("RadioButton0") << "RadioButton0" << "Form1" << QRect(552, 40, 137, 25) << "Ausfall Bremskreis I" << true;
}

void TestMainWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, enabled);

    TForm1 form;
    auto *widget = form.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isEnabled(), enabled);
    QVERIFY(!widget->isHidden());

    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        shown = group->title();
    QCOMPARE(shown, text);

    if (auto *radio = qobject_cast<QRadioButton *>(widget))
        QVERIFY(!radio->isChecked());
    if (name == "BitBtn2") {
        const QIcon icon = static_cast<QPushButton *>(widget)->icon();
        QVERIFY(!icon.isNull());
        // Normal and disabled glyphs differ; the olive background is clear.
        const QImage normal = icon.pixmap(16, 16, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(16, 16, QIcon::Disabled).toImage();
        QVERIFY(normal != disabled);
        QCOMPARE(qAlpha(normal.pixel(0, 15)), 0);
    }
    if (name == "BitBtn1")
        QVERIFY(!static_cast<QPushButton *>(widget)->icon().isNull());

    // Bold labels in maroon, or in the fixed stand-in for the desktop colour.
    const QHash<QString, QColor> labelColors{
        {"Label1", QColor(128, 0, 0)}, {"Label3", QColor(0, 128, 128)}, {"Label4", QColor(128, 0, 0)}};
    if (labelColors.contains(name)) {
        QCOMPARE(widget->palette().color(QPalette::WindowText), labelColors[name]);
        QVERIFY(widget->font().bold());
    }
}

void TestMainWindow::sliders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");

    QTest::newRow("position") << "TrackBarPos" << 1 << 10 << 2;
    QTest::newRow("speed") << "TrackBarSpeed" << 1 << 20 << 8;
}

void TestMainWindow::sliders()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);

    TForm1 form;
    auto *slider = form.findChild<QSlider *>(name);
    QVERIFY(slider);
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), minimum);
    QCOMPARE(slider->maximum(), maximum);
    QCOMPARE(slider->value(), value);
    QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(slider->tickInterval(), 1);
}

void TestMainWindow::tabAndStackingOrder()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Tab walks the controls that take focus in the stored order.
    const QStringList tabOrder{"BitBtn1", "TrackBarSpeed", "RadioButton0", "RadioButton1", "BitBtn2", "TrackBarPos"};
    QWidget *w = form.findChild<QWidget *>("BitBtn1");
    for (int i = 1; i < tabOrder.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), tabOrder[i]);
    }

    // Later controls lie above earlier ones: the radio buttons over their
    // frame, everything after the panel over the panel.
    QStringList stacking;
    for (QObject *child : form.children()) {
        if (child->isWidgetType())
            stacking << child->objectName();
    }
    QCOMPARE(stacking, QStringList({"Label1", "Panel1", "BitBtn1", "TrackBarPos", "TrackBarSpeed",
                                    "RadioGroupFilm", "RadioButton1", "RadioButton0"}));
    QCOMPARE(form.childAt(560, 50)->objectName(), QStringLiteral("RadioButton0"));
}

void TestMainWindow::startsIdleAfterSpeedHandlerRan()
{
    TForm1 form;
    QCOMPARE(form.Playing, 0);
    // The speed handler is wired up, so setting 8 in the constructor ran it.
    form.findChild<QSlider *>("TrackBarSpeed")->setValue(9);
    QCOMPARE(form.Playing, 1);
}

void TestMainWindow::canvasKeepsWhatIsDrawn()
{
    TForm1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *label = form.findChild<QLabel *>("Label1");

    // Before anything is drawn: the background and the maroon label.
    QImage shot = form.grab().toImage();
    const QColor window = form.palette().color(QPalette::Window);
    QCOMPARE(shot.pixelColor(100, 100), window);
    bool maroon = false;
    for (int x = 232; x < 344 && !maroon; ++x)
        for (int y = 128; y < 141 && !maroon; ++y)
            maroon = shot.pixelColor(x, y) == QColor(128, 0, 0);
    QVERIFY(maroon);

    form.fillClientArea(window);
    QVERIFY(label->isHidden());

    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    form.drawImageAt(QPoint(10, 10), picture);

    // Covered and repainted, the window still shows the picture; the label
    // does not come back.
    for (int round = 0; round < 2; ++round) {
        form.hide();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.repaint();
        shot = form.grab().toImage();
        QCOMPARE(shot.pixelColor(10, 10), QColor(10, 200, 30));
        QCOMPARE(shot.pixelColor(49, 39), QColor(10, 200, 30));
        QCOMPARE(shot.pixelColor(50, 40), window);
        QCOMPARE(shot.pixelColor(240, 132), window);
        QVERIFY(label->isHidden());
    }
}

void TestMainWindow::infoWindowTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("text");

    QTest::newRow("Label1") << "Label1" << QPoint(72, 16) << "Funktionsweise eines Druckluft-Betriebsbremsventils bei Defekt";
    QTest::newRow("Label4") << "Label4" << QPoint(72, 64) << "Keine Garantie für die korrekte und unschädliche Funktion";
    QTest::newRow("Label6") << "Label6" << QPoint(16, 120) << "Mausbedienung:";
    QTest::newRow("Label7") << "Label7" << QPoint(112, 120) << "oberer Schieberegler - Animation";
    QTest::newRow("Label10") << "Label10" << QPoint(112, 136) << "unterer Schieberegler - manuelle Bedienung";
    QTest::newRow("Label11") << "Label11" << QPoint(96, 168) << "1. Das Programm zeigt anhand von Bildfolgen die Funktionsweise";
    QTest::newRow("Label12") << "Label12" << QPoint(96, 184) << "    eines zweikreisigen Druckluft-Betriebsbremsventils  bei  Ausfall ";
    QTest::newRow("Label13") << "Label13" << QPoint(16, 168) << "Funktionen:";
    QTest::newRow("Label9") << "Label9" << QPoint(96, 200) << "    von Bremskreisen";
    // Our own lines: author, use in teaching, where the pictures come from.
    QTest::newRow("Label2") << "Label2" << QPoint(72, 32) << "Autor: Lehrmittelgruppe Kalmora, Ausbildung Fahrzeugtechnik";
    QTest::newRow("Label3") << "Label3" << QPoint(72, 48) << "Für den Unterricht über Druckluftbremsanlagen von Nutzfahrzeugen";
    QTest::newRow("Label8") << "Label8" << QPoint(16, 224) << "Bildfolgen: eigene schematische Zeichnungen";
}

void TestMainWindow::infoWindowTexts()
{
    QFETCH(QString, name);
    QFETCH(QPoint, position);
    QFETCH(QString, text);

    TFormInfoHilfe info;
    QCOMPARE(info.windowTitle(), QStringLiteral("InfoHilfe"));
    auto *label = info.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->pos(), position);
    QCOMPARE(label->height(), 13);
    // One line that fits the window.
    QVERIFY2(label->geometry().right() < info.width(), qPrintable(QString::number(label->geometry().right())));
}

void TestMainWindow::infoWindowLayout()
{
    TFormInfoHilfe info;
    const Qt::WindowFlags flags = info.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));

    auto *image = info.findChild<QLabel *>("Image1");
    QCOMPARE(image->geometry(), QRect(8, 32, 41, 41));
    QCOMPARE(image->pixmap().size(), QSize(32, 32));
    QCOMPARE(image->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);
    for (const char *panel : {"Panel1", "Panel2"}) {
        auto *frame = info.findChild<QFrame *>(panel);
        QCOMPARE(frame->size(), QSize(417, 9));
        QCOMPARE(frame->x(), 8);
    }

    // Resizing moves nothing.
    QHash<QWidget *, QRect> before;
    for (QWidget *w : info.findChildren<QWidget *>())
        before.insert(w, w->geometry());
    info.show();
    info.resize(700, 500);
    QCoreApplication::processEvents();
    for (QWidget *w : info.findChildren<QWidget *>())
        QCOMPARE(w->geometry(), before.value(w));
    info.hide();
}

void TestMainWindow::infoButtonShowsTheOneInfoWindow()
{
    TForm1 form;
    TFormInfoHilfe info;
    FormInfoHilfe = &info;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QList<bool> modal;
    QList<QPoint> centres;
    const ModalCloser closer([&](QWidget *dialog) {
        modal << (dialog == &info && info.isModal() && info.isVisible());
        centres << info.geometry().center();
    });
    auto *button = form.findChild<QPushButton *>("BitBtn2");
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    FormInfoHilfe = nullptr;

    QCOMPARE(modal, QList<bool>({true, true}));
    QCOMPARE(closer.dialogs, QList<QWidget *>({&info, &info}));
    QVERIFY(!info.isVisible());
    // Centred on the screen both times.
    const QPoint screenCentre = info.screen()->availableGeometry().center();
    for (const QPoint &c : centres)
        QVERIFY2((c - screenCentre).manhattanLength() <= 40, qPrintable(QStringLiteral("%1,%2").arg(c.x()).arg(c.y())));
}

// Screen readers announce every control by a German name.
void TestMainWindow::accessibleNames()
{
    TForm1 form;
    const QList<QPair<QString, QString>> expected{
        {"TrackBarSpeed", "Geschwindigkeit"}, {"TrackBarPos", "Bildposition"},
        {"BitBtn2", "Info"}, {"BitBtn1", "Schließen"},
        {"RadioButton0", "Ausfall Bremskreis I"}, {"RadioButton1", "Ausfall Bremskreis II"},
        {"RadioGroupFilm", "Filmauswahl"}, {"Label3", "Geschwindigkeit:"}, {"Label4", "Bildposition:"},
        {"Label1", "Bitte Film wählen"},
    };
    for (const auto &[name, accessible] : expected) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(form.findChild<QWidget *>(name));
        QVERIFY2(iface, qPrintable(name));
        QCOMPARE(iface->text(QAccessible::Name), accessible);
    }
    // The slider labels point screen readers at their sliders.
    QCOMPARE(form.findChild<QLabel *>("Label3")->buddy()->objectName(), QStringLiteral("TrackBarSpeed"));
    QCOMPARE(form.findChild<QLabel *>("Label4")->buddy()->objectName(), QStringLiteral("TrackBarPos"));

    TFormInfoHilfe info;
    QAccessibleInterface *image = QAccessible::queryAccessibleInterface(info.findChild<QWidget *>("Image1"));
    QVERIFY(!image->text(QAccessible::Name).isEmpty());
    QCOMPARE(QAccessible::queryAccessibleInterface(&info)->text(QAccessible::Name), QStringLiteral("InfoHilfe"));
}

KALMORA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
