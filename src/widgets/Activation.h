#pragma once
// Where an activation comes from. The window system makes a window active
// for many reasons: the user moved between two of the program's windows,
// came back from another application, closed a message box, or a window was
// hidden and the window manager picked another. Only the first is a move the
// forms' FormActivate handlers answer; the others must change nothing.

class QWidget;

namespace tb {

// Installs the watch over the application's activations (once).
void WatchActivations();

// True when the activation `window` is receiving now comes from another
// visible window of the program (a form the user works in, not a dialog, a
// message box or the help window); valid while its WindowActivate event is
// handled.
bool ActivatedFromOwnWindow(const QWidget* window);

} // namespace tb
