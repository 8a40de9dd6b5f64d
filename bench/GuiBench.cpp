// tarnbeck-gui-bench --data DIR [benchmark flags]: what the user waits for in
// the windows, on a data folder at the program's limits (tarnbeck-bench-data
// writes it), drawn offscreen. Each case is timed twice: "<Case>/program"
// drives the program's windows through their own controls; "<Case>/bare"
// draws what that window showed with bare Qt widgets and no program logic
// (BareCopy.h). A window case ends when the window has been drawn
// (GuiTiming.h); a printing case when the PDF is written. Printing cases
// give their pages in the counter "pages". At the end the process's peak
// resident memory is written to standard error as "peak-rss-kb N".

#include "BareCopy.h"
#include "BareMainWindow.h"
#include "GuiProgram.h"
#include "GuiTiming.h"

#include "app/TarnbeckApplication.h"
#include "data/CourseFile.h"
#include "data/GolferFile.h"
#include "data/Records.h"
#include "data/ScoreFile.h"
#include "data/Text.h"
#include "forms/CourseHandicapWindow.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/CurrentIndexWindow.h"
#include "forms/GolferListWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/GolferScoresWindow.h"
#include "forms/MainWindow.h"
#include "forms/PrintHandicapsDialog.h"
#include "forms/ProgressWindow.h"
#include "forms/ScoreForm.h"
#include "forms/WhsIndexWindow.h"
#include "print/core/HandicapReports.h"
#include "print/core/ScoreHistory.h"
#include "widgets/Controls.h"
#include "widgets/Dialogs.h"
#include "widgets/Placement.h"
#include "widgets/Program.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <sys/resource.h>

