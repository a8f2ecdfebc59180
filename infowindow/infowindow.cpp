#include "infowindow.h"
#include "ui_infowindow.h"

#include <QIcon>
#include <QScreen>

TFormInfoHilfe *FormInfoHilfe = nullptr;

namespace {
// The window's outer size; the client size in the .ui leaves room for a
// standard frame around it.
const QSize OuterSize(441, 289);
}

TFormInfoHilfe::TFormInfoHilfe(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TFormInfoHilfe>())
{
    ui->setupUi(this);
    ui->Image1->setPixmap(QIcon(QStringLiteral(":/infowindow/infoicon.ico")).pixmap(32, 32));

    // Each label is one line that sizes itself to its text; the design widths
    // belong to another font.
    for (QLabel *label : findChildren<QLabel *>()) {
        if (label != ui->Image1)
            label->adjustSize();
    }
}

TFormInfoHilfe::~TFormInfoHilfe() = default;

// Centred on the screen every time it is shown.
void TFormInfoHilfe::showEvent(QShowEvent *event)
{
    if (const QScreen *s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(OuterSize.width() / 2, OuterSize.height() / 2));
    }
    QDialog::showEvent(event);
}
