#include "Tbmain.h"

#include "Dialogs.h"
#include "Placement.h"
#include "Tbabout.h"
#include "Tbcmaint.h"
#include "Tbgmaint.h"
#include "Tbgpick.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tb {

TMainForm* MainForm = nullptr;

namespace {
void QuitNow() {
    std::exit(0);
}
} // namespace

void (*TerminateProgram)() = QuitNow;

TMainForm::TMainForm(QWidget* parent) : TbForm(parent) {
    setWindowTitle("Tarnbeck for Windows");
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
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
    Exit1 = file->addAction("E&xit");
    QMenu* edit = menuBar()->addMenu("&Edit");
    EditGolfers1 = edit->addAction("Edit &Golfers");
    EditCourses1 = edit->addAction("Edit &Courses");
    edit->addSeparator();
    EnterScores1 = edit->addAction("Enter &Scores");
    QMenu* help = menuBar()->addMenu("&Help");
    Help2 = help->addAction("&Help");
    AboutTarnbeck1 = help->addAction("&About Tarnbeck");

    connect(EditGolferButton, &QPushButton::clicked, this, &TMainForm::EditGolferButtonClick);
    connect(EditGolfers1, &QAction::triggered, this, &TMainForm::EditGolferButtonClick);
    connect(EditCoursesButton, &QPushButton::clicked, this, &TMainForm::EditCoursesButtonClick);
    connect(EditCourses1, &QAction::triggered, this, &TMainForm::EditCoursesButtonClick);
    connect(EnterScoresButton, &QPushButton::clicked, this, &TMainForm::EnterScoresButtonClick);
    connect(EnterScores1, &QAction::triggered, this, &TMainForm::EnterScoresButtonClick);
    Image1->OnClick = [this] { Image1Click(); };
    connect(AboutTarnbeck1, &QAction::triggered, this, &TMainForm::Image1Click);
    connect(Help2, &QAction::triggered, this, &TMainForm::Help2Click);
    connect(ExitButton, &QPushButton::clicked, this, &TMainForm::ExitButtonClick);
    connect(Exit1, &QAction::triggered, this, &TMainForm::Exit1Click);

    FormCreate();
}

void TMainForm::FormCreate() {
    Exiting = false;
    ReadPlacement(this, "MainForm", {353, 146, 113, 472});
    VersionText = "2.7 r01";
    ReleaseDateText = "3/3/2000";
    VersionField->setText("Version " + VersionText.left(38));
    MaxGolfers = 300;
    MaxScores = 200;
    MaxCourses = 200;
}

void TMainForm::FormResize() {
    WritePlacement(this, "MainForm");
}

void TMainForm::EditGolferButtonClick() {
    GMaintForm = new TGMaintForm();
    GMaintForm->ShowFor(this);
}

void TMainForm::EditCoursesButtonClick() {
    CMaintForm = new TCMaintForm();
    CMaintForm->ShowFor(this);
}

void TMainForm::EnterScoresButtonClick() {
    GPickForm = new TGPickForm();
    GPickForm->ShowFor(this);
}

void TMainForm::Image1Click() {
    ShowAboutBox(this);
}

void TMainForm::Help2Click() {
    Dialogs::Warning(this, "Help not implemented yet.");
}

void TMainForm::ExitButtonClick() {
    Exiting = true;
    TerminateProgram();
}

void TMainForm::Exit1Click() {
    TerminateProgram();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, whatever else is open.
    event->accept();
    QApplication::quit();
}

} // namespace tb
