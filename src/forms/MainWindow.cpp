#include "MainWindow.h"

#include "AboutBox.h"
#include "CourseMaintenanceWindow.h"
#include "GolferListWindow.h"
#include "GolferMaintenanceWindow.h"
#include "RestoreBackupWindow.h"
#include "data/Records.h"
#include "widgets/Dialogs.h"
#include "widgets/Handlers.h"
#include "widgets/Program.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <utility>

namespace tb {

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(QWidget* parent) : TbForm(parent) {
    setWindowTitle("Tarnbeck for Windows");
    // The system menu and the minimise box only; it can still be resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QWidget* central = MakeWhiteCentralWidget();

    Label1 = new QLabel("Tarnbeck for Windows", central);
    QFont title = Label1->font();
    title.setPointSize(title.pointSize() + 8);
    title.setBold(true);
    Label1->setFont(title);
    Image1 = new TImage(central);
    EditGolferButton = new TButton("Edit Golfers", central);
    EditCoursesButton = new TButton("Edit Courses", central);
    EnterScoresButton = new TButton("Enter Scores", central);
    ExitButton = new TButton("Exit", central);
    VersionField = new QLineEdit(central);
    VersionField->setReadOnly(true);
    VersionField->setFrame(false);
    VersionField->setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(central);
    auto* top = new QHBoxLayout;
    top->addWidget(Image1);
    top->addWidget(Label1, 1);
    layout->addLayout(top);
    for (QWidget* button : {EditGolferButton, EditCoursesButton, EnterScoresButton, ExitButton})
        layout->addWidget(button, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(VersionField);
    setTabOrder(EditGolferButton, EditCoursesButton);
    setTabOrder(EditCoursesButton, EnterScoresButton);
    setTabOrder(EnterScoresButton, ExitButton);

    QMenu* file = menuBar()->addMenu("&File");
    RestoreFromBackup1 = file->addAction("Restore from &Backup...");
    file->addSeparator();
    Exit1 = file->addAction("E&xit");
    QMenu* edit = menuBar()->addMenu("&Edit");
    EditGolfers1 = edit->addAction("Edit &Golfers");
    EditCourses1 = edit->addAction("Edit &Courses");
    edit->addSeparator();
    EnterScores1 = edit->addAction("Enter &Scores");
    QMenu* help = menuBar()->addMenu("&Help");
    Help2 = help->addAction("&Help");
    AboutTarnbeck1 = help->addAction("&About Tarnbeck");

    Bind(&TMainForm::EditGolferButtonClick, EditGolferButton, EditGolfers1);
    Bind(&TMainForm::EditCoursesButtonClick, EditCoursesButton, EditCourses1);
    Bind(&TMainForm::EnterScoresButtonClick, EnterScoresButton, EnterScores1);
    Image1->OnClick = [this] { Image1Click(); };
    Bind(&TMainForm::Image1Click, nullptr, AboutTarnbeck1);
    Bind(&TMainForm::Help2Click, nullptr, Help2);
    Bind(&TMainForm::ExitButtonClick, ExitButton);
    Bind(&TMainForm::Exit1Click, nullptr, Exit1);
    Bind(&TMainForm::RestoreFromBackup1Click, nullptr, RestoreFromBackup1);

    FormCreate();
}

void TMainForm::FormCreate() {
    Exiting = false;
    // The main window writes its placement even while the program ends.
    UsePlacement("MainForm", {353, 146, 113, 472}, true);
    VersionText = "2.7 r01";
    ReleaseDateText = "3/3/2000";
    VersionField->setText("Version " + VersionText.left(38));
    MaxGolfers = tb::MaxGolfers;
    MaxScores = tb::MaxScores;
    MaxCourses = tb::MaxCourses;
}

void TMainForm::MakeAfterFirstDrawing(std::function<void()> makeForms) {
    waitingForms_ = std::move(makeForms);
    centralWidget()->installEventFilter(this);
}

void TMainForm::MakeWaitingForms() {
    if (auto make = std::exchange(waitingForms_, nullptr)) make();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Paint && waitingForms_) {
        // Queued: the drawing finishes and reaches the screen first.
        QMetaObject::invokeMethod(
            this, [this] { RunHandler(this, [this] { MakeWaitingForms(); }); },
            Qt::QueuedConnection);
        centralWidget()->removeEventFilter(this);
    }
    return TbForm::eventFilter(watched, event);
}

void TMainForm::EditGolferButtonClick() {
    MakeWaitingForms();
    GMaintForm = new TGMaintForm();
    GMaintForm->ShowFor(this);
}

void TMainForm::EditCoursesButtonClick() {
    MakeWaitingForms();
    CMaintForm = new TCMaintForm();
    CMaintForm->ShowFor(this);
}

void TMainForm::EnterScoresButtonClick() {
    MakeWaitingForms();
    GPickForm = new TGPickForm();
    GPickForm->ShowFor(this);
}

void TMainForm::RestoreFromBackup1Click() {
    MakeWaitingForms();
    OpenRestoreWindow(this);
}

void TMainForm::Image1Click() {
    ShowAboutBox(this);
}

void TMainForm::Help2Click() {
    OpenHelp();
}

// Ending the program first asks every window that holds unsaved work its
// own question; a Cancel there, or a save that fails, keeps the program
// running with every window as it was.
void TMainForm::ExitButtonClick() {
    if (!AskWindowsBeforeEnding()) return;
    Exiting = true;
    EndProgram();
}

void TMainForm::Exit1Click() {
    if (!AskWindowsBeforeEnding()) return;
    EndProgram();
}

bool TMainForm::FormCloseQuery() {
    if (!AskWindowsBeforeEnding()) return false;
    // Closing the main window ends the program, whatever else is open.
    WritePendingPlacements();
    QApplication::quit();
    return true;
}

} // namespace tb
