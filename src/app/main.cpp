// Tarnbeck: keeps golf scores for a group of golfers and works out their
// handicaps. Works on the data files in the current folder, which one
// program at a time holds (DataFolderLock.h).

#include "DataFolderLock.h"
#include "TarnbeckApplication.h"
#include "forms/MainWindow.h"
#include "widgets/Program.h"
#include "widgets/TbForm.h"

#include "QuitWhenExposed.h"
#include "VersionOption.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (tb::PrintVersionIfAsked(argc, argv) || tb::PrintUsageIfAsked(argc, argv)) return 0;
    tb::IgnoreFileSizeSignal();
    tb::TarnbeckApplication app(argc, argv);
    // For timing the start-up (scripts/bench.sh) and for tests that start the
    // program: end once its first window has been drawn on the screen, the
    // main window or a box shown before it (a refusal of the data folder).
    if (std::getenv("TARNBECK_QUIT_WHEN_SHOWN")) tb::QuitWhenAnyWindowExposed();
    // Held until the program ends; a second program on the folder ends here
    // with status 1, before any window is made.
    QLockFile lock(tb::DataFolderLockPath(tb::DataDir));
    if (!tb::LockDataFolder(lock)) return 1;
    tb::PlaceStarterCourseList();
    tb::StartForms();
    return app.exec();
}
