#include "TarnbeckApplication.h"

#include "data/CourseFile.h"
#include "forms/AboutBox.h"
#include "forms/CourseEditWindow.h"
#include "forms/GolferNameDialog.h"
#include "forms/GolferScoresWindow.h"
#include "forms/HelpWindow.h"
#include "forms/MainWindow.h"
#include "forms/ScoreForm.h"
#include "forms/TwoChoiceDialog.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"
#include "widgets/TbForm.h"

#include <QFile>
#include <QIcon>

#include <exception>

// The logo lives in the forms library; a static library's resources must be
// registered by hand.
static void InitTarnbeckResources() {
    Q_INIT_RESOURCE(tarnbeck);
}

namespace tb {

TarnbeckApplication::TarnbeckApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InitTarnbeckResources();
    // No display name: the window system would append it to every caption.
    setApplicationName("Tarnbeck");
    // The desktop shows the program's own icon for its windows, and matches
    // them with its menu entry (tarnbeck.desktop).
    setWindowIcon(QIcon(":/tarnbeck.png"));
    setDesktopFileName("tarnbeck");
    RegisterTwoChoiceDialog();
    RegisterHelpWindow();
}

// The last line of defence only: every handler runs through RunHandler,
// which catches its errors before they reach the toolkit.
bool TarnbeckApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        Dialogs::Error(activeWindow(), ToQt(error.what()));
    } catch (...) {
        Dialogs::Error(activeWindow(), "Unexpected error");
    }
    return false;
}

void PlaceStarterCourseList() {
    QFile starter(":/sample.vxc");
    if (!starter.open(QIODevice::ReadOnly)) return;
    const QByteArray bytes = starter.readAll();
    RunHandler(nullptr, [&] {
        PlaceStarterCourses(
            DataDir, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}

namespace {
// The long-lived forms besides the main window, in start-up order.
void CreateFormsAfterMain() {
    ScoreForm = new TScoreForm();
    GolferForm = new TGolferForm();
    CourseForm = new TCourseForm();
    GNameForm = new TGNameForm();
}
} // namespace

void StartForms() {
    MainForm = new TMainForm();
    MainForm->MakeAfterFirstDrawing(CreateFormsAfterMain);
    MainForm->show();
    MainForm->BringForward();
}

} // namespace tb
