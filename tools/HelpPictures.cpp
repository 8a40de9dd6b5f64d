// Makes the pictures of the user guide (resources/help/pictures/<Unit>.png)
// from the real windows: each window is opened on a sample data folder, as
// the user opens it, on the offscreen platform, and grabbed at its normal
// size. Run by scripts/help-pictures.sh, which says where to write them.

#include "app/TarnbeckApplication.h"
#include "forms/AboutBox.h"
#include "forms/CourseMaintenanceWindow.h"
#include "forms/GolferListWindow.h"
#include "forms/GolferMaintenanceWindow.h"
#include "forms/MainWindow.h"
#include "forms/ScoreForm.h"
#include "forms/TwoChoiceDialog.h"
#include "widgets/Dialogs.h"
#include "widgets/Placement.h"
#include "widgets/Program.h"
#include "widgets/TbForm.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Strokes over par on a hole: now and then a birdie or a double bogey.
int OverPar(int spread) {
    constexpr int overPar[] = {-1, 0, 0, 0, 1, 1, 1, 1, 2};
    return overPar[spread % 9];
}

// 30 rounds on the starter courses, the holes played around their pars,
// newest first.
QByteArray SampleRounds(int seed) {
    const QList<QByteArray> courses = [] {
        QFile file(":/sample.vxc");
        if (!file.open(QIODevice::ReadOnly)) std::abort(); // in the program's resources
        return file.readAll().trimmed().split('\n');
    }();
    QByteArray rounds;
    for (int round = 0; round < 30; ++round) {
        const QList<QByteArray> course =
            courses[(round + seed) % courses.size()].trimmed().split('~');
        QByteArray holes, putts;
        int total = 0;
        for (int hole = 0; hole < 18; ++hole) {
            const int score = course[4 + hole].toInt() + OverPar(hole * 7 + round * 5 + seed * 3);
            total += score;
            holes += QByteArray::number(score) + '~';
            putts += QByteArray::number(1 + (hole + round) % 3 % 2 + (hole % 5 == 0)) + '~';
        }
        const QByteArray date = QString("2026%1%2")
                                    .arg(11 - round / 3, 2, 10, QChar('0'))
                                    .arg(25 - round % 3 * 9, 2, 10, QChar('0'))
                                    .toLatin1();
        const QByteArray totalText = QByteArray::number(total);
        rounds += date + '~' + course[0] + '~' + totalText + '~' + course[1] + '~' + course[2] +
                  "~~" + holes + putts + totalText + "~\r\n";
    }
    return rounds;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        std::exit(1);
    }
}

void WriteSampleFolder() {
    tb::PlaceStarterCourseList();
    WriteFile("golfers.vxc",
              "John Smith~SMITH~0~\r\nAnn Adams~ADAMS~1~\r\nPeter Brown~BROWN~0~\r\n");
    WriteFile("SMITH.vxp", SampleRounds(0));
    WriteFile("ADAMS.vxp", SampleRounds(1));
    WriteFile("BROWN.vxp", SampleRounds(2));
}

// Every queued call delivered and every window drawn.
void Settle() {
    QTest::qWait(200);
    if (!QTest::qWaitFor([] { return tb::PendingHandOvers() == 0; }, 5000))
        std::fprintf(stderr, "a window was never handed over to\n");
}

class Pictures {
public:
    explicit Pictures(QString folder) : folder_(std::move(folder)) {}

    // Opens a window with `open` and writes its picture as <unit>.png.
    void Take(const char* unit, const std::function<QWidget*()>& open) {
        QWidget* window = open();
        Settle();
        if (!window || !window->isVisible()) {
            std::fprintf(stderr, "%s did not open\n", unit);
            failed_ = true;
            return;
        }
        const QString file = folder_ + "/" + unit + ".png";
        if (!window->grab().save(file, "PNG", 0)) { // the smallest file
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            failed_ = true;
        }
    }
    bool Failed() const { return failed_; }

private:
    QString folder_;
    bool failed_ = false;
};

// Clicks `button` and gives the window the program then made active.
QWidget* Opened(QAbstractButton* button) {
    button->click();
    Settle();
    return tb::WindowAskedToBeActive();
}

