#pragma once

#include <QDialog>
#include <memory>

QT_BEGIN_NAMESPACE
namespace Ui {
class TFormInfoHilfe;
}
QT_END_NAMESPACE

// The modal window that describes the program and how to operate it. Created
// once at start-up, hidden, and shown by the main window's info button.
class TFormInfoHilfe : public QDialog
{
    Q_OBJECT

public:
    explicit TFormInfoHilfe(QWidget *parent = nullptr);
    ~TFormInfoHilfe() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::TFormInfoHilfe> ui;
};

// The one info window, set by the start-up.
extern TFormInfoHilfe *FormInfoHilfe;
