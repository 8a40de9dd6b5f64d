// Tarnbeck: keeps golf scores for a group of golfers and works out their
// handicaps. Works on the data files in the current folder.

#include "TarnbeckApplication.h"
#include "forms/Tbmain.h"
#include "widgets/Program.h"

int main(int argc, char** argv) {
    tb::IgnoreFileSizeSignal();
    tb::TarnbeckApplication app(argc, argv);
    tb::CreateForms();
    tb::MainForm->show();
    tb::MainForm->BringForward();
    return app.exec();
}
