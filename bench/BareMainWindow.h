#pragma once
// A bare Qt window with what the main window shows at start-up (title, menu,
// four buttons) and nothing else: the floor the program's start-up is
// measured against (scripts/bench.sh, tarnbeck-gui-bench).

#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace tbbench {

inline std::unique_ptr<QMainWindow> BareMainWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle("Tarnbeck for Windows");
    for (const char* menu : {"&File", "&Edit", "&Help"})
        window->menuBar()->addMenu(menu)->addAction("&Item");
    auto* central = new QWidget(window.get());
    auto* layout = new QVBoxLayout(central);
    for (const char* caption : {"Edit Golfers", "Edit Courses", "Enter Scores", "Exit"})
        layout->addWidget(new QPushButton(caption, central));
    window->setCentralWidget(central);
    window->resize(472, 353);
    return window;
}

} // namespace tbbench
