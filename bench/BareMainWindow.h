#pragma once
// A bare Qt window with what the main window shows at start-up (title, menus,
// the logo and the title line, four buttons, the version line) and nothing
// else: the floor the program's start-up is measured against
// (scripts/bench.sh, tarnbeck-gui-bench).

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace tbbench {

inline std::unique_ptr<QMainWindow> BareMainWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle("Tarnbeck for Windows");
    const char* const menus[][4] = {{"&File", "Restore from &Backup...", "E&xit", nullptr},
                                    {"&Edit", "Edit &Golfers", "Edit &Courses", "Enter &Scores"},
                                    {"&Help", "&Help", "&About Tarnbeck", nullptr}};
    for (const auto& menu : menus) {
        QMenu* added = window->menuBar()->addMenu(menu[0]);
        for (int item = 1; item < 4 && menu[item]; ++item)
            added->addAction(menu[item]);
    }
    auto* central = new QWidget(window.get());
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    auto* logo = new QLabel(central);
    logo->setPixmap(QPixmap(":/tarnbeck.png"));
    auto* title = new QLabel("Tarnbeck for Windows", central);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    title->setFont(big);
    top->addWidget(logo);
    top->addWidget(title, 1);
    layout->addLayout(top);
    for (const char* caption : {"Edit Golfers", "Edit Courses", "Enter Scores", "Exit"})
        layout->addWidget(new QPushButton(caption, central), 0, Qt::AlignHCenter);
    layout->addStretch();
    auto* version = new QLineEdit("Version 2.7 r01", central);
    version->setReadOnly(true);
    version->setFrame(false);
    layout->addWidget(version);
    window->setCentralWidget(central);
    window->resize(472, 353);
    return window;
}

} // namespace tbbench
