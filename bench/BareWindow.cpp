// A bare Qt window with what the main window shows at start-up (title, menu,
// four buttons) and nothing else: the floor the program's start-up is
// measured against (scripts/bench.sh).

#include "app/QuitWhenExposed.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Tarnbeck for Windows");
    for (const char* menu : {"&File", "&Edit", "&Help"})
        window.menuBar()->addMenu(menu)->addAction("&Item");
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    for (const char* caption : {"Edit Golfers", "Edit Courses", "Enter Scores", "Exit"})
        layout->addWidget(new QPushButton(caption, central));
    window.setCentralWidget(central);
    window.resize(472, 353);
    window.show();
    tb::QuitWhenExposed(window.windowHandle());
    return app.exec();
}
