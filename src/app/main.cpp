// Tarnbeck: keeps golf scores for a group of golfers and works out their
// handicaps. Works on the data files in the current folder.

#include "TarnbeckApplication.h"
#include "forms/Tbmain.h"
#include "widgets/Program.h"

#include "QuitWhenExposed.h"
#include "VersionOption.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (tb::PrintVersionIfAsked(argc, argv)) return 0;
    tb::IgnoreFileSizeSignal();
    tb::TarnbeckApplication app(argc, argv);
    tb::CreateForms();
    tb::MainForm->show();
    tb::MainForm->BringForward();
    // For timing the start-up (scripts/bench.sh): end once the main window
    // has been drawn on the screen.
    if (std::getenv("TARNBECK_QUIT_WHEN_SHOWN")) tb::QuitWhenExposed(tb::MainForm->windowHandle());
    return app.exec();
}