namespace tbbench {
namespace {

using tb::Dialogs::Answer;

class QuietNotifier : public tb::Notifier {
public:
    void Message(const std::string&) override {}
};

// A command given in a window of the program, and what it draws.
struct Step {
    std::function<void()> prepare; // untimed, before each command
    std::function<void()> command; // timed, until `target` is drawn
    WindowTest target;
    std::function<void()> then;   // when given, timed too: until `target` is drawn again
    std::function<void()> finish; // untimed, after each command
};

bool RunStep(const Step& step) {
    if (!Painting().RunUntilPainted(step.command, step.target)) return false;
    return !step.then || Painting().RunUntilPainted(step.then, step.target);
}

QWidget* Active() {
    return QApplication::activeWindow();
}

void CloseActive() {
    CloseWindow(Active());
}

// The window the step draws, copied once for its baseline: as its command
// left it, then, for a step with a second command, as that one left it.
struct StepCopy {
    WindowCopy shown;
    std::optional<WindowCopy> changed;
};

const StepCopy& CopyOf(const std::string& name, const Step& step) {
    static std::map<std::string, StepCopy> copies;
    auto found = copies.find(name);
    if (found != copies.end()) return found->second;
    step.prepare();
    StepCopy copy;
    if (Painting().RunUntilPainted(step.command, step.target)) {
        copy.shown = CopyWindow(Painting().PaintedWindow());
        if (step.then && Painting().RunUntilPainted(step.then, step.target))
            copy.changed = CopyWindow(Painting().PaintedWindow());
    }
    step.finish();
    return copies[name] = std::move(copy);
}

void TimeProgram(benchmark::State& state, const Step& step) {
    TimeEach(
        state, step.prepare, [&] { return RunStep(step); }, step.finish,
        "the window was not drawn within ten seconds");
}

// The copy drawn in a bare window, opened over a bare copy of the window the
// program's command was given in: that one is active before each command and
// gives way to the new window, as the program's does (and is drawn again as
// inactive, as the program's is). A step with a second command has the bare
// window changed to show what that one left, and drawn again.
void TimeBare(benchmark::State& state, const StepCopy& copy, const WindowCopy& opener) {
    const std::unique_ptr<QWidget> behind = BareWindow(opener);
    Painting().RunUntilPainted([&] { behind->show(); }, IsWindow(behind.get()));
    std::unique_ptr<QWidget> window;
    const auto isWindow = [&](QWidget* drawn) { return drawn == window.get(); };
    TimeEach(
        state,
        [&] {
            behind->activateWindow();
            WaitUntil([&] { return Active() == behind.get(); });
        },
        [&] {
            const auto open = [&] {
                window = BareWindow(copy.shown);
                window->show();
                window->activateWindow();
            };
            if (!Painting().RunUntilPainted(open, isWindow)) return false;
            return !copy.changed ||
                   Painting().RunUntilPainted(
                       [&] { ShowChanges(window.get(), copy.shown, *copy.changed); }, isWindow);
        },
        [&] { window.reset(); }, "the window was not drawn within ten seconds");
}

// What the main window and the golfer list showed, copied once.
const WindowCopy& OpenerCopy(bool fromMainWindow) {
    static const WindowCopy mainWindow = [] {
        EnsureForms();
        return CopyWindow(tb::MainForm);
    }();
    static const WindowCopy golferList = CopyWindow(Hub());
    return fromMainWindow ? mainWindow : golferList;
}

// --- The windows ---

Step FromMain(tb::TButton* tb::TMainForm::*button, WindowTest target) {
    return {[] {
                CloseWindow(tb::GPickForm);
                EnsureForms();
            },
            [button] { Click(tb::MainForm->*button); }, std::move(target), nullptr, CloseActive};
}

// Every golfer of the folder has the most rounds a golfer may have but the
// one in this row of the golfer list, who has room for one more: the score
// form opens for him.
constexpr int RoomForARound = 1;

Step FromHub(std::function<void(tb::TGPickForm*)> command, WindowTest target,
             std::function<void()> then = nullptr, int row = 0) {
    return {[row] { Hub(row); }, [command] { command(tb::GPickForm); }, std::move(target),
            std::move(then), CloseActive};
}

Step GolferList() {
    return FromMain(&tb::TMainForm::EnterScoresButton, IsWindowOf<tb::TGPickForm>());
}

Step GolferMaintenance() {
    return FromMain(&tb::TMainForm::EditGolferButton, IsWindowOf<tb::TGMaintForm>());
}

Step CourseMaintenance() {
    return FromMain(&tb::TMainForm::EditCoursesButton, IsWindowOf<tb::TCMaintForm>());
}

Step GolferScores() {
    return FromHub([](tb::TGPickForm* hub) { Click(hub->EditScoresButton); },
                   IsWindowOf<tb::TGolferForm>());
}

Step ScoreFormFromList() {
    return FromHub([](tb::TGPickForm* hub) { Click(hub->AddAScoreButton); },
                   IsWindowOf<tb::TScoreForm>(), nullptr, RoomForARound);
}

Step IndexDetails() {
    return FromHub([](tb::TGPickForm* hub) { Click(hub->IndexButton); },
                   IsWindowOf<tb::TIndexForm>());
}

// The window, then the first course picked in it with the keys.
Step CourseHandicap() {
    return FromHub([](tb::TGPickForm* hub) { Click(hub->HandicapButton); },
                   IsWindowOf<tb::THandicapForm>(),
                   [] {
                       auto* form = qobject_cast<tb::THandicapForm*>(Active());
                       form->CourseField->setFocus();
                       QTest::keyClick(form->CourseField, Qt::Key_Down);
                   });
}

Step Progress() {
    return FromHub([](tb::TGPickForm* hub) { hub->Progress1->trigger(); },
                   IsWindowOf<tb::TProgressForm>());
}

Step WhsIndex() {
    return FromHub([](tb::TGPickForm* hub) { hub->WhsIndex1->trigger(); },
                   IsWindowOf<tb::TWhsIndexForm>());
}

void StartupProgram(benchmark::State& state) {
    TimeDrawing(state, DeleteForms, tb::StartForms, IsWindowOf<tb::TMainForm>(),
                [] { tb::MainForm->MakeWaitingForms(); });
    EnsureForms();
}

void StartupBare(benchmark::State& state) {
    // Made and shown in the timed part, as the program's main window is.
    std::unique_ptr<QMainWindow> window;
    TimeDrawing(
        state, [] {},
        [&] {
            window = BareMainWindow();
            window->show();
        },
        [&](QWidget* drawn) { return drawn == window.get(); }, [&] { window.reset(); });
}

// --- Leaving the hole boxes of the score form ---

// Each round types the next hole's score (4 and 5 by turns, so that every
// sum changes) and times the Tab that leaves the box, until the form is
// drawn with the sums, the adjusted score and the differential updated.
void LeaveHolesProgram(benchmark::State& state) {
    Click(Hub(RoomForARound)->AddAScoreButton);
    WaitUntil([] { return Active() == tb::ScoreForm.Get(); });
    tb::TScoreForm* form = tb::ScoreForm.Get();
    form->CourseField->setFocus();
    QTest::keyClick(form->CourseField, Qt::Key_Down);
    int round = 0;
    TimeEach(
        state,
        [&] {
            QLineEdit* box = form->Score[round % 18];
            Painting().RunUntilPainted(
                [&] {
                    box->setFocus();
                    box->selectAll();
                    QTest::keyClicks(box, round / 18 % 2 ? "5" : "4");
                },
                IsWindow(form));
        },
        [&] {
            return Painting().RunUntilPainted(
                [&] { QTest::keyClick(form->Score[round % 18], Qt::Key_Tab); }, IsWindow(form));
        },
        [&] { ++round; }, "the form was not drawn within ten seconds");
    if (form->ScoreTotal->text().isEmpty()) state.SkipWithError("the sums were not updated");
    tb::Dialogs::QueueAnswer(Answer::Yes); // "Discard this round?"
    CloseWindow(form);
}

// The same boxes in a bare copy of the form: leaving one sets the five
// boxes of the last row (sums, adjusted score, differential).
void LeaveHolesBare(benchmark::State& state) {
    const WindowCopy& copy = CopyOf("ScoreForm", ScoreFormFromList()).shown;
    std::unique_ptr<QWidget> window = BareWindow(copy);
    Painting().RunUntilPainted([&] { window->show(); }, IsWindow(window.get()));
    window->activateWindow();
    WaitUntil([&] { return Active() == window.get(); });
    const QList<QLineEdit*> boxes = window->findChildren<QLineEdit*>();
    const QList<QLineEdit*> dependent = boxes.mid(boxes.size() - 5);
    int sum = 0;
    for (QLineEdit* box : boxes.mid(0, 18)) {
        QObject::connect(box, &QLineEdit::editingFinished, box, [&, box] {
            sum += box->text().toInt();
            for (QLineEdit* shown : dependent)
                shown->setText(QString::number(sum));
        });
    }
    int round = 0;
    TimeEach(
        state,
        [&] {
            QLineEdit* box = boxes[round % 18];
            Painting().RunUntilPainted(
                [&] {
                    box->setFocus();
                    box->selectAll();
                    QTest::keyClicks(box, round / 18 % 2 ? "5" : "4");
                },
                IsWindow(window.get()));
        },
        [&] {
            return Painting().RunUntilPainted(
                [&] { QTest::keyClick(boxes[round % 18], Qt::Key_Tab); }, IsWindow(window.get()));
        },
        [&] { ++round; }, "the form was not drawn within ten seconds");
}

// --- Printing to PDF ---

struct PrintCase {
    std::function<QAbstractButton*()> button; // opens the way and gives the button
    bool asksPrinterOrFile;
    std::function<QString()> pdf; // the file the program printed
    std::function<tb::Report()> report;
    std::function<QStringList()> files; // the score files the program reads to print
};

void PrintProgram(benchmark::State& state, const PrintCase& print) {
    QAbstractButton* button = print.button();
    TimeEach(
        state,
        [&] {
            tb::Dialogs::ClearShown();
            if (print.asksPrinterOrFile) tb::Dialogs::QueueAnswer(Answer::Button1);
            tb::Dialogs::QueueAnswer(Answer::Ok);
        },
        [&] {
            Click(button);
            const auto shown = tb::Dialogs::ShownTexts();
            return !shown.empty() && shown.back() == "Printing completed.";
        },
        [] {}, "the report was not printed");
    state.counters["pages"] = PdfPageCount(print.pdf());
}

// Reads each file whole, as the floor of what reading them costs.
bool ReadWhole(const QStringList& files) {
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly) || file.readAll().isEmpty()) return false;
    }
    return true;
}

