#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "glyphicon.h"
#include "infowindow.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>
#include <stdexcept>

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent, const QString &pictureDirectory)
    : QWidget(parent)
    , Timer1(new QTimer(this))
    , ui(std::make_unique<Ui::TForm1>())
    , store_(pictureDirectory)
{
    // mainwindow.ui colours Label3 teal, the classic desktop colour: Linux
    // desktops have no desktop colour a program could ask for.
    ui->setupUi(this);
    setFixedSize(722, 460);
    move(372, 181);

    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ui->BitBtn2->setIcon(glyphIcon(QImage(QStringLiteral(":/resources/infoglyph.bmp")), 2));

    connect(ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(ui->RadioButton0, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            RadioButton0Click();
    });
    connect(ui->RadioButton1, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            RadioButton1Click();
    });
    connect(ui->TrackBarPos, &QSlider::valueChanged, this, &TForm1::TrackBarPosChange);
    connect(ui->TrackBarSpeed, &QSlider::valueChanged, this, &TForm1::TrackBarSpeedChange);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->start(1000);

    // The speed handler runs inside setValue and sets Playing; the window
    // still starts idle.
    ui->TrackBarSpeed->setValue(8);
    Playing = 0;

    DescrambleFilm1Pictures();
    DescrambleFilm2Pictures();
}

TForm1::~TForm1() = default;

void TForm1::fillClientArea(const QColor &color)
{
    // From now on the canvas covers the whole client area with opaque
    // pixels: painting it is a plain copy, and the background need not be
    // drawn underneath first.
    canvas_ = QImage(size(), QImage::Format_RGB32);
    canvas_.fill(color);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ui->Label1->hide();
    update();
}

void TForm1::drawImageAt(const QPoint &topLeft, const QImage &image)
{
    if (image.isNull())
        return;
    if (canvas_.isNull()) {
        canvas_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        canvas_.fill(Qt::transparent);
    }
    QPainter painter(&canvas_);
    if (!painter.isActive())
        throw std::runtime_error("cannot draw on the window's canvas");
    painter.drawImage(topLeft, image);
    painter.end();

    // A picture drawn over the label hides it, as paint over paint would.
    const QRect drawn(topLeft, image.size());
    if (drawn.intersects(ui->Label1->geometry()))
        ui->Label1->hide();
    update(drawn);
}

void TForm1::paintEvent(QPaintEvent *event)
{
    if (canvas_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(event->rect(), canvas_, event->rect());
}

void TForm1::BitBtn2Click()
{
    if (FormInfoHilfe)
        FormInfoHilfe->exec();
}
