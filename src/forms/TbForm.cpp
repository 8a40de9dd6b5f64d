#include "TbForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QScreen>

namespace tb {

TbForm::TbForm(QWidget* parent) : QMainWindow(parent) {}

void TbForm::ShowFor(TbForm* opener) {
    opener_ = opener;
    show();
    raise();
    activateWindow();
}

void TbForm::HideToOpener() {
    hide();
    if (opener_ && opener_->isVisible()) {
        opener_->raise();
        opener_->activateWindow();
    }
}

void TbForm::CentreOnScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    QSize size = frameGeometry().size().isValid() ? frameGeometry().size() : sizeHint();
    move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

QWidget* TbForm::MakeWhiteCentralWidget() {
    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    setCentralWidget(central);
    return central;
}

void TbForm::MakeFixedSize() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

bool TbForm::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        if (QApplication::activeModalWidget()) deactivatedByModal_ = true;
        break;
    case QEvent::WindowActivate: {
        bool result = QMainWindow::event(event);
        if (deactivatedByModal_)
            deactivatedByModal_ = false;
        else
            FormActivate();
        return result;
    }
    default:
        break;
    }
    return QMainWindow::event(event);
}

void TbForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) FormShow();
    QMainWindow::showEvent(event);
}

void TbForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void TbForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TbForm::closeEvent(QCloseEvent* event) {
    // Refuse first: a handler that fails part way must leave the window open.
    event->ignore();
    if (FormCloseQuery()) event->accept();
}

} // namespace tb