// The same lines written as a PDF, after the bytes of the files the program
// reads for them are read: the reading is a cost no printing can skip.
void PrintBare(benchmark::State& state, const PrintCase& print) {
    print.button(); // the same inputs as the program's
    const tb::Report report = print.report();
    const QStringList files = print.files();
    QTemporaryDir dir;
    int pages = 0;
    TimeEach(
        state, [] {},
        [&] {
            if (!ReadWhole(files)) return false;
            pages = WriteBarePdf(dir.filePath("bare.pdf"), report);
            return pages > 0;
        },
        [] {}, "the PDF was not written");
    state.counters["pages"] = pages;
}

tb::GolferList SortedGolfers() {
    QuietNotifier quiet;
    tb::GolferList golfers;
    tb::LoadGolfers(tb::DataDir, golfers, quiet);
    tb::SortGolfers(golfers);
    return golfers;
}

std::vector<tb::GolferHandicap> AllHandicaps() {
    QuietNotifier quiet;
    const tb::GolferList golfers = SortedGolfers();
    return tb::ReadGolferHandicaps(tb::DataDir, {golfers.begin(), golfers.end()}, quiet);
}

tb::CourseSummary ChosenCourse() {
    QuietNotifier quiet;
    tb::CourseSummaryList courses;
    tb::LoadCourseSummaries(tb::DataDir, courses, quiet);
    return courses.at(std::size_t(HandicapsDialog()->CourseField->currentIndex()));
}

