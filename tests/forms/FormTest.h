#pragma once
// A fixture for window tests: a fresh data folder as the working folder, a
// settings file of its own, the long-lived forms created as at start-up, and
// the dialog script cleared.

#include "forms/Dialogs.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tbtest {

extern bool programTerminated;

class FormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lets queued window events (activation, focus) arrive.
    static void Settle();
    // Shows `window` and makes it the active window, as a click on it would.
    static void Activate(QWidget* window);
    // Types text into the focused widget, then presses keys.
    static void Type(QWidget* widget, const QString& text) { QTest::keyClicks(widget, text); }
    static void Press(QWidget* widget, Qt::Key key) { QTest::keyClick(widget, key); }
    static void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Moves the focus with Tab from the focused widget of the active window.
    static void Tab();

    std::vector<QString> Shown() const { return tb::Dialogs::ShownTexts(); }

    TempDir dir;

private:
    QString previousDir_;
};

} // namespace tbtest
