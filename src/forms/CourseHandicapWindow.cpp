#include "CourseHandicapWindow.h"

#include "AboutBox.h"
#include "data/CourseFile.h"
#include "data/Text.h"
#include "handicap/CourseHandicap.h"
#include "print/core/CourseHandicapSheet.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Extras.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>

namespace tb {

namespace {
TEdit* ShownValue(QWidget* parent) {
    auto* edit = new TEdit(parent);
    edit->SetReadOnlyGrey();
    return edit;
}

TEdit* Sentence(QWidget* parent) {
    auto* edit = ShownValue(parent);
    edit->setFrame(false);
    return edit;
}
} // namespace

THandicapForm::THandicapForm(QWidget* parent) : TbForm(parent) {
    HandBackWhenClosed();
    setWindowTitle("Course Handicap");
    setWindowFlags(FixedDialogFlags);
    auto* central = new QWidget(this);
    setCentralWidget(central);

    CourseLabel = new QLabel("Course:", central);
    CourseField = new QComboBox(central);
    CourseField->setEditable(false);
    CourseField->setMinimumContentsLength(30);
    RatingField = ShownValue(central);
    SlopeField = ShownValue(central);
    ParField = ShownValue(central);
    IndexField = ShownValue(central);
    Hdcp1 = Sentence(central);
    Hdcp2 = Sentence(central);
    OKButton = new TButton("OK", central);
    PrintButton = new TButton("Print", central);
    GolferName = new THiddenEdit(central);
    GolferShortName = new THiddenEdit(central);

    auto* grid = new QGridLayout;
    NameByLabel(CourseLabel, CourseField);
    Hdcp1->setAccessibleName("Course handicap");
    Hdcp2->setAccessibleName("Predicted score");
    grid->addWidget(CourseLabel, 0, 0);
    grid->addWidget(CourseField, 0, 1, 1, 3);
    const std::pair<const char*, TEdit*> values[] = {{"Course Rating:", RatingField},
                                                     {"Slope Rating:", SlopeField},
                                                     {"Par:", ParField},
                                                     {"Index:", IndexField}};
    int row = 1;
    for (const auto& [caption, field] : values) {
        grid->addWidget(LabelFor(field, caption, central), row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(PrintButton);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(grid);
    layout->addWidget(Hdcp1);
    layout->addWidget(Hdcp2);
    layout->addLayout(buttons);
    setTabOrder(CourseField, OKButton);
    setTabOrder(OKButton, PrintButton);

    QMenu* file = menuBar()->addMenu("&File");
    Exit1 = file->addAction("E&xit"); // has no action
    QMenu* help = menuBar()->addMenu("&Help");
    Help2 = help->addAction("&Help");
    AboutTarnbeck1 = help->addAction("&About Tarnbeck");

    connect(CourseField, &QComboBox::activated, this,
            [this] { RunHandler(this, [this] { CourseFieldClick(); }); });
    Bind(&THandicapForm::OKButtonClick, OKButton);
    Bind(&THandicapForm::PrintButtonClick, PrintButton);
    Connect(Help2, &QAction::triggered, this, [this] { Help2Click(); });
    Connect(AboutTarnbeck1, &QAction::triggered, this, [this] { AboutTarnbeck1Click(); });
    MakeFixedSize();
    SetCancelButton(OKButton);
    CentreOnScreen();
    FormCreate();
}

void THandicapForm::OpenFor(TbForm* opener, const QString& golferName, const QString& shortName,
                            const QString& index) {
    auto* form = new THandicapForm();
    form->GolferName->setText(golferName);
    form->GolferShortName->setText(shortName);
    form->IndexField->setText(index);
    form->ShowFor(opener);
}

void THandicapForm::FormCreate() {
    courses_.reserve(MaxCourses);
    MessageNotifier notifier(this);
    LoadCourseSummaries(DataDir, courses_, notifier);
    ShowItems(CourseField, TextsOf(courses_, &CourseSummary::Name));
    courseChosen_ = false;
}

void THandicapForm::FormActivate() {
    setWindowTitle("Course Handicap - " + GolferName->text());
    if (CourseField->currentIndex() < 0) Hdcp1->setText("Please select a course.");
}

void THandicapForm::CourseFieldClick() {
    const int index = CourseField->currentIndex();
    if (index < 0) return;
    CourseHandicap(index + 1);
    courseChosen_ = true;
}

void THandicapForm::CourseHandicap(int position) {
    const CourseSummary& course = courses_[static_cast<std::size_t>(position - 1)];
    RatingField->setText(ToQt(course.Rating));
    SlopeField->setText(ToQt(course.Slope));
    ParField->setText(ToQt(course.ParTotal));
    // A slope or par that is no number stops here: the sentences keep
    // their previous text.
    const CourseHandicapResult result =
        ComputeCourseHandicap(ToCore(IndexField->text()), course.Slope, course.ParTotal);
    const std::string longName = ToCore(GolferName->text());
    Hdcp1->setText(ToQt(HandicapSentence(longName, result.handicap)));
    Hdcp2->setText(ToQt(PredictedScoreSentence(longName, result.predicted)));
}

void THandicapForm::OKButtonClick() {
    close();
}

void THandicapForm::PrintButtonClick() {
    if (!courseChosen_) {
        Dialogs::Message(this, "You must select a course first.");
        return;
    }
    const int choice =
        Dialogs::TwoChoice(this, "Printer or File",
                           "Output handicap list to the printer or to a file?", "Printer", "File");
    const CourseHandicapSheet sheet{
        ToCore(GolferName->text()), courses_[static_cast<std::size_t>(CourseField->currentIndex())],
        ToCore(IndexField->text()), ToCore(Hdcp1->text()), ToCore(Hdcp2->text())};
    const std::string shortName = ToCore(GolferShortName->text());
    if (choice == 1) {
        if (PrintReport(this, CourseHandicapReport(sheet, TodayForDisplay()),
                        ToQt(shortName + "-handicap.pdf")))
            Dialogs::Message(this, "Printing completed.");
    } else if (choice == 2) {
        WriteCourseHandicap(DataDir, shortName, sheet, TodayForDisplay());
        Dialogs::Message(this, ToQt(CourseHandicapCreatedMessage(shortName)));
    }
}

void THandicapForm::Help2Click() {
    OpenHelp();
}

void THandicapForm::AboutTarnbeck1Click() {
    ShowAboutBox(this);
}

} // namespace tb
