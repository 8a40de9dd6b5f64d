// The bare window of BareMainWindow.h as a program of its own, ending once it
// is drawn: the floor the program's start-up is measured against
// (scripts/bench.sh).

#include "BareMainWindow.h"
#include "app/QuitWhenExposed.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<QMainWindow> window = tbbench::BareMainWindow();
    window->show();
    tb::QuitWhenExposed(window->windowHandle());
    return app.exec();
}
