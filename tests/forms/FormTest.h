#pragma once
// A fixture for window tests: a fresh data folder as the working folder, a
// settings file of its own, the long-lived forms created as at start-up, and
// the dialog script cleared.

#include "support/TempDir.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tbtest {

extern bool programTerminated;

// True when the window, frame included, is centred on its screen's
// available area, to a few pixels of rounding and `slack` pixels more.
inline bool CentredOnScreen(const QWidget* window, int slack = 0) {
    const QRect screen = window->screen()->availableGeometry();
    return (window->frameGeometry().center() - screen.center()).manhattanLength() <= 4 + slack;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Waits until every hand-over has been delivered and the window the
    // program asked for is active.
    static void Settle();
    // Waits until every hand-over has been delivered.
    static void WaitForHandOvers();
    // Asks for `window` to become the active window, as a click on it would,
    // and waits until it is; false when the window system refused.
    static bool Activate(QWidget* window);
    // The user goes to another application and comes back to `window`.
    static void LeaveAndComeBack(QWidget* window);
    // Types text into the focused widget, then presses keys.
    static void Type(QWidget* widget, const QString& text) { QTest::keyClicks(widget, text); }
    static void Press(QWidget* widget, Qt::Key key) { QTest::keyClick(widget, key); }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // A double-click on a line as the platform delivers it: a click, then
    // the double-click.
    static void DoubleClick(QListWidget* list, int row) {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    // Moves the focus with Tab from the focused widget of the active window.
    static void Tab();

    std::vector<QString> Shown() const { return tb::Dialogs::ShownTexts(); }
    // The data folder's entries but the settings file, which the window
    // manager's moves may write at any time.
    std::vector<std::string> DataFiles() const {
        std::vector<std::string> entries = dir.Entries();
        std::erase(entries, "tarnbeck.ini");
        return entries;
    }

    TempDir dir;

private:
    QString previousDir_;
};

} // namespace tbtest
