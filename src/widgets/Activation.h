#pragma once
// Where an activation comes from. The window system makes a window active
// for many reasons: the user moved between two of the program's windows,
// came back from another application, closed a message box, or a window was
// hidden and the window manager picked another. Only the first is a move the
// forms' FormActivate handlers answer; the others must change nothing.

class QWidget;

namespace tb {

enum class ActivationSource {
    OwnWindow,   // another visible window of the program, left by the user
    Elsewhere,   // another application, or no window at all
    PassingStep, // a dialog or message box, or a window that has just gone
};

// Installs the watch over the application's activations (once).
void WatchActivations();

// Where the activation that `window` is receiving now comes from; valid
// while its WindowActivate event is handled.
ActivationSource SourceOfActivation(const QWidget* window);

} // namespace tb