QWidget* Opened(QAction* item) {
    item->trigger();
    Settle();
    return tb::WindowAskedToBeActive();
}

// A round typed: the first course, and each hole's score and putts, each
// box left with Tab as the user does.
void TypeRound() {
    tb::TScoreForm* form = tb::ScoreForm.Get();
    QTest::keyClick(form->CourseField, Qt::Key_Home);
    for (int hole = 0; hole < 18; ++hole) {
        for (tb::TEdit* box : {form->Score[hole], form->Putts[hole]}) {
            box->setFocus();
            QTest::keyClicks(box, QString::number(box == form->Putts[hole]
                                                      ? 1 + hole % 4 % 3 % 2 + hole % 7 % 2
                                                      : 4 + hole % 3 % 2));
            QTest::keyClick(box, Qt::Key_Tab);
        }
    }
    Settle();
}

void TakeWindows(Pictures& pictures) {
    using namespace tb;
    pictures.Take("MainWindow", [] { return MainForm; });
    pictures.Take("GolferMaintenanceWindow", [] { return Opened(MainForm->EditGolferButton); });
    pictures.Take("GolferNameDialog", [] { return Opened(GMaintForm->AddButton); });
    pictures.Take("CourseMaintenanceWindow", [] { return Opened(MainForm->EditCoursesButton); });
    pictures.Take("CourseEditWindow", [] { return Opened(CMaintForm->AddButton); });
    pictures.Take("RestoreBackupWindow", [] { return Opened(MainForm->RestoreFromBackup1); });
    pictures.Take("GolferListWindow", [] { return Opened(MainForm->EnterScoresButton); });
    GPickForm->GolferListBox->setCurrentRow(2);
    pictures.Take("GolferScoresWindow", [] { return Opened(GPickForm->EditScoresButton); });
    pictures.Take("CurrentIndexWindow", [] { return Opened(GPickForm->IndexButton); });
    pictures.Take("WhsIndexWindow", [] { return Opened(GPickForm->WhsIndex1); });
    pictures.Take("CourseHandicapWindow", [] { return Opened(GPickForm->HandicapButton); });
    pictures.Take("PrintHandicapsDialog", [] { return Opened(GPickForm->PrintHandicapButton); });
    pictures.Take("ProgressWindow", [] { return Opened(GPickForm->Progress1); });
    pictures.Take("GroupOfScoresWindow", [] { return Opened(GPickForm->AddGroupButton); });
    GPickForm->GolferListBox->setCurrentRow(1);
    pictures.Take("ScoreForm", [] {
        QWidget* form = Opened(GPickForm->AddAScoreButton);
        TypeRound();
        return form;
    });
}

void TakeDialogs(Pictures& pictures) {
    // The modal dialogs, shown without waiting for an answer.
    tb::TTwoChoiceDlg twoChoice;
    twoChoice.setWindowTitle("Printer or File");
    twoChoice.MemoField->setPlainText("Output handicap list to the printer or to a file?");
    twoChoice.MemoField->setAlignment(Qt::AlignCenter);
    twoChoice.Button1->setText("Printer");
    twoChoice.Button2->setText("File");
    pictures.Take("TwoChoiceDialog", [&] {
        twoChoice.show();
        return &twoChoice;
    });
    tb::TAboutBox about;
    about.FormActivate();
    pictures.Take("AboutBox", [&] {
        about.show();
        return &about;
    });
}

// The offscreen platform says on every showing what it cannot do.
void QuietOffscreenNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith("This plugin does not support")) qt_message_output(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: help-pictures FOLDER\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietOffscreenNotices);
    tb::TarnbeckApplication app(argc, argv);
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QTemporaryDir data;
    QDir::setCurrent(data.path());
    tb::SetIniFilePath(data.filePath("tarnbeck.ini"));
    // Any box a window would show is answered and never drawn.
    tb::Dialogs::StartScript();
    WriteSampleFolder();
    tb::CreateForms();
    tb::MainForm->show();
    Pictures pictures(folder);
    TakeWindows(pictures);
    TakeDialogs(pictures);
    for (const QString& text : tb::Dialogs::ShownTexts())
        std::fprintf(stderr, "a window said: %s\n", qPrintable(text));
    return pictures.Failed() ? 1 : 0;
}
