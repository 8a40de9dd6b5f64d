#pragma once
// Shared set-up for the score form and golfer list tests: a course list, a
// golfer list with score files, and the road from the main window's
// "Enter Scores" to the score form, driven by clicks and keys.

#include "FormTest.h"

#include "forms/CourseHandicapWindow.h"
#include "forms/GolferListWindow.h"
#include "forms/MainWindow.h"
#include "forms/ScoreForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>

#include <string>

namespace tbtest {

// ABBEY 70.5/125 par 72, OAK HOLLOW 71.2/121 par 72 with 4 on every hole.
inline const char* const ScoreCourses =
    "ABBEY~70.5~125~72~4~4~3~5~4~4~3~4~5~4~4~3~5~4~4~3~4~5~\r\n"
    "OAK HOLLOW~71.2~121~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";

// One stored round with every hole and putt "0": date, course, score,
// rating, slope and AGS as given.
inline std::string RoundLine(const std::string& date, const std::string& course,
                             const std::string& score, const std::string& rating,
                             const std::string& slope, const std::string& adjScore = "0") {
    std::string line = date + "~" + course + "~" + score + "~" + rating + "~" + slope + "~~";
    for (int i = 0; i < 36; ++i)
        line += "0~";
    return line + adjScore + "~\r\n";
}

// `count` rounds on different days of 1998 and 1999, newest first.
inline std::string Rounds(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int year = i < 100 ? 1999 : 1998, day = i % 100;
        char date[9];
        std::snprintf(date, sizeof date, "%04d%02d%02d", year, 12 - day / 28, 28 - day % 28);
        text += RoundLine(date, "ABBEY", "90", "70.5", "125");
    }
    return text;
}

class ScoreEntryTest : public FormTest {
protected:
    tb::TScoreForm* form() const { return tb::ScoreForm.Get(); }

    // Two golfers listed out of order, each with a score file.
    void WriteGolfers(const std::string& smithRounds = "", const std::string& adamsRounds = "") {
        dir.Write("golfers.vxc", "John Smith~SMITH~0~\r\nAnn Adams~ADAMS~1~\r\n");
        dir.Write("SMITH.vxp", smithRounds);
        dir.Write("ADAMS.vxp", adamsRounds);
    }

    tb::TGPickForm* OpenHub() {
        Click(tb::MainForm->EnterScoresButton);
        Settle();
        return tb::GPickForm;
    }

    // The course handicap window for John Smith (row 1), opened from the hub.
    tb::THandicapForm* OpenCourseHandicapForSmith() {
        tb::TGPickForm* hub = OpenHub();
        EXPECT_TRUE(hub);
        if (!hub) return nullptr;
        hub->GolferListBox->setCurrentRow(1);
        Click(hub->HandicapButton);
        Settle();
        return qobject_cast<tb::THandicapForm*>(QApplication::activeWindow());
    }

    // "Add a Score" for the golfer in `row` of the hub's list.
    void AddAScore(tb::TGPickForm* hub, int row) {
        hub->GolferListBox->setCurrentRow(row);
        Click(hub->AddAScoreButton);
        Settle();
    }

    // The hub with the score form open for John Smith (row 1: Ann Adams
    // sorts first).
    tb::TGPickForm* OpenForSmith() {
        tb::TGPickForm* hub = OpenHub();
        EXPECT_TRUE(hub);
        if (!hub) return nullptr;
        AddAScore(hub, 1);
        EXPECT_TRUE(form()->isVisible());
        EXPECT_EQ(QApplication::activeWindow(), form());
        return hub;
    }

    static QWidget* Focus() { return QApplication::focusWidget(); }
    // Keys and text go to whatever has the focus, as at the keyboard.
    static void Key(Qt::Key key) {
        ASSERT_TRUE(Focus());
        QTest::keyClick(Focus(), key);
    }
    static void Keys(const QString& text) {
        ASSERT_TRUE(Focus());
        QTest::keyClicks(Focus(), text);
    }

    // Chooses the course at `index` of the course list with the keys, as the
    // user would with the list focused.
    void ChooseCourse(int index) {
        form()->CourseField->setFocus();
        QTest::keyClick(form()->CourseField, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(form()->CourseField, Qt::Key_Down);
    }

    // From the course list, Enter to the date, Enter to the check box and
    // Enter again to Score1.
    void EnterToScore1() {
        form()->CourseField->setFocus();
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        ASSERT_EQ(Focus(), form()->Score[0]);
    }

    // Opens the menu with Alt+`menu` and chooses the item with `item`.
    static void ChooseMenu(QWidget* window, Qt::Key menu, Qt::Key item) {
        QWidget* target = Focus() && Focus()->window() == window ? Focus() : window;
        QTest::keyClick(target, menu, Qt::AltModifier);
        Settle();
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_TRUE(popup) << "menu did not open";
        QTest::keyClick(popup, item);
        Settle();
    }
};

} // namespace tbtest
