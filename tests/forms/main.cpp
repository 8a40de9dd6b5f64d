// Runs the window tests headless with every dialog answered by a script.

#include "app/TarnbeckApplication.h"
#include "forms/MainWindow.h"
#include "widgets/Dialogs.h"
#include "widgets/Program.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tbtest {
bool programTerminated = false;
}

namespace {
// The offscreen platform cannot raise windows or pass size hints and says
// so on every show; those lines only hide real warnings.
QtMessageHandler standardHandler = nullptr;
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith("This plugin does not support")) return;
    standardHandler(type, context, text);
}
} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    standardHandler = qInstallMessageHandler(QuietOffscreenNotices);
    tb::IgnoreFileSizeSignal();
    tb::TarnbeckApplication app(argc, argv);
    tb::Dialogs::StartScript();
    tb::TerminateProgram = [] { tbtest::programTerminated = true; };
    return RUN_ALL_TESTS();
}