QStringList ScoreFilesOf(const tb::GolferList& golfers) {
    QStringList files;
    for (const tb::GolferRec& golfer : golfers)
        files.append(QString::fromStdString(tb::ScoreFileName(golfer.ShortName.str())));
    return files;
}

// The golfer the golfer list's last activity was for, else the chosen one.
tb::GolferRec HubGolfer() {
    const tb::TGPickForm* hub = Hub();
    const int position =
        hub->CurrentGolfer() > 0 ? hub->CurrentGolfer() : hub->GolferListBox->currentRow() + 1;
    return hub->Golfers().at(std::size_t(position - 1));
}

PrintCase ScoreHistoryPrint() {
    return {[] { return Hub()->PrintScoresButton; }, true,
            [] { return QString::fromStdString(HubGolfer().ShortName.str() + "-scores.pdf"); },
            [] {
                QuietNotifier quiet;
                const tb::GolferRec golfer = HubGolfer();
                tb::ScoreList scores = tb::LoadHistoryScores(tb::DataDir, golfer, quiet);
                return tb::ScoreHistoryReport(golfer, scores);
            },
            [] { return ScoreFilesOf({HubGolfer()}); }};
}

PrintCase HandicapListPrint() {
    return {[] { return HandicapsDialog()->PrintListButton; }, true,
            [] { return QString("handicap-list.pdf"); },
            [] {
                return tb::HandicapListReport(ChosenCourse(), AllHandicaps(),
                                              tb::TodayForDisplay());
            },
            [] { return ScoreFilesOf(SortedGolfers()); }};
}

PrintCase HandicapCardsPrint() {
    return {[] { return HandicapsDialog()->PrintCardsButton; }, false,
            [] { return QString("handicap-cards.pdf"); },
            [] {
                return tb::HandicapCardsReport(ChosenCourse(), AllHandicaps(),
                                               tb::TodayForDisplay());
            },
            [] { return ScoreFilesOf(SortedGolfers()); }};
}

