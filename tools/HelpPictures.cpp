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
#include "forms/TwoChoiceDialog.h"
#include "widgets/Dialogs.h"
#include "widgets/Placement.h"
#include "widgets/Program.h"
#include "widgets/TbForm.h"

#include <QAction>
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

// 30 rounds on the starter courses' first hole pars, a few strokes over par
// on some holes, newest first.
QByteArray SampleRounds(int seed) {
    const QList<QByteArray> courses = [] {
        QFile file(":/sample.vxc");
        file.open(QIODevice::ReadOnly);
        return file.readAll().trimmed().split('\n');
    }();
    QByteArray rounds;
    for (int round = 0; round < 30; ++round) {
        const QList<QByteArray> course =
            courses[(round + seed) % courses.size()].trimmed().split('~');
        QByteArray holes, putts;
        int total = 0;
        for (int hole = 0; hole < 18; ++hole) {
            const int score = course[4 + hole].toInt() + (hole * 7 + round * 3 + seed) % 4 / 2;
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
    QTest::qWaitFor([] { return tb::PendingHandOvers() == 0; }, 5000);
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
        if (!window->grab().save(file, "PNG")) {
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
    pictures.Take("ScoreForm", [] { return Opened(GPickForm->AddAScoreButton); });
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: help-pictures FOLDER\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
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
