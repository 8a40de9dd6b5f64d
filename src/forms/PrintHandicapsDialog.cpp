#include "PrintHandicapsDialog.h"

#include "data/CourseFile.h"
#include "data/GolferFile.h"
#include "data/Text.h"
#include "print/core/HandicapReports.h"
#include "widgets/Accessible.h"
#include "widgets/Dialogs.h"
#include "widgets/Extras.h"
#include "widgets/Handlers.h"
#include "widgets/Latin1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <iterator>

namespace tb {

namespace {
// Each line carries its golfer's position in the dialog's golfer list: two
// golfers may share a long name, and each prints as himself.
constexpr int GolferRole = Qt::UserRole;

QListWidget* MultiSelectList(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumHeight(list->fontMetrics().height() * 12);
    return list;
}
} // namespace

TPrintHandicapsDlg::TPrintHandicapsDlg(QWidget* parent) : TbForm(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Print Handicaps Dialog");
    setWindowFlags(FixedDialogFlags);
    auto* central = new QWidget(this);
    setCentralWidget(central);

    Label1 = new QLabel("Select Course:", central);
    CourseField = new QComboBox(central);
    CourseField->setEditable(false);
    CourseField->setMinimumContentsLength(30);
    SrcLabel = new QLabel("Golfer List:", central);
    GolferListBox = MultiSelectList(central);
    DstLabel = new QLabel("Golfers-to-Print List:", central);
    PrintListBox = MultiSelectList(central);
    IncludeBtn = new TButton(">", central);
    IncAllBtn = new TButton(">>", central);
    ExcludeBtn = new TButton("<", central);
    ExAllBtn = new TButton("<<", central);
    PrintListButton = new TButton("Print List", central);
    PrintCardsButton = new TButton("Print Cards", central);
    ExitButton = new TButton("Exit", central);

    NameByLabel(Label1, CourseField);
    NameByLabel(SrcLabel, GolferListBox);
    NameByLabel(DstLabel, PrintListBox);
    // The arrows' captions read badly aloud.
    IncludeBtn->setAccessibleName("Add the selected golfers to print");
    IncAllBtn->setAccessibleName("Add every golfer to print");
    ExcludeBtn->setAccessibleName("Remove the selected golfers from printing");
    ExAllBtn->setAccessibleName("Remove every golfer from printing");

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    for (TButton* button : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn})
        moves->addWidget(button);
    moves->addStretch();
    auto* lists = new QGridLayout;
    lists->addWidget(SrcLabel, 0, 0);
    lists->addWidget(DstLabel, 0, 2);
    lists->addWidget(GolferListBox, 1, 0);
    lists->addLayout(moves, 1, 1);
    lists->addWidget(PrintListBox, 1, 2);
    auto* course = new QHBoxLayout;
    course->addWidget(Label1);
    course->addWidget(CourseField, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (TButton* button : {PrintListButton, PrintCardsButton, ExitButton})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(course);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    QWidget* order[] = {CourseField, GolferListBox, IncludeBtn,      IncAllBtn,        ExcludeBtn,
                        ExAllBtn,    PrintListBox,  PrintListButton, PrintCardsButton, ExitButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    Connect(CourseField, &QComboBox::activated, this, [this] { courseChosen_ = true; });
    CourseField->installEventFilter(this);
    Bind(&TPrintHandicapsDlg::IncludeBtnClick, IncludeBtn, nullptr, GolferListBox);
    Bind(&TPrintHandicapsDlg::ExcludeBtnClick, ExcludeBtn, nullptr, PrintListBox);
    Bind(&TPrintHandicapsDlg::IncAllBtnClick, IncAllBtn);
    Bind(&TPrintHandicapsDlg::ExcAllBtnClick, ExAllBtn);
    Bind(&TPrintHandicapsDlg::PrintListButtonClick, PrintListButton);
    Bind(&TPrintHandicapsDlg::PrintCardsButtonClick, PrintCardsButton);
    Bind(&TPrintHandicapsDlg::ExitButtonClick, ExitButton);
    FormCreate();
    MakeFixedSize();
    SetCancelButton(ExitButton);
    CentreOnScreen();
}

void TPrintHandicapsDlg::FormCreate() {
    courses_.reserve(MaxCourses);
    golfers_.reserve(MaxGolfers);
    MessageNotifier notifier(this);
    LoadCourseSummaries(DataDir, courses_, notifier);
    ShowItems(CourseField, TextsOf(courses_, &CourseSummary::Name));
    LoadGolfers(DataDir, golfers_, notifier);
    SortGolfers(golfers_);
    for (std::size_t position = 0; position < golfers_.size(); ++position) {
        auto* line = new QListWidgetItem(ToQt(golfers_[position].LongName));
        line->setData(GolferRole, static_cast<int>(position));
        AddLine(GolferListBox, line);
    }
    courseChosen_ = false;
    SetButtons();
}

bool TPrintHandicapsDlg::eventFilter(QObject* watched, QEvent* event) {
    // A key pressed in the course list counts as choosing a course.
    if (watched == CourseField && event->type() == QEvent::KeyPress) courseChosen_ = true;
    return TbForm::eventFilter(watched, event);
}

void TPrintHandicapsDlg::AddLine(QListWidget* destination, QListWidgetItem* line) {
    if (destination != GolferListBox) {
        destination->addItem(line);
        return;
    }
    // The golfer list keeps itself sorted, letters compared whatever their case.
    int row = 0;
    while (row < destination->count() &&
           QString::compare(destination->item(row)->text(), line->text(), Qt::CaseInsensitive) <= 0)
        ++row;
    destination->insertItem(row, line);
}

void TPrintHandicapsDlg::MoveSelected(QListWidget* source, QListWidget* destination) {
    int first = -1;
    for (int row = 0; row < source->count() && first < 0; ++row)
        if (source->item(row)->isSelected()) first = row;
    // From the last line up: several lines arrive in reverse order.
    for (int row = source->count() - 1; row >= 0; --row) {
        if (!source->item(row)->isSelected()) continue;
        AddLine(destination, source->takeItem(row));
    }
    SetItem(source, first);
}

void TPrintHandicapsDlg::MoveAll(QListWidget* source, QListWidget* destination) {
    for (int row = 0; row < source->count(); ++row)
        AddLine(destination, source->item(row)->clone());
    source->clear();
    SetItem(source, 0);
}

void TPrintHandicapsDlg::SetItem(QListWidget* source, int position) {
    source->setFocus();
    if (position < 0) position = 0;
    if (position >= source->count()) position = source->count() - 1;
    source->clearSelection();
    if (position >= 0) {
        source->setCurrentRow(position);
        source->item(position)->setSelected(true);
    }
    SetButtons();
}

void TPrintHandicapsDlg::SetButtons() {
    const bool golfersLeft = GolferListBox->count() > 0;
    const bool golfersChosen = PrintListBox->count() > 0;
    IncludeBtn->setEnabled(golfersLeft);
    IncAllBtn->setEnabled(golfersLeft);
    ExcludeBtn->setEnabled(golfersChosen);
    ExAllBtn->setEnabled(golfersChosen);
}

void TPrintHandicapsDlg::IncludeBtnClick() {
    MoveSelected(GolferListBox, PrintListBox);
}

void TPrintHandicapsDlg::ExcludeBtnClick() {
    MoveSelected(PrintListBox, GolferListBox);
}

void TPrintHandicapsDlg::IncAllBtnClick() {
    MoveAll(GolferListBox, PrintListBox);
}

void TPrintHandicapsDlg::ExcAllBtnClick() {
    MoveAll(PrintListBox, GolferListBox);
}

bool TPrintHandicapsDlg::ReportInputs(CourseSummary& course, std::vector<GolferRec>& golfers) {
    // A key pressed in the course list with no course to select chooses none.
    const int courseIndex = CourseField->currentIndex();
    if (!courseChosen_ || courseIndex < 0) {
        Dialogs::Message(this, "You must select a course first.");
        return false;
    }
    if (PrintListBox->count() == 0) {
        Dialogs::Message(this, "You must select at least one golfer.");
        return false;
    }
    course = courses_[static_cast<std::size_t>(courseIndex)];
    for (int row = 0; row < PrintListBox->count(); ++row) {
        bool known = false;
        const int position = PrintListBox->item(row)->data(GolferRole).toInt(&known);
        if (known && position >= 0 && static_cast<std::size_t>(position) < golfers_.size())
            golfers.push_back(golfers_[static_cast<std::size_t>(position)]);
    }
    return true;
}

std::vector<GolferHandicap>
TPrintHandicapsDlg::ReadHandicaps(const std::vector<GolferRec>& golfers) {
    MessageNotifier notifier(this);
    return ReadGolferHandicaps(DataDir, golfers, notifier);
}

void TPrintHandicapsDlg::PrintListButtonClick() {
    CourseSummary course;
    std::vector<GolferRec> golfers;
    if (!ReportInputs(course, golfers)) return;
    const int choice =
        Dialogs::TwoChoice(this, "Printer or File",
                           "Output handicap list to the printer or to a file?", "Printer", "File");
    if (choice != 1 && choice != 2) return;
    const std::vector<GolferHandicap> handicaps = ReadHandicaps(golfers);
    if (choice == 2) {
        WriteHandicapList(DataDir, course, handicaps, TodayForDisplay());
        Dialogs::Message(this, HandicapListCreatedMessage);
    } else if (PrintReport(this, HandicapListReport(course, handicaps, TodayForDisplay()),
                           "handicap-list.pdf")) {
        Dialogs::Message(this, "Printing completed.");
    }
}

void TPrintHandicapsDlg::PrintCardsButtonClick() {
    CourseSummary course;
    std::vector<GolferRec> golfers;
    if (!ReportInputs(course, golfers)) return;
    const std::vector<GolferHandicap> handicaps = ReadHandicaps(golfers);
    if (PrintReport(this, HandicapCardsReport(course, handicaps, TodayForDisplay()),
                    "handicap-cards.pdf"))
        Dialogs::Message(this, "Printing completed.");
}

void TPrintHandicapsDlg::ExitButtonClick() {
    close();
}

} // namespace tb
