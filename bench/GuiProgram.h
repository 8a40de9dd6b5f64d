#pragma once
// The program's windows as the window benchmarks drive them: the forms made
// as at start-up, and the windows most cases start from (the golfer list
// with its first golfer chosen, the print handicaps dialog with every golfer
// and the first course chosen), all through the windows' own controls.

#include "GuiTiming.h"

class QAbstractButton;

namespace tb {
class TGPickForm;
class TPrintHandicapsDlg;
} // namespace tb

namespace tbbench {

// A click on the button, as the user gives it.
void Click(QAbstractButton* button);

// The main window and the long-lived forms, made and drawn, the main
// window active.
void EnsureForms();
// Deletes every window of the program.
void DeleteForms();

// Closes `window` (when there is one) and waits until it is gone or hidden
// and every hand-over is delivered.
void CloseWindow(QWidget* window);

// The golfer list, opened from the main window when none is open, with the
// golfer at `row` chosen and active.
tb::TGPickForm* Hub(int row = 0);
// The print handicaps dialog over the golfer list, the first course and
// every golfer chosen.
tb::TPrintHandicapsDlg* HandicapsDialog();

} // namespace tbbench