// Drops the oldest round of the golfer in row RoomForARound.
void MakeRoomForARound() {
    const std::string shortName = SortedGolfers().at(RoomForARound).ShortName.str();
    QFile file(QString::fromStdString(tb::ScoreFileName(shortName)));
    if (!file.open(QIODevice::ReadOnly)) return;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
        lines.removeLast();
    if (lines.size() < tb::MaxScores || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    lines.removeLast();
    file.write(lines.join('\n') + '\n');
}

// --- Registration ---

void Register(const std::string& name, std::function<void(benchmark::State&)> run) {
    // Every case has the counter, which CSV output needs.
    benchmark::RegisterBenchmark(name.c_str(),
                                 [run](benchmark::State& state) {
                                     state.counters["pages"] = 0;
                                     run(state);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void RegisterWindow(const std::string& name, Step (*make)(), bool fromMainWindow = false) {
    Register(name + "/program", [make](benchmark::State& state) { TimeProgram(state, make()); });
    Register(name + "/bare", [make, name, fromMainWindow](benchmark::State& state) {
        TimeBare(state, CopyOf(name, make()), OpenerCopy(fromMainWindow));
    });
}

void RegisterPrint(const std::string& name, PrintCase (*make)()) {
    Register(name + "/program", [make](benchmark::State& state) { PrintProgram(state, make()); });
    Register(name + "/bare", [make](benchmark::State& state) { PrintBare(state, make()); });
}

void RegisterAll() {
    Register("Startup/program", StartupProgram);
    Register("Startup/bare", StartupBare);
    RegisterWindow("GolferList", GolferList, true);
    RegisterWindow("GolferMaintenance", GolferMaintenance, true);
    RegisterWindow("CourseMaintenance", CourseMaintenance, true);
    RegisterWindow("GolferScores", GolferScores);
    RegisterWindow("ScoreForm", ScoreFormFromList);
    Register("LeaveHoleBoxes/program", LeaveHolesProgram);
    Register("LeaveHoleBoxes/bare", LeaveHolesBare);
    RegisterWindow("IndexDetails", IndexDetails);
    RegisterWindow("CourseHandicap", CourseHandicap);
    RegisterWindow("Progress", Progress);
    RegisterWindow("WhsIndex", WhsIndex);
    RegisterPrint("PrintScoreHistory", ScoreHistoryPrint);
    RegisterPrint("PrintHandicapList", HandicapListPrint);
    RegisterPrint("PrintHandicapCards", HandicapCardsPrint);
}

// The offscreen platform cannot raise windows or pass size hints and says
// so on every show; those lines only hide real warnings.
QtMessageHandler standardHandler = nullptr;
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith("This plugin does not support")) return;
    standardHandler(type, context, text);
}

// Takes "--data DIR" out of the arguments; empty when it is missing.
std::string TakeDataFolder(int& argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--data") != 0) continue;
        std::string dir = argv[i + 1];
        for (int j = i; j + 2 <= argc; ++j)
            argv[j] = argv[j + 2];
        argc -= 2;
        return dir;
    }
    return {};
}

} // namespace
} // namespace tbbench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string data = tbbench::TakeDataFolder(argc, argv);
    if (data.empty()) {
        std::cerr << "usage: tarnbeck-gui-bench --data DIR [benchmark flags]\n"
                     "DIR: a folder tarnbeck-bench-data wrote\n";
        return 2;
    }
    tbbench::standardHandler = qInstallMessageHandler(tbbench::QuietOffscreenNotices);
    tb::IgnoreFileSizeSignal();
    tb::TarnbeckApplication app(argc, argv);
    QDir::setCurrent(QString::fromStdString(data));
    tb::SetIniFilePath(QDir(QString::fromStdString(data)).absoluteFilePath("tarnbeck.ini"));
    tb::Dialogs::StartScript();
    tbbench::MakeRoomForARound();
    benchmark::Initialize(&argc, argv);
    tbbench::RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    tbbench::DeleteForms();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::cerr << "peak-rss-kb " << usage.ru_maxrss << '\n';
    return 0;
}
