// Runs the window tests headless with every dialog answered by a script.

#include "app/TarnbeckApplication.h"
#include "forms/Dialogs.h"
#include "forms/Tbmain.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tbtest {
bool programTerminated = false;
}

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    tb::TarnbeckApplication app(argc, argv);
    tb::Dialogs::StartScript();
    tb::TerminateProgram = [] { tbtest::programTerminated = true; };
    return RUN_ALL_TESTS();
}
